// window_test.h: the game window on the offscreen screen, and what the window tests share to drive
// it, read it and compare it with the in-memory stand-in.
#pragma once

#include "controlnames.h"
#include "description.h"
#include "qtwindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QWindow>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

// Qt's values as failures print them.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QSize& size, std::ostream* out) {
    *out << size.width() << " x " << size.height();
}
inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << r.width() << " x " << r.height() << " at " << r.x() << ", " << r.y();
}

namespace pebblix::testing {

using namespace description;

// "(192, 192, 255)": colours are compared by name, so that a failure reads plainly.
inline std::string Name(Rgb c) {
    return '(' + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) +
           ')';
}

// The controls of the description that the window shows: every visible control but the timer.
inline std::vector<const ControlSpec*> ShownControls() {
    std::vector<const ControlSpec*> shown;
    for (const ControlSpec& control : kControls) {
        if (control.visible && control.kind != ControlKind::Timer) {
            shown.push_back(&control);
        }
    }
    return shown;
}

// What the player reads on a widget: the caption of a cell, label, frame or button, or the text of
// a text box; nothing for any other widget.
inline QString ShownText(const QWidget* widget) {
    if (const auto* cell = qobject_cast<const CellLabel*>(widget)) {
        return cell->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        return frame->title();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    const auto* edit = qobject_cast<const QPlainTextEdit*>(widget);
    return edit ? edit->toPlainText() : QString();
}

// A fresh window for every test; nothing is shown until the test calls Show.
class WindowTest : public ::testing::Test {
protected:
    // Runs Form_Load unless told not to, shows the window and waits until it is on the screen.
    void Show(bool load = true) {
        if (load) {
            window.Form_Load();
        }
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // Shows the loaded window and makes it the active one, as the desktop does with a new window.
    void Open() {
        Show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // The one widget named after the control, or nullptr.
    QWidget* Widget(const ControlSpec& control) const {
        const QList<QWidget*> widgets = window.findChildren<QWidget*>(Text(ControlId(control)));
        return widgets.size() == 1 ? widgets.front() : nullptr;
    }

    void Click(const QWidget* widget, bool twice = false) { ClickAt(window, widget, twice); }

    // Plays a script of events (events.h) on the window alone.
    void Play(std::string_view script) {
        for (const Event& event : Events(script)) {
            Apply(window, event);
        }
    }

    std::string Board() const { return Observe(window).Board(); }

    std::vector<std::string> History() const { return window.list(0).Rows(); }

    Inf_Igra_Pebblix window;
};

} // namespace pebblix::testing
