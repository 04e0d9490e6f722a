#include "tests/app/ProcessMemory.h"

#include <unistd.h>

#include <cstddef>
#include <fstream>

#if defined(__SANITIZE_ADDRESS__)
#define BRACKMERE_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BRACKMERE_ASAN 1
#endif
#endif

#if defined(BRACKMERE_ASAN)
// Part of the sanitizer runtime's public interface; GCC ships no header for it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#elif defined(__GLIBC__)
#include <malloc.h>
#endif

namespace ProcessMemory {

std::uint64_t ResidentBytes()
{
    std::ifstream statm("/proc/self/statm");
    std::uint64_t totalPages = 0;
    std::uint64_t residentPages = 0;
    statm >> totalPages >> residentPages;
    return residentPages * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
}

std::optional<std::uint64_t> LiveHeapBytes()
{
#if defined(BRACKMERE_ASAN)
    return __sanitizer_get_current_allocated_bytes();
#elif defined(__GLIBC__)
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#else
    return std::nullopt;
#endif
}

bool AllocatorKeepsFreedMemory()
{
#if defined(BRACKMERE_ASAN)
    return true;
#else
    return false;
#endif
}

}  // namespace ProcessMemory
