// The victim of tst_journalcrash: appends "entry NNNNNN" to QuivarLijst.txt in the current
// directory, save after save, and writes one byte to stdout after each, until it is killed.
#include "JournalFile.h"

#include <QFileInfo>

#include <cstdio>

int main()
{
    for (;;) {
        JournalLines list;
        if (QFileInfo::exists(JournalFileName) && loadJournalList(JournalFileName, list))
            return 1;
        list.append(QStringLiteral("entry %1").arg(list.size() + 1, 6, 10, QChar(u'0')));
        if (saveJournalList(JournalFileName, list))
            return 2;
        std::fputc('.', stdout);
        std::fflush(stdout);
    }
}
