// The run time's own cost per timer tick, without any window: the headless
// front end's virtual clock runs five timers (10, 20, 10, 10 and 1000 ms;
// three of them move a control, as the program's animations do, the other two
// only tick) for about 5 million ticks, as fast as the processor allows.
// Prints simulated ticks per second of real time. Measure with a Release build.

#include "runtime/Form.h"
#include "runtime/headless/Headless.h"

#include <chrono>
#include <cstdio>

namespace {

struct BenchForm : rt::Form {
    explicit BenchForm(rt::Runtime& rt)
        : Form(rt, "BenchForm", rt::form_window().caption("Ticks").client_width(9510).client_height(6060))
    {
        Pile.on_timer = [this] { step(Back, 700); };
        Banner.on_timer = [this] { step(Strip, 15); };
        Blink.on_timer = [this] { step(Smiley, 440); };
    }
    RT_CONTROL(Back, rt::image(4175, 600, 1065, 1440).stretch());
    RT_CONTROL(Strip, rt::label(0, 5500, 9000, 300).transparent());
    RT_CONTROL(Smiley, rt::picture_box(0, 5000, 480, 480));
    RT_CONTROL(Count10, rt::timer(10, true));
    RT_CONTROL(Count20, rt::timer(20, true));
    RT_CONTROL(Pile, rt::timer(10, true));
    RT_CONTROL(Banner, rt::timer(10, true));
    RT_CONTROL(Blink, rt::timer(1000, true));

    void step(rt::Control& control, float by)
    {
        float const left = control.left() + by;
        control.set_left(left > 9000 ? 0 : left);
    }
};

}

int main()
{
    constexpr long wanted_ticks = 5'000'000;
    rt::Headless headless;
    headless.start<BenchForm>();
    auto& form = headless.form<BenchForm>();
    long ticks = 0;
    // Counted by hand, as advance() does not say how many ticks it delivered.
    auto count = [&](std::function<void()>& handler) {
        handler = [&ticks, inner = handler] {
            ++ticks;
            if (inner)
                inner();
        };
    };
    for (rt::Control* timer : { &form.Count10, &form.Count20, &form.Pile, &form.Banner, &form.Blink })
        count(timer->on_timer);

    auto const begin = std::chrono::steady_clock::now();
    while (ticks < wanted_ticks)
        headless.advance(10'000);
    std::chrono::duration<double> const wall = std::chrono::steady_clock::now() - begin;

    std::printf("Headless front end: %ld ticks over %.0f simulated seconds in %.3f s\n", ticks,
        static_cast<double>(headless.now()) / 1000.0, wall.count());
    std::printf("%.0f ticks per second\n", static_cast<double>(ticks) / wall.count());
    return 0;
}
