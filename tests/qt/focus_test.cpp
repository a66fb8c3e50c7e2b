// focus_test.cpp: the keyboard focus when the window opens, and the order in which Tab moves it.
#include "window_test.h"

#include <QApplication>

#include <algorithm>
#include <map>
#include <ranges>

namespace pebblix::testing {
namespace {

// The Tab stops by the description: text boxes and buttons in ascending tab order, and of the two
// option buttons only the selected one; labels, frames and hidden controls take none.
std::vector<QString> TabStops(std::int16_t selectedOption) {
    std::map<std::int16_t, QString> stops;
    for (const ControlSpec* control : ShownControls()) {
        if (control->kind == ControlKind::TextBox || control->kind == ControlKind::CommandButton ||
            (control->kind == ControlKind::OptionButton && control->index == selectedOption)) {
            stops.emplace(control->tabIndex, Text(ControlId(*control)));
        }
    }
    const auto names = std::views::values(stops);
    return {names.begin(), names.end()};
}

class FocusTest : public WindowTest {
protected:
    static QString FocusName() {
        const QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QStringLiteral("(none)");
    }

    // The names of the widgets that take the focus on `count` presses of Tab or Shift+Tab.
    std::vector<QString> Walk(std::size_t count, bool backward) {
        std::vector<QString> visited;
        for (std::size_t i = 0; i < count; ++i) {
            QTest::keyClick(window.windowHandle(), backward ? Qt::Key_Backtab : Qt::Key_Tab,
                            backward ? Qt::ShiftModifier : Qt::NoModifier);
            visited.push_back(FocusName());
        }
        return visited;
    }

    // One round forwards and one backwards from Text1(0), each back where it began.
    void ExpectRounds(std::vector<QString> stops) {
        ASSERT_EQ(FocusName(), stops.front());
        std::rotate(stops.begin(), stops.begin() + 1, stops.end());
        EXPECT_EQ(Walk(stops.size(), false), stops);
        std::reverse(stops.begin(), stops.end());
        std::rotate(stops.begin(), stops.begin() + 1, stops.end());
        EXPECT_EQ(Walk(stops.size(), true), stops);
    }
};

TEST_F(FocusTest, OpensInTheRulesTextAndTabVisitsTheStopsInOrder) {
    Open();
    EXPECT_EQ(QApplication::focusWidget(), window.rules());
    ExpectRounds(TabStops(0));
}

TEST_F(FocusTest, TheSelectedOptionButtonIsTheGroupsOnlyStop) {
    Open();
    Click(window.option(1));
    ASSERT_TRUE(window.option(1)->isChecked());
    Click(window.rules());
    const std::vector<QString> stops = TabStops(1);
    EXPECT_EQ(stops.back(), "Option1_1");
    ExpectRounds(stops);
}

} // namespace
} // namespace pebblix::testing
