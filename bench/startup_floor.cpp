// startup_floor.cpp: the least a window of the game's size that shows text costs to start.
//
// One label of Cyrillic text in the window's font, in a plain window of the same size: any
// window that shows text pays this much, so the game's start-up is measured against it.
#include "description.h"
#include "first_paint.h"
#include "windowfont.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    using namespace pebblix::description;
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(kWindow.clientWidth / kTwipsPerPixel,
                        kWindow.clientHeight / kTwipsPerPixel);
    window.setFont(pebblix::WindowFont(kWindow.font));
    auto* label = new QLabel(QString::fromUtf8(Find("Label1", 0)->text), &window);
    label->move(40, 0);
    pebblix::bench::QuitAfterFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
