// mainwindow.cpp: the game's window in Qt Widgets, the desktop's front end to the window.
#include "mainwindow.h"

#include "celllabel.h"
#include "colourbutton.h"
#include "controlnames.h"
#include "framebox.h"
#include "optionbutton.h"
#include "windowfont.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>

#include <utility>

#include "icons/hamburger.xpm"

namespace pebblix {

namespace {

using namespace description;

QRect Pixels(const TwipRect& r) {
    return {r.left / kTwipsPerPixel, r.top / kTwipsPerPixel, r.width / kTwipsPerPixel,
            r.height / kTwipsPerPixel};
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text);
}

QColor Colour(Rgb colour) {
    return {colour.r, colour.g, colour.b};
}

void Fill(QWidget* widget, std::optional<Rgb> colour) {
    if (!colour) {
        return;
    }
    // Buttons paint their background in the Button role, everything else in Window.
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), Colour(*colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

Inf_Igra_Pebblix::Inf_Igra_Pebblix(QWidget* parent) : QWidget(parent) {
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, [this] { shared_.Tick(); });
    shared_.Build();
}

Inf_Igra_Pebblix::~Inf_Igra_Pebblix() = default;

void Inf_Igra_Pebblix::MakeWindow(const WindowSpec& settings, std::string_view title) {
    setObjectName(Text(settings.name));
    setWindowTitle(Text(title));
    // The 32 x 32 drawing and, for title bars on dense screens, the same drawing with each pixel
    // doubled, so the icon stays sharp. Menus and task switchers take the installed larger sizes.
    const QImage picture(hamburger_xpm);
    QIcon icon(QPixmap::fromImage(picture));
    icon.addPixmap(QPixmap::fromImage(
        picture.scaled(picture.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    setWindowIcon(icon);
    // A fixed border with a system menu and a close box, but no minimise or maximise box.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(settings.clientWidth / kTwipsPerPixel, settings.clientHeight / kTwipsPerPixel);
    Fill(this, settings.backColor);
    const QFont windowFont = WindowFont(settings.font);
    // Qt builds some controls' insides in the application's font before they take the window's
    // (the rules box lays out an empty document in it), so that is the window's font too: a font
    // that is never shown would otherwise be looked up and loaded at start-up.
    QApplication::setFont(windowFont);
    setFont(windowFont);
}

void Inf_Igra_Pebblix::MakeControl(const ControlSpec& control, const ControlSpec* container,
                                   std::string_view spokenName) {
    QWidget* parent = container ? widgets_.at(Ordinal(*container)) : this;
    QWidget* widget = CreateWidget(control, parent);
    widgets_.at(Ordinal(control)) = widget;
    widget->setObjectName(Text(ControlId(control)));
    widget->setGeometry(Pixels(control.rect));
    Fill(widget, control.backColor);
    if (control.font != &kWindow.font && control.font != &kWindowFont) {
        widget->setFont(WindowFont(*control.font));
    }
    if (!spokenName.empty()) {
        widget->setAccessibleName(Text(spokenName));
    }
}

// The widget of one control of each kind, its events bound to the window.
QWidget* Inf_Igra_Pebblix::CreateWidget(const ControlSpec& control, QWidget* parent) {
    switch (control.kind) {
    case ControlKind::Label: {
        if (IsCell(control)) {
            auto* cell = new CellLabel(parent);
            cell->SetCaption(control.text);
            cell->SetColour(Colour(control.backColor.value_or(Rgb{})));
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
        connect(option, &QRadioButton::toggled, this, [this, &control](bool selected) {
            if (selected) {
                shared_.Click(control);
            }
        });
        return option;
    }
    case ControlKind::CommandButton: {
        auto* button =
            new ColourButton(Text(control.text), Colour(control.backColor.value_or(Rgb{})), parent);
        connect(button, &QPushButton::clicked, this, [this, &control] { shared_.Click(control); });
        return button;
    }
    case ControlKind::TextBox:
    default: {
        auto* edit = new QPlainTextEdit(parent);
        // Into the document: the box's own setPlainText lays the first paragraph out at once, at
        // the box's default width, only to lay it out again at its real one.
        edit->document()->setPlainText(
            Text(control.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        edit->setReadOnly(control.readOnly);
        // Read-only, yet the caret moves and the text can be selected with the keyboard too.
        edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        edit->setFocusPolicy(Qt::StrongFocus);
        edit->setTabChangesFocus(true);
        edit->setLineWrapMode(control.multiLine ? QPlainTextEdit::WidgetWidth
                                                : QPlainTextEdit::NoWrap);
        edit->setVerticalScrollBarPolicy(control.verticalScroll ? Qt::ScrollBarAlwaysOn
                                                                : Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return edit;
    }
    }
}

// Of the two option buttons only the selected one takes a Tab stop (OptionButton sees to that).
void Inf_Igra_Pebblix::SetTabOrder(std::span<const ControlSpec* const> stops) {
    for (std::size_t i = 1; i < stops.size(); ++i) {
        setTabOrder(widgets_.at(Ordinal(*stops[i - 1])), widgets_.at(Ordinal(*stops[i])));
    }
    if (!stops.empty()) {
        widgets_.at(Ordinal(*stops.front()))->setFocus();
    }
}

void Inf_Igra_Pebblix::ShowCaption(const ControlSpec& cell, std::string_view caption,
                                   std::string_view spokenName) {
    auto* label = static_cast<CellLabel*>(widgets_.at(Ordinal(cell)));
    label->SetCaption(caption);
    label->setAccessibleName(Text(spokenName));
}

void Inf_Igra_Pebblix::ShowVisible(const ControlSpec& cell, bool visible) {
    widgets_.at(Ordinal(cell))->setVisible(visible);
}

void Inf_Igra_Pebblix::ShowColour(const ControlSpec& cell, Rgb colour) {
    static_cast<CellLabel*>(widgets_.at(Ordinal(cell)))->SetColour(Colour(colour));
}

void Inf_Igra_Pebblix::SetTimer(int intervalMs) {
    intervalMs > 0 ? timer_->start(intervalMs) : timer_->stop();
}

// The first time, centres the whole window, title bar and border included, on the screen's free
// area. The frame's size is known once the window exists on the screen, just before it is first
// shown; where the platform cannot tell it yet, the client area is centred instead.
void Inf_Igra_Pebblix::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    const QScreen* screen = this->screen();
    if (kWindow.centred && !std::exchange(placed_, true) && screen != nullptr) {
        const QSize frame = frameGeometry().size();
        move(screen->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
}

QWidget* Inf_Igra_Pebblix::Widget(std::string_view name, std::int16_t index) const {
    return widgets_.at(Ordinal(*Find(name, index)));
}

CellLabel* Inf_Igra_Pebblix::cell(std::int16_t index) const {
    return static_cast<CellLabel*>(Widget("Label2", index));
}
ColourButton* Inf_Igra_Pebblix::command(std::int16_t index) const {
    return static_cast<ColourButton*>(Widget("Command1", index));
}
OptionButton* Inf_Igra_Pebblix::option(std::int16_t index) const {
    return static_cast<OptionButton*>(Widget("Option1", index));
}
QPlainTextEdit* Inf_Igra_Pebblix::rules() const {
    return static_cast<QPlainTextEdit*>(Widget("Text1", 0));
}

} // namespace pebblix
