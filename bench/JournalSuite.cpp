// The journal at 10,000, 100,000 and 1,000,000 entries, each operation as the user's click runs
// its handler. A step ("<<", ">>", a replay from the window) should cost the same at any size,
// so it is set against the same step at 10,000; opening the window and "Kopieer Lijst" against
// one plain read of the file; the operations that write against one read plus the synced writes
// they need. Then the growth from 100,000 to 1,000,000 entries of everything that reads the
// whole file, and the memory the open window takes on a million entries against the file.
#include "History.h"
#include "JournalBytes.h"
#include "Program.h"
#include "Report.h"
#include "ScriptedServices.h"
#include "Suites.h"
#include "Timed.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>

#include <fstream>
#include <map>
#include <string>

namespace {

double residentMB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024.0;
    }
    return 0;
}

// A journal of n entries of everyday length, some with the accents of Dutch.
QByteArray journalOf(int n)
{
    return ::journalOf(n,
        {
            "Wat brengt de komende week voor mijn werk en mijn gezin?",
            "Hoe ga ik om met de ruzie met mijn broer over het huis?",
            "Is dit het goede moment om te verhuizen naar de stad, of niet?",
            "Wat vraagt de vriendschap met Ren\xE9 nu van mij?",
        });
}

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// The floor: the file read once with a plain QFile, then written `full` times whole and `empty`
// times empty, each write to a temporary file that is synced to disk and renamed, as a save
// must be to survive a crash or a power cut.
double floorOf(int full, int empty = 0)
{
    return timed([&] {
        QFile file(JournalFileName);
        if (!file.open(QIODevice::ReadOnly))
            return;
        const QByteArray bytes = file.readAll();
        for (int k = 0; k < full + empty; ++k) {
            QSaveFile copy(QStringLiteral("floor.txt"));
            if (copy.open(QIODevice::WriteOnly)) {
                copy.write(k < full ? bytes : QByteArray());
                copy.commit();
            }
        }
    });
}

struct Samples
{
    std::vector<double> values, floors;
};

struct JournalRig
{
    ScriptedRandom random;
    FixedClock clock;
    RecordingPrompts prompts; // OK to every question, no real message box
    RecordingShell shell;
    Program program { { &random, &clock, &prompts, &shell } };
    TForm1 &form = program.mainWindow();
    TVerleden &window = program.journalWindow();

    JournalRig() { program.questionDialog().findChild<QPushButton *>(QStringLiteral("CancelBtn"))->click(); }

    void newConsultation()
    {
        form.findChild<QPushButton *>(QStringLiteral("knpVraag"))->click();
        program.questionDialog().confirmQuestion(
            QStringLiteral("Een nieuwe vraag"), QStringLiteral("977776"), {});
    }
    // The handler of "Open"; the window paints when the event loop runs again.
    void openWindow() { window.showJournalWindow(); }
    // The window's controls, by name as a user's clicks find them.
    QListView &list() const { return *window.findChild<QListView *>(QStringLiteral("lbxLijst")); }
    void press(const char16_t *name) { window.findChild<QPushButton *>(QString::fromUtf16(name))->click(); }
    QItemSelectionModel &selection() { return *list().selectionModel(); }
    int rows() const { return list().model()->rowCount(); }
    void selectRow(int row)
    {
        selection().clearSelection();
        selection().setCurrentIndex(list().model()->index(row, 0), QItemSelectionModel::Select);
    }
    void selectTen()
    {
        selection().clearSelection();
        for (int k = 0; k < 10; ++k)
            selection().select(list().model()->index(rows() / 10 * k + 5, 0), QItemSelectionModel::Select);
    }
};

constexpr int StepsPerRound = 5;

