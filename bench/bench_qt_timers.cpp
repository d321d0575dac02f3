// The Qt front end's timers in real time: timers of 10 and 20 ms run for 10 s
// (or as many seconds as the first argument says) in a window that never
// repaints. Prints the ticks each timer delivered against the nominal number,
// the largest lateness of a tick, and the CPU time the process used meanwhile.

#include "runtime/Form.h"
#include "runtime/qt/QtFrontEnd.h"

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

double cpu_seconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](timeval t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Settings {
    std::int64_t duration_ms { 10000 };
};

// What one timer delivered. Lateness is measured against the nominal
// schedule: the time the timer was enabled plus a whole number of intervals.
struct Tally {
    std::int64_t start_ms { 0 };
    long ticks { 0 };
    std::int64_t worst_lateness_ms { 0 };

    void tick(std::int64_t now_ms, int interval_ms)
    {
        ++ticks;
        worst_lateness_ms = std::max(worst_lateness_ms, now_ms - (start_ms + ticks * interval_ms));
    }
};

struct BenchForm : rt::Form {
    explicit BenchForm(rt::Runtime& rt)
        : Form(rt, "BenchForm", rt::form_window().caption("Timers").client_width(9510).client_height(6060))
    {
        Fast.on_timer = [this] { fast.tick(now(), Fast.properties().interval); };
        Slow.on_timer = [this] { slow.tick(now(), Slow.properties().interval); };
        Watch.on_timer = [this] {
            if (now() - fast.start_ms < module<Settings>().duration_ms)
                return;
            elapsed_ms = now() - fast.start_ms;
            cpu = cpu_seconds() - cpu_at_start;
            End();
        };
    }
    RT_CONTROL(Face, rt::image(600, 600, 1065, 1440).stretch().border_style(rt::BorderStyle::FixedSingle));
    RT_CONTROL(Fast, rt::timer(10, false));
    RT_CONTROL(Slow, rt::timer(20, false));
    // Ends the run; ticks rarely enough not to count. Enabled last, so that
    // the ticks due at the very end come before it.
    RT_CONTROL(Watch, rt::timer(100, false));

    void Form_Load() override
    {
        cpu_at_start = cpu_seconds();
        fast.start_ms = slow.start_ms = now();
        Fast.set_enabled(true);
        Slow.set_enabled(true);
        Watch.set_enabled(true);
    }
    std::int64_t now() const { return runtime().front_end().now_ms(); }

    Tally fast, slow;
    double cpu_at_start { 0 };
    double cpu { 0 };
    std::int64_t elapsed_ms { 0 };
};

void print(char const* name, Tally const& tally, int interval_ms, std::int64_t elapsed_ms)
{
    long const nominal = static_cast<long>(elapsed_ms / interval_ms);
    std::printf("timer %s %6ld ticks of %6ld nominal (%6.2f %%), largest lateness %lld ms\n", name, tally.ticks,
        nominal, nominal ? 100.0 * static_cast<double>(tally.ticks) / static_cast<double>(nominal) : 0.0,
        static_cast<long long>(tally.worst_lateness_ms));
}

}

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int const seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    rt::QtFrontEnd front_end(argc, argv);
    front_end.runtime().module<Settings>().duration_ms = seconds * 1000;
    int const code = front_end.run<BenchForm>();
    auto const* form = front_end.runtime().loaded_form<BenchForm>();
    if (!form || form->elapsed_ms == 0) {
        std::printf("the program ended early\n");
        return 1;
    }
    double const elapsed = static_cast<double>(form->elapsed_ms) / 1000.0;
    std::printf("Qt front end, %s platform, %.2f s of ticks\n", std::getenv("QT_QPA_PLATFORM"), elapsed);
    print("10 ms:", form->fast, 10, form->elapsed_ms);
    print("20 ms:", form->slow, 20, form->elapsed_ms);
    std::printf("CPU %.3f s (user + system): %.2f %% of one core\n", form->cpu, 100.0 * form->cpu / elapsed);
    return code;
}
