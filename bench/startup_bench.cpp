// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the probe's two modes by turns, many times, and reports for each the wall time
// from exec to exit, the CPU time and the peak resident memory, as medians with their
// range, and the ratios of the program to the bare window.
//
//   znakovit_startup_bench [--runs N] [--warmups N] [--platform NAME]... [--probe PATH]...
//
// Without --platform it measures on the X display named by DISPLAY (when there is one)
// and on the offscreen platform. Several --probe options compare builds: the program's
// start path of each, all in one alternating series against the bare window of the first.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Sample
{
    double wallMs;
    double cpuMs;
    double rssMiB;
};

struct Contender
{
    std::string label;
    std::string probe;
    const char* mode;
    std::vector<Sample> samples;
};

double millis(const timeval& t)
{
    return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
}

// One run of a probe on the given platform; nothing when it failed.
std::optional<Sample> run(const Contender& c, const std::string& platform)
{
    // The probe's messages are kept aside and shown only when it fails.
    static std::FILE* messages = std::tmpfile();
    if (messages) {
        std::fflush(messages);
        if (ftruncate(fileno(messages), 0) != 0 || std::fseek(messages, 0, SEEK_SET) != 0)
            messages = nullptr;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return std::nullopt;
    }
    if (child == 0) {
        setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
        if (messages) {
            dup2(fileno(messages), STDOUT_FILENO);
            dup2(fileno(messages), STDERR_FILENO);
        }
        execl(c.probe.c_str(), c.probe.c_str(), c.mode, static_cast<char*>(nullptr));
        std::perror(c.probe.c_str());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    pid_t waited = 0;
    do
        waited = wait4(child, &status, 0, &usage);
    while (waited < 0 && errno == EINTR);
    const auto stop = std::chrono::steady_clock::now();
    if (waited != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s %s on %s failed\n", c.probe.c_str(), c.mode, platform.c_str());
        if (messages) {
            std::rewind(messages);
            char line[512];
            while (std::fgets(line, sizeof line, messages))
                std::fputs(line, stderr);
        }
        return std::nullopt;
    }
    return Sample{std::chrono::duration<double, std::milli>(stop - start).count(),
                  millis(usage.ru_utime) + millis(usage.ru_stime),
                  double(usage.ru_maxrss) / 1024.0}; // ru_maxrss is in KiB on Linux
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

std::vector<double> column(const Contender& c, double Sample::*field)
{
    std::vector<double> values;
    for (const Sample& sample : c.samples)
        values.push_back(sample.*field);
    return values;
}

std::string range(const Contender& c, double Sample::*field)
{
    const std::vector<double> v = column(c, field);
    char text[64];
    std::snprintf(text, sizeof text, "%7.1f (%6.1f-%6.1f)", median(v),
                  *std::min_element(v.begin(), v.end()), *std::max_element(v.begin(), v.end()));
    return text;
}

// The ratio of the medians, and the median of the ratios of runs made side by side, which
// a slow spell of the machine touches on both sides at once.
struct Ratio
{
    double ofMedians, paired;
};

Ratio ratio(const Contender& a, const Contender& b, double Sample::*field)
{
    std::vector<double> pairs;
    for (std::size_t i = 0; i < a.samples.size(); ++i)
        pairs.push_back(a.samples[i].*field / b.samples[i].*field);
    return {median(column(a, field)) / median(column(b, field)), median(pairs)};
}

bool measure(std::vector<Contender> contenders, const std::string& platform, int runs, int warmups)
{
    const std::size_t n = contenders.size();
    for (int round = -warmups; round < runs; ++round) {
        // Each round starts with another contender, so that none always follows another.
        const std::size_t first = std::size_t(round + warmups) % n;
        for (std::size_t k = 0; k < n; ++k) {
            Contender& c = contenders[(first + k) % n];
            const std::optional<Sample> sample = run(c, platform);
            if (!sample)
                return false;
            if (round >= 0)
                c.samples.push_back(*sample);
        }
    }

    std::printf("\nplatform %s: %d runs of each, by turns, after %d warm-up rounds\n",
                platform.c_str(), runs, warmups);
    std::printf("  %-10s %-26s %-26s %-26s\n", "", "wall ms: median (min-max)",
                "CPU ms: median (min-max)", "peak RSS MiB: median (min-max)");
    for (const Contender& c : contenders)
        std::printf("  %-10s %-26s %-26s %-26s\n", c.label.c_str(),
                    range(c, &Sample::wallMs).c_str(), range(c, &Sample::cpuMs).c_str(),
                    range(c, &Sample::rssMiB).c_str());
    const Contender& bare = contenders.front();
    for (std::size_t k = 1; k < n; ++k) {
        const Contender& c = contenders[k];
        const Ratio wall = ratio(c, bare, &Sample::wallMs), cpu = ratio(c, bare, &Sample::cpuMs),
                    rss = ratio(c, bare, &Sample::rssMiB);
        std::printf("  %s / bare: wall %.2f (paired %.2f), CPU %.2f (paired %.2f), "
                    "peak RSS %.2f (paired %.2f)\n",
                    c.label.c_str(), wall.ofMedians, wall.paired, cpu.ofMedians, cpu.paired,
                    rss.ofMedians, rss.paired);
        std::printf("    goals: wall <= 1.40 x bare: %s; peak RSS <= 1.35 x bare: %s\n",
                    wall.ofMedians <= 1.40 ? "met" : "NOT met",
                    rss.ofMedians <= 1.35 ? "met" : "NOT met");
    }
    std::fflush(stdout);
    return true;
}

int usage()
{
    std::fputs("usage: znakovit_startup_bench [--runs N] [--warmups N] [--platform NAME]... "
               "[--probe PATH]...\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    int runs = 21, warmups = 2;
    std::vector<std::string> platforms, probes;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc)
            return usage();
        if (arg == "--runs")
            runs = std::atoi(argv[++i]);
        else if (arg == "--warmups")
            warmups = std::atoi(argv[++i]);
        else if (arg == "--platform")
            platforms.emplace_back(argv[++i]);
        else if (arg == "--probe")
            probes.emplace_back(argv[++i]);
        else
            return usage();
    }
    if (runs < 1 || warmups < 0)
        return usage();
    if (platforms.empty()) {
        const char* display = std::getenv("DISPLAY");
        if (display && *display)
            platforms.emplace_back("xcb");
        platforms.emplace_back("offscreen");
    }
    if (probes.empty())
        probes.emplace_back(ZNAKOVIT_PROBE);

    std::vector<Contender> contenders{{"bare", probes.front(), "bare", {}}};
    for (std::size_t k = 0; k < probes.size(); ++k) {
        contenders.push_back({probes.size() == 1 ? "window" : "window" + std::to_string(k + 1),
                              probes[k],
                              "window",
                              {}});
        std::printf("%s: %s\n", contenders.back().label.c_str(), probes[k].c_str());
    }

    bool ok = true;
    for (const std::string& platform : platforms)
        ok = measure(contenders, platform, runs, warmups) && ok;
    return ok ? 0 : 1;
}
