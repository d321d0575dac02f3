#include "runtime/FrameTicks.h"
#include "EventJournal.h"
#include "runtime/Form.h"
#include "runtime/LocalClock.h"
#include "runtime/headless/Headless.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A window whose timers journal each tick with the time the program reads then.
struct TickJournalForm : JournalForm {
    using JournalForm::JournalForm;
    void log_tick(std::string const& name) { log(name + "@" + std::to_string(runtime().front_end().now_ms())); }
};

// Three timers whose phases never line up: 7, 10 and 20 ms.
struct PhasesForm : TickJournalForm {
    explicit PhasesForm(rt::Runtime& rt)
        : TickJournalForm(rt, "PhasesForm", rt::form_window().client_width(3000).client_height(3000))
    {
        Fast.on_timer = [this] { log_tick("Fast"); };
        Odd.on_timer = [this] { log_tick("Odd"); };
        Slow.on_timer = [this] { log_tick("Slow"); };
    }
    RT_CONTROL(Fast, rt::timer(10, true));
    RT_CONTROL(Odd, rt::timer(7, true));
    RT_CONTROL(Slow, rt::timer(20, true));
};

// A front end that wakes once per frame, as the desktop one does, on a clock
// the test moves.
struct FrameFrontEnd final : rt::FrontEnd {
    void form_created(rt::Form&) override { }
    void form_destroyed(rt::Form&) override { }
    void form_activated(rt::Form&) override { }
    void property_changed(rt::Control&, rt::Property) override { }
    void stacking_changed(rt::Control&) override { }
    void focus_changed(rt::Form&, rt::FocusReason) override { }
    void refresh(rt::Control&) override { }
    void beep() override { }
    void message_box(std::string const&, int, std::string const&) override { }
    std::int64_t now_ms() override { return frames.presented().value_or(real); }
    double seconds_since_midnight() override { return 0; }
    void timers_changed() override { }
    void quit() override { }

    // Wakes when the next tick falls due, as the armed timer would.
    int wake()
    {
        if (auto due = runtime.next_timer_due(); due && *due > real)
            real = *due;
        return frames.serve(runtime, [this] { return real; });
    }

    rt::FrameTicks frames;
    std::int64_t real { 0 };
    rt::Runtime runtime { *this };
};

std::vector<std::string> one_at_a_time(std::int64_t until_ms)
{
    rt::Headless h;
    h.start<PhasesForm>();
    h.advance(until_ms);
    return EventJournal::of(h.runtime()).events;
}

}

TEST(FrameTicks, OneWakeUpPerFrameRunsTheSameTicksAtTheSameTimesInTheSameOrder)
{
    FrameFrontEnd f;
    f.runtime.start<PhasesForm>();
    int wake_ups = 0;
    // Each wake-up serves its whole slot; the last slot ends past 500 ms.
    while (f.real < 500 && f.runtime.next_timer_due() < 500) {
        EXPECT_GT(f.wake(), 0);
        ++wake_ups;
    }
    auto const& ticks = EventJournal::of(f.runtime).events;
    auto expected = one_at_a_time(f.frames.slot_end(f.real) - 1);
    EXPECT_EQ(ticks, expected);
    // 49 + 71 + 24 ticks before 500 ms, in about 30 frames.
    EXPECT_GE(ticks.size(), 144u);
    EXPECT_LE(wake_ups, 31);
    EXPECT_FALSE(f.frames.presented()) << "outside a tick the clock reads the real time";
}

TEST(FrameTicks, AWakeUpLeavesTheTicksOfTheNextSlotForLater)
{
    FrameFrontEnd f;
    f.frames.set_display_frame_ms(20);
    f.runtime.start<PhasesForm>();
    f.real = 9; // in the slot 0 - 19: Odd at 7 (a little late) and 14, Fast at 10
    EXPECT_EQ(f.frames.serve(f.runtime, [&] { return f.real; }), 3);
    EXPECT_EQ(f.runtime.next_timer_due(), 20);
    EXPECT_EQ(f.frames.serve(f.runtime, [&] { return f.real; }), 0);
    std::vector<std::string> const expected { "Odd@7", "Fast@10", "Odd@14" };
    EXPECT_EQ(EventJournal::of(f.runtime).events, expected);
}

TEST(FrameTicks, ALongStallStillShiftsTheScheduleInsteadOfABurst)
{
    FrameFrontEnd f;
    f.runtime.start<PhasesForm>();
    f.real = 1000; // the event loop was held up for a second
    int const served = f.frames.serve(f.runtime, [&] { return f.real; });
    EXPECT_LE(served, 10);
    EXPECT_GE(f.runtime.timers().shifts(), 1);
    EXPECT_GT(*f.runtime.next_timer_due(), 1000);
}

namespace {

// The main window's pace: a drift of 10 ms and a counter of 20 ms.
struct DriftForm : TickJournalForm {
    explicit DriftForm(rt::Runtime& rt)
        : TickJournalForm(rt, "DriftForm", rt::form_window().client_width(3000).client_height(3000))
    {
        Drift.on_timer = [this] { log_tick("Drift"); };
        Count.on_timer = [this] { log_tick("Count"); };
    }
    RT_CONTROL(Drift, rt::timer(10, true));
    RT_CONTROL(Count, rt::timer(20, true));
};

}

