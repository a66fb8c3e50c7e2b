// highdpi_test.cpp: at the screen scale in QT_SCALE_FACTOR the window keeps its logical size and is
// drawn finer.
//
// Qt reads the scale only when the application starts, so CTest runs these, with the look tests
// (look_test.cpp, which read the grab in device pixels), once for each scale: 1, 1.25, 1.5 and 2.
#include "window_test.h"

#include <QPixmap>

#include <gtest/gtest.h>

namespace pebblix::testing {
namespace {

TEST_F(WindowTest, HighDpiClientAreaKeepsItsLogicalSizeAndScalesOnScreen) {
    Show(false);
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    ASSERT_DOUBLE_EQ(window.devicePixelRatio(), scale) << "QT_SCALE_FACTOR was not applied";
    const QSize logical(kWindow.clientWidth / kTwipsPerPixel,
                        kWindow.clientHeight / kTwipsPerPixel);
    EXPECT_EQ(window.size(), logical);
    const QSize device = window.grab().size();
    EXPECT_NEAR(device.width(), logical.width() * scale, 1.0);
    EXPECT_NEAR(device.height(), logical.height() * scale, 1.0);
}

} // namespace
} // namespace pebblix::testing