void measureSize(int n, int rounds, std::map<std::string, Samples> &figures)
{
    const QByteArray journal = journalOf(n);
    writeFile(JournalFileName, journal);
    JournalRig rig;
    const auto sample = [&](const std::string &figure, double value, double floor) {
        figures[figure].values.push_back(value);
        figures[figure].floors.push_back(floor);
    };
    rig.program.journal().BackHistoryClick(); // the first step counts the journal and shows the newest entry
    for (int round = 0; round < rounds; ++round) {
        QCoreApplication::processEvents();
        // A step takes a fraction of a millisecond, where one hiccup of the machine weighs;
        // several a round make the median steady.
        for (int step = 0; step < StepsPerRound; ++step)
            sample("<< step", timed([&] { rig.program.journal().BackHistoryClick(); }), 0);
        for (int step = 0; step < StepsPerRound; ++step)
            sample(">> step", timed([&] { rig.program.journal().GoHistoryClick(); }), 0);
        rig.newConsultation();
        sample("save", timed([&] { rig.program.journal().knpBewaarClick(); }), floorOf(1));

        writeFile(JournalFileName, journal);
        sample("opening the journal window", timed([&] { rig.openWindow(); }), floorOf(0));
        rig.selectRow(rig.rows() / 2 + round);
        for (int step = 0; step < StepsPerRound; ++step)
            sample("replay from the window", timed([&] { rig.press(u"btKeuze"); }), 0);
        rig.selectTen();
        sample("Wis Selectie of 10", timed([&] { rig.press(u"btWisSel"); }), floorOf(2));
        sample("Herstel", timed([&] { rig.press(u"btHerstel"); }), floorOf(1));
        rig.selectRow(rig.rows() / 3 + round);
        rig.prompts.inputAnswer = QStringLiteral("Een andere vraag, ronde %1").arg(round);
        sample("Bewerk vraag", timed([&] { rig.press(u"btBewerk"); }), floorOf(2));
        sample("Kopieer Lijst", timed([&] { rig.press(u"btKlip"); }), floorOf(0));
        sample("Wis Lijst", timed([&] { rig.press(u"btWisLst"); }), floorOf(1, 1));
        rig.press(u"btHerstel");
        rig.press(u"btTerug");
        rig.prompts = RecordingPrompts();
        QCoreApplication::processEvents();
    }
}

std::string sizeName(int n)
{
    return n >= 1000000 ? "1,000,000" : n >= 100000 ? "100,000" : "10,000";
}

const char *const Steps[] = { "<< step", ">> step", "replay from the window" };

bool isStep(const std::string &figure)
{
    return std::find(std::begin(Steps), std::end(Steps), figure) != std::end(Steps);
}

bool writes(const std::string &figure)
{
    return figure != "opening the journal window" && figure != "Kopieer Lijst" && !isStep(figure);
}

std::string floorName(const std::string &figure)
{
    if (figure == "save" || figure == "Herstel")
        return "read + synced write";
    if (figure == "Wis Lijst")
        return "read + synced write + empty";
    return writes(figure) ? "read + 2 synced writes" : "read";
}

} // namespace

void runJournalSuite(const BenchConfig &config, Report &report)
{
    QTemporaryDir dir;
    const QString home = QDir::currentPath();
    QDir::setCurrent(dir.path());

    // Memory first, in a program that has done nothing else yet.
    {
        JournalRig rig;
        qint64 fileSize = 0;
        {
            const QByteArray journal = journalOf(1000000);
            writeFile(JournalFileName, journal);
            fileSize = journal.size();
        }
        QCoreApplication::processEvents();
        const double idle = residentMB();
        rig.openWindow();
        QCoreApplication::processEvents();
        const double open = residentMB();
        report.add("memory: journal window on 1,000,000", "MB", { open - idle }, "file size",
            { double(fileSize) / (1024.0 * 1024.0) }, 2.0);
        rig.press(u"btTerug");
    }

    std::map<int, std::map<std::string, Samples>> bySize;
    for (int n : { 10000, 100000, 1000000 }) {
        // A million entries take a few seconds a round; three rounds give a median.
        measureSize(n, n >= 1000000 ? std::min(config.rounds, 3) : config.rounds, bySize[n]);
        for (const auto &[figure, samples] : bySize[n]) {
            if (isStep(figure)) {
                if (n > 10000)
                    report.add("journal " + sizeName(n) + ": " + figure, "ms", samples.values, "at 10,000",
                        bySize[10000][figure].values, n >= 1000000 ? 2.0 : 0);
                continue;
            }
            // At 10,000 entries a synced write takes a millisecond or two, and the lock beside the
            // file is a good part of that: the targets hold from 100,000 on.
            const double limit = n == 10000 ? 0 : writes(figure) ? 1.2 : 2.0;
            report.add("journal " + sizeName(n) + ": " + figure, "ms", samples.values, floorName(figure),
                samples.floors, limit);
        }
    }
    // "Kopieer Lijst" hands the list to the clipboard as it is; it is made into text when pasted.
    for (const auto &[figure, samples] : bySize[1000000]) {
        if (!isStep(figure) && figure != "Kopieer Lijst")
            report.add("growth 100,000 to 1,000,000: " + figure, "ms", samples.values, "at 100,000",
                bySize[100000][figure].values, 12.0);
    }
    // Reading ten times the bytes costs more than ten times as much once they no longer fit in
    // the processor's caches; this line shows how much of the growth is the floor's own.
    report.add("growth 100,000 to 1,000,000: the read floor", "ms", bySize[1000000]["Kopieer Lijst"].floors,
        "at 100,000", bySize[100000]["Kopieer Lijst"].floors, 0);
    QDir::setCurrent(home);
}
