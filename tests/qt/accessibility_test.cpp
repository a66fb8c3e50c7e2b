// accessibility_test.cpp: what a screen reader finds in the window, and the keyboard focus mark.
#include "window_test.h"

#include <QAccessible>
#include <QImage>
#include <QPlainTextEdit>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace pebblix::testing {
namespace {

QAccessibleInterface* Accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString Name(QObject* object) {
    return Accessible(object)->text(QAccessible::Name);
}

// Every interface under `root`, depth first.
void Collect(QAccessibleInterface* root, std::vector<QAccessibleInterface*>& all) {
    all.push_back(root);
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface* child = root->child(i)) {
            Collect(child, all);
        }
    }
}

class Accessibility : public WindowTest {
protected:
    void SetUp() override { Open(); }
};

TEST_F(Accessibility, ButtonsAndOptionsAreNamedByTheirCaptions) {
    int buttons = 0;
    for (const ControlSpec* control : ShownControls()) {
        const bool option = control->kind == ControlKind::OptionButton;
        if (option || control->kind == ControlKind::CommandButton) {
            SCOPED_TRACE(ControlId(*control));
            QAccessibleInterface* button = Accessible(Widget(*control));
            EXPECT_EQ(button->role(), option ? QAccessible::RadioButton : QAccessible::Button);
            EXPECT_EQ(button->text(QAccessible::Name), Text(control->text));
            EXPECT_FALSE(button->state().invisible);
            EXPECT_TRUE(button->state().focusable);
            ++buttons;
        }
    }
    EXPECT_EQ(buttons, 7 + 2);
}

// With three pieces a side the board is "111 0 222" on the first seven cells; the last two are
// hidden. A move renames the two cells it touches (Qt tells a running screen reader of each
// rename; the offscreen platform runs none, so only the names are checked).
TEST_F(Accessibility, CellsNameTheirPlaceAndPiece) {
    const std::array<QString, 7> start{
        QStringLiteral("Поле 1: единица"), QStringLiteral("Поле 2: единица"),
        QStringLiteral("Поле 3: единица"), QStringLiteral("Поле 4: празно"),
        QStringLiteral("Поле 5: двойка"),  QStringLiteral("Поле 6: двойка"),
        QStringLiteral("Поле 7: двойка")};
    for (std::int16_t i = 0; i < 9; ++i) {
        QAccessibleInterface* cell = Accessible(window.cell(i));
        if (i < 7) {
            EXPECT_EQ(cell->text(QAccessible::Name), start.at(i));
            EXPECT_FALSE(cell->state().invisible) << "cell " << i + 1;
        } else {
            EXPECT_TRUE(cell->state().invisible) << "cell " << i + 1;
        }
    }

    window.command(0)->click(); // "1 надясно": the third cell's piece steps into the fourth
    EXPECT_EQ(Name(window.cell(2)), QStringLiteral("Поле 3: празно"));
    EXPECT_EQ(Name(window.cell(3)), QStringLiteral("Поле 4: единица"));
    window.command(4)->click(); // "Ход назад" takes it back
    EXPECT_EQ(Name(window.cell(2)), start.at(2));
    EXPECT_EQ(Name(window.cell(3)), start.at(3));
}

TEST_F(Accessibility, RulesReadAsAReadOnlyDocument) {
    QAccessibleInterface* rules = Accessible(window.rules());
    EXPECT_TRUE(rules->state().readOnly);
    EXPECT_FALSE(rules->state().editable);
    EXPECT_TRUE(rules->state().multiLine);
    EXPECT_FALSE(rules->state().invisible);
    QAccessibleTextInterface* text = rules->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()),
              Text(description::kRulesText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

// The history, the stored solutions and the quotation are the window's data, never shown: no
// list and none of their texts reach a screen reader.
TEST_F(Accessibility, HiddenDataIsNotExposed) {
    std::vector<QAccessibleInterface*> all;
    Collect(Accessible(&window), all);
    ASSERT_GT(all.size(), 20u);

    std::vector<QString> hidden;
    for (const QString& line : Text(description::kQuotation).split(QStringLiteral("\r\n"))) {
        if (!line.trimmed().isEmpty()) {
            hidden.push_back(line.trimmed());
        }
    }
    for (std::string_view row : description::kSolutionFour) {
        hidden.push_back(Text(row));
    }
    for (QAccessibleInterface* item : all) {
        EXPECT_NE(item->role(), QAccessible::List);
        EXPECT_NE(item->role(), QAccessible::ListItem);
        for (const QAccessible::Text kind :
             {QAccessible::Name, QAccessible::Value, QAccessible::Description}) {
            const QString said = item->text(kind);
            for (const QString& secret : hidden) {
                EXPECT_FALSE(said.contains(secret))
                    << said.toStdString() << " tells \"" << secret.toStdString() << "\"";
            }
        }
    }
}

// WCAG's contrast ratio of two colours, 1 to 21.
double Contrast(QColor a, QColor b) {
    const auto luminance = [](QColor c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Focus on a coloured button draws a mark that stands out from the face (contrast 3:1 or more)
// over at least half the length of the button's outline: the black outline and the dotted ring.
TEST_F(Accessibility, FocusIsPlainOnEveryColouredButton) {
    for (std::int16_t i = 0; i < 7; ++i) {
        ColourButton* button = window.command(i);
        SCOPED_TRACE(button->text().toStdString());
        window.rules()->setFocus(Qt::TabFocusReason);
        ASSERT_FALSE(button->hasFocus());
        const QImage before = button->grab().toImage();
        button->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(button->hasFocus());
        const QImage after = button->grab().toImage();

        int marked = 0;
        for (int y = 0; y < after.height(); ++y) {
            for (int x = 0; x < after.width(); ++x) {
                const QColor now = after.pixelColor(x, y);
                if (now != before.pixelColor(x, y) && Contrast(now, button->faceColour()) >= 3.0) {
                    ++marked;
                }
            }
        }
        EXPECT_GE(marked, after.width() + after.height());
    }
}

} // namespace
} // namespace pebblix::testing
