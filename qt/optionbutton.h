// optionbutton.h: a variant option button; its group keeps exactly one selected.
#pragma once

#include <QRadioButton>

namespace pebblix {

class OptionButton final : public QRadioButton {
    Q_OBJECT

public:
    OptionButton(const QString& caption, QWidget* parent);

private:
    // The group takes a single stop in the keyboard order: the selected button's.
    void KeepTabStopOnSelection(bool selected);
};

} // namespace pebblix
