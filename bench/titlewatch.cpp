// SPDX-License-Identifier: MIT
// Start-up as the player sees it: launches the game on the current X display and
// watches the server, not the game, for the moment its window is mapped and the
// moment the title picture is on screen in it.
//
//   hexbrawl-titlewatch [--runs N] [--keep] [--log FILE] GAME
//   hexbrawl-titlewatch --brightness WINDOW
//   hexbrawl-titlewatch --find RRGGBB WINDOW
//   hexbrawl-titlewatch --moving WINDOW
//
// Each run prints "run K: mapped M ms, title T ms, cpu C ms" (times since the
// launch; cpu is the game's own processor time until the title showed) and, after
// several runs, the medians. With --keep the last game is left running and its
// process and window are printed as "pid P" and "window W" for further checks.
// The game's own output goes to FILE (appended), or nowhere.
//
// --brightness prints the mean brightness (0 to 1) of the arena part of a window
// the game already shows, read back the same way. --find prints the middle "X Y"
// (window coordinates) and the size "W H" of the box around every arena pixel of
// exactly that colour, or fails when there is none. --moving succeeds when the
// arena changes within 100 ms.
//
// The title counts as shown when the arena part of the window is no longer black:
// sixteen rows across it are read back from the server every millisecond.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "game/kinds.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int windowwidth = 902;
constexpr int windowheight = hexbrawl::arenasize;
constexpr int arenaleft = 152;
using hexbrawl::arenasize;
constexpr int rows = 16;

