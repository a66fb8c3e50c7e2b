// memory.h: how much memory the process holds, for the runs that check it stays flat.
#pragma once

#include <cstddef>
#include <fstream>
#include <string>
#include <string_view>

#if defined(__SANITIZE_ADDRESS__)
#define PEBBLIX_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PEBBLIX_ASAN 1
#endif
#endif

#ifdef PEBBLIX_ASAN
// From the sanitizers' public interface; not every compiler ships its header.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace pebblix::testing {

// Bytes of heap in use by the process.
inline std::size_t LiveHeapBytes() {
#ifdef PEBBLIX_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

// A field of the kernel's view of this process in KiB: "VmRSS:" the resident memory now,
// "VmHWM:" its peak; -1 where there is no such field.
inline long StatusKiB(std::string_view name) {
    std::ifstream status("/proc/self/status");
    std::string field;
    long value = -1;
    while (status >> field) {
        if (field == name) {
            status >> value;
            break;
        }
    }
    return value;
}

} // namespace pebblix::testing
