// icon_test.cpp: each of the window's icons (window/icons) is its picture with every pixel a square
// block, never blended, on transparency or on the window's own colour.
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "description.h"
#include "icons/hamburger.xpm"

namespace {

using pebblix::description::kForm;

const QImage& Picture() {
    static const QImage picture = QImage(hamburger_xpm).convertToFormat(QImage::Format_ARGB32);
    return picture;
}

QString IconPath(const char* name) {
    return QStringLiteral(PEBBLIX_ICON_DIR "/") + name;
}

// Counts the pixels of `icon` that are not the picture drawn `scale` times larger with its top left
// corner at `origin`, on `ground` (none: transparent), and reports the first.
int Misdrawn(const QImage& icon, int scale, QPoint origin, std::optional<QRgb> ground) {
    const QImage& picture = Picture();
    int wrong = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const QPoint at(x - origin.x(), y - origin.y());
            const QPoint source(at.x() / scale, at.y() / scale);
            QRgb want = at.x() >= 0 && at.y() >= 0 && picture.rect().contains(source)
                            ? picture.pixel(source)
                            : 0;
            if (qAlpha(want) == 0 && ground) {
                want = *ground;
            }
            const QRgb got = icon.pixel(x, y);
            // A fully transparent pixel has no colour to keep.
            const bool same = qAlpha(want) == 0 ? qAlpha(got) == 0 : got == want;
            if (!same && ++wrong == 1) {
                ADD_FAILURE() << "first difference at (" << x << ", " << y << "): " << std::hex
                              << got << " instead of " << want;
            }
        }
    }
    return wrong;
}

// Whether every drawn pixel of the picture, drawn `scale` times larger in the middle of a square of
// `size`, lies inside the circle that every mask keeps: a radius of 0.4 of the size.
bool FitsMask(int size, int scale) {
    const QImage& picture = Picture();
    const double centre = size / 2.0;
    const int left = (size - scale * picture.width()) / 2;
    const int top = (size - scale * picture.height()) / 2;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            for (const int corner : {0, 1, 2, 3}) {
                const double cx = left + scale * (x + corner % 2) - centre;
                const double cy = top + scale * (y + corner / 2) - centre;
                if (qAlpha(picture.pixel(x, y)) != 0 && std::hypot(cx, cy) > 0.4 * size) {
                    return false;
                }
            }
        }
    }
    return true;
}

TEST(Icon, EachPlainSizeRepeatsThePicturesPixels) {
    ASSERT_EQ(Picture().size(), QSize(32, 32));
    for (const int size : {32, 64, 128, 192, 256, 512}) {
        SCOPED_TRACE(size);
        const QImage icon =
            QImage(IconPath("hamburger-%1.png").arg(size)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(Misdrawn(icon, size / Picture().width(), {0, 0}, std::nullopt), 0);
    }
}

// The web app's icons that are opaque lie on the window's colour: a change of the colour that
// leaves them as they were fails here.
TEST(Icon, OpaqueSizesLieOnTheWindowsColour) {
    const QRgb ground = qRgb(kForm.backColor.r, kForm.backColor.g, kForm.backColor.b);
    const int width = Picture().width();
    struct Case {
        const char* name;
        int size;
        bool maskable; // else the largest scale that fits the square, for the iPad's Home Screen
    };
    for (const Case& c : {Case{"hamburger-192-maskable.png", 192, true},
                          Case{"hamburger-512-maskable.png", 512, true},
                          Case{"hamburger-180-opaque.png", 180, false}}) {
        SCOPED_TRACE(c.name);
        const QImage read(IconPath(c.name));
        ASSERT_EQ(read.size(), QSize(c.size, c.size));
        EXPECT_FALSE(read.hasAlphaChannel());
        int scale = c.size / width;
        while (c.maskable && scale > 0 && !FitsMask(c.size, scale)) {
            --scale;
        }
        ASSERT_GT(scale, 0) << "the picture fits no mask at this size";
        const int left = (c.size - scale * width) / 2;
        EXPECT_EQ(
            Misdrawn(read.convertToFormat(QImage::Format_ARGB32), scale, {left, left}, ground), 0)
            << "drawn " << scale << " times larger";
    }
}

// The Windows icon's sizes: the whole multiples repeat the picture's pixels, the others take each
// pixel from one of the picture's.
TEST(Icon, TheWindowsIconHoldsFourSizesUnblended) {
    QImageReader reader(IconPath("hamburger.ico"));
    ASSERT_EQ(reader.imageCount(), 4) << reader.errorString().toStdString();
    QSet<QRgb> colours;
    for (int y = 0; y < Picture().height(); ++y) {
        for (int x = 0; x < Picture().width(); ++x) {
            colours.insert(Picture().pixel(x, y));
        }
    }
    QList<int> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage frame = reader.read().convertToFormat(QImage::Format_ARGB32);
        const int size = frame.width();
        SCOPED_TRACE(size);
        sizes.append(size);
        ASSERT_EQ(frame.height(), size);
        if (size % Picture().width() == 0) {
            EXPECT_EQ(Misdrawn(frame, size / Picture().width(), {0, 0}, std::nullopt), 0);
            continue;
        }
        int blended = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb got = frame.pixel(x, y);
                blended += qAlpha(got) != 0 && !colours.contains(got);
            }
        }
        EXPECT_EQ(blended, 0);
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, QList<int>({16, 32, 48, 256}));
}

} // namespace
