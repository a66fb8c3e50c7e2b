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
    void SetVisible(bool visible) override { setVisible(visible); }
    void SetBackColor(Rgb colour) override;

    QString text() const { return QString::fromStdString(caption_); }
    QColor backColor() const { return backColor_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateAccessibleName();

    std::int16_t index_;
    std::string caption_;
    QColor backColor_;
};

} // namespace pebblix
