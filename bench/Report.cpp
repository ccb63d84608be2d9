#include "Report.h"

#include <algorithm>

double median(std::vector<double> samples)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const std::size_t mid = samples.size() / 2;
    return samples.size() % 2 ? samples[mid] : (samples[mid - 1] + samples[mid]) / 2;
}

void Report::printLine(const char *name, const char *value, const char *floor, const char *ratio,
    const char *target, const char *verdict)
{
    std::fprintf(m_out, "%-44s %12s  %-34s %7s  %-9s %s\n", name, value, floor, ratio, target, verdict);
    std::fflush(m_out);
}

Report::Report(std::FILE *out)
    : m_out(out)
{
    printLine("figure", "value", "floor", "ratio", "target", "verdict");
}

void Report::add(const std::string &name, const std::string &unit, const std::vector<double> &values,
    const std::string &floorName, const std::vector<double> &floors, double limit)
{
    if (values.empty() || floors.empty()) {
        fail(name, "no samples");
        return;
    }
    const double value = median(values);
    const double floor = median(floors);
    const double ratio = floor > 0 ? value / floor : 0;
    char v[32], f[96], r[16], t[16];
    std::snprintf(v, sizeof v, "%.2f %s", value, unit.c_str());
    std::snprintf(f, sizeof f, "%.2f %s %s", floor, unit.c_str(), floorName.c_str());
    std::snprintf(r, sizeof r, "%.3f", ratio);
    const char *verdict = "info";
    if (limit > 0) {
        std::snprintf(t, sizeof t, "<= %.2f", limit);
        verdict = ratio <= limit ? "ok" : "MISSED";
        if (ratio > limit)
            ++m_missed;
    } else {
        std::snprintf(t, sizeof t, "-");
    }
    printLine(name.c_str(), v, f, r, t, verdict);
}

void Report::fail(const std::string &name, const std::string &reason)
{
    ++m_missed;
    printLine(name.c_str(), "-", ("not measured: " + reason).c_str(), "-", "-", "FAILED");
}
