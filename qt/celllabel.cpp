// celllabel.cpp: one cell of the board, a bordered box showing its piece in large digits.
#include "celllabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

namespace pebblix {

namespace {

// Screen readers announce a cell as static text, like any other label.
QAccessibleInterface* CellAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(CellLabel::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StaticText);
    }
    return nullptr;
}

} // namespace

CellLabel::CellLabel(QWidget* parent) : QWidget(parent) {
    static const bool accessibleAsText = (QAccessible::installFactory(CellAccessible), true);
    (void)accessibleAsText;
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CellLabel::SetCaption(std::string_view caption) {
    caption_ = QString::fromUtf8(caption);
    update();
}

void CellLabel::SetColour(const QColor& colour) {
    backColor_ = colour;
    update();
}

void CellLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);
    // A single fixed border, one pixel wide, in the text colour.
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(rect(), Qt::AlignCenter, text());
}

} // namespace pebblix
