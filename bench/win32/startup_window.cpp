// startup_window.cpp: the game's start-up, as the program starts, to its first painted frame.
#include "firstpaint.h"
#include "mainwindow.h"

int main() {
    pebblix::Inf_Igra_Pebblix window(GetModuleHandleW(nullptr));
    window.Form_Load();
    window.Show();
    pebblix::bench::UntilPainted();
    return 0;
}
