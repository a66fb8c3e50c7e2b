// colourbutton.cpp: a command button whose face is filled with its own colour on every style.
//
// Styles draw button faces as gradients or themed images that ignore the palette, so the button
// draws itself: a raised bevel around a flat face of its colour, sunken while pressed, and a
// plain focus mark (a black outline and a dotted rectangle) when it has the keyboard focus.
#include "colourbutton.h"

#include <QPainter>
#include <qdrawutil.h>

namespace pebblix {

ColourButton::ColourButton(const QString& caption, const QColor& face, QWidget* parent)
    : QPushButton(caption, parent), face_(face) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColourButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool sunken = isDown();
    const QBrush face(face_);
    QRect bevel = rect();
    if (hasFocus()) {
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawRect(bevel.adjusted(0, 0, -1, -1));
        bevel.adjust(1, 1, -1, -1);
    }
    qDrawWinButton(&painter, bevel, palette(), sunken, &face);

    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(sunken ? rect().translated(1, 1) : rect(),
                     Qt::AlignCenter | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
    }
}

} // namespace pebblix
