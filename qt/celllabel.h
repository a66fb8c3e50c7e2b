// celllabel.h: one cell of the board, a bordered box showing its piece in large digits.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <string_view>

namespace pebblix {

class CellLabel final : public QWidget {
    Q_OBJECT

public:
    explicit CellLabel(QWidget* parent);

    // What the cell shows; each repaints the cell when it changes.
    void SetCaption(std::string_view caption);
    void SetColour(const QColor& colour);

    QString text() const { return caption_; }
    QColor backColor() const { return backColor_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QColor backColor_;
};

} // namespace pebblix
