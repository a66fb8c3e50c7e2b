// icon_test.cpp: each of the window's icons (window/icons) is its picture with every pixel a square
// block, never blended, on transparency or on the window's own colour.
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSet>

#include <gtest/gtest.h>

#include <cmath>

#include "description.h"
#include "icons/hamburger.xpm"

namespace {

using pebblix::description::kWindow;

constexpr QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;

QImage Read(const QString& name) {
    return QImage(QStringLiteral(PEBBLIX_ICON_DIR "/") + name).convertToFormat(kFormat);
}

// The picture drawn `scale` times larger in the middle of a square of `size`, each of its pixels a
// block, on `ground`.
QImage Drawn(int size, int scale, QColor ground = Qt::transparent) {
    const QImage picture = QImage(hamburger_xpm).convertToFormat(kFormat);
    QImage out(size, size, kFormat);
    out.fill(ground);
    QPainter painter(&out);
    const int side = scale * picture.width();
    painter.drawImage(QRect((size - side) / 2, (size - side) / 2, side, side), picture);
    return out;
}

TEST(Icon, EachPlainSizeRepeatsThePicturesPixels) {
    for (const int size : {32, 64, 128, 192, 256, 512}) {
        SCOPED_TRACE(size);
        EXPECT_EQ(Read(QStringLiteral("hamburger-%1.png").arg(size)), Drawn(size, size / 32));
    }
}

// The web app's opaque icons lie on the window's colour, so a change of the colour that leaves
// them as they were fails here; a maskable one keeps its picture inside the middle circle (a radius
// of 0.4 of the size) that every launcher's mask keeps.
TEST(Icon, OpaqueSizesLieOnTheWindowsColourInsideTheMask) {
    const QColor ground(kWindow.backColor.r, kWindow.backColor.g, kWindow.backColor.b);
    struct Case {
        const char* name;
        int size;
        int scale;
        bool maskable;
    };
    for (const Case& c : {Case{"hamburger-192-maskable.png", 192, 4, true},
                          Case{"hamburger-512-maskable.png", 512, 12, true},
                          Case{"hamburger-180-opaque.png", 180, 5, false}}) {
        SCOPED_TRACE(c.name);
        const QImage icon = Read(c.name);
        EXPECT_EQ(icon, Drawn(c.size, c.scale, ground));
        for (int y = 0; c.maskable && y < c.size; ++y) {
            for (int x = 0; x < c.size; ++x) {
                const double off = std::hypot(x + 0.5 - c.size / 2.0, y + 0.5 - c.size / 2.0);
                ASSERT_TRUE(icon.pixelColor(x, y) == ground || off <= 0.4 * c.size)
                    << "drawn outside the mask at " << x << ", " << y;
            }
        }
    }
}

// The Windows icon's sizes: the whole multiples repeat the picture's pixels, the others take each
// pixel from one of the picture's.
TEST(Icon, TheWindowsIconHoldsFourSizesUnblended) {
    const QImage picture = Drawn(32, 1);
    QSet<QRgb> colours;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            colours.insert(picture.pixel(x, y));
        }
    }
    QImageReader reader(QStringLiteral(PEBBLIX_ICON_DIR "/hamburger.ico"));
    QList<int> sizes;
    for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i) {
        const QImage frame = reader.read().convertToFormat(kFormat);
        const int size = frame.width();
        SCOPED_TRACE(size);
        sizes.append(size);
        if (size % 32 == 0) {
            EXPECT_EQ(frame, Drawn(size, size / 32));
            continue;
        }
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                ASSERT_TRUE(colours.contains(frame.pixel(x, y))) << "blended at " << x << ", " << y;
            }
        }
    }
    EXPECT_EQ(sizes, QList<int>({16, 32, 48, 256}));
}

} // namespace
