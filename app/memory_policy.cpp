#include "memory_policy.h"

// A C library header first: it is what defines __GLIBC__.
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace lumenary
{

void returnLargeBlocksToSystem()
{
#if defined(__GLIBC__)
    // glibc's own starting threshold, held there rather than raised.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

} // namespace lumenary
