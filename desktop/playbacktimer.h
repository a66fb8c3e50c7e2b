// playbacktimer.h: the timer that plays back a stored solution, one row a tick.
#pragma once

#include "windowobjects.h"

#include <QTimer>

namespace pebblix {

class PlaybackTimer final : public QTimer, public TimerObject {
    Q_OBJECT

public:
    PlaybackTimer(int intervalMs, QObject* parent);

    // Enabling an enabled timer starts its interval afresh, so a restarted playback shows its
    // first row one whole interval later.
    void SetEnabled(bool enabled) override;
};

} // namespace pebblix
