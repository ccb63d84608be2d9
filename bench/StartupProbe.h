#pragma once

#include <optional>
#include <string>
#include <vector>

struct xcb_connection_t;

// Starts a program and watches the X server, from outside the program, for the moment a
// top-level window with a given title is mapped; then waits until the program is idle, reads
// its resident memory and ends it. The same probe serves the floors and WENDARIX, so the
// figures differ only in the program.
class StartupProbe
{
public:
    struct Sample
    {
        // Per title asked for: from just before the process is spawned to that window's map.
        std::vector<double> mappedMs;
        double residentMB = 0; // once the program has gone idle after the last map
    };

    StartupProbe();
    ~StartupProbe();
    StartupProbe(const StartupProbe &) = delete;
    StartupProbe &operator=(const StartupProbe &) = delete;

    bool connected() const { return m_connection != nullptr; }

    // Runs `program` in `workDir` until every window of `titles` is mapped; nothing when one
    // is not mapped within ten seconds.
    std::optional<Sample> run(
        const std::string &program, const std::vector<std::string> &titles, const std::string &workDir);

private:
    std::string windowTitle(unsigned window);

    xcb_connection_t *m_connection = nullptr;
    unsigned m_root = 0;
    unsigned m_utf8 = 0;
    unsigned m_netName = 0;
};
