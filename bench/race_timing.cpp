// Races the monster at the hardest setting with no answers, on a real display
// with the program's real timers, and prints how long the race took: 399 steps
// of 100 ms should take 39.9 s.

#include <QApplication>
#include <QMessageBox>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <cstdio>

#include "app/globals.h"
#include "practice/main_window.h"
#include "services/gbk.h"
#include "services/program.h"
#include "services/widgets/layout_window.h"
#include "services/window_layer.h"

namespace {

using Clock = std::chrono::steady_clock;

// Notes the moment the race's message box shows, then closes it and ends.
class FinishWatch : public QObject
{
public:
    Clock::time_point shownAt;
    QString text;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = qobject_cast<QMessageBox *>(watched);
        if (box && event->type() == QEvent::Show && text.isEmpty()) {
            shownAt = Clock::now();
            text = box->text();
            QTimer::singleShot(0, box, [box] {
                box->close();
                QApplication::quit();
            });
        }
        return false;
    }
};

}  // namespace

int RaceOnce()
{
    StartWindowLayer();
    InitGlobals();
    LoadStartupWindow(MainWindow);
    QWidget *window = LoadedWindow(MainWindow);
    if (!QTest::qWaitForWindowExposed(window)) {
        std::fprintf(stderr, "race_timing: the window never showed\n");
        return 1;
    }
    FinishWatch watch;
    qApp->installEventFilter(&watch);

    QTest::mouseClick(ControlWidget(MainWindow, "单选框2"), Qt::LeftButton);
    QWidget *slider = ControlWidget(MainWindow, "滑块条1");
    QTest::mouseClick(slider, Qt::LeftButton);
    QTest::keyClick(slider, Qt::Key_End);  // the hardest setting, 600
    const int position = static_cast<QSlider *>(slider)->value();
    const Clock::time_point start = Clock::now();
    QTest::mouseClick(ControlWidget(MainWindow, "按钮开始"), Qt::LeftButton);
    QApplication::exec();

    const double seconds = std::chrono::duration<double>(watch.shownAt - start).count();
    const double expected = 399 * (700 - position) / 1000.0;
    std::printf("slider %d: race took %.3f s, expected %.3f s, error %+.2f %% (%s)\n", position, seconds, expected,
                100.0 * (seconds - expected) / expected, qPrintable(watch.text));
    UnloadWindow(MainWindow, true);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    FreeGlobals();
    return 0;
}

int main()
{
    return RunProgram(RaceOnce);
}
