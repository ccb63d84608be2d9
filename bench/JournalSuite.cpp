// The journal at 10,000, 100,000 and 1,000,000 entries: a "<<" and a ">>" step, a save, opening
// the journal window, deleting ten entries there, "Herstel" and "Kopieer Lijst" (each its
// handler, as the user's click runs it), each against
// reading the same file once with a plain QFile (and, for the operations that write, writing
// it once too). Then the growth from 100,000 to 1,000,000 entries, which should stay linear,
// and the memory the open window takes on 100,000 entries against the file's size.
#include "History.h"
#include "Program.h"
#include "Report.h"
#include "ScriptedServices.h"
#include "Suites.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>

#include <fstream>
#include <map>
#include <string>

namespace {

double elapsedMs(const QElapsedTimer &timer) { return double(timer.nsecsElapsed()) / 1e6; }

template <class Step>
double timed(Step &&step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return elapsedMs(timer);
}

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
    const QByteArray questions[] = {
        "Wat brengt de komende week voor mijn werk en mijn gezin?",
        "Hoe ga ik om met de ruzie met mijn broer over het huis?",
        "Is dit het goede moment om te verhuizen naar de stad, of niet?",
        "Wat vraagt de vriendschap met Ren\xE9 nu van mij?",
    };
    QByteArray bytes;
    bytes.reserve(qsizetype(n) * 90);
    for (int i = 0; i < n; ++i) {
        char date[32];
        std::snprintf(date, sizeof date, "%02d/%02d/%02d %02d:%02d:%02d,", i % 28 + 1, i % 12 + 1,
                      i / 1000 % 100, i % 24, i % 60, (i * 7) % 60);
        bytes += date;
        bytes += questions[i % 4];
        bytes += ",43,44,977776\r\n";
    }
    return bytes;
}

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// The floors: the file read once, and read and written once, with a plain QFile.
double readFloor()
{
    return timed([] {
        QFile file(JournalFileName);
        if (file.open(QIODevice::ReadOnly))
            file.readAll();
    });
}

double readWriteFloor()
{
    return timed([] {
        QFile file(JournalFileName);
        QFile copy(QStringLiteral("floor.txt"));
        if (file.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly))
            copy.write(file.readAll());
    });
}

// What a save must cost at least to survive a crash or a power cut: the file read, then written
// to a temporary file that is synced to disk and renamed over the old one.
double durableWriteFloor()
{
    return timed([] {
        QFile file(JournalFileName);
        QSaveFile copy(QStringLiteral("floor.txt"));
        if (file.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly)) {
            copy.write(file.readAll());
            copy.commit();
        }
    });
}

struct Samples
{
    std::vector<double> values, floors, durable;
};

struct JournalRig
{
    ScriptedRandom random;
    FixedClock clock;
    RecordingPrompts prompts; // OK to every question, no real message box
    RecordingShell shell;
    Program program{{&random, &clock, &prompts, &shell}};
    TForm1 &form = program.mainWindow();
    TVerleden &window = program.journalWindow();

    JournalRig() { program.questionDialog().CancelBtnClick(); }

    void newConsultation()
    {
        form.knpVraag->click();
        program.questionDialog().confirmQuestion(QStringLiteral("Een nieuwe vraag"), QStringLiteral("977776"), {});
    }
    // The handler of "Open"; the window paints when the event loop runs again.
    void openWindow() { window.showJournalWindow(); }
    void selectTen()
    {
        QItemSelectionModel *selection = window.lbxLijst->selectionModel();
        const int rows = window.lbxLijst->model()->rowCount();
        for (int k = 0; k < 10; ++k)
            selection->select(window.lbxLijst->model()->index(rows / 10 * k + 5, 0), QItemSelectionModel::Select);
    }
};

void measureSize(int n, int rounds, std::map<std::string, Samples> &figures)
{
    const QByteArray journal = journalOf(n);
    writeFile(JournalFileName, journal);
    JournalRig rig;
    const auto sample = [&](const std::string &figure, double value, double floor) {
        figures[figure].values.push_back(value);
        figures[figure].floors.push_back(floor);
    };
    const auto sampleWriter = [&](const std::string &figure, double value) {
        sample(figure, value, readWriteFloor());
        figures[figure].durable.push_back(durableWriteFloor());
    };
    rig.form.BackHistoryClick(); // the first step counts the journal and shows the newest entry
    for (int round = 0; round < rounds; ++round) {
        QCoreApplication::processEvents();
        sample("<< step", timed([&] { rig.form.BackHistoryClick(); }), readFloor());
        sample(">> step", timed([&] { rig.form.GoHistoryClick(); }), readFloor());
        rig.newConsultation();
        sampleWriter("save", timed([&] { rig.form.knpBewaarClick(); }));

        writeFile(JournalFileName, journal);
        sample("opening the journal window", timed([&] { rig.openWindow(); }), readFloor());
        rig.selectTen();
        sampleWriter("Wis Selectie of 10", timed([&] { rig.window.btWisSel->click(); }));
        sampleWriter("Herstel", timed([&] { rig.window.btHerstel->click(); }));
        sample("Kopieer Lijst", timed([&] { rig.window.btKlip->click(); }), readFloor());
        rig.window.btTerug->click();
        QCoreApplication::processEvents();
    }
}

std::string sizeName(int n)
{
    return n >= 1000000 ? "1,000,000" : n >= 100000 ? "100,000" : "10,000";
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
        QCoreApplication::processEvents();
        const double idle = residentMB();
        const QByteArray journal = journalOf(100000);
        writeFile(JournalFileName, journal);
        rig.openWindow();
        const double open = residentMB();
        report.add("memory: journal window on 100,000", "MB", {open - idle}, "file size",
                   {double(journal.size()) / (1024.0 * 1024.0)}, 4.0);
        rig.window.btTerug->click();
    }

    std::map<int, std::map<std::string, Samples>> bySize;
    for (int n : {10000, 100000, 1000000}) {
        // A million entries take a few seconds a round; three rounds give a median.
        measureSize(n, n >= 1000000 ? std::min(config.rounds, 3) : config.rounds, bySize[n]);
        for (const auto &[figure, samples] : bySize[n]) {
            const bool writes = !samples.durable.empty();
            report.add("journal " + sizeName(n) + ": " + figure, "ms", samples.values,
                       writes ? "read + write" : "read", samples.floors, n == 100000 ? 2.0 : 0);
        }
        for (const auto &[figure, samples] : bySize[n]) {
            if (!samples.durable.empty())
                report.add("journal " + sizeName(n) + ": " + figure, "ms", samples.values,
                           "read + synced write", samples.durable, 0);
        }
    }
    for (const auto &[figure, samples] : bySize[1000000]) {
        report.add("growth 100,000 to 1,000,000: " + figure, "ms", samples.values, "at 100,000",
                   bySize[100000][figure].values, 12.0);
    }
    // Reading ten times the bytes costs more than ten times as much once they no longer fit in
    // the processor's caches; this line shows how much of the growth is the floor's own.
    report.add("growth 100,000 to 1,000,000: the read floor", "ms", bySize[1000000]["<< step"].floors,
               "at 100,000", bySize[100000]["<< step"].floors, 0);
    QDir::setCurrent(home);
}
