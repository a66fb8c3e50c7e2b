// mainwindow.h: the game's window in Qt Widgets, the desktop's front end to the window.
//
// SharedWindow (window/sharedwindow.h) walks the description and calls this class back to make each
// control, to draw the cells the puzzle changed and to run the timer. The seven command buttons,
// the option buttons and the timer report to it; nothing else the player does changes anything.
#pragma once

#include "description.h"
#include "frontend.h"
#include "sharedwindow.h"

#include <QWidget>

#include <array>

class QPlainTextEdit;
class QTimer;

namespace pebblix {

class CellLabel;
class ColourButton;
class OptionButton;

class Inf_Igra_Pebblix final : public QWidget, private FrontEnd {
    Q_OBJECT

public:
    // Builds every control of the description. The cells show the description's layout until
    // Form_Load lays out the first game.
    explicit Inf_Igra_Pebblix(QWidget* parent = nullptr);
    ~Inf_Igra_Pebblix() override;

    // Start-up: call once before the window is first shown.
    void Form_Load() { shared_.Load(); }

    // For tests and tools: the window's state and the controls, read-only in spirit.
    const SharedWindow& shared() const { return shared_; }
    const Puzzle& puzzle() const { return shared_.puzzle(); }
    const MemoryList& list(std::int16_t index) const { return shared_.list(index); }
    CellLabel* cell(std::int16_t index) const;
    ColourButton* command(std::int16_t index) const;
    OptionButton* option(std::int16_t index) const;
    QPlainTextEdit* rules() const;
    QTimer* timer() const { return timer_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void MakeWindow(const description::WindowSpec& settings, std::string_view title) override;
    void MakeControl(const description::ControlSpec& control,
                     const description::ControlSpec* container,
                     std::string_view spokenName) override;
    void SetTabOrder(std::span<const description::ControlSpec* const> stops) override;
    void ShowCaption(const description::ControlSpec& cell, std::string_view caption,
                     std::string_view spokenName) override;
    void ShowVisible(const description::ControlSpec& cell, bool visible) override;
    void ShowColour(const description::ControlSpec& cell, Rgb colour) override;
    void SetTimer(int intervalMs) override;

    QWidget* CreateWidget(const description::ControlSpec& control, QWidget* parent);
    QWidget* Widget(std::string_view name, std::int16_t index) const;

    // Each shown control's widget, by its ordinal in the description.
    std::array<QWidget*, description::kControls.size()> widgets_{};
    QTimer* timer_ = nullptr;
    bool placed_ = false;
    SharedWindow shared_{*this};
};

} // namespace pebblix
