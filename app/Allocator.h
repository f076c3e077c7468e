// The heap allocator's policy for the whole program, set once before anything allocates.
#pragma once

namespace velmar::app {

// Call first thing in main.
void settleAllocator();

} // namespace velmar::app
