#include "StartupProbe.h"

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

using Clock = std::chrono::steady_clock;

namespace {

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

unsigned internAtom(xcb_connection_t *c, const char *name)
{
    const auto cookie = xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
    return reply ? reply->atom : 0;
}

// User and system time in clock ticks, from /proc/PID/stat (fields 14 and 15).
long cpuTicks(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            utime = std::atol(field.c_str());
        if (i == 15)
            stime = std::atol(field.c_str());
    }
    return utime + stime;
}

double residentMB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024.0;
    }
    return 0;
}

// Idle: no CPU time used over three polls 100 ms apart (a blinking text cursor costs far less
// than the 10 ms a tick counts). Gives up waiting after three seconds.
void waitUntilIdle(pid_t pid)
{
    long last = cpuTicks(pid);
    int quiet = 0;
    const auto start = Clock::now();
    while (quiet < 3 && msSince(start) < 3000) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const long now = cpuTicks(pid);
        quiet = now == last ? quiet + 1 : 0;
        last = now;
    }
}

} // namespace

StartupProbe::StartupProbe()
{
    int screenNumber = 0;
    xcb_connection_t *c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&it);
    m_root = it.data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, m_root, XCB_CW_EVENT_MASK, &mask);
    m_utf8 = internAtom(c, "UTF8_STRING");
    m_netName = internAtom(c, "_NET_WM_NAME");
    xcb_flush(c);
    m_connection = c;
}

StartupProbe::~StartupProbe()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

std::string StartupProbe::windowTitle(unsigned window)
{
    for (const unsigned property : { m_netName, unsigned(XCB_ATOM_WM_NAME) }) {
        const auto cookie
            = xcb_get_property(m_connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(m_connection, cookie, nullptr), &std::free);
        if (reply && xcb_get_property_value_length(reply.get()) > 0)
            return std::string(static_cast<const char *>(xcb_get_property_value(reply.get())),
                std::size_t(xcb_get_property_value_length(reply.get())));
    }
    return {};
}

std::optional<StartupProbe::Sample> StartupProbe::run(
    const std::string &program, const std::vector<std::string> &titles, const std::string &workDir)
{
    if (!m_connection)
        return std::nullopt;
    // Maps left over from an earlier run must not count.
    while (xcb_generic_event_t *old = xcb_poll_for_event(m_connection))
        std::free(old);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    if (!workDir.empty())
        posix_spawn_file_actions_addchdir_np(&actions, workDir.c_str());
    char *argv[] = { const_cast<char *>(program.c_str()), nullptr };
    pid_t pid = 0;
    const auto start = Clock::now();
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return std::nullopt;

    Sample sample;
    sample.mappedMs.assign(titles.size(), -1);
    std::size_t mapped = 0;
    pollfd fd { xcb_get_file_descriptor(m_connection), POLLIN, 0 };
    while (mapped < titles.size() && msSince(start) < 10000) {
        xcb_generic_event_t *event = xcb_poll_for_event(m_connection);
        if (!event) {
            if (xcb_connection_has_error(m_connection))
                break;
            poll(&fd, 1, 50);
            continue;
        }
        if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
            const double ms = msSince(start);
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            const std::string name = windowTitle(map->window);
            for (std::size_t i = 0; i < titles.size(); ++i) {
                if (titles[i] == name && sample.mappedMs[i] < 0) {
                    sample.mappedMs[i] = ms;
                    ++mapped;
                }
            }
        }
        std::free(event);
    }
    const bool complete = mapped == titles.size();
    if (complete) {
        waitUntilIdle(pid);
        sample.residentMB = residentMB(pid);
    }
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!complete)
        return std::nullopt;
    return sample;
}
