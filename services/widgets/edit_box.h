#pragma once

#include <QLineEdit>

// A single-line edit box. In integer input mode only digits and "-" can be
// typed (input-method commits included); pasted text is not filtered, and the
// text is tidied into a plain whole number when the box loses the focus.
// Dropped text would arrive without the box ever having the focus, so no
// tidying would follow: an integer box takes no drops.
class EditBox : public QLineEdit
{
    Q_OBJECT

public:
    EditBox(bool integerInput, QWidget *parent);

    // The tidied form of a text: a 64-bit read (wrapping), clamped to 32 bits,
    // 0 as the empty text.
    static QString tidyInteger(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    static bool acceptsTyped(QChar c);

    const bool m_integerInput;
};
