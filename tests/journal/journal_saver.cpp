// The other program of the journal tests, in the current directory.
//   journal_saver             appends "entry NNNNNN" save after save and writes one byte to
//                             stdout after each, until tst_journalcrash kills it.
//   journal_saver mixed NAME MS
//                             saves, deletes and restores through the journal store for MS
//                             milliseconds, beside another one doing the same; it prints every
//                             save that was made and checks the file is whole after each step.
#include "JournalStore.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

namespace {

int crashVictim()
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

// Every line is one the savers write, and the last one ends in CR LF.
bool isWhole()
{
    QFile file(JournalFileName);
    if (!file.open(QIODevice::ReadOnly))
        return !file.exists();
    const QByteArray bytes = file.readAll();
    static const QRegularExpression line(QStringLiteral("^((save|spare) [AB] \\d+\\r\\n)*$"));
    return line.match(QString::fromLatin1(bytes)).hasMatch();
}

int mixed(const QString &name, int ms)
{
    JournalStore store;
    const QDeadlineTimer deadline(ms);
    for (int n = 1; !deadline.hasExpired(); ++n) {
        const QString save = QStringLiteral("save %1 %2").arg(name).arg(n);
        if (store.append(save).done())
            std::printf("%s\n", qPrintable(save));
        if (n % 3 == 0) {
            // A spare line of its own to delete, where it stands in the list now.
            const QString spare = QStringLiteral("spare %1 %2").arg(name).arg(n);
            if (store.append(spare).done()) {
                const JournalLines &lines = store.lines();
                for (qsizetype row = lines.size() - 1; row >= 0; --row) {
                    if (lines.at(row) == spare) {
                        store.removeRows({ int(row) });
                        break;
                    }
                }
            }
        }
        if (n % 5 == 0)
            store.restore();
        if (!isWhole())
            return 3;
        QCoreApplication::processEvents();
    }
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args.at(1) == QStringLiteral("mixed"))
        return mixed(args.at(2), args.at(3).toInt());
    return crashVictim();
}
