#pragma once

#include <cstdint>
#include <optional>

// The test process's own memory, for telling a leak from a steady state.
namespace ProcessMemory {

// Resident set size from /proc/self/statm, in bytes.
std::uint64_t ResidentBytes();

// Bytes currently allocated on the heap and not yet freed, when the allocator can
// tell (AddressSanitizer's allocator or glibc's). Unlike the resident size it does
// not include memory the allocator keeps for reuse, such as the sanitizer's
// quarantine of freed blocks.
std::optional<std::uint64_t> LiveHeapBytes();

// True under AddressSanitizer: freed blocks wait in a quarantine and their pages
// stay resident, so the resident size grows with churn, not with leaks.
bool AllocatorKeepsFreedMemory();

inline double Megabytes(std::uint64_t bytes)
{
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

}  // namespace ProcessMemory
