#include "FrameTicks.h"

#include "Runtime.h"
#include "TimerScheduler.h"

#include <algorithm>
#include <cmath>

namespace rt {

FrameTicks::FrameTicks(double display_frame_ms) { set_display_frame_ms(display_frame_ms); }

void FrameTicks::set_display_frame_ms(double display_frame_ms)
{
    m_display_frame_ms = std::max(1.0, display_frame_ms);
    m_frame_ms = m_display_frame_ms;
}

// A slot longer than the frame by more than this shows too few frames for
// the evenness of each to make up for it.
constexpr double longest_slot_in_frames = 1.25;

double FrameTicks::slot_ms_for_step(std::int64_t step_ms) const
{
    auto const step = static_cast<double>(step_ms);
    if (step_ms <= 0 || step >= m_display_frame_ms)
        return m_display_frame_ms;
    double const slot = std::ceil(m_display_frame_ms / step) * step;
    return slot <= m_display_frame_ms * longest_slot_in_frames ? slot : m_display_frame_ms;
}

// A frame of 1000/60 ms is not exact in floating point: without the margin,
// 1000 ms would fall a hair short of slot 60.
constexpr double rounding_margin = 1e-9;

std::int64_t FrameTicks::slot_of(std::int64_t ms) const
{
    return static_cast<std::int64_t>(std::floor(static_cast<double>(ms) / m_frame_ms + rounding_margin));
}

std::int64_t FrameTicks::slot_end(std::int64_t ms) const
{
    return static_cast<std::int64_t>(std::ceil(static_cast<double>(slot_of(ms) + 1) * m_frame_ms - rounding_margin));
}

int FrameTicks::serve(Runtime& runtime, std::function<std::int64_t()> const& real_now)
{
    // A tick may open a message box, whose event loop serves ticks meanwhile:
    // the outer tick's presented time comes back when the inner ones are done.
    std::optional<std::int64_t> const outer = m_presented;
    m_frame_ms = slot_ms_for_step(runtime.timers().step_ms());
    std::int64_t const end = slot_end(real_now());
    int served = 0;
    while (!runtime.ended()) {
        std::optional<std::int64_t> const due = runtime.next_timer_due();
        if (!due || *due >= end)
            break;
        // After a stall the tick reads the real time, so that the scheduler
        // sees the stall and shifts its schedule.
        m_presented = TimerScheduler::tick_time(*due, real_now());
        if (!runtime.run_one_due_timer())
            break;
        ++served;
    }
    m_presented = outer;
    return served;
}

}
