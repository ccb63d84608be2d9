#pragma once

#include "JournalLines.h"

#include <QString>

#include <optional>

// The journal file: one consultation a line, in the order saved, every line ending in CR LF.

inline const QString JournalFileName = QStringLiteral("QuivarLijst.txt");
inline const QString JournalBackupName = QStringLiteral("QuivarLijst.bak");

// What went wrong with a file, as a Dutch message that names it and the reason; no value when
// all went well.
using FileProblem = std::optional<QString>;

// What tells one state of a file from another without reading it: a save replaces the file,
// so its identity changes too, even when size and time stay the same.
struct FileStamp
{
    bool exists = false;
    qint64 size = -1;
    qint64 modifiedNs = 0;
    quint64 device = 0;
    quint64 inode = 0;
    bool operator==(const FileStamp &) const = default;
};
FileStamp stampOf(const QString &path);

// Replaces `list` with the lines of the file and its encoding, and `stamp` with the stamp of
// the file as read. A file with a mark whose text does not decode cleanly is read as 8-bit
// text, so that writing it back keeps every byte.
FileProblem loadJournalList(const QString &path, JournalLines &list, FileStamp *stamp = nullptr);

// Replaces the file whole and atomically with the lines of `list`, in its encoding with its
// mark. On failure the file is as it was.
FileProblem saveJournalList(const QString &path, const JournalLines &list);
// The same with the file's bytes given in pieces, so that a big list is not copied to add a line.
FileProblem writeJournalBytes(const QString &path, const QList<QByteArrayView> &pieces);

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
// Whether an entry is long enough to hold a question between its date and its numbers.
bool holdsQuestion(QStringView entry);
