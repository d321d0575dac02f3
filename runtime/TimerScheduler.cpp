#include "TimerScheduler.h"

#include "Control.h"

#include <algorithm>
#include <numeric>

namespace rt {

void TimerScheduler::arm(Control& timer, std::int64_t now_ms)
{
    disarm(timer);
    if (timer.properties().interval <= 0)
        return;
    m_entries.push_back({ &timer, now_ms + timer.properties().interval, m_next_order++ });
}

void TimerScheduler::disarm(Control& timer)
{
    std::erase_if(m_entries, [&](Entry const& e) { return e.timer == &timer; });
}

bool TimerScheduler::armed(Control const& timer) const
{
    return std::any_of(m_entries.begin(), m_entries.end(), [&](Entry const& e) { return e.timer == &timer; });
}

std::vector<TimerScheduler::Entry>::iterator TimerScheduler::earliest()
{
    return std::min_element(m_entries.begin(), m_entries.end(),
        [](Entry const& a, Entry const& b) { return a.due != b.due ? a.due < b.due : a.order < b.order; });
}

std::optional<std::int64_t> TimerScheduler::next_due() const
{
    if (m_entries.empty())
        return std::nullopt;
    return const_cast<TimerScheduler*>(this)->earliest()->due;
}

std::int64_t TimerScheduler::step_ms() const
{
    std::int64_t step = 0;
    for (Entry const& entry : m_entries)
        step = std::gcd(step, static_cast<std::int64_t>(entry.timer->properties().interval));
    return step;
}

Control* TimerScheduler::take_due(std::int64_t now_ms)
{
    if (m_entries.empty())
        return nullptr;
    auto next = earliest();
    if (next->due > now_ms)
        return nullptr;
    if (tick_time(next->due, now_ms) != next->due) {
        std::int64_t const late = now_ms - next->due;
        for (auto& entry : m_entries)
            entry.due += late;
        ++m_shifts;
    }
    next->due += next->timer->properties().interval;
    return next->timer;
}

}
