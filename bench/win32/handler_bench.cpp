// handler_bench.cpp: a move and its take-back, from the click's message until the cells hold their
// new texts and colours, and until they are repainted; against the floor of the same two cells
// changed directly, with no game behind them. Medians of many, in microseconds.
#include "firstpaint.h"
#include "mainwindow.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace pebblix;

namespace {

double Median(const std::function<void()>& run, int times) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> took;
    for (int i = 0; i < times; ++i) {
        const auto start = Clock::now();
        run();
        took.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::nth_element(took.begin(), took.begin() + times / 2, took.end());
    return took[static_cast<std::size_t>(times / 2)];
}

// The click as the button reports it to the window.
void Click(const Inf_Igra_Pebblix& window, std::int16_t index) {
    HWND button = window.control("Command1", index);
    SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

} // namespace

int main() {
    Inf_Igra_Pebblix window(GetModuleHandleW(nullptr));
    window.Form_Load();
    window.Show();
    bench::UntilPainted();
    constexpr int kTimes = 20000;
    bool moved = false;
    // "2 наляво" on the start position and "Ход назад" after it: each changes two cells' texts.
    const auto handler = [&] {
        Click(window, moved ? 4 : 1);
        moved = !moved;
    };
    HWND cells[2] = {window.control("Label2", 3), window.control("Label2", 4)};
    bool swapped = false;
    const auto floor = [&] {
        SetWindowTextW(cells[0], swapped ? L"0" : L"2");
        SetWindowTextW(cells[1], swapped ? L"2" : L"0");
        swapped = !swapped;
    };
    const double handlerUs = Median(handler, kTimes);
    const double paintUs = Median([&] { handler(), Repaint(window.hwnd()); }, kTimes);
    const double floorUs = Median(floor, kTimes);
    const double floorPaintUs = Median([&] { floor(), Repaint(window.hwnd()); }, kTimes);
    std::printf("handler %.2f us, to the repaint %.1f us; floor %.2f us, to the repaint %.1f us\n",
                handlerUs, paintUs, floorUs, floorPaintUs);
    return 0;
}