double millis(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Processor time of a process so far, user and system, in milliseconds.
double cputime(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    auto close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    unsigned long long utime = 0, stime = 0;
    // After the name: state is field 3; utime and stime are fields 14 and 15.
    for (int n = 3; n <= 15 && fields >> field; ++n) {
        if (n == 14)
            utime = std::stoull(field);
        if (n == 15)
            stime = std::stoull(field);
    }
    return 1000.0 * static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

bool isgamewindow(Display* display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return false;
    if (attributes.width == windowwidth && attributes.height == windowheight)
        return true;
    char* name = nullptr;
    bool named = XFetchName(display, window, &name) && name && std::strncmp(name, "Hexbrawl", 8) == 0;
    if (name)
        XFree(name);
    return named;
}

// Mean brightness, 0 to 1, of sixteen rows across the arena part of the window.
double arenabrightness(Display* display, Window window)
{
    double sum = 0;
    long count = 0;
    for (int r = 0; r < rows; ++r) {
        int y = arenasize * (2 * r + 1) / (2 * rows);
        XImage* image = XGetImage(display, window, arenaleft, y, arenasize, 1, AllPlanes, ZPixmap);
        if (!image)
            return 0;
        for (int x = 0; x < arenasize; ++x) {
            unsigned long pixel = XGetPixel(image, x, 0);
            sum += static_cast<double>(((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF)) / (3 * 255.0);
            ++count;
        }
        XDestroyImage(image);
    }
    return count ? sum / static_cast<double>(count) : 0;
}

// The whole arena part of the window, row by row, 0xRRGGBB; empty when it cannot be read.
std::vector<unsigned long> arenapixels(Display* display, Window window)
{
    std::vector<unsigned long> out;
    XImage* image = XGetImage(display, window, arenaleft, 0, arenasize, arenasize, AllPlanes, ZPixmap);
    if (!image)
        return out;
    out.reserve(static_cast<std::size_t>(arenasize) * arenasize);
    for (int y = 0; y < arenasize; ++y)
        for (int x = 0; x < arenasize; ++x)
            out.push_back(XGetPixel(image, x, y) & 0xFFFFFFul);
    XDestroyImage(image);
    return out;
}

int find(Display* display, Window window, unsigned long colour)
{
    const std::vector<unsigned long> pixels = arenapixels(display, window);
    int left = arenasize, top = arenasize, right = -1, bottom = -1;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        if (pixels[i] != colour)
            continue;
        const int x = static_cast<int>(i % arenasize), y = static_cast<int>(i / arenasize);
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    if (right < 0)
        return 1;
    std::printf("%d %d %d %d\n", arenaleft + (left + right) / 2, (top + bottom) / 2, right - left + 1,
                bottom - top + 1);
    return 0;
}

int moving(Display* display, Window window)
{
    const std::vector<unsigned long> before = arenapixels(display, window);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return !before.empty() && arenapixels(display, window) != before ? 0 : 1;
}

int ignoreerrors(Display*, XErrorEvent*) { return 0; }

struct Run {
    double mapped = -1;
    double title = -1;
    double cpu = -1;
    pid_t pid = 0;
    Window window = 0;
};

Run launch(Display* display, const char* game, const char* log)
{
    Run run;
    Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True);

    std::fflush(stdout);
    auto start = Clock::now();
    pid_t pid = fork();
    if (pid == 0) {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        int quiet = open(log ? log : "/dev/null", O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (quiet >= 0) {
            dup2(quiet, STDOUT_FILENO);
            dup2(quiet, STDERR_FILENO);
        }
        execl(game, game, static_cast<char*>(nullptr));
        std::perror(game);
        _exit(127);
    }
    run.pid = pid;

    auto deadline = start + std::chrono::seconds(20);
    while (!run.window && Clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && isgamewindow(display, event.xmap.window)) {
                run.mapped = millis(start, Clock::now());
                run.window = event.xmap.window;
                break;
            }
        }
        if (!run.window)
            std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    XSelectInput(display, root, NoEventMask);
    if (!run.window)
        return run;

    while (Clock::now() < deadline) {
        if (arenabrightness(display, run.window) > 0.02) {
            run.title = millis(start, Clock::now());
            run.cpu = cputime(pid);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return run;
}

void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    auto n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = 1;
    bool keep = false;
    const char* game = nullptr;
    const char* log = nullptr;
    // A look at a window the game already shows, instead of a launch.
    enum class Look { none, brightness, find, moving } look = Look::none;
    const char* window = nullptr;
    const char* colour = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--keep") == 0)
            keep = true;
        else if (std::strcmp(argv[i], "--log") == 0 && i + 1 < argc)
            log = argv[++i];
        else if (std::strcmp(argv[i], "--brightness") == 0 && i + 1 < argc)
            look = Look::brightness, window = argv[++i];
        else if (std::strcmp(argv[i], "--find") == 0 && i + 2 < argc)
            look = Look::find, colour = argv[++i], window = argv[++i];
        else if (std::strcmp(argv[i], "--moving") == 0 && i + 1 < argc)
            look = Look::moving, window = argv[++i];
        else
            game = argv[i];
    }
    if (!game && look == Look::none) {
        std::fprintf(stderr,
                     "usage: %s [--runs N] [--keep] [--log FILE] GAME | --brightness WINDOW | --find RRGGBB WINDOW | "
                     "--moving WINDOW\n",
                     argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "%s: no X display\n", argv[0]);
        return 1;
    }
    // The window may go away between its map and a read-back: that run just fails.
    XSetErrorHandler(ignoreerrors);
    // The games launched from here do not inherit this connection to the server.
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
    if (look != Look::none) {
        const auto shown = static_cast<Window>(std::strtoul(window, nullptr, 0));
        int status = 0;
        if (look == Look::moving)
            status = moving(display, shown);
        else if (look == Look::find)
            status = find(display, shown, std::strtoul(colour, nullptr, 16));
        else
            std::printf("%.4f\n", arenabrightness(display, shown));
        XCloseDisplay(display);
        return status;
    }

    std::vector<double> mapped, title, cpu;
    for (int k = 1; k <= runs; ++k) {
        Run run = launch(display, game, log);
        if (run.title < 0) {
            std::fprintf(stderr, "run %d: the title never showed\n", k);
            if (run.pid > 0)
                stop(run.pid);
            return 1;
        }
        std::printf("run %d: mapped %.1f ms, title %.1f ms, cpu %.0f ms\n", k, run.mapped, run.title, run.cpu);
        mapped.push_back(run.mapped);
        title.push_back(run.title);
        cpu.push_back(run.cpu);
        if (keep && k == runs) {
            std::printf("pid %d\nwindow %lu\n", static_cast<int>(run.pid), static_cast<unsigned long>(run.window));
        } else {
            stop(run.pid);
            // Let the server and the machine settle between launches.
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        }
    }
    if (runs > 1)
        std::printf("median of %d: mapped %.1f ms, title %.1f ms, cpu %.0f ms\n", runs, median(mapped), median(title),
                    median(cpu));
    std::fflush(stdout);
    XCloseDisplay(display);
    return 0;
}
