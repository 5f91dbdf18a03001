#include "tests/support/modal_helpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

void OnNextModal(std::function<void(QWidget *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(1);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act = std::move(act)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start();
}

void CloseModal(QWidget *modal)
{
    modal->close();
}

MessageBoxLog::MessageBoxLog()
{
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxLog::poll);
    m_timer.start();
}

void MessageBoxLog::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box->property("answered").toBool())
        return;
    box->setProperty("answered", true);
    boxes.append({box->windowTitle(), box->text()});
    if (whileOpen)
        whileOpen();
    box->button(QMessageBox::Ok)->click();
}
