#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <set>
#include <string_view>

#include "qt/controls.h"
#include "qt/main_window.h"

// The keys of the window, as the form's keyboard rule decides them: Qt's
// key events become a KeyPress, and what the rule answers is carried out on
// the widgets.

namespace {

// The Latin letter a key carries by its place, from its xkb keycode (the
// evdev code and 8), as X11 and Wayland deliver it: for a layout that gives
// the key no Latin letter of its own (Greek, Hebrew ...), the letter it has
// in the Latin layout, as Windows finds an accelerator by the key's virtual
// code.
char32_t LatinLetterAt(quint32 keycode)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    static constexpr struct {
        quint32 first;
        const char* letters;
    } rows[] = {{24, "QWERTYUIOP"}, {38, "ASDFGHJKL"}, {52, "ZXCVBNM"}};
    for (const auto& row : rows) {
        const std::string_view letters(row.letters);
        if (keycode >= row.first && keycode < row.first + letters.size())
            return char32_t(letters[keycode - row.first]);
    }
#else
    (void)keycode;
#endif
    return 0;
}

KeyPress ToKeyPress(const QKeyEvent& event)
{
    KeyPress press;
    const Qt::KeyboardModifiers mods = event.modifiers();
    press.shift = mods & Qt::ShiftModifier;
    press.ctrl = mods & Qt::ControlModifier;
    press.alt = mods & Qt::AltModifier;
    const int key = event.key();
    switch (key) {
    case Qt::Key_Tab: press.key = Key::Tab; break;
    case Qt::Key_Backtab: press.key = Key::Backtab; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: press.key = Key::Enter; break;
    case Qt::Key_Escape: press.key = Key::Escape; break;
    case Qt::Key_Left: press.key = Key::Left; break;
    case Qt::Key_Up: press.key = Key::Up; break;
    case Qt::Key_Right: press.key = Key::Right; break;
    case Qt::Key_Down: press.key = Key::Down; break;
    default:
        if (key >= Qt::Key_A && key <= Qt::Key_Z) {
            press.key = Key::Letter;
            press.letter = char32_t(U'A' + (key - Qt::Key_A));
        } else if (const char32_t letter = LatinLetterAt(event.nativeScanCode())) {
            press.key = Key::Letter;
            press.letter = letter;
        }
        break;
    }
    return press;
}

// A focus that walks backwards: Shift+Tab, and the arrows to the left and up.
bool Backwards(const KeyPress& press)
{
    return press.key == Key::Backtab || (press.key == Key::Tab && press.shift) || press.key == Key::Left ||
           press.key == Key::Up;
}

bool IsInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::TouchBegin: return true;
    default: return false;
    }
}

}  // namespace

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Input that comes before the pages behind the first are built waits
    // for them.
    if (!created_ && IsInput(event->type()))
        BuildTheRest();
    // The error box drawn inside the window keeps its keys to itself.
    if (event->type() != QEvent::KeyPress || error_panel_open_)
        return false;
    // A key travels up from the focused control; look at it once, where it lands.
    QWidget* target = QApplication::focusWidget();
    if (watched != (target ? static_cast<QObject*>(target) : this) || (target && target->window() != this))
        return false;
    return HandleKey(*static_cast<QKeyEvent*>(event));
}

void MainWindow::PrepareAccelerators()
{
    // The accelerators' letters come through Qt's own shortcuts, which match
    // a key by every layout of its keyboard: under a layout of another script
    // (Cyrillic, Greek, Hebrew, Arabic …) the key that carries S in the Latin
    // layout is S, as it is for Qt's own mnemonics, on X11 and Wayland alike.
    // A plain or shifted letter typed into an edit box stays the box's, as
    // Qt's edit boxes claim such keys before any shortcut.
    std::set<char32_t> letters;
    for (int page = 0; page < TabbedNotebook1->PageCount(); ++page)
        for (const Focusable& control : Form1.TabOrder(page))
            if (control.accelerator >= U'A' && control.accelerator <= U'Z')
                letters.insert(control.accelerator);
    for (const char32_t letter : letters)
        for (const Qt::KeyboardModifiers mods : {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier),
                                                 Qt::KeyboardModifiers(Qt::AltModifier),
                                                 Qt::AltModifier | Qt::ShiftModifier}) {
            const auto key = Qt::Key(Qt::Key_A + int(letter - U'A'));
            auto* shortcut = new QShortcut(QKeySequence(QKeyCombination(mods, key)), this);
            KeyPress press;
            press.key = Key::Letter;
            press.letter = letter;
            press.shift = mods & Qt::ShiftModifier;
            press.alt = mods & Qt::AltModifier;
            connect(shortcut, &QShortcut::activated, this, [this, press] {
                if (!error_panel_open_)
                    CarryOut(press);
            });
        }
}

bool MainWindow::HandleKey(const QKeyEvent& key)
{
    return CarryOut(ToKeyPress(key));
}

bool MainWindow::CarryOut(const KeyPress& press)
{
    QWidget* focus = QApplication::focusWidget();
    const KeyAction action = Form1.OnKey(press, dynamic_cast<const Control*>(focus), focus == TabbedNotebook1->TabStrip());
    switch (action.kind) {
    case KeyAction::Kind::PassOn: return false;
    case KeyAction::Kind::Swallow: break;
    // A box reached by keyboard selects all its text.
    case KeyAction::Kind::Focus:
        WidgetOf(action.control)->setFocus(Backwards(press) ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        break;
    case KeyAction::Kind::Click:
        if (auto* button = qobject_cast<QPushButton*>(WidgetOf(action.control)))
            button->click();
        break;
    case KeyAction::Kind::TurnPage: TabbedNotebook1->SetPageIndex(action.page); break;
    }
    return true;
}
