#pragma once

#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// A few threads that wait between jobs, so that a trace split over the processor's cores pays
// for starting its threads once rather than at every call.
//
//     WorkerPool pool(1);                          // one helper beside the calling thread
//     pool.run(2, [&](int worker) { traceSome(worker); });
namespace lumenary::bench
{

class WorkerPool
{
public:
    // Starts `helpers` threads, which wait for work.
    explicit WorkerPool(int helpers);
    // Stops the helpers and waits for them to end.
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // Helper threads it holds.
    int helpers() const { return static_cast<int>(m_threads.size()); }

    // Calls job(0) on the calling thread and job(1) … job(workers − 1) on as many helpers at once
    // (workers is at most helpers() + 1), and returns when they have returned. A helper that has
    // not begun by the time job(0) returns does not begin: the job must be one that any of its
    // workers can finish alone (they share it out as they go). What the helpers wrote is then
    // visible to the caller; the first exception a job threw is thrown again here.
    void run(int workers, const std::function<void(int)>& job);

private:
    void serve(int helper);
    void stop();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_finished;
    const std::function<void(int)>* m_job = nullptr;
    std::uint64_t m_round = 0; // counts the jobs handed out
    int m_workers = 0;         // of the current job, the caller included
    bool m_open = false;       // helpers may still begin the current job
    int m_busy = 0;            // helpers running it
    bool m_stopping = false;
    std::exception_ptr m_failure;
    std::vector<std::thread> m_threads;
};

} // namespace lumenary::bench
