// firstpaint.h: the benchmarks' end of a start-up: every window has painted its first frame.
#pragma once

#include <windows.h>

namespace pebblix::bench {

// Handles every waiting message, painting included (the system asks for a paint only once nothing
// else waits), and returns once nothing is left to paint.
inline void UntilPainted() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    GdiFlush();
}

} // namespace pebblix::bench
