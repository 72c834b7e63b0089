#pragma once

#include <cstdint>
#include <optional>

namespace lumenary::soak
{

// The process's resident memory in bytes, from /proc/self/statm; nothing where it cannot be read.
std::optional<std::uint64_t> residentBytes();

// Holds resident memory to a fixed allowance above what it was once the program had warmed up:
// every window shown and the first events past, so that the caches a first use fills are full;
// the baseline is the highest reading over the settling events that follow.
class MemoryCheck
{
public:
    // settlingEvents: the events after the warm-up whose highest reading is the baseline.
    MemoryCheck(std::uint64_t warmUpEvents, std::uint64_t settlingEvents,
                std::uint64_t allowanceBytes)
        : m_warmUpEvents(warmUpEvents), m_settlingEvents(settlingEvents),
          m_allowance(allowanceBytes)
    {
    }
    // Called after each event; warm is whether every window has been shown, and workBytes how
    // much memory the student's work takes in the windows that hold some (a traced scene); the
    // most it took since the last reading counts.
    // Returns how far over the allowance memory has grown, in bytes, once it has stayed over
    // for kReadingsOverToFail readings (a hundred events apart) in a row; otherwise 0. Memory
    // is compared only while the work takes less than the allowance: a scene of a hundred
    // thousand rays is what the student asked for, not growth; after one, the baseline is taken
    // again, as the heap it grew stays behind in part: the highest of the next kSettleReadings.
    std::uint64_t afterEvent(std::uint64_t eventsDone, bool warm, std::uint64_t workBytes = 0);
    std::optional<std::uint64_t> baseline() const { return m_baseline; }
    std::uint64_t peak() const { return m_peak; }

    static constexpr int kReadingsOverToFail = 5;
    static constexpr int kSettleReadings = 10; // after a large scene (see afterEvent)

private:
    std::uint64_t m_warmUpEvents;
    std::uint64_t m_settlingEvents;
    std::uint64_t m_allowance;
    std::optional<std::uint64_t> m_baseline;
    std::uint64_t m_settledAt = 0;
    std::uint64_t m_peak = 0;
    int m_readingsOver = 0;
    bool m_rebase = false; // the work was too large to compare: a new baseline comes next
    std::uint64_t m_workPeak = 0;
};

} // namespace lumenary::soak