TEST(FrameTicks, EveryFrameHoldsTheSameNumberOfTicksWhenTheTimersKeepToAStep)
{
    FrameFrontEnd f;
    f.runtime.start<DriftForm>();
    f.real = 3; // the timers' phase does not matter
    std::vector<int> per_wake_up;
    while (*f.runtime.next_timer_due() < 1000)
        per_wake_up.push_back(f.wake());
    EXPECT_DOUBLE_EQ(f.frames.frame_ms(), 20.0);
    // Two drift ticks and one count tick a frame, 50 frames a second.
    EXPECT_EQ(per_wake_up.size(), 50u);
    EXPECT_EQ(std::count(per_wake_up.begin(), per_wake_up.end(), 3), 49);
    EXPECT_EQ(EventJournal::of(f.runtime).events.front(), "Drift@10");

    // Without the 10 ms timer, each 20 ms tick wakes the program on its own.
    f.runtime.loaded_form<DriftForm>()->Drift.set_enabled(false);
    std::int64_t const from = f.real;
    int wake_ups = 0;
    while (f.real < from + 1000)
        wake_ups += f.wake() > 0 ? 1 : 0;
    EXPECT_NEAR(f.frames.frame_ms(), 1000.0 / 60.0, 1e-9);
    EXPECT_EQ(wake_ups, 50);
}

TEST(FrameTicks, ASlotIsAWholeNumberOfStepsOnlyNearTheDisplaysFrame)
{
    rt::FrameTicks frames(1000.0 / 60.0);
    EXPECT_DOUBLE_EQ(frames.slot_ms_for_step(10), 20.0);
    EXPECT_DOUBLE_EQ(frames.slot_ms_for_step(5), 20.0);
    EXPECT_DOUBLE_EQ(frames.slot_ms_for_step(1), 17.0);
    // Two steps of 15 ms, or three of 7, would be too long a frame.
    EXPECT_NEAR(frames.slot_ms_for_step(15), 1000.0 / 60.0, 1e-9);
    EXPECT_NEAR(frames.slot_ms_for_step(7), 1000.0 / 60.0, 1e-9);
    EXPECT_NEAR(frames.slot_ms_for_step(0), 1000.0 / 60.0, 1e-9);
    EXPECT_NEAR(frames.slot_ms_for_step(1000), 1000.0 / 60.0, 1e-9);
    // A display of 100 Hz shows every 10 ms tick.
    frames.set_display_frame_ms(10);
    EXPECT_DOUBLE_EQ(frames.slot_ms_for_step(10), 10.0);
}

TEST(FrameTicks, SlotsFollowTheFrameRate)
{
    rt::FrameTicks frames(1000.0 / 60.0);
    EXPECT_EQ(frames.slot_of(0), 0);
    EXPECT_EQ(frames.slot_of(16), 0);
    EXPECT_EQ(frames.slot_of(17), 1);
    EXPECT_EQ(frames.slot_end(0), 17);
    EXPECT_EQ(frames.slot_of(1000), 60) << "no drift over a second";
    EXPECT_EQ(frames.slot_end(1000), 1017);
}

namespace {

struct ZoneScope {
    explicit ZoneScope(char const* zone)
    {
        char const* old = std::getenv("TZ");
        had = old != nullptr;
        if (had)
            saved = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ZoneScope()
    {
        had ? setenv("TZ", saved.c_str(), 1) : unsetenv("TZ");
        tzset();
    }
    bool had { false };
    std::string saved;
};

}

TEST(LocalClock, FollowsTheZoneAcrossASummerTimeChangeWithinAMinute)
{
    ZoneScope zone("CET-1CEST,M3.5.0,M10.5.0/3");
    rt::LocalClock clock;
    // 31 March 2024, 00:59:30 UTC: 01:59:30 in winter time.
    std::time_t const before = 1711846770;
    EXPECT_DOUBLE_EQ(clock.seconds_since_midnight({ before, 250'000'000 }), 1 * 3600 + 59 * 60 + 30.25);
    // Half a minute later the clocks went forward to 03:00.
    EXPECT_DOUBLE_EQ(clock.seconds_since_midnight({ before + 30, 0 }), 3 * 3600.0);
    EXPECT_DOUBLE_EQ(clock.seconds_since_midnight({ before + 45, 0 }), 3 * 3600 + 15.0);
    EXPECT_EQ(clock.lookups(), 2) << "the zone is looked up once a minute, not on every read";
}

TEST(LocalClock, WrapsAtMidnightAndAgreesWithTheSystemsLocalTime)
{
    ZoneScope zone("MSK-3");
    rt::LocalClock clock;
    // 20:59:59.999 UTC is 23:59:59.999 in Moscow, a millisecond to midnight.
    std::time_t const evening = 1717189199;
    EXPECT_DOUBLE_EQ(clock.seconds_since_midnight({ evening, 999'999'999 }), 86399.999);
    EXPECT_DOUBLE_EQ(clock.seconds_since_midnight({ evening + 1, 0 }), 0.0);
    double const now = clock.seconds_since_midnight();
    std::time_t const t = std::time(nullptr);
    std::tm local {};
    localtime_r(&t, &local);
    double const expected = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    EXPECT_NEAR(now, expected, 2.0);
}
