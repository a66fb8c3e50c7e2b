// first_paint.h: ends the program as soon as its window has painted its first frame.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

namespace pebblix::bench {

// Watches a top-level widget. Its first paint event arrives while the toolkit paints the whole
// window into the backing store; the quit is queued behind that, so it runs once the children
// are painted and the frame is flushed to the screen.
class QuitAfterFirstPaint final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool painted_ = false;
};

} // namespace pebblix::bench
