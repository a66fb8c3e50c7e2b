// celllabel.h: one cell of the board, a bordered box showing its piece in large digits.
#pragma once

#include "windowobjects.h"

#include <QColor>
#include <QString>
#include <QWidget>

namespace pebblix {

class CellLabel final : public QWidget, public CellObject {
    Q_OBJECT

public:
    CellLabel(std::int16_t index, QWidget* parent);

    std::string Caption() const override { return caption_; }
    void SetCaption(std::string_view text) override;
    // Noted at once and carried out by ApplyVisibility once the running handler has returned: a
    // restart hides every cell and then shows again those in use, which need not change at all.
    void SetVisible(bool visible) override { shown_ = visible; }
    void SetBackColor(Rgb colour) override;

    // Shows or hides the cell as the puzzle last asked.
    void ApplyVisibility() {
        if (isHidden() == shown_) {
            setVisible(shown_);
        }
    }

    QString text() const { return QString::fromStdString(caption_); }
    QColor backColor() const { return backColor_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateAccessibleName();

    std::int16_t index_;
    std::string caption_;
    QColor backColor_;
    bool shown_ = true;
};

} // namespace pebblix
