// inf_igra_pebblix.cpp: the game's window, built from its description and bound to the puzzle.
#include "inf_igra_pebblix.h"

#include "celllabel.h"
#include "colourbutton.h"
#include "description.h"
#include "framebox.h"
#include "optionbutton.h"
#include "playbacktimer.h"
#include "windowfont.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "icons/hamburger.xpm"

namespace pebblix {

namespace {

using namespace description;

QRect Pixels(const TwipRect& r) {
    return {r.left / kTwipsPerPixel, r.top / kTwipsPerPixel, r.width / kTwipsPerPixel,
            r.height / kTwipsPerPixel};
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void Fill(QWidget* widget, std::optional<Rgb> colour) {
    if (!colour) {
        return;
    }
    // Buttons paint their background in the Button role, everything else in Window.
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), QColor(colour->r, colour->g, colour->b));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QString ObjectName(const ControlSpec& control) {
    QString name = Text(control.name);
    if (control.index >= 0) {
        name += QLatin1Char('_') + QString::number(control.index);
    }
    return name;
}

} // namespace

Inf_Igra_Pebblix::Inf_Igra_Pebblix(QWidget* parent) : QWidget(parent) {
    Build();
}

Inf_Igra_Pebblix::~Inf_Igra_Pebblix() = default;

void Inf_Igra_Pebblix::Build() {
    setObjectName(Text(kForm.name));
    setWindowTitle(Text(kForm.address) + Text(kForm.caption));
    // The 32 x 32 drawing and, for title bars on dense screens, the same drawing with each pixel
    // doubled, so the icon stays sharp. Menus and task switchers take the installed larger sizes.
    const QImage picture(hamburger_xpm);
    QIcon icon;
    for (const int factor : {1, 2}) {
        icon.addPixmap(QPixmap::fromImage(picture.scaled(
            picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    }
    setWindowIcon(icon);
    // A fixed border with a system menu and a close box, but no minimise or maximise box.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kForm.clientWidth / kTwipsPerPixel, kForm.clientHeight / kTwipsPerPixel);
    Fill(this, kForm.backColor);
    const QFont windowFont = WindowFont(kForm.font);
    // Qt builds some controls' insides in the application's font before they take the window's
    // (the rules box lays out an empty document in it), so that is the window's font too: a font
    // that is never shown would otherwise be looked up and loaded at start-up.
    QApplication::setFont(windowFont);
    setFont(windowFont);

    std::map<std::string_view, QWidget*> containers{{"", this}};
    std::vector<std::pair<std::int16_t, QWidget*>> tabStops;
    for (const ControlSpec& control : kControls) {
        QWidget* widget = CreateControl(control, containers.at(control.container));
        if (widget == nullptr) {
            continue; // kept as data, never shown
        }
        if (control.kind == ControlKind::Frame) {
            containers[control.name] = widget;
        }
        widget->setObjectName(ObjectName(control));
        widget->setGeometry(Pixels(control.rect));
        Fill(widget, control.backColor);
        if (control.font != &kForm.font && control.font != &kWindowFont) {
            widget->setFont(WindowFont(*control.font));
        }
        if (!control.visible) {
            widget->hide();
        }
        if (widget->focusPolicy() != Qt::NoFocus && control.tabIndex >= 0) {
            tabStops.emplace_back(control.tabIndex, widget);
        }
    }

    // The keyboard order follows the tab indices; labels and frames take no focus, and of the
    // two option buttons only the selected one takes a Tab stop.
    std::sort(tabStops.begin(), tabStops.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabStops.size(); ++i) {
        setTabOrder(tabStops[i - 1].second, tabStops[i].second);
    }
    if (!tabStops.empty()) {
        tabStops.front().second->setFocus();
    }

    BindEvents();
}

// The widget of one control, or nullptr for a control the window keeps as data: the hidden lists
// and text boxes, which nothing ever shows, and the timer.
QWidget* Inf_Igra_Pebblix::CreateControl(const ControlSpec& control, QWidget* parent) {
    const auto index = static_cast<std::size_t>(std::max<std::int16_t>(control.index, 0));
    switch (control.kind) {
    case ControlKind::Label: {
        if (control.name == "Label2") {
            auto* cell = new CellLabel(control.index, parent);
            cell->SetCaption(control.text);
            cell->SetBackColor(control.backColor.value_or(Rgb{}));
            cells_.at(index) = cell;
            return cell;
        }
        auto* label = new QLabel(Text(control.text), parent);
        label->setAlignment(control.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
        if (control.singleBorder) {
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
        }
        return label;
    }
    case ControlKind::Frame:
        return new FrameBox(Text(control.text), parent);
    case ControlKind::OptionButton: {
        auto* option = new OptionButton(Text(control.text), parent);
        option->setChecked(control.selected);
        options_.at(index) = option;
        return option;
    }
    case ControlKind::CommandButton: {
        const Rgb face = control.backColor.value_or(Rgb{});
        auto* button = new ColourButton(Text(control.text), QColor(face.r, face.g, face.b), parent);
        commands_.at(index) = button;
        return button;
    }
    case ControlKind::TextBox:
        if (!control.visible) {
            hiddenTexts_.at(index) = control.text;
            return nullptr;
        }
        return CreateTextBox(control, parent);
    case ControlKind::ListBox:
        // All of the window's lists are hidden: they hold the history and the solutions.
        lists_.at(index) = MemoryList(ListRows(control.index));
        return nullptr;
    case ControlKind::Timer:
        timer_ = new PlaybackTimer(control.intervalMs, this);
        timer_->SetEnabled(control.enabled);
        return nullptr;
    }
    return nullptr;
}

QWidget* Inf_Igra_Pebblix::CreateTextBox(const ControlSpec& control, QWidget* parent) {
    auto* edit = new QPlainTextEdit(parent);
    // Into the document: the box's own setPlainText lays the first paragraph out at once, at the
    // box's default width, only to lay it out again at its real one.
    edit->document()->setPlainText(
        Text(control.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    edit->setReadOnly(control.readOnly);
    // Read-only, yet the caret moves and the text can be selected with the keyboard too.
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    edit->setFocusPolicy(Qt::StrongFocus);
    edit->setTabChangesFocus(true);
    edit->setLineWrapMode(control.multiLine ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    edit->setVerticalScrollBarPolicy(control.verticalScroll ? Qt::ScrollBarAlwaysOn
                                                            : Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (control.index == 0) {
        rules_ = edit;
        edit->setAccessibleName(Text(kRulesName));
    }
    return edit;
}

// The seven command buttons, a change of variant and the timer's ticks go to the puzzle; no other
// event of any control does anything.
void Inf_Igra_Pebblix::BindEvents() {
    for (std::int16_t i = 0; i < static_cast<std::int16_t>(commands_.size()); ++i) {
        connect(commands_.at(i), &QPushButton::clicked, this,
                [this, i] { Handle([this, i] { puzzle_.Command1_Click(i); }); });
    }
    for (std::int16_t i = 0; i < static_cast<std::int16_t>(options_.size()); ++i) {
        connect(options_.at(i), &QRadioButton::toggled, this, [this, i](bool selected) {
            if (selected) {
                Handle([this, i] { puzzle_.Option1_Click(i); });
            }
        });
    }
    connect(timer_, &QTimer::timeout, this, [this] { Handle([this] { puzzle_.Timer1_Timer(); }); });
}

void Inf_Igra_Pebblix::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (kForm.centred && !placed_) {
        placed_ = true;
        CentreOnScreen();
    }
}

// Centres the whole window, title bar and border included, on the screen's free area. The frame's
// size is known once the window exists on the screen, just before it is first shown; where the
// platform cannot tell it yet, the client area is centred instead.
void Inf_Igra_Pebblix::CentreOnScreen() {
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return;
    }
    const QSize frame = frameGeometry().size();
    move(screen->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
}

template <typename Handler> void Inf_Igra_Pebblix::Handle(Handler handler) {
    handler();
    for (CellLabel* cell : cells_) {
        cell->ApplyVisibility();
    }
}

void Inf_Igra_Pebblix::Form_Load() {
    Handle([this] { puzzle_.Form_Load(); });
}

CellObject& Inf_Igra_Pebblix::Label2(std::int16_t index) {
    return *cells_.at(index);
}
ListObject& Inf_Igra_Pebblix::List1(std::int16_t index) {
    return lists_.at(index);
}
OptionObject& Inf_Igra_Pebblix::Option1(std::int16_t index) {
    return *options_.at(index);
}
TimerObject& Inf_Igra_Pebblix::Timer1() {
    return *timer_;
}

} // namespace pebblix
