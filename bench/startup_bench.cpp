// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program as a user does, and a bare Qt window beside it, by turns, and watches
// each from outside on the X display: the time from exec until its window is mapped and
// until that window has been painted whole (the X server's damage reports cover all of
// it), and the peak resident memory of the process until then (wait4). It prints the
// medians with their range, and the ratios of each program to the bare window.
//
//   znakovit_startup_bench [--runs N] [--warmups N] [--bare PATH] [--program LABEL=PATH]...
//                          [--no-reference]
//
// Without --program it measures the program built beside it. Two references join the
// series unless --no-reference is given: the bare window with one push button, the least a
// window with text costs, and KLettres where it is installed. The display must
// have no window manager (a virtual one, as scripts/bench starts), so that the windows
// are the root window's children.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample
{
    double mappedMs;
    double paintedMs;
    double cpuMs;
    double rssMiB;
};

struct Program
{
    std::string label;
    std::string path;
    bool reference = false;
    std::vector<Sample> samples;
};

double millis(const timeval& t)
{
    return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
}

double since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int ignoreErrors(Display*, XErrorEvent*)
{
    return 0; // windows of an ended run vanish while their events are still on the way
}

// Which pixels of the watched window the X server has reported drawn.
class Coverage
{
public:
    void reset(int width, int height)
    {
        width_ = std::max(width, 0);
        height_ = std::max(height, 0);
        drawn_.assign(std::size_t(width_) * std::size_t(height_), 0);
        count_ = 0;
    }
    void add(int x, int y, int width, int height)
    {
        const int right = std::min(x + width, width_), bottom = std::min(y + height, height_);
        for (int row = std::max(y, 0); row < bottom; ++row)
            for (int column = std::max(x, 0); column < right; ++column) {
                unsigned char& pixel =
                    drawn_[std::size_t(row) * std::size_t(width_) + std::size_t(column)];
                count_ += pixel == 0;
                pixel = 1;
            }
    }
    bool whole() const { return width_ > 0 && height_ > 0 && count_ == drawn_.size(); }

private:
    int width_ = 0, height_ = 0;
    std::vector<unsigned char> drawn_;
    std::size_t count_ = 0;
};

class Observer
{
public:
    bool open()
    {
        display_ = XOpenDisplay(nullptr);
        if (!display_) {
            std::fputs("znakovit_startup_bench: cannot open the X display\n", stderr);
            return false;
        }
        int error = 0;
        if (!XDamageQueryExtension(display_, &damageEvent_, &error)) {
            std::fputs("znakovit_startup_bench: the X server lacks the DAMAGE extension\n", stderr);
            return false;
        }
        XSetErrorHandler(ignoreErrors);
        root_ = DefaultRootWindow(display_);
        pidAtom_ = XInternAtom(display_, "_NET_WM_PID", False);
        XSelectInput(display_, root_, SubstructureNotifyMask);
        XSync(display_, False);
        return true;
    }

    std::optional<Sample> run(const Program& program);

private:
    void handle(XEvent& event, pid_t child, Clock::time_point start);
    long pidOf(Window window);

    Display* display_ = nullptr;
    Window root_ = 0;
    Atom pidAtom_ = 0;
    int damageEvent_ = 0;

    Window target_ = 0;
    int width_ = 0, height_ = 0;
    Coverage coverage_;
    double mappedMs_ = -1, paintedMs_ = -1;
};

long Observer::pidOf(Window window)
{
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display_, window, pidAtom_, 0, 1, False, XA_CARDINAL, &type, &format,
                           &items, &after, &data) == Success &&
        data && format == 32 && items == 1)
        pid = long(*reinterpret_cast<unsigned long*>(data));
    if (data)
        XFree(data);
    return pid;
}

void Observer::handle(XEvent& event, pid_t child, Clock::time_point start)
{
    if (event.type == CreateNotify && event.xcreatewindow.parent == root_) {
        // Watched from its creation on, before it can be drawn into; the server frees the
        // damage object with the window.
        XDamageCreate(display_, event.xcreatewindow.window, XDamageReportRawRectangles);
    } else if (event.type == MapNotify && event.xmap.event == root_ && target_ == 0 &&
               !event.xmap.override_redirect && pidOf(event.xmap.window) == long(child)) {
        mappedMs_ = since(start);
        target_ = event.xmap.window;
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display_, target_, &attributes)) {
            width_ = attributes.width;
            height_ = attributes.height;
        }
        coverage_.reset(width_, height_);
    } else if (event.type == ConfigureNotify && event.xconfigure.window == target_ &&
               (event.xconfigure.width != width_ || event.xconfigure.height != height_)) {
        width_ = event.xconfigure.width;
        height_ = event.xconfigure.height;
        coverage_.reset(width_, height_); // a new size wants a new paint
    } else if (event.type == damageEvent_ + XDamageNotify) {
        const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
        if (damage.drawable != target_ || target_ == 0 || paintedMs_ >= 0)
            return;
        coverage_.add(damage.area.x, damage.area.y, damage.area.width, damage.area.height);
        if (coverage_.whole())
            paintedMs_ = since(start);
    }
}

