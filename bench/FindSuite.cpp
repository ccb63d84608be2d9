// Finding in the journal window at 1,000,000 entries: a keystroke in its find field (the search
// of the whole list, the count of the matches and the move of the focus), against one
// QByteArrayView::indexOf pass over the journal's bytes in memory for a text that is absent.
// The keystroke is measured when no entry, one in eight and every entry matches; the folded copy
// that the first keystroke after a change makes is shown beside the file's read, and the
// keystroke without matches beside a memchr pass, the fastest scan of those bytes there is.
#include "History.h"
#include "JournalBytes.h"
#include "JournalFind.h"
#include "Program.h"
#include "Report.h"
#include "ScriptedServices.h"
#include "Suites.h"
#include "Timed.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstring>

namespace {

// Eight questions in turn, one of them with the name that the figure of one in eight types.
QByteArray journalOf(int n)
{
    return ::journalOf(n,
        {
            "Wat brengt de komende week voor mijn werk en mijn gezin?",
            "Hoe ga ik om met de ruzie met mijn broer over het huis?",
            "Is dit het goede moment om te verhuizen naar de stad, of niet?",
            "Wat vraagt de vriendschap met Ren\xE9 nu van mij?",
            "Moet ik het aanbod voor de nieuwe baan aannemen?",
            "Hoe vind ik rust in een drukke tijd?",
            "Wat leert deze ziekte mij over geduld?",
            "Waar ligt mijn taak in de vereniging dit jaar?",
        });
}

struct FindRig
{
    ScriptedRandom random;
    FixedClock clock;
    RecordingPrompts prompts;
    RecordingShell shell;
    Program program { { &random, &clock, &prompts, &shell } };
    TVerleden &window = program.journalWindow();
    JournalFind *find = window.findChild<JournalFind *>();
    QLineEdit *field = nullptr;

    FindRig()
    {
        program.questionDialog().findChild<QPushButton *>(QStringLiteral("CancelBtn"))->click();
        window.showJournalWindow();
        find->openField();
        field = window.findChild<QLineEdit *>(QStringLiteral("zoekVeld"));
    }
};

} // namespace

void runFindSuite(const BenchConfig &config, Report &report)
{
    QTemporaryDir dir;
    const QString home = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QByteArray journal = journalOf(1000000);
    {
        QFile file(JournalFileName);
        if (file.open(QIODevice::WriteOnly))
            file.write(journal);
    }
    FindRig rig;
    const auto floorFor = [&journal](const QString &typed) {
        // An absent text of the typed text's length: indexOf picks its method by the length.
        const QByteArray absent = QByteArray("qxzjqxzjqxzj").left(typed.size());
        return timed(
            [&] { [[maybe_unused]] volatile qsizetype at = QByteArrayView(journal).indexOf(absent); });
    };
    struct Figure
    {
        const char *name;
        QString typed;
        double limit;
        std::vector<double> values, floors;
    } figures[] = {
        { "find 1,000,000: a keystroke, no entry matches", QStringLiteral("sneeuw"), 3.0, {}, {} },
        { "find 1,000,000: a keystroke, 1 in 8 match", QStringLiteral("rene"), 3.0, {}, {} },
        { "find 1,000,000: a keystroke, every entry matches", QStringLiteral("a"), 0, {}, {} },
    };
    std::vector<double> folds, reads, memchrs;
    for (int round = 0; round < config.rounds; ++round) {
        // A changed list: the next keystroke folds it again.
        rig.field->clear();
        Q_EMIT rig.program.journalStore().rowChanged(0);
        QCoreApplication::processEvents();
        folds.push_back(timed([&] { rig.field->setText(QStringLiteral("s")); }));
        reads.push_back(timed([] {
            QFile file(JournalFileName);
            if (file.open(QIODevice::ReadOnly))
                file.readAll();
        }));
        memchrs.push_back(timed([&journal] {
            [[maybe_unused]] const void *volatile at
                = std::memchr(journal.constData(), '~', std::size_t(journal.size()));
        }));
        for (Figure &figure : figures) {
            rig.field->clear();
            figure.floors.push_back(floorFor(figure.typed));
            // The last letter typed: the text before it is already in the field.
            rig.field->setText(figure.typed.chopped(1));
            figure.values.push_back(timed([&] { rig.field->setText(figure.typed); }));
        }
    }
    for (const Figure &figure : figures)
        report.add(figure.name, "ms", figure.values, "indexOf, absent", figure.floors, figure.limit);
    report.add(figures[0].name, "ms", figures[0].values, "memchr", memchrs, 0);
    report.add("find 1,000,000: first keystroke after a change", "ms", folds, "read", reads, 0);
    QDir::setCurrent(home);
}
