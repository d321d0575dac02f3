#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

namespace rt {

class Runtime;

// Serves timer ticks for a front end that shows at most once per display
// frame. Time is cut into frame slots; one wake-up serves every tick due
// before the end of the slot it wakes in, in due order, so that timers of 10
// and 20 ms in different phases wake the program once a frame, not once each.
//
// A slot lasts a whole number of the running timers' common step where that
// stays close to the display's frame: with timers of 10 and 20 ms on a 60 Hz
// display a slot is 20 ms, so every frame shows exactly two ticks of motion.
// Slots of 1000/60 ms would hold one tick or two by turns, and a drift of one
// pixel a tick would show as steps of one and two pixels.
// While a tick runs, the run time's clock reads that tick's own due time (or
// the real time, after a stall), so the schedule stays exact: every tick runs,
// none is skipped, and the scheduler's stall rule still sees a stall.
class FrameTicks {
public:
    explicit FrameTicks(double display_frame_ms = 1000.0 / 60.0);

    void set_display_frame_ms(double);
    // The slot's length for timers that keep to step_ms (0: no timer runs).
    double slot_ms_for_step(std::int64_t step_ms) const;
    // The slot's length now: set by the timers running at the last serve.
    double frame_ms() const { return m_frame_ms; }
    // The slot that ms falls in, and the first millisecond of the next slot.
    std::int64_t slot_of(std::int64_t ms) const;
    std::int64_t slot_end(std::int64_t ms) const;

    // Runs the ticks of the slot that real_now() falls in; the number run.
    int serve(Runtime&, std::function<std::int64_t()> const& real_now);
    // The time the run time's clock reads while a tick runs.
    std::optional<std::int64_t> presented() const { return m_presented; }
    // For a wait in the middle of a tick (a message box): the clock reads the
    // real time meanwhile. Returns what it presented before.
    std::optional<std::int64_t> suspend() { return std::exchange(m_presented, std::nullopt); }
    void resume(std::optional<std::int64_t> presented) { m_presented = presented; }

private:
    double m_display_frame_ms;
    double m_frame_ms;
    std::optional<std::int64_t> m_presented;
};

}