std::optional<Sample> Observer::run(const Program& program)
{
    // The program's messages are kept aside and shown only when a run fails.
    static std::FILE* messages = std::tmpfile();
    if (messages) {
        std::fflush(messages);
        if (ftruncate(fileno(messages), 0) != 0 || std::fseek(messages, 0, SEEK_SET) != 0)
            messages = nullptr;
    }
    XSync(display_, True); // what is left of the run before goes
    target_ = 0;
    width_ = height_ = 0;
    mappedMs_ = paintedMs_ = -1;

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return std::nullopt;
    }
    if (child == 0) {
        if (messages) {
            dup2(fileno(messages), STDOUT_FILENO);
            dup2(fileno(messages), STDERR_FILENO);
        }
        execl(program.path.c_str(), program.path.c_str(), static_cast<char*>(nullptr));
        std::perror(program.path.c_str());
        _exit(127);
    }

    const char* failure = nullptr;
    pollfd connection{ConnectionNumber(display_), POLLIN, 0};
    while (paintedMs_ < 0 && !failure) {
        while (XPending(display_) > 0 && paintedMs_ < 0) {
            XEvent event;
            XNextEvent(display_, &event);
            handle(event, child, start);
        }
        if (paintedMs_ >= 0)
            break;
        if (poll(&connection, 1, 20) < 0 && errno != EINTR)
            failure = "poll failed";
        else if (waitpid(child, nullptr, WNOHANG | WNOWAIT) == child)
            failure = "it ended before its window was painted";
        else if (since(start) > 30e3)
            failure = "its window was not painted within 30 s";
    }

    kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    pid_t waited = 0;
    do
        waited = wait4(child, &status, 0, &usage);
    while (waited < 0 && errno == EINTR);
    if (failure || waited != child) {
        std::fprintf(stderr, "%s: %s\n", program.path.c_str(), failure ? failure : "lost");
        if (messages) {
            std::rewind(messages);
            char line[512];
            while (std::fgets(line, sizeof line, messages))
                std::fputs(line, stderr);
        }
        return std::nullopt;
    }
    return Sample{mappedMs_, paintedMs_, millis(usage.ru_utime) + millis(usage.ru_stime),
                  double(usage.ru_maxrss) / 1024.0}; // ru_maxrss is in KiB on Linux
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

std::vector<double> column(const Program& p, double Sample::*field)
{
    std::vector<double> values;
    for (const Sample& sample : p.samples)
        values.push_back(sample.*field);
    return values;
}

std::string range(const Program& p, double Sample::*field)
{
    const std::vector<double> v = column(p, field);
    char text[64];
    std::snprintf(text, sizeof text, "%6.1f (%5.1f-%5.1f)", median(v),
                  *std::min_element(v.begin(), v.end()), *std::max_element(v.begin(), v.end()));
    return text;
}

// The ratio of the medians, and the median of the ratios of runs made side by side, which
// a slow spell of the machine touches on both sides at once.
struct Ratio
{
    double ofMedians, paired;
};

Ratio ratio(const Program& a, const Program& b, double Sample::*field)
{
    std::vector<double> pairs;
    for (std::size_t i = 0; i < a.samples.size(); ++i)
        pairs.push_back(a.samples[i].*field / b.samples[i].*field);
    return {median(column(a, field)) / median(column(b, field)), median(pairs)};
}

// The label padded to the width of a column, counted in characters, not bytes.
std::string padded(const std::string& label, std::size_t width)
{
    const auto characters = std::size_t(
        std::count_if(label.begin(), label.end(), [](char c) { return (c & 0xC0) != 0x80; }));
    return label + std::string(width > characters ? width - characters : 0, ' ');
}

