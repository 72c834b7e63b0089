#include "memory_check.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <utility>

namespace lumenary::soak
{

std::optional<std::uint64_t> residentBytes()
{
    std::FILE* file = std::fopen("/proc/self/statm", "r");
    if (!file)
        return std::nullopt;
    unsigned long long size = 0;
    unsigned long long resident = 0;
    const int read = std::fscanf(file, "%llu %llu", &size, &resident);
    std::fclose(file);
    const long page = sysconf(_SC_PAGESIZE);
    if (read != 2 || page <= 0)
        return std::nullopt;
    return resident * static_cast<std::uint64_t>(page);
}

std::uint64_t MemoryCheck::afterEvent(std::uint64_t eventsDone, bool warm, std::uint64_t workBytes)
{
    // The most work held since the last reading: a scene may come and go between two.
    m_workPeak = std::max(m_workPeak, workBytes);
    // Reading /proc costs a little; every hundred events is often enough to see a trend.
    if (eventsDone % 100 != 0)
        return 0;
    workBytes = std::exchange(m_workPeak, 0);
    const auto now = residentBytes();
    if (!now)
        return 0;
    m_peak = std::max(m_peak, *now);
    if (workBytes >= m_allowance) {
        // Not comparable. What the allocator keeps after a scene of a hundred megabytes is gone
        // is not growth either: the baseline is taken again once the work is small.
        m_rebase = m_baseline.has_value();
        return 0;
    }
    if (m_rebase) {
        // The heap a large scene left settles over a few readings; their highest is the baseline.
        m_rebase = false;
        m_baseline = *now;
        m_settledAt = std::max(m_settledAt, eventsDone + 100 * std::uint64_t(kSettleReadings));
        m_readingsOver = 0;
        return 0;
    }
    if (!m_baseline) {
        if (warm && eventsDone >= m_warmUpEvents) {
            m_baseline = *now;
            m_settledAt = eventsDone + m_settlingEvents;
        }
        return 0;
    }
    // Memory swings by a few megabytes with the windows that happen to be open (each holds its
    // pictures and backing store): the baseline is the highest it reached while settling.
    if (eventsDone < m_settledAt) {
        m_baseline = std::max(*m_baseline, *now);
        return 0;
    }
    // A picture's buffers come and go with a window's size: memory that rises past the allowance
    // and falls back is not growth. Growth is memory that stays over for several readings.
    if (*now <= *m_baseline + m_allowance) {
        m_readingsOver = 0;
        return 0;
    }
    if (++m_readingsOver < kReadingsOverToFail)
        return 0;
    return *now - *m_baseline - m_allowance;
}

} // namespace lumenary::soak
