// page_texts.cpp: prints every text the window shows, read from its description, for check_page.py.
#include "description.h"

#include <cstdio>
#include <string_view>

namespace {

void Print(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

} // namespace

int main() {
    using namespace pebblix::description;
    for (const ControlSpec& control : kControls) {
        if (control.visible) {
            Print(control.text);
        }
    }
    // What the cells and the history may hold besides their first captions.
    for (const auto rows : {ListRows(1), ListRows(2)}) {
        for (const std::string_view row : rows) {
            Print(row);
        }
    }
    return 0;
}
