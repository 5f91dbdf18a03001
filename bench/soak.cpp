// A long scripted session on the real windows: thousands of answers, a
// hundred races driven by direct ticks and a thousand openings of each
// settings window, repeated until a few minutes have passed, with the
// resident memory sampled as it goes; then a megabyte pasted into every box,
// timing how soon the program answers again. Usage: soak [minutes]

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <fstream>
#include <string>

#include "app/globals.h"
#include "practice/answering.h"
#include "practice/start_stop.h"
#include "practice/main_controls.h"
#include "practice/race.h"
#include "practice/view_state.h"
#include "services/gbk.h"
#include "services/program.h"
#include "services/widgets/layout_window.h"
#include "settings/operator_window.h"
#include "settings/range_window.h"
#include "tests/support/modal_helpers.h"

namespace {

long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

QElapsedTimer g_clock;

void Sample(const char *what)
{
    std::printf("%7.1f s  %-34s RSS %6ld KiB\n", g_clock.elapsed() / 1000.0, what, ResidentKiB());
    std::fflush(stdout);
}

void Answer(bool right)
{
    const long long wanted = expectedAnswer + (right ? 0 : 1);
    SetText("编辑框答案", Text(std::to_string(wanted)));
    SubmitAnswer();
}

// One free-mode run of 100 questions, every fourth answer wrong; the summary
// box is answered by the caller's log.
void FreeRun()
{
    QTest::mouseClick(ControlWidget(MainWindow, "单选框1"), Qt::LeftButton);
    SetText("编辑框题数", "100");
    StartClicked();
    for (int i = 0; i < 100; ++i)
        Answer(i % 4 != 0);
}

void Race()
{
    QTest::mouseClick(ControlWidget(MainWindow, "单选框2"), Qt::LeftButton);
    StartClicked();
    Answer(true);
    Answer(false);
    while (!ControlWidget(MainWindow, "按钮开始")->isEnabled()) {
        PlayerTick();
        MonsterTick();
    }
}

void OpenAndConfirm(void (*open)(const WindowLayout &), const WindowLayout &window)
{
    OnNextModal([&window](QWidget *) { static_cast<QPushButton *>(ControlWidget(window, "按钮确定"))->click(); });
    open(MainWindow);
}

// Pastes a megabyte into a box and returns how long until the event loop
// runs a queued call again, in milliseconds.
double PasteAndWaitMs(QLineEdit *box)
{
    const QString megabyte(1 << 20, u'7');
    QElapsedTimer timer;
    timer.start();
    box->setFocus();
    box->insert(megabyte);
    bool answered = false;
    QTimer::singleShot(0, [&answered] { answered = true; });
    while (!answered)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    return timer.nsecsElapsed() / 1e6;
}

int Soak(double minutes)
{
    StartWindowLayer();
    InitGlobals();
    LoadStartupWindow(MainWindow);
    if (!QTest::qWaitForWindowExposed(LoadedWindow(MainWindow)))
        return 1;
    MessageBoxLog boxes;
    g_clock.start();
    Sample("start");
    int round = 0;
    long answers = 0, races = 0, openings = 0, messages = 0;
    do {
        ++round;
        for (int run = 0; run < 100; ++run, answers += 100)
            FreeRun();
        Sample("after 10000 answers");
        for (int race = 0; race < 100; ++race, ++races)
            Race();
        Sample("after 100 races");
        for (int i = 0; i < 1000; ++i, openings += 2) {
            OpenAndConfirm(OpenOperatorWindow, OperatorWindow);
            OpenAndConfirm(OpenRangeWindow, RangeWindow);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        Sample("after 1000 openings of each window");
        // The log is the soak's own bookkeeping, not the program's memory.
        messages += boxes.boxes.size();
        boxes.boxes.clear();
    } while (g_clock.elapsed() < minutes * 60000);
    std::printf("rounds %d: %ld answers, %ld races, %ld window openings, %ld message boxes\n", round, answers, races,
                openings, messages);

    ApplyViewState(Gbk("停止"));
    QTest::mouseClick(ControlWidget(MainWindow, "单选框1"), Qt::LeftButton);
    for (const char *box : {"编辑框答案", "编辑框题数"}) {
        SetDisabled(box, false);
        const double ms = PasteAndWaitMs(static_cast<QLineEdit *>(ControlWidget(MainWindow, box)));
        QElapsedTimer grading;
        grading.start();
        if (std::string(box) == "编辑框答案")
            SubmitAnswer();
        std::printf("1 MB pasted into %s: answering again after %.1f ms, graded in %.1f ms\n",
                    qPrintable(QString::fromUtf8(box)), ms, grading.nsecsElapsed() / 1e6);
    }
    OnNextModal([](QWidget *) {
        auto *box = static_cast<QLineEdit *>(ControlWidget(RangeWindow, "编辑框1"));
        std::printf("1 MB pasted into RangeWindow 编辑框1: answering again after %.1f ms\n", PasteAndWaitMs(box));
        static_cast<QPushButton *>(ControlWidget(RangeWindow, "按钮确定"))->click();
    });
    OpenRangeWindow(MainWindow);
    Sample("end");

    UnloadWindow(MainWindow, true);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    FreeGlobals();
    return 0;
}

double g_minutes = 3;

int SoakForConfiguredTime()
{
    return Soak(g_minutes);
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc > 1)
        g_minutes = std::stod(argv[1]);
    return RunProgram(SoakForConfiguredTime);
}