std::string loadAverage()
{
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

bool executable(const std::string& path)
{
    struct stat info
    {
    };
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

std::string onPath(const char* name)
{
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "";
    for (std::size_t begin = 0; begin <= dirs.size();) {
        std::size_t end = dirs.find(':', begin);
        if (end == std::string::npos)
            end = dirs.size();
        const std::string candidate = dirs.substr(begin, end - begin) + "/" + name;
        if (end > begin && executable(candidate))
            return candidate;
        begin = end + 1;
    }
    return {};
}

int usage()
{
    std::fputs("usage: znakovit_startup_bench [--runs N] [--warmups N] [--bare PATH] "
               "[--program LABEL=PATH]... [--no-reference]\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    int runs = 21, warmups = 2;
    bool reference = true;
    std::vector<Program> programs{{"bare window", ZNAKOVIT_BARE_WINDOW, false, {}}};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--no-reference") {
            reference = false;
            continue;
        }
        if (i + 1 >= argc)
            return usage();
        const std::string value = argv[++i];
        if (arg == "--runs")
            runs = std::atoi(value.c_str());
        else if (arg == "--warmups")
            warmups = std::atoi(value.c_str());
        else if (arg == "--bare")
            programs.front().path = value;
        else if (arg == "--program" && value.find('=') != std::string::npos)
            programs.push_back(
                {value.substr(0, value.find('=')), value.substr(value.find('=') + 1), false, {}});
        else
            return usage();
    }
    if (runs < 1 || warmups < 0)
        return usage();
    if (programs.size() == 1)
        programs.push_back({"Знаковит", ZNAKOVIT_PROGRAM, false, {}});
    if (reference)
        programs.push_back({"one button", ZNAKOVIT_BUTTON_WINDOW, true, {}});
    if (const std::string klettres = onPath("klettres"); reference && !klettres.empty())
        programs.push_back({"KLettres", klettres, true, {}});

    Observer observer;
    if (!observer.open())
        return 1;
    for (const Program& p : programs)
        std::printf("%s %s\n", padded(p.label, 12).c_str(), p.path.c_str());
    std::printf("load average before: %s\n", loadAverage().c_str());
    std::fflush(stdout);

    const std::size_t n = programs.size();
    for (int round = -warmups; round < runs; ++round) {
        // Each round starts with another program, so that none always follows another.
        const std::size_t first = std::size_t(round + warmups) % n;
        for (std::size_t k = 0; k < n; ++k) {
            Program& p = programs[(first + k) % n];
            const std::optional<Sample> sample = observer.run(p);
            if (!sample)
                return 1;
            if (round >= 0)
                p.samples.push_back(*sample);
        }
    }

    std::printf("load average after:  %s\n", loadAverage().c_str());
    std::printf("\n%d runs of each, by turns, after %d warm-up rounds; ms from exec\n", runs,
                warmups);
    std::printf("  %-12s %-22s %-22s %-22s %-22s\n", "", "mapped: median (range)",
                "painted: median (range)", "CPU ms: median (range)", "peak RSS MiB: median");
    for (const Program& p : programs)
        std::printf("  %s %-22s %-22s %-22s %-22s\n", padded(p.label, 12).c_str(),
                    range(p, &Sample::mappedMs).c_str(), range(p, &Sample::paintedMs).c_str(),
                    range(p, &Sample::cpuMs).c_str(), range(p, &Sample::rssMiB).c_str());
    const Program& bare = programs.front();
    for (std::size_t k = 1; k < n; ++k) {
        const Program& p = programs[k];
        const Ratio mapped = ratio(p, bare, &Sample::mappedMs),
                    painted = ratio(p, bare, &Sample::paintedMs),
                    cpu = ratio(p, bare, &Sample::cpuMs), rss = ratio(p, bare, &Sample::rssMiB);
        std::printf("  %s / bare window: painted %.2f (paired %.2f), mapped %.2f (paired %.2f), "
                    "CPU %.2f, peak RSS %.2f (paired %.2f)\n",
                    p.label.c_str(), painted.ofMedians, painted.paired, mapped.ofMedians,
                    mapped.paired, cpu.ofMedians, rss.ofMedians, rss.paired);
        if (p.reference)
            continue;
        std::printf("    goals: painted <= 1.25 x bare: %s; peak RSS <= 1.20 x bare: %s\n",
                    painted.ofMedians <= 1.25 ? "met" : "NOT met",
                    rss.ofMedians <= 1.20 ? "met" : "NOT met");
    }
    std::fflush(stdout);
    return 0;
}
