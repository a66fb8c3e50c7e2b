// playbacktimer.cpp: the timer that plays back a stored solution, one row a tick.
#include "playbacktimer.h"

namespace pebblix {

PlaybackTimer::PlaybackTimer(int intervalMs, QObject* parent) : QTimer(parent) {
    setInterval(intervalMs);
}

void PlaybackTimer::SetEnabled(bool enabled) {
    if (enabled) {
        start();
    } else {
        stop();
    }
}

} // namespace pebblix
