// icon_test.cpp: each installed icon size is the window's picture with every pixel a square block.
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include "icons/hamburger.xpm"

namespace {

TEST(Icon, EverySizeRepeatsThePicturesPixelsWithoutBlending) {
    const QImage picture = QImage(hamburger_xpm).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(picture.size(), QSize(32, 32));
    for (const int size : {32, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon =
            QImage(QStringLiteral(PEBBLIX_ICON_DIR "/%1/" PEBBLIX_ICON_NAME).arg(size))
                .convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(icon.size(), QSize(size, size));
        const int block = size / picture.width();
        int wrong = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb want = picture.pixel(x / block, y / block);
                const QRgb got = icon.pixel(x, y);
                // A fully transparent pixel has no colour to keep.
                const bool same = qAlpha(want) == 0 ? qAlpha(got) == 0 : got == want;
                if (!same && ++wrong == 1) {
                    ADD_FAILURE() << "first difference at (" << x << ", " << y << "): " << std::hex
                                  << got << " instead of " << want;
                }
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

} // namespace
