// main.cpp: starts Pebblix: creates the window, lays out the first game, shows it and runs.
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // The game takes no command line: only the program's name reaches Qt, so no argument, Qt's
    // own options included, changes anything.
    char name[] = "pebblix";
    char* qtArgv[] = {argc > 0 && argv[0] != nullptr ? argv[0] : name, nullptr};
    int qtArgc = 1;
    QApplication app(qtArgc, qtArgv);
    // Ties the window to its menu entry, so docks show the entry's name and icon.
    QApplication::setDesktopFileName(QStringLiteral("org.example.Pebblix"));

    pebblix::Inf_Igra_Pebblix window;
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
