#include "LocalClock.h"

#include <climits>

namespace rt {

double LocalClock::seconds_since_midnight()
{
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    return seconds_since_midnight(now);
}

double LocalClock::seconds_since_midnight(timespec utc)
{
    std::int64_t const seconds = utc.tv_sec;
    if (seconds >= m_valid_until_s || seconds < m_valid_until_s - 60) {
        std::time_t const t = utc.tv_sec;
        std::tm local {};
        localtime_r(&t, &local);
        m_offset_s = local.tm_gmtoff;
        // Until the next whole minute: time-zone changes fall on whole minutes.
        m_valid_until_s = seconds - seconds % 60 + 60;
        ++m_lookups;
    }
    constexpr std::int64_t day = 24 * 3600;
    std::int64_t const local_seconds = ((seconds + m_offset_s) % day + day) % day;
    std::int64_t const ms = utc.tv_nsec / 1'000'000;
    return static_cast<double>(local_seconds) + static_cast<double>(ms) / 1000.0;
}

}
