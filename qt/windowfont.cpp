// windowfont.cpp: the fonts of the window, with stand-ins where Times New Roman is missing.
#include "windowfont.h"

#include <QStringList>

namespace pebblix {

QFont WindowFont(const description::FontSpec& wanted) {
    QFont font;
    font.setFamilies({QString::fromUtf8(wanted.face), QStringLiteral("Liberation Serif"),
                      QStringLiteral("Tinos"), QStringLiteral("DejaVu Serif"),
                      QStringLiteral("serif")});
    // Cyrillic and Latin text needs no shaping, and without it the rules text is laid out in far
    // less time; all it gives up is kerning.
    font.setStyleHint(QFont::Serif, QFont::PreferNoShaping);
    font.setPointSize(wanted.points);
    font.setWeight(static_cast<QFont::Weight>(wanted.weight));
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    font.setStrikeOut(wanted.strikethrough);
    return font;
}

} // namespace pebblix
