// main.cpp: starts Pebblix on Windows: makes the window, lays out the first game, shows it and
// runs.
#include "mainwindow.h"

// The game takes no command line and reads no setting: whatever it is started with is ignored.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    pebblix::Inf_Igra_Pebblix window(instance);
    window.Form_Load();
    window.Show();
    return window.Run();
}
