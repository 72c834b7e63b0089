#include "worker_pool.h"

namespace lumenary::bench
{

WorkerPool::WorkerPool(int helpers)
{
    m_threads.reserve(static_cast<std::size_t>(helpers));
    try {
        for (int i = 0; i < helpers; ++i)
            m_threads.emplace_back([this, i] { serve(i + 1); });
    } catch (...) {
        // A thread the system would not start: the ones started end before the failure is passed
        // on.
        stop();
        throw;
    }
}

WorkerPool::~WorkerPool()
{
    stop();
}

void WorkerPool::stop()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    for (std::thread& t : m_threads)
        t.join();
    m_threads.clear();
}

void WorkerPool::run(int workers, const std::function<void(int)>& job)
{
    {
        const std::lock_guard lock(m_mutex);
        m_job = &job;
        m_workers = workers;
        m_open = true;
        m_busy = 0;
        m_failure = nullptr;
        ++m_round;
    }
    m_wake.notify_all();
    std::exception_ptr failure;
    try {
        job(0);
    } catch (...) {
        failure = std::current_exception();
    }
    // On a busy machine a helper may not have been given the processor yet: it is not waited for.
    std::unique_lock lock(m_mutex);
    m_open = false;
    m_finished.wait(lock, [this] { return m_busy == 0; });
    m_job = nullptr;
    if (!failure)
        failure = m_failure;
    lock.unlock();
    if (failure)
        std::rethrow_exception(failure);
}

void WorkerPool::serve(int helper)
{
    std::uint64_t seen = 0;
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [&] { return m_stopping || m_round != seen; });
        if (m_stopping)
            return;
        seen = m_round;
        if (!m_open || helper >= m_workers)
            continue;
        ++m_busy;
        const std::function<void(int)>& job = *m_job;
        lock.unlock();
        std::exception_ptr failure;
        try {
            job(helper);
        } catch (...) {
            failure = std::current_exception();
        }
        lock.lock();
        if (failure && !m_failure)
            m_failure = failure;
        if (--m_busy == 0)
            m_finished.notify_one();
    }
}

} // namespace lumenary::bench
