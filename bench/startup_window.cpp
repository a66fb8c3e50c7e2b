// startup_window.cpp: starts the game's window as the game does and exits after its first frame.
#include "first_paint.h"
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    pebblix::Inf_Igra_Pebblix window;
    pebblix::bench::QuitAfterFirstPaint quit;
    window.installEventFilter(&quit);
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
