#include "services/widgets/edit_box.h"

#include <QDropEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <algorithm>
#include <cstdint>
#include <limits>

EditBox::EditBox(bool integerInput, QWidget *parent)
    : QLineEdit(parent)
    , m_integerInput(integerInput)
{
    // An edit box has no length limit; QLineEdit's default stops at 32767.
    setMaxLength(std::numeric_limits<int>::max());
    // Digits typed with a Chinese input method active should arrive as plain
    // keys, not as composed text; commits that still come are filtered below.
    if (m_integerInput)
        setAttribute(Qt::WA_InputMethodEnabled, false);
    // A drag from another program is not offered to an integer box at all.
    setAcceptDrops(!m_integerInput);
}

bool EditBox::acceptsTyped(QChar c)
{
    // Characters below the blank are control keys and always work.
    return c.unicode() < 32 || c.unicode() == 127 || (c >= u'0' && c <= u'9') || c == u'-';
}

QString EditBox::tidyInteger(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r')))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    std::uint64_t magnitude = 0;  // wraps modulo 2^64 like the 64-bit read it stands for
    for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i)
        magnitude = magnitude * 10 + std::uint64_t(text[i].unicode() - u'0');
    const auto value = static_cast<std::int64_t>(negative ? 0 - magnitude : magnitude);
    const std::int64_t clamped = std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                          std::numeric_limits<std::int32_t>::max());
    return clamped == 0 ? QString() : QString::number(clamped);
}

void EditBox::keyPressEvent(QKeyEvent *event)
{
    if (m_integerInput) {
        const QString typed = event->text();
        const bool chord = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (!chord && !typed.isEmpty() && !acceptsTyped(typed.front())) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void EditBox::inputMethodEvent(QInputMethodEvent *event)
{
    // A Chinese input method commits whole strings; they count as typed.
    if (m_integerInput && !event->commitString().isEmpty()) {
        QString kept;
        for (QChar c : event->commitString())
            if (acceptsTyped(c) && c.unicode() >= 32)
                kept += c;
        QInputMethodEvent filtered(event->preeditString(), event->attributes());
        filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
        QLineEdit::inputMethodEvent(&filtered);
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

void EditBox::focusOutEvent(QFocusEvent *event)
{
    // Opening a menu does not take the focus away from the box for good, so
    // it does not tidy; every other focus loss does, before the click that
    // caused it is delivered.
    if (m_integerInput && event->reason() != Qt::PopupFocusReason) {
        const QString tidied = tidyInteger(text());
        if (tidied != text()) {
            const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
            setText(tidied);
            setCursorPosition(std::min<int>(caret, int(tidied.size())));
        }
    }
    QLineEdit::focusOutEvent(event);
}

// Drag events sent to an integer box all the same are refused, so the text a
// child drags there never reaches it.
void EditBox::dragEnterEvent(QDragEnterEvent *event)
{
    if (m_integerInput) {
        event->ignore();
        return;
    }
    QLineEdit::dragEnterEvent(event);
}

void EditBox::dragMoveEvent(QDragMoveEvent *event)
{
    if (m_integerInput) {
        event->ignore();
        return;
    }
    QLineEdit::dragMoveEvent(event);
}

void EditBox::dropEvent(QDropEvent *event)
{
    if (m_integerInput) {
        event->ignore();
        return;
    }
    QLineEdit::dropEvent(event);
}
