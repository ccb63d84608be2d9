// The WENDARIX benchmark: every figure against its floor, measured in the same run, one line
// each. Run it through scripts/bench, which gives it a virtual display of its own.
//
// To add a figure: write a suite (see Suites.h) that measures the figure and its floor over
// config.rounds rounds and reports both with Report::add, and list it in Suites below.
#include "AppSetup.h"
#include "Report.h"
#include "Suites.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Suite
{
    const char *name;
    void (*run)(const BenchConfig &, Report &);
};

const Suite Suites[] = {
    { "startup", runStartupSuite },
    { "answer", runAnswerSuite },
    { "jpeg", runJpegSuite },
    { "journal", runJournalSuite },
    { "find", runFindSuite },
};

int usage()
{
    std::fprintf(stderr, "usage: wendarix_bench BUILD_DIR [--rounds N] [--only SUITE]...\nsuites:");
    for (const Suite &suite : Suites)
        std::fprintf(stderr, " %s", suite.name);
    std::fprintf(stderr, "\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2)
        return usage();
    BenchConfig config;
    config.binaryDir = argv[1];
    std::vector<std::string> only;
    for (int i = 2; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--rounds") && i + 1 < argc)
            config.rounds = std::max(1, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--only") && i + 1 < argc)
            only.emplace_back(argv[++i]);
        else
            return usage();
    }
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    setUpApplication(app);

    Report report;
    for (const Suite &suite : Suites) {
        if (only.empty() || std::find(only.begin(), only.end(), suite.name) != only.end())
            suite.run(config, report);
    }
    return report.missed() ? 1 : 0;
}
