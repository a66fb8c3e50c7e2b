// highdpi_test.cpp: at the screen scale in QT_SCALE_FACTOR the window keeps its layout and colours.
//
// Qt reads the scale only when the application starts, so CTest runs these once for each scale
// (1, 1.25, 1.5 and 2). The window is grabbed as the screen shows it, in device pixels, and every
// coloured control is looked for where the description places it, scaled.
#include "window_test.h"

#include <QImage>
#include <QPixmap>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace pebblix::testing {
namespace {

double ScaleFactor() {
    return qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
}

// A control's rectangle in logical pixels of the window's client area.
QRect ClientRect(const ControlSpec& control) {
    QRect rect(control.rect.left / kTwipsPerPixel, control.rect.top / kTwipsPerPixel,
               control.rect.width / kTwipsPerPixel, control.rect.height / kTwipsPerPixel);
    if (!control.container.empty()) {
        rect.translate(ClientRect(*Find(control.container)).topLeft());
    }
    return rect;
}

// The device pixel that shows the logical pixel `p`: the one under its centre.
QPoint DevicePixel(QPoint p, double scale) {
    return {static_cast<int>(std::floor((p.x() + 0.5) * scale)),
            static_cast<int>(std::floor((p.y() + 0.5) * scale))};
}

class HighDpi : public WindowTest {
protected:
    void SetUp() override { Show(false); }

    const double scale_ = ScaleFactor();
};

TEST_F(HighDpi, ClientAreaKeepsItsLogicalSizeAndScalesOnScreen) {
    ASSERT_DOUBLE_EQ(window.devicePixelRatio(), scale_) << "QT_SCALE_FACTOR was not applied";
    const QSize logical(kWindow.clientWidth / kTwipsPerPixel,
                        kWindow.clientHeight / kTwipsPerPixel);
    EXPECT_EQ(window.size(), logical);

    const QSize device = window.grab().size();
    EXPECT_NEAR(device.width(), logical.width() * scale_, 1.0);
    EXPECT_NEAR(device.height(), logical.height() * scale_, 1.0);
}

// Every control with a colour of its own shows it just inside its corners: the cells, the
// heading, the option buttons and the command buttons stay where they were, as large as they
// were, only finer.
TEST_F(HighDpi, ColouredControlsFillTheirScaledPlaces) {
    const QImage screen = window.grab().toImage();
    constexpr int kInset = 3; // past borders and bevels, short of any caption
    int checked = 0;
    for (const ControlSpec& control : kControls) {
        const bool shown = control.kind == ControlKind::Label ||
                           control.kind == ControlKind::OptionButton ||
                           control.kind == ControlKind::CommandButton;
        if (!shown || !control.visible || !control.backColor) {
            continue;
        }
        const QColor expected(control.backColor->r, control.backColor->g, control.backColor->b);
        const QRect inner = ClientRect(control).adjusted(kInset, kInset, -kInset, -kInset);
        std::vector<QPoint> corners{inner.topRight(), inner.bottomRight()};
        // An option button's left end holds its round mark.
        if (control.kind != ControlKind::OptionButton) {
            corners.insert(corners.end(), {inner.topLeft(), inner.bottomLeft()});
        }
        for (const QPoint corner : corners) {
            const QPoint at = DevicePixel(corner, scale_);
            const QColor seen = screen.pixelColor(at);
            EXPECT_EQ(seen.rgb(), expected.rgb())
                << std::string(control.name) << "(" << control.index << ") at logical ("
                << corner.x() << ", " << corner.y() << "), device (" << at.x() << ", " << at.y()
                << "): " << seen.name().toStdString() << " instead of "
                << expected.name().toStdString();
            ++checked;
        }
    }
    EXPECT_EQ(checked, 4 * (9 + 1 + 7) + 2 * 2); // cells, heading, buttons; the options' right ends
}

} // namespace
} // namespace pebblix::testing
