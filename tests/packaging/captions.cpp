// captions.cpp: prints the captions of the window's command buttons, one a line, for the check that
// the manual pages give each of them a paragraph.
#include "description.h"

#include <iostream>

int main() {
    using namespace pebblix::description;
    for (const ControlSpec& control : kControls) {
        if (control.kind == ControlKind::CommandButton) {
            std::cout << control.text << '\n';
        }
    }
}
