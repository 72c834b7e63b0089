#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace lumenary::soak
{

// A thread that watches the event in progress: when one event takes longer than the limit it
// reports the seed and the event's index and aborts the process, so a hang never passes for a
// slow run.
class Watchdog
{
public:
    Watchdog(std::uint64_t seed, std::chrono::seconds limit);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // Marks the start of event index; the clock for the limit restarts.
    void begin(std::uint64_t index);

private:
    void watch();

    const std::uint64_t m_seed;
    const std::chrono::seconds m_limit;
    std::atomic<std::uint64_t> m_index{0};
    std::atomic<std::int64_t> m_startedNs{0};
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    std::thread m_thread;
};

} // namespace lumenary::soak
