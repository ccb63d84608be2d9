#pragma once

#include "JournalFile.h"

#include <QByteArray>
#include <QList>

// Text as a search that ignores case and accents compares it: every letter in lower case
// without its accent ("É" becomes "e"), combining accents left out.
QString foldForSearch(QStringView text);

// Finds the entries of a journal list whose text holds a given text, case and accents ignored.
// It reads the list's stored bytes, not a string a line: the first search of a version of the
// list makes a folded copy of them (byte for byte for the 8-bit code page, UTF-8 for the
// Unicode encodings) and keeps it, so that a keystroke costs one indexOf pass over that copy.
class JournalSearch
{
public:
    // The list to search: its encoding, its bytes with the line breaks, where each line starts.
    void setList(JournalEncoding encoding, const QByteArray &bytes, const QList<qsizetype> &starts);
    void setList(const JournalLines &lines);

    // The rows whose text holds `text`, in ascending order; none for an empty text.
    QList<int> rowsHolding(QStringView text);

private:
    void fold();
    std::optional<QByteArray> foldedNeedle(QStringView text) const;

    JournalEncoding m_encoding = JournalEncoding::Ansi;
    QByteArray m_source; // the list's bytes until they are folded
    QList<qsizetype> m_starts;
    QByteArray m_folded;
    bool m_stale = false;
};

// The row of `rows` (ascending) after `from`, or before it going back, wrapping round at either
// end; -1 when `rows` is empty.
int stepToMatch(const QList<int> &rows, int from, bool forward);
