#include "TestForms.h"

#include <gtest/gtest.h>

using namespace test_forms;

namespace {

struct Timers : FirstFormRun {
    void SetUp() override
    {
        FirstFormRun::SetUp();
        journal().clear();
    }
};

}

TEST_F(Timers, TicksComeOneAtATimeInDueOrder)
{
    set([&] {
        first().Timer1.set_enabled(true);
        first().Timer2.set_enabled(true);
    });
    EXPECT_EQ(h.step(), &first().Timer1);
    EXPECT_EQ(h.now(), 10);
    EXPECT_EQ(h.step(), &first().Timer1); // 20: Timer1 was enabled first, so it goes first
    EXPECT_EQ(h.step(), &first().Timer2);
    EXPECT_EQ(h.now(), 20);
    h.advance(40);
    std::vector<std::string> const expected { "Timer1", "Timer1", "Timer2", "Timer1", "Timer1", "Timer2", "Timer1",
        "Timer1", "Timer2" };
    EXPECT_EQ(journal(), expected);
}

TEST_F(Timers, EnablingAgainKeepsThePhaseAndDisablingStopsTicks)
{
    set([&] { first().Timer1.set_enabled(true); });
    h.advance(5);
    set([&] { first().Timer1.set_enabled(true); });
    EXPECT_EQ(h.step(), &first().Timer1);
    EXPECT_EQ(h.now(), 10);
    // A timer that disables itself ticks once.
    first().Timer1.on_timer = [&] {
        journal().push_back("once");
        first().Timer1.set_enabled(false);
    };
    h.advance(100);
    EXPECT_EQ(count("once"), 1);
    EXPECT_EQ(h.step(), nullptr);
}

TEST_F(Timers, StallNeverReordersTicks)
{
    set([&] {
        first().Timer2.set_enabled(true); // due at 20, 40, ...
    });
    h.advance(5);
    set([&] { first().Timer1.set_enabled(true); }); // due at 15, 25, ...
    h.stall(1500);
    // The first tick served after the stall is the one that fell due first, and
    // the schedule goes on as before, shifted as a whole: no burst of stale ticks.
    ASSERT_GE(journal().size(), 1u);
    EXPECT_EQ(journal().front(), "Timer1");
    EXPECT_LE(journal().size(), 2u);
    EXPECT_EQ(h.runtime().timers().shifts(), 1);
    journal().clear();
    // Before the stall Timer2 was due 5 ms after Timer1; after it, still 5 ms after.
    h.advance(40);
    std::vector<std::string> const expected { "Timer2", "Timer1", "Timer1", "Timer2", "Timer1", "Timer1" };
    EXPECT_EQ(journal(), expected);
}

TEST_F(Timers, ShortLatenessCatchesUpTickByTick)
{
    set([&] { first().Timer1.set_enabled(true); });
    h.stall(45);
    EXPECT_EQ(journal().size(), 4u);
    EXPECT_EQ(h.runtime().timers().shifts(), 0);
}

TEST_F(Timers, UnloadStopsTheWindowsTimers)
{
    set([&] { first().Timer1.set_enabled(true); });
    h.close(first());
    EXPECT_EQ(h.step(), nullptr);
}

TEST_F(Timers, TicksGoOnWhileAMessageBoxIsOpen)
{
    first().Command1.on_click = [&] { h.runtime().msg_box("hello", 16, "title"); };
    h.on_message_box = [&](auto const&) { h.advance(50); };
    set([&] { first().Timer1.set_enabled(true); });
    h.click(first().Command1);
    EXPECT_EQ(count("Timer1"), 5);
    ASSERT_EQ(h.message_boxes().size(), 1u);
    EXPECT_EQ(h.message_boxes()[0].flags, 16);
}

TEST_F(Timers, ClockGivesSecondsSinceMidnightAndWraps)
{
    h.set_time_of_day(86399.5);
    EXPECT_DOUBLE_EQ(h.runtime().timer(), 86399.5);
    h.advance(700);
    EXPECT_NEAR(h.runtime().timer(), 0.2, 1e-9);
}

TEST_F(Timers, TimerDoesNotReenterItsOwnProcedureDuringAMessageBox)
{
    int depth = 0, deepest = 0;
    first().Timer1.on_timer = [&] {
        deepest = std::max(deepest, ++depth);
        if (journal().empty()) {
            journal().push_back("box");
            h.runtime().msg_box("tick", 16, "title");
        }
        --depth;
    };
    h.on_message_box = [&](auto const&) { h.advance(100); };
    set([&] {
        first().Timer1.set_enabled(true);
        first().Timer2.set_enabled(true);
    });
    h.step();
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(count("Timer2"), 5) << "other timers tick meanwhile";
    h.advance(30);
    EXPECT_EQ(deepest, 1);
}

TEST(DefinitionTimers, TickFromTheEndOfTheLoadOn)
{
    rt::Headless h;
    h.on_message_box = [&](auto const&) { h.advance(100); };
    h.start<TickingForm>();
    auto& events = EventJournal::of(h.runtime()).events;
    EXPECT_TRUE(events.empty()) << "no tick while the load's message box was open";
    EXPECT_EQ(h.now(), 100);
    EXPECT_EQ(h.step(), &h.form<TickingForm>().Timer1);
    EXPECT_EQ(h.now(), 110);
}
