// colourbutton.h: a command button whose face is filled with its own colour on every style.
#pragma once

#include <QColor>
#include <QPushButton>

namespace pebblix {

class ColourButton final : public QPushButton {
    Q_OBJECT

public:
    ColourButton(const QString& caption, const QColor& face, QWidget* parent);

    QColor faceColour() const { return face_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor face_;
};

} // namespace pebblix
