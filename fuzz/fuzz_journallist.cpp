// Arbitrary bytes as a journal file: loading and saving it again settles at once (or, for a file
// that only looks marked, after a second round), and an unmarked file whose lines all end in
// CR LF comes back byte for byte.
#include "JournalFile.h"
#include "JournalFuzz.h"

#include <QCoreApplication>

#include <algorithm>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString in = scratchFile(u"in.txt"_s, bytes);
    const QString out = scratchFolder() + u"/out.txt"_s;

    // A round: load, save, and what the save wrote.
    const auto round = [&](const QString &from, JournalLines &list) {
        check(!loadJournalList(from, list));
        check(!saveJournalList(out, list));
        return contents(out);
    };
    JournalLines list;
    const QByteArray first = round(in, list);
    const bool plain
        = !bytes.startsWith("\xEF\xBB\xBF") && !bytes.startsWith("\xFF\xFE") && !bytes.startsWith("\xFE\xFF");

    // The first save ends every line in CR LF. That can make a file that only looked marked
    // (UTF-16 of odd length) read as marked afterwards; from the second save on nothing moves.
    JournalLines again;
    const QByteArray second = round(out, again);
    if (plain || list.encoding() != JournalEncoding::Ansi)
        check(again.toStringList() == list.toStringList() && second == first);
    JournalLines third;
    check(round(out, third) == second && third.toStringList() == again.toStringList());

    // Files as the program writes them come back as they are.
    bool everyLineEnded = bytes.isEmpty() || bytes.endsWith('\n');
    for (qsizetype i = bytes.indexOf('\n'); i >= 0 && everyLineEnded; i = bytes.indexOf('\n', i + 1))
        everyLineEnded = i > 0 && bytes.at(i - 1) == '\r';
    if (plain && everyLineEnded)
        check(first == bytes
            && (list.encoding() == JournalEncoding::Ansi
                || list.encoding() == JournalEncoding::Utf8Unmarked));
    // Unmarked text is UTF-8 only when it is valid UTF-8 and not plain ASCII.
    if (plain && list.encoding() == JournalEncoding::Utf8Unmarked)
        check(bytes.isValidUtf8()
            && std::any_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) >= 0x80; }));
    return 0;
}
