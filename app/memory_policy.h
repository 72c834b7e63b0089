#pragma once

class QCoreApplication;

namespace lumenary
{

// Makes memory that pictures free go back to the system. glibc raises its threshold for
// serving a large block from its own heap each time such a block is freed, so after the first
// window closes or resizes, picture buffers of a few hundred kilobytes to megabytes come from
// the heap; one of them left near its top keeps all the memory below it resident, and resident
// memory climbs in steps over a long day. A fixed threshold maps every large block on its own
// and unmaps it when freed. Call once at start, before any window.
void returnLargeBlocksToSystem();

// Gives the pages the heap holds free back to the system a second after the student's input
// (at most once a second while the student works): blocks below the mapping threshold freed
// between blocks still in use (a closed window's widgets, a copy's or a print's buffers) leave
// whole free pages inside the heap that glibc keeps resident otherwise, and resident memory
// creeps up by megabytes over a long day. Call once, after the application is made.
void returnFreePagesAfterInput(QCoreApplication& app);

// Holds Qt's shared pixmap cache (the style's drawn buttons, frames and gradients, one for each
// size met) to 2 MB instead of Qt's 10 MB: windows that the student resizes again and again
// leave a pixmap for every size, and the cache filled to its limit over hours. Call once, after
// the application is made.
void boundPixmapCache();

} // namespace lumenary
