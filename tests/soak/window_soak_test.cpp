// window_soak_test.cpp: the real window and the in-memory stand-in fed the same long random runs.
//
// Both run the same puzzle, so any difference comes from the window: a control wired to the wrong
// handler, a click that is lost or doubled, a timer that ticks when it should not, a cell that
// shows something other than what the puzzle wrote, or a key in the rules text that reaches the
// game. After every event the two are compared; the first difference stops the run.
#include "celllabel.h"
#include "colourbutton.h"
#include "gamestate.h"
#include "inf_igra_pebblix.h"
#include "memorywindow.h"
#include "optionbutton.h"
#include "puzzle.h"
#include "random_events.h"
#include <QTimer>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace pebblix::soak {
namespace {

using testing::GameState;
using testing::Observe;

// Keys a player might press in the rules text: typing, editing, moving the caret, selecting,
// the clipboard, undo, focus changes and keys a dialog would react to.
struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text; // UTF-8
};
const std::array<Key, kRulesKeyCount> kRulesKeys{{
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

// The situations each run must pass through, counted on the stand-in before each event.
struct Coverage {
    int restartsDuringPlayback = 0;
    int switchesToFourDuringPlayback = 0;
    int switchesToThreeDuringPlayback = 0;
    int ticksPastTheTable = 0;
    int takeBacks = 0;

    void Note(const Event& event, const MemoryWindow& model) {
        const bool playing = model.timerEnabled();
        if (event.kind == EventKind::Command && event.index == 5 && playing) {
            ++restartsDuringPlayback;
        }
        if (event.kind == EventKind::Option && playing && !model.optionValue(event.index)) {
            ++(event.index == 1 ? switchesToFourDuringPlayback : switchesToThreeDuringPlayback);
        }
        if (event.kind == EventKind::Tick && playing && model.optionValue(0) &&
            model.puzzle().HintStep >= model.list(1).ListCount()) {
            ++ticksPastTheTable;
        }
        if (event.kind == EventKind::Command && event.index == 4 && model.list(0).ListCount() > 1) {
            ++takeBacks;
        }
    }
};

// Ten runs of this length make 100,000 events, in each build.
constexpr int kEventsPerRun = 10'000;

class WindowSoak : public ::testing::TestWithParam<unsigned> {};

TEST_P(WindowSoak, WindowMatchesTheStandInAfterEveryEvent) {
    const unsigned seed = GetParam();
    Inf_Igra_Pebblix window;
    window.Form_Load();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QString rules = window.rules()->toPlainText();

    MemoryWindow model;
    model.Load();

    // Every timeout the window's timer delivers is played on the stand-in too, which ticks only
    // while its own timer is enabled: a tick the window should not have taken shows as a
    // difference.
    int timeouts = 0;
    int mirrored = 0;
    QObject::connect(window.timer(), &QTimer::timeout, [&timeouts] { ++timeouts; });
    const auto mirrorTicks = [&] {
        for (; mirrored < timeouts; ++mirrored) {
            if (model.timerEnabled()) {
                model.Tick();
            }
        }
    };

    ASSERT_EQ(Observe(window), Observe(model)) << "seed " << seed << ", at start";
    std::mt19937 random(seed);
    Coverage coverage;
    for (int index = 0; index < kEventsPerRun; ++index) {
        const Event event = NextEvent(random, model.timerEnabled());
        coverage.Note(event, model);
        switch (event.kind) {
        case EventKind::Command:
            QTest::mouseClick(window.command(event.index), Qt::LeftButton);
            model.ClickCommand(event.index);
            break;
        case EventKind::Option:
            QTest::mouseClick(window.option(event.index), Qt::LeftButton);
            model.ClickOption(event.index);
            break;
        case EventKind::Tick:
            // The timer's own signal, through the window's real connection, without the wait.
            if (window.timer()->isActive()) {
                QMetaObject::invokeMethod(window.timer(), "timeout", Qt::DirectConnection);
            }
            break;
        case EventKind::CellClick:
            QTest::mouseClick(window.cell(event.index), Qt::LeftButton);
            break;
        case EventKind::RulesKey: {
            const Key& key = kRulesKeys.at(event.index);
            QTest::sendKeyEvent(QTest::Click, window.rules(), key.key, QString::fromUtf8(key.text),
                                key.modifiers);
            ASSERT_EQ(window.rules()->toPlainText(), rules)
                << "seed " << seed << ", event " << index << ": key " << key.key;
            ASSERT_TRUE(window.isVisible()) << "seed " << seed << ", event " << index;
            break;
        }
        }
        mirrorTicks();
        // Now and then what the event loop would do between clicks: deliver the events that
        // showing and hiding cells posted, and paint the whole window with what the cells hold.
        // Timers are left out, so that a seed replays exactly.
        if (index % 256 == 0) {
            QCoreApplication::sendPostedEvents();
            window.repaint();
        }
        const GameState shown = Observe(window);
        const GameState kept = Observe(model);
        ASSERT_EQ(shown, kept) << "seed " << seed << ", event " << index << " (kind "
                               << static_cast<int>(event.kind) << ", index " << event.index
                               << ")\n  window:   " << shown << "\n  stand-in: " << kept;
    }
    EXPECT_GT(coverage.restartsDuringPlayback, 0);
    EXPECT_GT(coverage.switchesToFourDuringPlayback, 0);
    EXPECT_GT(coverage.switchesToThreeDuringPlayback, 0);
    EXPECT_GT(coverage.ticksPastTheTable, 0);
    EXPECT_GT(coverage.takeBacks, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, WindowSoak,
                         ::testing::Values(1u, 2u, 3u, 5u, 8u, 13u, 21u, 34u, 55u, 89u));

// QTest reports every click and key the receiving widget leaves unhandled; for cells and the
// read-only rules text that is the expected outcome, so those reports are dropped.
QtMessageHandler previousHandler = nullptr;
void DropUnhandledInputReports(QtMsgType type, const QMessageLogContext& context,
                               const QString& message) {
    if (type == QtWarningMsg &&
        message.endsWith(QLatin1String("not accepted by receiving widget"))) {
        return;
    }
    previousHandler(type, context, message);
}

} // namespace
} // namespace pebblix::soak

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    pebblix::soak::previousHandler =
        qInstallMessageHandler(pebblix::soak::DropUnhandledInputReports);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
