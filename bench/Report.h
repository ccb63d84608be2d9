#pragma once

#include <cstdio>
#include <string>
#include <vector>

// What every suite of the benchmark is given: how many rounds to take and where the programs
// it starts are.
struct BenchConfig
{
    int rounds = 7;
    std::string binaryDir; // the build directory, for the programs a suite starts
};

// The benchmark's output: one line per figure, printed as soon as it is measured. A figure is
// the median of its samples against the median of its floor's samples, taken in the same
// rounds, and passes when the ratio stays within its limit.
class Report
{
public:
    explicit Report(std::FILE *out = stdout);

    // limit <= 0: the figure is shown for comparison and has no target.
    void add(const std::string &name, const std::string &unit, const std::vector<double> &values,
        const std::string &floorName, const std::vector<double> &floors, double limit);
    // A figure that could not be measured, with the reason.
    void fail(const std::string &name, const std::string &reason);

    int missed() const { return m_missed; }

private:
    void printLine(const char *name, const char *value, const char *floor, const char *ratio,
        const char *target, const char *verdict);

    std::FILE *m_out;
    int m_missed = 0;
};

double median(std::vector<double> samples);
