#pragma once

#include <QByteArray>

#include <cstdio>
#include <initializer_list>

// A journal of n entries of everyday length in the 8-bit code page, the questions in turn.
inline QByteArray journalOf(int n, std::initializer_list<const char *> questions)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(n) * 90);
    for (int i = 0; i < n; ++i) {
        char date[32];
        std::snprintf(date, sizeof date, "%02d/%02d/%02d %02d:%02d:%02d,", i % 28 + 1, i % 12 + 1,
            i / 1000 % 100, i % 24, i % 60, (i * 7) % 60);
        bytes += date;
        bytes += questions.begin()[std::size_t(i) % questions.size()];
        bytes += ",43,44,977776\r\n";
    }
    return bytes;
}
