// The real program on a real display (run it through run_program_bench.sh,
// on Xvfb with a window manager, from a Release build). The main window is
// opened directly and driven through the run time's own input methods:
//
//   1. drifting: only the banner strip drifts, before any deal;
//   2. pile:     a deal has started, the pile and the banner move;
//   3. deal:     nine cards drawn, one after another, to the end of the deal.
//
// For each phase it prints the processor share of one core, the frames painted
// per second (event-loop passes that painted something) and paint events per
// second, every timer's ticks against the nominal number and its largest
// lateness. Nothing here fails on a figure.

#include "assets/assets.h"
#include "main_window/DealCaptions.h"
#include "main_window/MirvaneFRM.h"
#include "runtime/qt/QtFrontEnd.h"
#include "windows/ViewFRM.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double ms_since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double cpu_seconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](timeval t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

long resident_kb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    }
    return 0;
}

// Counts paint events, and the event-loop passes in which at least one came:
// each such pass ends in one flush of the painted windows to the display.
struct PaintCounter : QObject {
    PaintCounter()
    {
        qApp->installEventFilter(this);
        connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            [this] { painted_this_pass = false; });
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            if (!painted_this_pass)
                ++frames;
            painted_this_pass = true;
        }
        return false;
    }
    long paints { 0 };
    long frames { 0 };
    bool painted_this_pass { false };
};

// The ticks of one timer within a phase; lateness against the schedule that
// starts at the phase's first tick and advances by the interval.
struct Tally {
    int interval { 0 };
    long ticks { 0 };
    double first_ms { 0 };
    double worst_late_ms { 0 };
    void tick(double now_ms)
    {
        if (ticks == 0)
            first_ms = now_ms;
        worst_late_ms = std::max(worst_late_ms, now_ms - (first_ms + static_cast<double>(ticks * interval)));
        ++ticks;
    }
};

struct Phase {
    char const* name;
    Clock::time_point start;
    double cpu_start { 0 };
    long paints_start { 0 };
    long frames_start { 0 };
    std::array<Tally, 5> tallies {};
};

struct Bench {
    MirvaneFRM& main;
    PaintCounter& counter;
    Clock::time_point program_start;
    Phase phase {};
    bool timing { false };

    std::array<rt::Control*, 5> timers()
    {
        return { &main.Timer1, &main.Timer2, &main.Timer3, &main.Timer4, &main.Timer5 };
    }

    void count_ticks()
    {
        auto const all = timers();
        for (std::size_t i = 0; i < all.size(); ++i) {
            auto inner = all[i]->on_timer;
            all[i]->on_timer = [this, i, inner] {
                if (timing)
                    phase.tallies[i].tick(ms_since(program_start));
                inner();
            };
        }
    }

    void begin(char const* name)
    {
        phase = Phase { name, Clock::now(), cpu_seconds(), counter.paints, counter.frames, {} };
        auto const all = timers();
        for (std::size_t i = 0; i < all.size(); ++i)
            phase.tallies[i].interval = all[i]->properties().interval;
        timing = true;
    }

    // The timers that ran the whole phase are held to the nominal number;
    // the others only show their ticks.
    void end(std::initializer_list<int> steady_timers)
    {
        timing = false;
        double const seconds = ms_since(phase.start) / 1000.0;
        double const cpu = cpu_seconds() - phase.cpu_start;
        std::printf("%-9s %6.2f s  CPU %5.2f %% of one core  frames %6.1f /s  paints %7.1f /s  RSS %ld kB\n",
            phase.name, seconds, 100.0 * cpu / seconds,
            static_cast<double>(counter.frames - phase.frames_start) / seconds,
            static_cast<double>(counter.paints - phase.paints_start) / seconds, resident_kb());
        for (std::size_t i = 0; i < phase.tallies.size(); ++i) {
            Tally const& t = phase.tallies[i];
            bool const steady
                = std::find(steady_timers.begin(), steady_timers.end(), static_cast<int>(i + 1)) != steady_timers.end();
            if (t.ticks == 0)
                continue;
            std::printf("    Timer%zu (%4d ms) %6ld ticks", i + 1, t.interval, t.ticks);
            if (steady) {
                double const nominal = seconds * 1000.0 / t.interval;
                std::printf(" of %6.0f nominal (%6.2f %%), largest lateness %5.1f ms", nominal,
                    100.0 * static_cast<double>(t.ticks) / nominal, t.worst_late_ms);
            }
            std::printf("\n");
        }
    }
};

void after(int ms, std::function<void()> step) { QTimer::singleShot(ms, qApp, std::move(step)); }

// Draws the next card whenever the button offers it, until nine are out and
// the interpretation window shows.
void draw_cards(Bench& bench, rt::Runtime& runtime, Clock::time_point deadline)
{
    MirvaneFRM& main = bench.main;
    bool const over = runtime.loaded_form<ViewFRM>() != nullptr || Clock::now() > deadline;
    if (over) {
        bench.end({ 2, 4 });
        QCoreApplication::exit(0);
        return;
    }
    if (main.Command1.enabled() && main.Command1.caption() == deal_captions::draw)
        runtime.click(main.Command1);
    after(20, [&bench, &runtime, deadline] { draw_cards(bench, runtime, deadline); });
}

}

int main(int argc, char** argv)
{
    auto const program_start = Clock::now();
    int const seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    rt::QtFrontEnd front_end(argc, argv);
    init_assets();
    auto const folder = std::filesystem::temp_directory_path() / ("bench_program_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    rt::Runtime& runtime = front_end.runtime();
    runtime.set_app_path(folder.string());

    PaintCounter counter;
    bool first_paint_seen = false;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, qApp, [&] {
        if (!first_paint_seen && counter.paints > 0) {
            first_paint_seen = true;
            std::printf("start-up to the first painted window: %.1f ms\n", ms_since(program_start));
        }
    });
    runtime.start<MirvaneFRM>();
    Bench bench { *runtime.loaded_form<MirvaneFRM>(), counter, program_start };
    bench.count_ticks();

    int const ms = seconds * 1000;
    after(1000, [&] { bench.begin("drifting"); });
    after(1000 + ms, [&] {
        bench.end({ 2, 4 });
        runtime.click(bench.main.Command1); // the deal starts: the pile moves
        after(500, [&] { bench.begin("pile"); });
        after(500 + ms, [&] {
            bench.end({ 1, 2, 4 });
            bench.begin("deal");
            draw_cards(bench, runtime, Clock::now() + std::chrono::seconds(120));
        });
    });
    front_end.exec();
    std::filesystem::remove_all(folder);
    return 0;
}
