#pragma once

#include "JournalCodePage.h"

#include <QList>
#include <QStringList>

#include <optional>

// Where every line of a text starts, and whether every line ends in CR LF.
struct LineScan
{
    QList<qsizetype> starts;
    bool whole = true;
};

// The lines of a journal file, kept as the file's own bytes with the place of every line, so
// that a journal of a million entries is read, shown and written back without a string a line:
// a line is decoded when it is asked for and encoded when it is put in. Lines that the 8-bit
// code page cannot hold make the list UTF-8.
class JournalLines
{
public:
    // Where the lines of a text in one-byte units start, found a piece at a time as the file
    // is read, so that each piece is searched while the processor still holds it in its cache.
    class ByteLines
    {
    public:
        // Room for the lines of a text of about this size.
        void expect(qsizetype size);
        // The text read so far ends at `end`: the bytes read since the last call are searched.
        void readTo(const char *text, qsizetype end);
        LineScan finish(qsizetype size, qsizetype bodyStart = 0);

        // The lines of one piece of a text, found by whichever thread read it; the pieces are
        // then taken in order, one right after the other, from the start of the text.
        struct Piece
        {
            qsizetype from = 0;
            qsizetype to = 0;
            QList<qsizetype> afterBreaks; // where the byte after each LF lies
            bool whole = true; // every LF but one on `from` follows a CR
            bool breakFirst = false; // an LF on `from`, for the piece before to judge
        };
        static Piece search(const char *text, qsizetype from, qsizetype to);
        void take(const char *text, const Piece &piece);

    private:
        friend class JournalLines;
        void add(qsizetype at);
        // Written into room made ahead: appending a million starts one by one costs more than
        // finding them.
        QList<qsizetype> m_starts;
        qsizetype m_count = 0;
        qsizetype m_next = 0; // where the line being read starts
        qsizetype m_searched = 0;
        bool m_whole = true;
    };

    JournalLines() = default;
    explicit JournalLines(const QStringList &lines, JournalEncoding encoding = JournalEncoding::Ansi);
    // The lines of a file's text after its mark.
    JournalLines(JournalEncoding encoding, QByteArray body);
    // The same with the lines found while the file's `size` bytes were read; the text starts at
    // `bodyStart`, after its mark. They are looked for again when the encoding's units are wider.
    JournalLines(
        JournalEncoding encoding, QByteArray body, ByteLines found, qsizetype bodyStart, qsizetype size);

    JournalEncoding encoding() const { return m_encoding; }
    qsizetype size() const { return m_starts.size(); }
    bool isEmpty() const { return m_starts.isEmpty(); }
    QString at(qsizetype row) const;
    // The line's bytes, without its break.
    QByteArrayView bytesAt(qsizetype row) const;
    QStringList toStringList() const;
    // Every line followed by CR LF: the list as the clipboard takes it.
    QString text() const;
    // Whether the other list begins with the lines of this one.
    bool isStartOf(const JournalLines &other) const;

    void append(const QString &line);
    void replace(qsizetype row, const QString &line);
    // The list without these rows, given in ascending order.
    JournalLines without(const QList<int> &rows) const;
    // The bytes of a whole list without these rows, as the runs of rows that stay.
    QList<QByteArrayView> bodyWithout(const QList<int> &rows) const;
    // Removes these rows (ascending) in place.
    void remove(const QList<int> &rows);

    // The file's bytes after its mark, every line ending in CR LF.
    QByteArray body() const;
    // Whether body() is the bytes as kept, so that a row's bytes in it lie at start()..next().
    bool isWhole() const { return m_whole; }
    qsizetype start(qsizetype row) const { return m_starts.at(row); }
    // The bytes as kept and where each line starts in them, for searches over the bytes.
    const QByteArray &storedBytes() const { return m_body; }
    const QList<qsizetype> &lineStarts() const { return m_starts; }
    qsizetype next(qsizetype row) const;
    // The line and its CR LF in the list's encoding; none when the encoding cannot hold it.
    std::optional<QByteArray> encodedLine(QStringView line) const;

private:
    qsizetype endOf(qsizetype row) const; // where the line's text ends, before its break
    void becomeUtf8();

    JournalEncoding m_encoding = JournalEncoding::Ansi;
    QByteArray m_body;
    QList<qsizetype> m_starts;
    bool m_whole = true; // every line ends in CR LF: m_body is the file as the program writes it
};
