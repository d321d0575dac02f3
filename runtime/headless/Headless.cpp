#include "Headless.h"

#include <cmath>

namespace rt {

Headless::Headless(std::string app_path, double start_seconds_since_midnight)
    : m_day_start(start_seconds_since_midnight)
{
    m_runtime.set_app_path(std::move(app_path));
}

Headless::~Headless() = default;

Control const* Headless::step()
{
    auto const due = m_runtime.next_timer_due();
    if (!due || m_runtime.ended())
        return nullptr;
    m_now = std::max(m_now, *due);
    return m_runtime.run_one_due_timer();
}

void Headless::advance(std::int64_t ms)
{
    std::int64_t const target = m_now + ms;
    for (;;) {
        auto const due = m_runtime.next_timer_due();
        if (!due || *due > target || m_runtime.ended())
            break;
        m_now = std::max(m_now, *due);
        m_runtime.run_one_due_timer();
    }
    m_now = target;
}

void Headless::stall(std::int64_t ms)
{
    m_now += ms;
    m_runtime.run_due_timers();
}

void Headless::set_time_of_day(double seconds_since_midnight)
{
    m_day_start = seconds_since_midnight - static_cast<double>(m_now) / 1000.0;
}

double Headless::seconds_since_midnight()
{
    double const seconds = m_day_start + static_cast<double>(m_now) / 1000.0;
    return std::fmod(std::fmod(seconds, 86400.0) + 86400.0, 86400.0);
}

void Headless::message_box(std::string const& text, int flags, std::string const& title)
{
    m_message_boxes.push_back({ text, flags, title });
    if (on_message_box)
        on_message_box(m_message_boxes.back());
}

}
