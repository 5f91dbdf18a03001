#include "tests/support/main_window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <QTest>

#include "app/globals.h"
#include "practice/main_window.h"
#include "services/program.h"
#include "services/widgets/layout_window.h"
#include "services/window_layer.h"

void LoadFreshMainWindow()
{
    UnloadMainWindow();
    changesLeft = expectedAnswer = correctCount = wrongCount = 0;
    elapsedMinutes = elapsedSeconds = 0;
    InitGlobals();
    LoadStartupWindow(MainWindow);
    // Focus and clicks behave as for a child at the keyboard only in the
    // active window.
    LayoutWindow *window = LoadedWindow(MainWindow);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void UnloadMainWindow()
{
    if (IsWindowLoaded(MainWindow)) {
        UnloadWindow(MainWindow, true);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    FreeGlobals();
}

LayoutWindow *MainWindowWidget()
{
    return LoadedWindow(MainWindow);
}

QWidget *Main(std::string_view control)
{
    return ControlWidget(MainWindow, control);
}

QString CaptionShown(const char *control)
{
    if (auto *label = qobject_cast<QLabel *>(Main(control)))
        return label->text();
    return static_cast<QAbstractButton *>(Main(control))->text();
}

long long AnswerShown()
{
    const long long a = CaptionShown("标签数1").toLongLong();
    const long long b = CaptionShown("标签数2").toLongLong();
    const QString sign = CaptionShown("标签符号");
    if (sign == "+")
        return a + b;
    if (sign == "-")
        return a - b;
    if (sign == "×")
        return a * b;
    return a / b;
}

void Click(const char *control)
{
    QTest::mouseClick(Main(control), Qt::LeftButton);
}

void TypeInto(const char *box, const QString &text)
{
    QTest::mouseClick(Main(box), Qt::LeftButton);
    QTest::keyClicks(static_cast<QLineEdit *>(Main(box)), text);
}

bool DropText(QWidget *target, const QString &text)
{
    QMimeData data;
    data.setText(text);
    const QPoint at(target->width() - 2, target->height() / 2);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    QDropEvent drop(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return enter.isAccepted() || move.isAccepted() || drop.isAccepted();
}

void TypeAtFocus(const char *box, const QString &text)
{
    QWidget *focus = QApplication::focusWidget();
    const QString focused = focus ? focus->objectName() : QStringLiteral("nothing");
    QVERIFY2(focused == QString::fromUtf8(box),
             qPrintable(QStringLiteral("the focus is on %1, not in %2").arg(focused, QString::fromUtf8(box))));
    QTest::keyClicks(focus, text);
}

void FireTimer(const char *timer)
{
    Control *control = MainWindowWidget()->find(timer);
    QVERIFY2(control && control->timer, timer);
    QVERIFY(QMetaObject::invokeMethod(control->timer, "timeout"));
}
