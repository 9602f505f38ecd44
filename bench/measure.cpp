// Starts a program in the X server named by DISPLAY and measures, from
// outside, what a user would notice: the time from process start to the first
// paint of its window reaching the server (XDamage), peak resident memory,
// CPU and context switches while idle, and, with --click X,Y, the time from a
// click at that window position to its last repaint.
//
// measure [--idle SECONDS] [--click X,Y] -- PROGRAM [ARGS...]
// prints one line: first_paint_ms peak_rss_kb idle_cpu_ticks idle_ctx click_ms
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

int ignoreErrors(Display *, XErrorEvent *)
{
    return 0; // windows come and go; InputOnly windows refuse damage
}

long statusField(pid_t pid, const char *task, const char *field)
{
    const std::string path = task ? "/proc/" + std::to_string(pid) + "/task/" + task + "/status"
                                  : "/proc/" + std::to_string(pid) + "/status";
    std::ifstream in(path);
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) == 0)
            return std::strtol(line.c_str() + key.size(), nullptr, 10);
    }
    return 0;
}

long cpuTicks(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string all((std::istreambuf_iterator<char>(in)), {});
    const auto close = all.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::vector<std::string> fields;
    std::string field;
    for (char c : all.substr(close + 2)) {
        if (c == ' ') {
            fields.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    // utime and stime are fields 14 and 15; the list starts at field 3.
    return fields.size() > 12 ? std::stol(fields[11]) + std::stol(fields[12]) : 0;
}

long contextSwitches(pid_t pid)
{
    long total = 0;
    const std::string dir = "/proc/" + std::to_string(pid) + "/task";
    if (DIR *d = opendir(dir.c_str())) {
        while (dirent *e = readdir(d)) {
            if (e->d_name[0] == '.')
                continue;
            total += statusField(pid, e->d_name, "voluntary_ctxt_switches") +
                     statusField(pid, e->d_name, "nonvoluntary_ctxt_switches");
        }
        closedir(d);
    }
    return total;
}

struct Watch
{
    Display *display;
    int damageEvent;
    Window painted = 0;

    // Handles events until `quietMs` pass without damage (counted from `since`
    // while none comes), `limitMs` run out or, with `first`, damage comes.
    // Returns the time of the last damage seen (or -1), relative to t0.
    double until(Clock::time_point t0, double quietMs, double limitMs, double since = 0,
                 bool first = false)
    {
        double last = -1;
        const int fd = ConnectionNumber(display);
        for (;;) {
            while (XPending(display)) {
                XEvent event;
                XNextEvent(display, &event);
                if (event.type == CreateNotify) {
                    XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
                } else if (event.type == damageEvent + XDamageNotify) {
                    auto *d = reinterpret_cast<XDamageNotifyEvent *>(&event);
                    XDamageSubtract(display, d->damage, None, None);
                    last = msSince(t0);
                    if (!painted)
                        painted = d->drawable;
                    if (first)
                        return last;
                }
            }
            const double now = msSince(t0);
            if (now > limitMs || now - (last >= 0 ? last : since) > quietMs)
                return last;
            fd_set fds;
            FD_ZERO(&fds);
            FD_SET(fd, &fds);
            timeval tv{0, 5000};
            select(fd + 1, &fds, nullptr, nullptr, &tv);
        }
    }
};

} // namespace

int main(int argc, char *argv[])
{
    double idleSeconds = 5;
    int clickX = -1, clickY = -1;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (!std::strcmp(argv[i], "--idle") && i + 1 < argc)
            idleSeconds = std::atof(argv[++i]);
        else if (!std::strcmp(argv[i], "--click") && i + 1 < argc)
            std::sscanf(argv[++i], "%d,%d", &clickX, &clickY);
    }
    if (i + 1 >= argc) {
        std::fprintf(stderr, "usage: measure [--idle S] [--click X,Y] -- PROGRAM [ARGS]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError))
        return 1;
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto t0 = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[i + 1], argv + i + 1);
        _exit(127);
    }
    Watch watch{display, damageEvent};
    // First paint: the first damage on a window the program created.
    const double firstPaint = watch.until(t0, 30000, 30000, 0, true);
    watch.until(t0, 500, 30000, firstPaint); // settle

    const long cpu0 = cpuTicks(pid), ctx0 = contextSwitches(pid);
    watch.until(Clock::now(), idleSeconds * 1000 + 1, idleSeconds * 1000);
    const long idleCpu = cpuTicks(pid) - cpu0, idleCtx = contextSwitches(pid) - ctx0;
    const long peak = statusField(pid, nullptr, "VmHWM");

    double click = -1;
    if (clickX >= 0 && watch.painted) {
        Window child;
        int rootX = 0, rootY = 0;
        XTranslateCoordinates(display, watch.painted, DefaultRootWindow(display), clickX, clickY,
                              &rootX, &rootY, &child);
        XTestFakeMotionEvent(display, -1, rootX, rootY, CurrentTime);
        XSync(display, False);
        watch.until(Clock::now(), 200, 2000); // hover repaint settles first
        const auto t1 = Clock::now();
        XTestFakeButtonEvent(display, 1, True, CurrentTime);
        XTestFakeButtonEvent(display, 1, False, CurrentTime);
        XFlush(display);
        click = watch.until(t1, 300, 3000);
    }

    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    std::printf("%.2f %ld %ld %ld %.2f\n", firstPaint, peak, idleCpu, idleCtx, click);
    XCloseDisplay(display);
    return firstPaint < 0 ? 1 : 0;
}
