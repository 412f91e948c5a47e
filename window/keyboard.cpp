#include <QApplication>
#include <QKeyEvent>
#include <QTabBar>

#include "window/tform1.h"

// The keyboard of a dialog: Tab walks the page's tab stops, Enter and Space
// press the focused button, arrows on a button walk every control of the
// page, arrows on the tab strip turn the pages, and the letter marked in a
// button's caption presses it.

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    // A key travels up from the focused control; look at it once, where it lands.
    QWidget* target = QApplication::focusWidget();
    if (watched != (target ? static_cast<QObject*>(target) : this) || (target && target->window() != this))
        return false;
    return HandleKey(static_cast<QKeyEvent*>(event));
}

bool TForm1::HandleKey(QKeyEvent* key)
{
    const Qt::KeyboardModifiers mods = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    QWidget* focus = QApplication::focusWidget();
    const bool on_button = qobject_cast<QPushButton*>(focus) != nullptr;
    const bool in_edit = qobject_cast<QLineEdit*>(focus) != nullptr;

    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!(mods & (Qt::ControlModifier | Qt::AltModifier)))
            MoveFocus(key->key() == Qt::Key_Tab && !(mods & Qt::ShiftModifier), true);
        return true;
    case Qt::Key_Escape:
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (on_button && mods == Qt::NoModifier)
            static_cast<QPushButton*>(focus)->click();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down: {
        const bool forward = key->key() == Qt::Key_Right || key->key() == Qt::Key_Down;
        if (focus == TabbedNotebook1->TabStrip()) {
            const int count = TabbedNotebook1->PageCount();
            TabbedNotebook1->SetPageIndex((TabbedNotebook1->PageIndex() + (forward ? 1 : count - 1)) % count);
            return true;
        }
        if (on_button) {
            MoveFocus(forward, false);
            return true;
        }
        return false;
    }
    default:
        break;
    }

    if (key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z && !(mods & Qt::ControlModifier)) {
        const QChar letter(u'A' + (key->key() - Qt::Key_A));
        if (mods & Qt::AltModifier) {
            ClickAccelerator(letter);
            return true;
        }
        if (!in_edit)
            return ClickAccelerator(letter);
    }
    return false;
}

void TForm1::MoveFocus(bool forward, bool tab_stops_only)
{
    const std::vector<QWidget*>& order = TabOrder(TabbedNotebook1->PageIndex());
    const int count = int(order.size());
    if (count == 0)
        return;
    auto can_take = [&](QWidget* w) {
        return w->isVisibleTo(this) && w->isEnabled() && (!tab_stops_only || (w->focusPolicy() & Qt::TabFocus));
    };
    const auto here = std::find(order.begin(), order.end(), QApplication::focusWidget());
    // From outside the page, Tab enters at its first stop and Shift+Tab at its last.
    int index = here == order.end() ? (forward ? count - 1 : 0) : int(here - order.begin());
    for (int step = 0; step < count; ++step) {
        index = (index + (forward ? 1 : count - 1)) % count;
        if (can_take(order[std::size_t(index)])) {
            order[std::size_t(index)]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

bool TForm1::ClickAccelerator(QChar character)
{
    for (QWidget* control : TabOrder(TabbedNotebook1->PageIndex())) {
        auto* button = qobject_cast<Button*>(control);
        if (button && button->isVisibleTo(this) && button->isEnabled() && button->Accelerator() == character) {
            button->click();
            return true;
        }
    }
    return false;
}
