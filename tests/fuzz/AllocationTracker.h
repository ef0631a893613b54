#pragma once
// Counts the bytes this test program holds through operator new, so a test can bound
// what one call costs. It works under AddressSanitizer too (where address-space limits
// cannot be used): the replaced operators allocate with malloc, which the sanitizer still
// watches. Aligned allocations are left to the library and not counted.
#include <cstddef>

namespace AllocationTracker {
// Starts a new measurement: the peak becomes what is held now.
void Restart();
size_t Live();
// The most held at any moment since Restart.
size_t Peak();
} // namespace AllocationTracker
