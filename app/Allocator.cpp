#include "Allocator.h"

#include <cstdlib> // defines __GLIBC__ on glibc

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
#include <malloc.h>
#endif

namespace velmar::app {

void settleAllocator()
{
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
    // The renderer's buffers grow with the window, its 64 KiB working blocks come and go with every frame:
    // mapped apart, each goes back to the system when freed. glibc would raise this threshold at the first
    // large block freed, and blocks from the heap stay resident after the window shrinks.
    mallopt(M_MMAP_THRESHOLD, 64 * 1024);
#endif
}

} // namespace velmar::app
