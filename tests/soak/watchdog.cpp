#include "watchdog.h"

#include <cstdio>
#include <cstdlib>

namespace lumenary::soak
{

namespace
{

std::int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

Watchdog::Watchdog(std::uint64_t seed, std::chrono::seconds limit)
    : m_seed(seed), m_limit(limit), m_startedNs(nowNs()), m_thread([this] { watch(); })
{
}

Watchdog::~Watchdog()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void Watchdog::begin(std::uint64_t index)
{
    m_startedNs.store(nowNs(), std::memory_order_relaxed);
    m_index.store(index, std::memory_order_release);
}

void Watchdog::watch()
{
    const std::int64_t limitNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(m_limit).count();
    std::unique_lock lock(m_mutex);
    while (!m_wake.wait_for(lock, std::chrono::milliseconds(250), [this] { return m_stop; })) {
        const std::uint64_t index = m_index.load(std::memory_order_acquire);
        const std::int64_t started = m_startedNs.load(std::memory_order_relaxed);
        if (nowNs() - started > limitNs) {
            std::fprintf(
                stderr,
                "soak: event %llu of seed %llu has run for more than %lld s; replay "
                "with --seed %llu --events %llu\n",
                static_cast<unsigned long long>(index), static_cast<unsigned long long>(m_seed),
                static_cast<long long>(m_limit.count()), static_cast<unsigned long long>(m_seed),
                static_cast<unsigned long long>(index + 1));
            std::fflush(stderr);
            std::abort();
        }
    }
}

} // namespace lumenary::soak
