#pragma once

#include <cstddef>

namespace lumenary
{

// A window that holds work the student has not saved (the Optical Bench's scene). Before the
// program ends, the launcher asks each such window to settle it: save it, discard it, or keep
// the program running (cancel).
class UnsavedWork
{
public:
    virtual ~UnsavedWork() = default;

    // Asks the student what to do with unsaved work, if there is any, and does it; false when the
    // student chose to keep working (Cancel, or a save that did not happen).
    virtual bool settleUnsavedWork() = 0;
    // About how much memory the work takes now (a traced scene grows with its rays): memory
    // the student asked for, which a check for growth does not take for a leak.
    virtual std::size_t workBytes() const { return 0; }
};

} // namespace lumenary
