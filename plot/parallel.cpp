#include "parallel.h"

#include <atomic>
#include <thread>

namespace lumenary
{

namespace
{

// Whether this thread is running a part: parts within a part run on it in turn, so that two
// threads are all there ever are.
thread_local bool t_inPart = false;

} // namespace

int partThreads()
{
    static const int threads = std::thread::hardware_concurrency() >= 2 ? 2 : 1;
    // Within a part, parts run in turn on this thread: one buffer per thread is then one.
    return t_inPart ? 1 : threads;
}

void forEachPart(int count, const std::function<void(int)>& part)
{
    if (count <= 0)
        return;
    if (count == 1 || partThreads() < 2) {
        for (int i = 0; i < count; ++i)
            part(i);
        return;
    }
    std::atomic<int> next{0};
    const auto work = [&] {
        t_inPart = true;
        for (int i = next++; i < count; i = next++)
            part(i);
        t_inPart = false;
    };
    std::thread other(work);
    work();
    other.join();
}

} // namespace lumenary
