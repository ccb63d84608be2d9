#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// How the bytes of a journal file stand for its text.

// Windows' 8-bit code page without a mark, UTF-8 without a mark (what Linux editors write), or
// one of the marked Unicode encodings. Every one is written back as it was read.
enum class JournalEncoding { Ansi, Utf8, Utf16LE, Utf16BE, Utf8Unmarked };

// The mark a file in this encoding starts with; empty for the unmarked ones.
QByteArrayView markOf(JournalEncoding encoding);

// Bytes a code unit (1 or 2) and where in a unit the low byte of a character stands.
struct JournalUnits
{
    qsizetype size;
    qsizetype lowByte;

    // Whether the unit at `at` is the ASCII character `c`.
    bool isUnit(QByteArrayView bytes, qsizetype at, char c) const
    {
        if (bytes.at(at + lowByte) != c)
            return false;
        return size == 1 || bytes.at(at + 1 - lowByte) == '\0';
    }
};
JournalUnits unitsOf(JournalEncoding encoding);

QString decodeIn(JournalEncoding encoding, QByteArrayView bytes);
// Appends the text's bytes; false (and nothing appended) when the 8-bit code page lacks a
// character.
bool encodeIn(JournalEncoding encoding, QStringView text, QByteArray &out);

// How a file's bytes are read: the encoding and where the text starts, after its mark. A mark
// over text it does not fit makes the file 8-bit text, which maps every byte to a character and
// back; so does unmarked text that is not valid UTF-8 or holds only ASCII.
struct JournalReading
{
    JournalEncoding encoding;
    qsizetype bodyStart;
};
JournalReading readingOf(QByteArrayView bytes);
