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

// The lines of a journal file and the encoding they are written back in.
struct JournalLines
{
    QStringList lines;
    JournalEncoding encoding = JournalEncoding::Ansi;
};

// What went wrong with a file, as a Dutch message that names it and the reason; no value when
// all went well.
using FileProblem = std::optional<QString>;

// Replaces `list` with the lines of the file and its encoding. A file with a mark whose text
// does not decode cleanly is read as 8-bit text, so that writing it back keeps every byte.
FileProblem loadJournalList(const QString &path, JournalLines &list);

// Replaces the file whole and atomically with the lines of `list`. A list holding characters
// the 8-bit code page lacks is written (and from then on read) as UTF-8 with its mark, and
// `list.encoding` says so afterwards. On failure the file is as it was.
FileProblem saveJournalList(const QString &path, JournalLines &list);

// What a read of one line found: the number of lines and line n when the file has it.
struct JournalLineRead
{
    qsizetype count = 0;
    std::optional<QString> line;
};
// Reads the file and line n (1-based), decoded and split exactly as loadJournalList does.
FileProblem readJournalLine(const QString &path, qsizetype n, JournalLineRead &read);

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
