// optionbutton.h: a variant option button; its group keeps exactly one selected.
#pragma once

#include "windowobjects.h"

#include <QRadioButton>

namespace pebblix {

class OptionButton final : public QRadioButton, public OptionObject {
    Q_OBJECT

public:
    OptionButton(const QString& caption, QWidget* parent);

    bool Value() const override { return isChecked(); }

private:
    // The group takes a single stop in the keyboard order: the selected button's.
    void KeepTabStopOnSelection(bool selected);
};

} // namespace pebblix
