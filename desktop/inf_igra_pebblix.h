// inf_igra_pebblix.h: the game's window, built from its description and bound to the puzzle.
//
// The window is the puzzle's board: its cells, lists, option buttons and timer are the objects the
// puzzle reads and writes. Clicks on the seven command buttons, the choice of a variant and the
// timer's ticks go to the puzzle; nothing else the player does changes anything.
#pragma once

#include "description.h"
#include "memorylist.h"
#include "puzzle.h"
#include "windowobjects.h"

#include <QWidget>

#include <array>
#include <string>

class QPlainTextEdit;

namespace pebblix {

class CellLabel;
class ColourButton;
class OptionButton;
class PlaybackTimer;

class Inf_Igra_Pebblix final : public QWidget, public WindowObjects {
    Q_OBJECT

public:
    // Builds every control of the description. The cells show the description's layout until
    // Form_Load lays out the first game.
    explicit Inf_Igra_Pebblix(QWidget* parent = nullptr);
    ~Inf_Igra_Pebblix() override;

    // Start-up: call once before the window is first shown.
    void Form_Load();

    CellObject& Label2(std::int16_t index) override;
    ListObject& List1(std::int16_t index) override;
    OptionObject& Option1(std::int16_t index) override;
    TimerObject& Timer1() override;

    // For tests and tools: the puzzle's state and the controls, read-only in spirit.
    const Puzzle& puzzle() const { return puzzle_; }
    const MemoryList& list(std::int16_t index) const { return lists_.at(index); }
    const std::string& hiddenText(std::int16_t index) const { return hiddenTexts_.at(index); }
    CellLabel* cell(std::int16_t index) const { return cells_.at(index); }
    ColourButton* command(std::int16_t index) const { return commands_.at(index); }
    OptionButton* option(std::int16_t index) const { return options_.at(index); }
    QPlainTextEdit* rules() const { return rules_; }
    PlaybackTimer* timer() const { return timer_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Build();
    QWidget* CreateControl(const description::ControlSpec& control, QWidget* parent);
    QWidget* CreateTextBox(const description::ControlSpec& control, QWidget* parent);
    void BindEvents();
    // Runs one of the puzzle's handlers, then shows and hides the cells it asked for.
    template <typename Handler> void Handle(Handler handler);
    void CentreOnScreen();

    Puzzle puzzle_{*this};
    std::array<CellLabel*, 9> cells_{};
    std::array<ColourButton*, 7> commands_{};
    std::array<OptionButton*, 2> options_{};
    // The history and the two stored solutions: the window never shows them, so they are data.
    std::array<MemoryList, 3> lists_;
    // The texts of text boxes that are never shown (the quotation), likewise kept as data.
    std::array<std::string, 2> hiddenTexts_;
    QPlainTextEdit* rules_ = nullptr;
    PlaybackTimer* timer_ = nullptr;
    bool placed_ = false;
};

} // namespace pebblix
