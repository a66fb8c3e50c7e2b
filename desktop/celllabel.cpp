// celllabel.cpp: one cell of the board, a bordered box showing its piece in large digits.
#include "celllabel.h"

#include "description.h"

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

CellLabel::CellLabel(std::int16_t index, QWidget* parent) : QWidget(parent), index_(index) {
    static const bool accessibleAsText = (QAccessible::installFactory(CellAccessible), true);
    (void)accessibleAsText;
    setAttribute(Qt::WA_OpaquePaintEvent);
    UpdateAccessibleName();
}

void CellLabel::SetCaption(std::string_view text) {
    if (caption_ == text) {
        return;
    }
    caption_ = text;
    UpdateAccessibleName();
    update();
}

void CellLabel::SetBackColor(Rgb colour) {
    const QColor next(colour.r, colour.g, colour.b);
    if (backColor_ == next) {
        return;
    }
    backColor_ = next;
    update();
}

// A screen reader names the cell by its place on the board, counted from 1, and its piece.
void CellLabel::UpdateAccessibleName() {
    setAccessibleName(QString::fromStdString(description::CellName(index_, caption_)));
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
