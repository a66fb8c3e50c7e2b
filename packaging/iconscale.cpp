// iconscale.cpp: writes the game's pixel-art icon as a PNG at a whole multiple of its size.
//
//   pebblix_iconscale PICTURE SIZE OUTPUT.png
//
// Each pixel of the picture becomes a square block of pixels, so the larger icons stay as sharp
// as the 32 × 32 drawing. A size that is not a whole multiple of the picture is refused: it could
// only be reached by blending neighbouring pixels.
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PICTURE SIZE OUTPUT.png\n", argc > 0 ? argv[0] : "");
        return 2;
    }
    const QImage picture(QString::fromLocal8Bit(argv[1]));
    if (picture.isNull() || picture.width() != picture.height()) {
        std::fprintf(stderr, "%s: not a square picture\n", argv[1]);
        return 1;
    }
    bool number = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&number);
    if (!number || size < picture.width() || size % picture.width() != 0) {
        std::fprintf(stderr, "%s: not a whole multiple of %d\n", argv[2], picture.width());
        return 1;
    }
    const QImage icon = picture.convertToFormat(QImage::Format_ARGB32)
                            .scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!icon.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write\n", argv[3]);
        return 1;
    }
    return 0;
}
