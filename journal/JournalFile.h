#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The journal file: one consultation a line, in the order saved, every line ending in CR LF.
// Files are addressed relative to the current directory, where the program was started.

inline const QString JournalFileName = QStringLiteral("QuivarLijst.txt");
inline const QString JournalBackupName = QStringLiteral("QuivarLijst.bak");

// Windows' 8-bit code page without a mark, or one of the marked Unicode encodings.
enum class JournalEncoding { Ansi, Utf8, Utf16LE, Utf16BE };

// What went wrong with a file, as a Dutch message that names it and the reason; no value when
// all went well.
using FileProblem = std::optional<QString>;

// The lines of a journal file, kept as the file's own bytes with the place of every line, so
// that a journal of a million entries is read, shown and written back without a string a line:
// a line is decoded when it is asked for and encoded when it is put in. Lines that the 8-bit
// code page cannot hold make the list UTF-8.
class JournalLines
{
public:
    JournalLines() = default;
    explicit JournalLines(const QStringList &lines, JournalEncoding encoding = JournalEncoding::Ansi);

    JournalEncoding encoding() const { return m_encoding; }
    qsizetype size() const { return m_starts.size(); }
    bool isEmpty() const { return m_starts.isEmpty(); }
    QString at(qsizetype row) const;
    QStringList toStringList() const;
    // Every line followed by CR LF: the list as the clipboard takes it.
    QString text() const;
    // Whether the other list begins with the lines of this one.
    bool isStartOf(const JournalLines &other) const;

    void append(const QString &line);
    void replace(qsizetype row, const QString &line);
    // The list without these rows, given in ascending order.
    JournalLines without(const QList<int> &rows) const;
    // The file's bytes after its mark, every line ending in CR LF.
    QByteArray body() const;
    // The bytes as stored and where each line starts in them, for searches over the bytes.
    const QByteArray &storedBytes() const { return m_body; }
    const QList<qsizetype> &lineStarts() const { return m_starts; }

private:
    friend FileProblem loadJournalList(const QString &path, JournalLines &list);
    friend FileProblem readJournalLine(const QString &path, qsizetype n, struct JournalLineRead &read);
    JournalLines(JournalEncoding encoding, QByteArray body);
    qsizetype endOf(qsizetype row) const; // where the line's text ends, before its break
    // The line and its CR LF in the list's encoding, which turns UTF-8 first if it must.
    QByteArray encodedLine(const QString &line);
    void becomeUtf8();

    JournalEncoding m_encoding = JournalEncoding::Ansi;
    QByteArray m_body;
    QList<qsizetype> m_starts;
    bool m_whole = true; // every line ends in CR LF: m_body is the file as the program writes it
};

// Replaces `list` with the lines of the file and its encoding. A file with a mark whose text
// does not decode cleanly is read as 8-bit text, so that writing it back keeps every byte.
FileProblem loadJournalList(const QString &path, JournalLines &list);

// Replaces the file whole and atomically with the lines of `list`, in its encoding with its
// mark. On failure the file is as it was.
FileProblem saveJournalList(const QString &path, const JournalLines &list);

// What a read of one line found: the number of lines and line n when the file has it.
struct JournalLineRead
{
    qsizetype count = 0;
    std::optional<QString> line;
};
// Reads the file and line n (1-based), split and decoded exactly as loadJournalList does.
FileProblem readJournalLine(const QString &path, qsizetype n, JournalLineRead &read);

// Text in a journal's encoding, as the lists decode and encode it; no value when the 8-bit code
// page lacks a character of the text.
QString decodeJournalText(JournalEncoding encoding, QByteArrayView bytes);
std::optional<QByteArray> encodeJournalText(JournalEncoding encoding, QStringView text);

// The fields of an entry that are read back; they are cut by position, since a question may
// hold commas. Line L of the entry: date 1-17, "," 18, question 19..L-13, ",NN,NN," and the six
// line digits, line 1 first.
struct JournalEntry
{
    QString dateText;
    QString question;
    QString lineDigits;
};
JournalEntry parseJournalEntry(QStringView entry);

// The line that records a consultation; a line break in the question becomes a space, so that
// one consultation is always one line.
QString makeJournalEntry(const QString &castDate, const QString &question, int primaryNumber,
                         int changedNumber, const QString &lineDigits);

// Whether an entry carries a cast that can be shown again: 31 characters or more, ending in six
// line values 6 to 9.
bool holdsCast(QStringView entry);
