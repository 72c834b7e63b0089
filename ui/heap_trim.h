#pragma once

namespace lumenary
{

// Gives the pages of freed heap memory back to the system. A structure of many small blocks (a
// trace of a hundred thousand paths) grows the heap, and when it is freed, one block still in
// use near the heap's top keeps the whole heap resident; a window that drops such a structure
// calls this, so that resident memory follows what is in use. Costs a walk over the heap.
void trimHeap();

} // namespace lumenary
