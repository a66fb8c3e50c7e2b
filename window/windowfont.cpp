// windowfont.cpp: the fonts of the window, with stand-ins where Times New Roman is missing.
#include "windowfont.h"

#include <QStringList>

namespace pebblix {

QFont WindowFont(const description::FontSpec& spec) {
    QFont font;
    font.setFamilies({QString::fromUtf8(spec.face.data(), static_cast<qsizetype>(spec.face.size())),
                      QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                      QStringLiteral("DejaVu Serif"), QStringLiteral("serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSize(spec.points);
    font.setWeight(static_cast<QFont::Weight>(spec.weight));
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikethrough);
    return font;
}

} // namespace pebblix
