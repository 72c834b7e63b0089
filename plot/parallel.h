#pragma once

#include <functional>

namespace lumenary
{

// Runs part(0) … part(count − 1) on this thread and one more, each part once, and returns when
// all are done. The parts are taken in turn by whichever thread is free, so they must write
// nothing another part reads or writes: then the result is the same, bit for bit, however the
// parts fall to the threads, and the same as one thread running them in order. One thread does
// all of them where the machine has a single core or there is a single part, and a part's own
// parts run on its thread.
//
//     std::vector<double> out(n);
//     forEachPart(n, [&](int i) { out[i] = work(i); });
void forEachPart(int count, const std::function<void(int)>& part);

// How many threads forEachPart uses: 2, or 1 on a machine with a single core or within a part.
int partThreads();

} // namespace lumenary
