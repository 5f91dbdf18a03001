#include "services/widgets/keyboard_rules.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QRadioButton>

#include "services/widgets/layout_window.h"

namespace {

// The key code a handler sees for a toolkit key (13 for Enter), and the
// shift state (1 Ctrl, 2 Shift, 4 Alt).
int keyCodeOf(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Minus:
        return 189;
    default:
        return 0;
    }
}

int shiftStateOf(int qtModifiers)
{
    int state = 0;
    if (qtModifiers & Qt::ControlModifier)
        state |= 1;
    if (qtModifiers & Qt::ShiftModifier)
        state |= 2;
    if (qtModifiers & Qt::AltModifier)
        state |= 4;
    return state;
}

class KeyboardRules : public QObject
{
public:
    explicit KeyboardRules(LayoutWindow &window)
        : QObject(&window)
        , m_window(window)
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        // The menus of the menu bar are windows of their own: Esc there
        // closes the menu, not the program.
        if (auto *widget = qobject_cast<QWidget *>(watched); widget && widget->window() != &m_window)
            return false;
        // The menu bar has the keyboard only while the child walks the menus
        // with the keys (after Alt); Esc there leaves the menus, not the window.
        if (qobject_cast<QMenuBar *>(watched))
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return moveAlongTabOrder(key);
        case Qt::Key_Escape:
            m_window.close();
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (auto *radio = qobject_cast<QRadioButton *>(watched)) {
                moveAmongRadios(radio, key->key() == Qt::Key_Down || key->key() == Qt::Key_Right ? 1 : -1);
                return true;
            }
            break;
        default:
            break;
        }
        return raiseKeyPressed(watched, key);
    }

private:
    // Tab and Shift+Tab move the focus to the next or previous control in
    // the window's Tab order, wrapping around. The toolkit's own walk stops
    // at only one radio button of a group, so the others could be reached
    // with the arrows alone. Ctrl+Tab and Alt+Tab are left to the control,
    // as the toolkit leaves them.
    bool moveAlongTabOrder(const QKeyEvent *key)
    {
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
        QWidget *from = m_window.focusWidget() ? m_window.focusWidget() : &m_window;
        auto step = [forward](QWidget *w) { return forward ? w->nextInFocusChain() : w->previousInFocusChain(); };
        QWidget *next = step(from);
        while (next != from && !isTabStop(next))
            next = step(next);
        // The same reasons as the toolkit's: an integer box left this way is
        // tidied, and a box entered this way has all its text selected.
        if (next != from)
            next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }

    // Every shown and usable control of this window that takes the focus is
    // a Tab stop. Radio buttons count although the toolkit takes the Tab
    // focus from all but the last focused or checked one of their group.
    bool isTabStop(const QWidget *widget) const
    {
        if (widget->isWindow() || widget->window() != &m_window || !widget->isVisibleTo(&m_window)
            || !widget->isEnabled())
            return false;
        if (widget->focusPolicy() & Qt::TabFocus)
            return true;
        const auto *radio = qobject_cast<const QRadioButton *>(widget);
        return radio && radio->autoExclusive() && (radio->focusPolicy() & Qt::ClickFocus);
    }

    // Arrows move the focus to the next radio button of the group, checking
    // nothing, as the program's users expect from a radio group.
    static void moveAmongRadios(QRadioButton *from, int step)
    {
        QList<QRadioButton *> radios;
        for (QRadioButton *r : from->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly))
            if (r->isEnabled() && r->isVisible())
                radios << r;
        if (radios.isEmpty())
            return;
        const qsizetype at = radios.indexOf(from);
        const qsizetype next = (at + step + radios.size()) % radios.size();
        radios[next]->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }

    bool raiseKeyPressed(QObject *watched, QKeyEvent *key)
    {
        const Control *control = m_window.controlOf(watched);
        if (!control || !control->layout->keyPressed)
            return false;
        const std::optional<bool> goOn =
            control->layout->keyPressed(keyCodeOf(key->key()), shiftStateOf(int(key->modifiers())));
        return goOn.has_value() && !*goOn;
    }

    LayoutWindow &m_window;
};

}  // namespace

void installKeyboardRules(LayoutWindow &window)
{
    auto *rules = new KeyboardRules(window);
    window.installEventFilter(rules);
    for (QWidget *child : window.findChildren<QWidget *>())
        child->installEventFilter(rules);
}
