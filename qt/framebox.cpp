// framebox.cpp: a frame around a group of controls, its caption set into the top edge.
//
// Styles give group boxes their own shading and margins; this frame is drawn plainly instead: its
// back colour, an etched line around it whose top edge runs through the middle of the caption,
// and the caption on the back colour, so the controls inside keep their places on every style.
#include "framebox.h"

#include <QPainter>
#include <qdrawutil.h>

namespace pebblix {

namespace {
constexpr int kCaptionIndent = 8; // pixels from the frame's left edge to the caption
constexpr int kCaptionGap = 2;    // blank pixels on either side of the caption
} // namespace

FrameBox::FrameBox(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor back = palette().color(backgroundRole());
    painter.fillRect(rect(), back);

    const QFontMetrics metrics(font());
    const int lineTop = metrics.height() / 2;
    qDrawShadeRect(&painter, 0, lineTop, width(), height() - lineTop, palette(), true, 1);

    QRect caption(kCaptionIndent, 0, metrics.horizontalAdvance(title()) + 2 * kCaptionGap,
                  metrics.height());
    painter.fillRect(caption, back);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}

} // namespace pebblix
