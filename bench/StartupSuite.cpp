// Start-up and idle memory: WENDARIX against the two floor programs, each started afresh in
// every round, the three in turn so that a change in the machine's load touches all alike.
#include "Report.h"
#include "StartupProbe.h"
#include "Suites.h"

#include <cstdlib>
#include <filesystem>

namespace {

const std::string FloorTitle = "WENDARIX bench floor";
const std::string MainTitle = "WENDARIX vs 13.2";
const std::string DialogTitle = "Een Vraag Stellen aan de I Tjing";

const char *const DialogFigure = "start-up: question dialog mapped";
const char *const MainFigure = "start-up: main window mapped";
const char *const FloorFigure = "start-up: text window (floor)";
const char *const MemoryFigure = "memory: idle after start";

// Every line of the suite, so that an unattended run shows what it could not measure.
void failAll(Report &report, const std::string &reason)
{
    for (const char *name : { DialogFigure, DialogFigure, MainFigure, FloorFigure, MemoryFigure })
        report.fail(name, reason);
}

} // namespace

void runStartupSuite(const BenchConfig &config, Report &report)
{
    StartupProbe probe;
    if (!probe.connected()) {
        failAll(report, "no X display (run scripts/bench)");
        return;
    }
    const std::string emptyFloor = config.binaryDir + "/bench/bench_floor_empty";
    const std::string textFloor = config.binaryDir + "/bench/bench_floor_text";
    const std::string wendarix = config.binaryDir + "/app/wendarix";
    // WENDARIX starts in an empty folder of its own, as a new user's would be.
    char pattern[] = "/tmp/wendarix-bench-XXXXXX";
    if (!mkdtemp(pattern)) {
        failAll(report, "no temporary folder");
        return;
    }
    const std::string workDir = pattern;

    std::vector<double> empty, text, mainMapped, dialogMapped, textMemory, idleMemory;
    // The first start of each loads fonts and libraries into the page cache; it does not count.
    for (int round = -1; round < config.rounds; ++round) {
        const auto e = probe.run(emptyFloor, { FloorTitle }, workDir);
        const auto t = probe.run(textFloor, { FloorTitle }, workDir);
        const auto w = probe.run(wendarix, { MainTitle, DialogTitle }, workDir);
        if (!e || !t || !w) {
            std::filesystem::remove_all(workDir);
            failAll(report, "a window was not mapped within 10 s");
            return;
        }
        if (round < 0)
            continue;
        empty.push_back(e->mappedMs[0]);
        text.push_back(t->mappedMs[0]);
        mainMapped.push_back(w->mappedMs[0]);
        dialogMapped.push_back(w->mappedMs[1]);
        textMemory.push_back(t->residentMB);
        idleMemory.push_back(w->residentMB);
    }
    std::filesystem::remove_all(workDir);

    report.add(DialogFigure, "ms", dialogMapped, "text window", text, 1.05);
    report.add(DialogFigure, "ms", dialogMapped, "empty window", empty, 0);
    report.add(MainFigure, "ms", mainMapped, "text window", text, 0);
    report.add(FloorFigure, "ms", text, "empty window", empty, 0);
    report.add(MemoryFigure, "MB", idleMemory, "text window", textMemory, 1.1);
}
