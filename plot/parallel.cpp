#include "parallel.h"

#include <atomic>
#include <thread>

namespace lumenary
{

int partThreads()
{
    static const int threads = std::thread::hardware_concurrency() >= 2 ? 2 : 1;
    return threads;
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
        for (int i = next++; i < count; i = next++)
            part(i);
    };
    std::thread other(work);
    work();
    other.join();
}

} // namespace lumenary
