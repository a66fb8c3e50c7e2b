// look_test.cpp: what the window looks like: its colours on the screen, its texts and its fonts.
#include "game.h"
#include "window_test.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPixmap>
#include <QRawFont>

#include <iostream>

namespace pebblix::testing {
namespace {

// The colour of a square of 3 × 3 logical pixels at `at` (window coordinates) of a grab of the
// window, or "mixed" when its pixels differ.
std::string PatchColour(const QPixmap& shot, QPoint at) {
    const QImage image = shot.toImage();
    const auto pixel = [&](int dx, int dy) {
        return image.pixelColor((QPointF(at + QPoint(dx, dy)) * shot.devicePixelRatio()).toPoint());
    };
    for (int d = 1; d < 9; ++d) {
        if (pixel(d % 3, d / 3) != pixel(0, 0)) {
            return "mixed";
        }
    }
    return Name(RgbColor(pixel(0, 0).red(), pixel(0, 0).green(), pixel(0, 0).blue()));
}

// Where a control's own colour shows: inside borders and bevels, away from the caption (a cell's
// digit, a button's centred caption, an option button's text at its left, a frame's title and the
// controls it holds).
std::vector<QPoint> FacePoints(const ControlSpec& control, QSize size) {
    const int w = size.width();
    const int h = size.height();
    switch (control.kind) {
    case ControlKind::Label:
        return control.singleBorder ? std::vector<QPoint>{{3, 3}, {w - 6, h - 6}}
                                    : std::vector<QPoint>{{2, 2}, {w - 5, h - 5}};
    case ControlKind::CommandButton:
        return {{2, 2}, {w - 5, 2}};
    case ControlKind::OptionButton:
        return {{w - 5, 2}};
    case ControlKind::Frame:
        return {{w - 8, h - 8}};
    default:
        return {};
    }
}

// The window on three pieces per side and on four, its cells in the colours the start lays out.
class LookTest : public WindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(LookTest, CellsButtonsAndBackgroundsShowTheirColours) {
    const int perSide = GetParam();
    Show();
    if (perSide == 4) {
        Click(window.option(1));
    }
    const std::vector<Rgb> cells = StartColours(2 * perSide);
    const QPixmap shot = window.grab();
    EXPECT_EQ(PatchColour(shot, {2, 2}), Name(kWindow.backColor)) << "the window";
    for (const ControlSpec* control : ShownControls()) {
        const QWidget* widget = Widget(*control);
        std::string expected = Name(control->backColor.value_or(Rgb{}));
        if (control->name == "Label2") {
            // A cell out of use is not drawn: the frame shows through.
            const auto i = static_cast<std::size_t>(control->index);
            expected = Name(i < cells.size() ? cells[i] : *Find("Frame1")->backColor);
        }
        for (QPoint at : FacePoints(*control, widget->size())) {
            EXPECT_EQ(PatchColour(shot, widget->mapTo(&window, at)), expected)
                << ControlId(*control) << " at " << at.x() << ", " << at.y();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Window, LookTest, ::testing::Values(3, 4), [](const auto& info) {
    return info.param == 3 ? "ThreePerSide" : "FourPerSide";
});

// The title and every caption but the cells' stay as the description has them, whatever is played.
TEST_F(WindowTest, CaptionsAndTitleAreTheDescriptions) {
    Show();
    Play("1246.F");
    EXPECT_EQ(window.windowTitle(),
              Text(kWindow.address) + QStringLiteral(" Информатика - Pebblix"));
    for (const ControlSpec* control : ShownControls()) {
        if (control->kind != ControlKind::TextBox && control->name != "Label2") {
            EXPECT_EQ(ShownText(Widget(*control)), Text(control->text)) << ControlId(*control);
        }
    }
}

// The rules text's words and its being read-only: accessibility_test, as a screen reader gets them.
TEST_F(WindowTest, RulesTextHasItsScrollBar) {
    Show();
    EXPECT_EQ(window.rules()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(WindowTest, TimesNewRomanOrItsStandInDrawsEveryCharacter) {
    Show();
    // The family that draws Cyrillic text in a font, whichever of its families that is.
    const auto drawing = [](const QFont& font) {
        return QRawFont::fromFont(font, QFontDatabase::Cyrillic);
    };
    const QString family = drawing(window.font()).familyName();
    std::cout << "[          ] the window's texts are drawn in " << family.toStdString() << '\n';
    RecordProperty("font_family", family.toStdString());
    EXPECT_TRUE(family == "Times New Roman" || family == "Liberation Serif")
        << family.toStdString();

    // Every text of the description in the font of its control: the title and the hidden
    // quotation in the window's, the cells in theirs with every piece they may show.
    std::vector<std::pair<const ControlSpec*, std::string_view>> texts{{nullptr, kWindow.address},
                                                                       {nullptr, kWindow.caption}};
    for (const ControlSpec& control : kControls) {
        texts.emplace_back(&control, control.name == "Label2" ? "012" : control.text);
    }
    for (const auto& [control, text] : texts) {
        SCOPED_TRACE(control ? ControlId(*control) : "window title");
        const QWidget* widget = control ? Widget(*control) : nullptr;
        const QFont font = widget ? widget->font() : window.font();
        const FontSpec& wanted = control ? *control->font : kWindow.font;
        const QFontInfo info(font);
        const QRawFont raw = drawing(font);
        EXPECT_EQ(info.family(), family);
        EXPECT_EQ(raw.familyName(), family);
        EXPECT_EQ(info.pointSize(), wanted.points);
        EXPECT_EQ(info.weight(), wanted.weight);
        EXPECT_EQ(info.italic() || info.underline() || info.strikeOut(),
                  wanted.italic || wanted.underline || wanted.strikethrough);
        for (char32_t c : Text(text).remove(QLatin1Char('\r')).remove(QLatin1Char('\n')).toUcs4()) {
            EXPECT_TRUE(raw.supportsCharacter(c)) << "U+" << std::hex << unsigned{c};
        }
    }
}

} // namespace
} // namespace pebblix::testing
