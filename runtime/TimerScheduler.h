#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace rt {

class Control;

// The one schedule of every enabled timer. Ticks are handed out one at a time
// in the order of their due times (timers due at the same moment in the order
// in which they were enabled), never in the order a platform happens to wake.
//
// A timer that falls behind by up to max_catch_up_ms catches up, tick by tick.
// When the event loop has stalled for longer, every due time is shifted by the
// same amount, as if the stall had not happened: the overdue ticks then come in
// the order in which they fell due, without a burst of stale ticks.
class TimerScheduler {
public:
    static constexpr std::int64_t max_catch_up_ms = 50;

    void arm(Control& timer, std::int64_t now_ms);
    void disarm(Control& timer);
    bool armed(Control const& timer) const;

    std::optional<std::int64_t> next_due() const;
    // The time a tick due at due_ms reads when it runs at now_ms: its own due
    // time, unless it runs later than catching up allows; then the real time,
    // and take_due shifts the schedule.
    static std::int64_t tick_time(std::int64_t due_ms, std::int64_t now_ms)
    {
        return now_ms - due_ms > max_catch_up_ms ? now_ms : due_ms;
    }
    // The step that every running timer keeps to: the greatest common divisor
    // of their intervals, or 0 when none runs.
    std::int64_t step_ms() const;
    // The next tick due at or before now, with its timer already rescheduled;
    // nullptr when none is due.
    Control* take_due(std::int64_t now_ms);

    // Stall shifts so far, for benchmarks and tests.
    int shifts() const { return m_shifts; }

private:
    struct Entry {
        Control* timer;
        std::int64_t due;
        std::uint64_t order;
    };
    std::vector<Entry>::iterator earliest();

    std::vector<Entry> m_entries;
    std::uint64_t m_next_order { 0 };
    int m_shifts { 0 };
};

}
