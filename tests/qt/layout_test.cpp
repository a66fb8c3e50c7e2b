// layout_test.cpp: the window's size and place, every control's place, and what never shows.
#include "window_test.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QScreen>

#include <algorithm>
#include <cstdlib>

namespace pebblix::testing {
namespace {

TEST_F(WindowTest, EveryControlSitsAtItsTwipsOverFifteenInsideItsContainer) {
    Show();
    for (const ControlSpec* control : ShownControls()) {
        SCOPED_TRACE(ControlId(*control));
        const QWidget* widget = Widget(*control);
        ASSERT_NE(widget, nullptr);
        const TwipRect& r = control->rect;
        for (int twips : {r.left, r.top, r.width, r.height}) {
            EXPECT_EQ(twips % kTwipsPerPixel, 0) << twips << " twips is no whole pixel";
        }
        EXPECT_EQ(widget->geometry(), QRect(r.left / 15, r.top / 15, r.width / 15, r.height / 15));
        const std::string_view container =
            control->container.empty() ? kWindow.name : control->container;
        EXPECT_EQ(widget->parentWidget()->objectName(), Text(container));
    }
}

TEST_F(WindowTest, ClientAreaHasItsSizeAndCannotBeResized) {
    Show();
    const QSize client(kWindow.clientWidth / kTwipsPerPixel, kWindow.clientHeight / kTwipsPerPixel);
    for (QSize size :
         {window.size(), window.minimumSize(), window.maximumSize(),
          window.windowHandle()->minimumSize(), window.windowHandle()->maximumSize()}) {
        EXPECT_EQ(size, client);
    }
    // At the screen scale that QT_SCALE_FACTOR sets (CTest runs this and the look tests at 1.25,
    // 1.5 and 2 as well) the window keeps its logical size and is drawn finer.
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    ASSERT_DOUBLE_EQ(window.devicePixelRatio(), scale) << "QT_SCALE_FACTOR was not applied";
    EXPECT_EQ(window.grab().size(), client * scale);
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags & Qt::MSWindowsFixedSizeDialogHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint && flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
    window.resize(800, 600);
    EXPECT_EQ(window.size(), client);
}

TEST_F(WindowTest, OpensCentredOnTheScreen) {
    Show();
    const QPoint off =
        window.frameGeometry().center() - window.screen()->availableGeometry().center();
    EXPECT_LE(std::max(std::abs(off.x()), std::abs(off.y())), 1)
        << "the frame, title bar included, is off the screen's centre by " << off.x() << ", "
        << off.y() << ": the window was placed by its client rectangle before it had a frame";
}

// Every widget the player can see is a visible control of the description or a part of one, and
// nothing shows a list's row or the quotation. (Which cells show: the window soak, against the
// stand-in.)
void ExpectOnlyDescribedWidgetsShown(const Inf_Igra_Pebblix& window) {
    QStringList secrets{Text(kQuotation).split(QStringLiteral("\r\n")).front()};
    for (std::int16_t list : {0, 1, 2}) {
        for (const std::string& row : window.list(list).Rows()) {
            secrets << QString::fromStdString(row);
        }
    }
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible()) {
            continue;
        }
        const ControlSpec* control = nullptr;
        for (const QWidget* owner = widget; owner != &window && !control;
             owner = owner->parentWidget()) {
            for (const ControlSpec& described : kControls) {
                control = Text(ControlId(described)) == owner->objectName() ? &described : control;
            }
        }
        SCOPED_TRACE(widget->metaObject()->className() +
                     (' ' + widget->objectName()).toStdString());
        ASSERT_NE(control, nullptr) << "a widget the description does not have";
        EXPECT_TRUE(control->visible);
        EXPECT_FALSE(qobject_cast<const QAbstractItemView*>(widget));
        for (const QString& secret : secrets) {
            EXPECT_FALSE(ShownText(widget).contains(secret)) << secret.toStdString();
        }
    }
    for (const QWidget* top : QApplication::topLevelWidgets()) {
        EXPECT_TRUE(top == &window || !top->isVisible()) << top->metaObject()->className();
    }
}

TEST_F(WindowTest, HiddenControlsNeverShowWhateverThePlayerDoes) {
    Show(false);
    ExpectOnlyDescribedWidgetsShown(window);
    window.Form_Load();
    // On both variants: every command, then a playback with a move, an undo and a restart in it.
    for (const Event& event : Events("F 120346.0.4.5.. T 120346.0.4.5..")) {
        Apply(window, event);
        ExpectOnlyDescribedWidgetsShown(window);
    }
}

} // namespace
} // namespace pebblix::testing
