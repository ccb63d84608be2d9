// Arbitrary bytes as a journal file and an entry number: the store, which keeps the line index,
// counts and finds exactly the lines that the whole-file reader gives, and a change made on disk
// behind its back is seen at the next step.
#include "JournalFuzz.h"
#include "JournalStore.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const qsizetype asked = data[0] | (data[1] << 8);
    const QByteArray bytes(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    static JournalStore store(scratchFolder());
    const QString path = scratchFile(u"QuivarLijst.txt"_s, bytes);

    JournalLines list;
    check(!loadJournalList(path, list));
    const qsizetype count = list.size();
    for (qsizetype n : { qsizetype(1), asked % (count + 2) + 1, count, count + 1 }) {
        if (n < 1)
            continue;
        JournalStore::Entry read;
        check(store.entry(n, read).done());
        check(read.count == count);
        check(n <= count ? read.line == list.at(n - 1) : !read.line.has_value());
    }
    return 0;
}
