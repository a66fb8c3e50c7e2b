// framebox.h: a frame around a group of controls, its caption set into the top edge.
#pragma once

#include <QGroupBox>

namespace pebblix {

class FrameBox final : public QGroupBox {
    Q_OBJECT

public:
    FrameBox(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace pebblix
