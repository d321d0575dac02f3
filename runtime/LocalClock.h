#pragma once

#include <cstdint>
#include <ctime>

namespace rt {

// The time of day, read afresh on every call without touching the file system:
// the system's real-time clock plus the offset of local time from UTC. The
// offset is looked up (which may read the time-zone file) only when it can have
// changed: once a minute, since the clocks move on whole minutes.
class LocalClock {
public:
    // Seconds since local midnight, to the millisecond.
    double seconds_since_midnight();
    double seconds_since_midnight(timespec utc);
    // How often the offset has been looked up; for tests.
    int lookups() const { return m_lookups; }

private:
    std::int64_t m_offset_s { 0 };
    std::int64_t m_valid_until_s { INT64_MIN };
    int m_lookups { 0 };
};

}
