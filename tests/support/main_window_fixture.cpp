#include "tests/support/main_window_fixture.h"

#include <QCoreApplication>
#include <QTest>

#include "app/globals.h"
#include "practice/main_window.h"
#include "services/window.h"
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
    Window *window = LoadedWindow(MainWindow);
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

Window *MainWindowWidget()
{
    return LoadedWindow(MainWindow);
}

QWidget *Main(std::string_view control)
{
    return ControlWidget(MainWindow, control);
}
