// qtwindow.h: the Qt window driven as the player and its timer drive it, read back as a snapshot,
// and mirrored on the in-memory stand-in.
#pragma once

#include "celllabel.h"
#include "colourbutton.h"
#include "events.h"
#include "gamestate.h"
#include "mainwindow.h"
#include "optionbutton.h"
#include "standin.h"

#include <QCoreApplication>
#include <QMetaMethod>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <array>
#include <string_view>

namespace pebblix::testing {

inline QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The game as the window's widgets show it; the lists and counters as its SharedWindow keeps them.
inline GameState Observe(const Inf_Igra_Pebblix& window) {
    GameState state = Observe(window.shared());
    for (std::int16_t i = 0; i < 9; ++i) {
        const CellLabel* cell = window.cell(i);
        const QColor colour = cell->backColor();
        state.captions.at(i) = cell->text().toStdString();
        state.visible.at(i) = !cell->isHidden();
        state.colours.at(i) = RgbColor(colour.red(), colour.green(), colour.blue());
    }
    state.options = {window.option(0)->isChecked(), window.option(1)->isChecked()};
    state.timerRunning = window.timer()->isActive();
    return state;
}

// A left click (or double click) at the widget's centre, given to the window as the platform
// gives it, so that it reaches whichever widget lies at that point: a hidden cell's click lands on
// the frame behind it.
inline void ClickAt(QWidget& window, const QWidget* widget, bool twice = false) {
    const QPoint at = widget->mapTo(&window, widget->rect().center());
    twice ? QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, at)
          : QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, at);
}

// One timeout of the playback timer, delivered at once to whatever it is connected to, whether the
// timer runs or not: a timeout after it stopped is a tick that was already on its way.
inline void TickTimer(const Inf_Igra_Pebblix& window) {
    QMetaMethod::fromSignal(&QTimer::timeout).invoke(window.timer(), Qt::DirectConnection);
}

// Keys a player might press in the rules text: typing, editing, moving the caret, selecting,
// the clipboard, undo, focus changes and keys a dialog would react to.
struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text; // UTF-8
};
inline const std::array<Key, kRulesKeyCount> kRulesKeys{{
    {Qt::Key_A, Qt::NoModifier, "a"},
    {static_cast<Qt::Key>(0x0416), Qt::NoModifier, "ж"},
    {Qt::Key_1, Qt::NoModifier, "1"},
    {Qt::Key_Space, Qt::NoModifier, " "},
    {Qt::Key_Return, Qt::NoModifier, "\r"},
    {Qt::Key_Backspace, Qt::NoModifier, ""},
    {Qt::Key_Delete, Qt::NoModifier, ""},
    {Qt::Key_Down, Qt::NoModifier, ""},
    {Qt::Key_PageDown, Qt::NoModifier, ""},
    {Qt::Key_End, Qt::ControlModifier, ""},
    {Qt::Key_Right, Qt::ShiftModifier, ""},
    {Qt::Key_A, Qt::ControlModifier, ""},
    {Qt::Key_X, Qt::ControlModifier, ""},
    {Qt::Key_V, Qt::ControlModifier, ""},
    {Qt::Key_Z, Qt::ControlModifier, ""},
    {Qt::Key_Escape, Qt::NoModifier, ""},
}};

// An event on the shown window, as the player or the timer gives it.
inline void Apply(Inf_Igra_Pebblix& window, const Event& event) {
    switch (event.kind) {
    case EventKind::Command:
        ClickAt(window, window.command(event.index));
        break;
    case EventKind::Option:
        ClickAt(window, window.option(event.index));
        break;
    case EventKind::Tick:
        TickTimer(window);
        break;
    case EventKind::CellClick:
        ClickAt(window, window.cell(event.index));
        break;
    case EventKind::RulesKey: {
        const Key& key = kRulesKeys.at(static_cast<std::size_t>(event.index));
        QTest::sendKeyEvent(QTest::Click, window.rules(), key.key, QString::fromUtf8(key.text),
                            key.modifiers);
        break;
    }
    }
}

// The shown window and the in-memory stand-in, started alike and given the same events: a click
// goes to both, and every timeout of the window's timer, however it comes, ticks the stand-in, so
// that a tick the window takes otherwise than the stand-in shows as a difference.
class Mirror {
public:
    explicit Mirror(Inf_Igra_Pebblix& window) : window_(window) {
        model.Load();
        QObject::connect(window.timer(), &QTimer::timeout, &alive_, [this] { ++timeouts_; });
    }

    void Play(const Event& event) {
        Apply(window_, event);
        if (event.kind != EventKind::Tick) {
            Apply(model, event);
        }
        for (; mirrored_ < timeouts_; ++mirrored_) {
            Apply(model, {EventKind::Tick});
        }
    }

    StandIn model;

private:
    Inf_Igra_Pebblix& window_;
    QObject alive_; // ends the connection with the mirror
    int timeouts_ = 0;
    int mirrored_ = 0;
};

// QTest reports every click and key the receiving widget leaves unhandled; for cells and the
// read-only rules text that is the expected outcome, so from now on those reports are dropped.
inline void DropUnhandledInputReports() {
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (type != QtWarningMsg ||
                !message.endsWith(QLatin1String("not accepted by receiving widget"))) {
                previous(type, context, message);
            }
        });
}

} // namespace pebblix::testing
