// optionbutton.cpp: a variant option button; its group keeps exactly one selected.
#include "optionbutton.h"

namespace pebblix {

OptionButton::OptionButton(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent) {
    KeepTabStopOnSelection(false);
    connect(this, &QRadioButton::toggled, this, &OptionButton::KeepTabStopOnSelection);
}

void OptionButton::KeepTabStopOnSelection(bool selected) {
    setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace pebblix
