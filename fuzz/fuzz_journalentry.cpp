// Arbitrary text as a journal entry: it is cut by position into exactly the lengths the
// format gives, and an entry made from a consultation reads back as it was written.
#include "JournalFile.h"

#include "JournalFuzz.h"

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString entry = QString::fromUtf16(reinterpret_cast<const char16_t *>(data), qsizetype(size / 2));
    const qsizetype length = entry.size();
    const JournalEntry fields = parseJournalEntry(entry);
    check(fields.dateText == entry.left(17));
    check(fields.lineDigits == entry.right(6));
    check(fields.question.size() == qMax<qsizetype>(0, length - 31));
    check(length <= 31 || fields.question == entry.mid(18, length - 31));
    if (holdsCast(entry)) {
        for (QChar c : fields.lineDigits)
            check(c >= u'6' && c <= u'9');
    }

    // The same text as the question of a new entry: one line, read back with spaces for breaks.
    const QString made = makeJournalEntry(u"01/02/03 04:05:06"_s, entry, 64, 0, u"678966"_s);
    check(!made.contains(u'\n') && !made.contains(u'\r'));
    check(holdsCast(made));
    QString expected = entry;
    expected.replace(u'\r', u' ').replace(u'\n', u' ');
    check(parseJournalEntry(made).question == expected);
    check(made.right(13) == u",64,00,678966"_s);
    return 0;
}
