#pragma once

#include <functional>

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;

// Message boxes and settings windows run loops of their own; these helpers
// act on them from inside that loop, so no test waits for real time.

// Runs `act` once on the next modal window or message box that opens.
void OnNextModal(std::function<void(QWidget *)> act);

// Closes the active modal window or message box with its close box (Esc for
// message boxes, which answers OK).
void CloseModal(QWidget *modal);

// While it lives, records every message box that opens and answers it with
// OK; `whileOpen` runs first, to look at the program while the box is up.
class MessageBoxLog : public QObject
{
public:
    struct Box {
        QString title;
        QString text;
    };

    MessageBoxLog();

    QList<Box> boxes;
    std::function<void()> whileOpen;

private:
    void poll();

    QTimer m_timer;
};
