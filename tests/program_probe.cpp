// A small program that runs the window layer's start, end and fatal-error
// stop the way the program does, in a process of its own, so a test can look
// at the exit code and at what was printed. The first argument picks the
// case; the error box is described on standard output and answered with OK.

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <array>
#include <cstdio>
#include <cstring>

#include "app/globals.h"
#include "app/program_main.h"
#include "practice/main_window.h"
#include "services/fatal.h"
#include "services/gbk.h"
#include "services/program.h"
#include "services/text.h"
#include "services/widgets/layout_window.h"
#include "services/window_layer.h"
#include "tests/support/failing_allocator.h"

namespace {

using enum Kind;

constexpr std::array probeControls{
    ControlLayout{
        .name = "编辑框", .kind = EditBox, .left = 10, .top = 10, .width = 100, .height = 24, .integerInput = true},
    ControlLayout{.name = "按钮", .kind = Button, .left = 10, .top = 40, .width = 60, .height = 24, .text = "按钮"},
};

const WindowLayout ProbeWindow{
    .name = "ProbeWindow",
    .title = "Probe",
    .width = 200,
    .height = 100,
    .controls = probeControls,
    .menu = {},
};

void say(const char *line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

void EndRoutine()
{
    say("END");
}

// Describes the error box once it is up, then answers it with OK.
void answerErrorBox()
{
    auto *poll = new QTimer(QCoreApplication::instance());  // freed with the application
    poll->setInterval(1);
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll->stop();
        QString text = box->text();
        text.replace(u'\n', QStringLiteral("\\n"));
        std::printf("TITLE %s\nICON %d\nBUTTONS %d\nOWNED %d\nTEXT %s\n", box->windowTitle().toUtf8().constData(),
                    int(box->icon()), int(box->buttons().size()), box->parentWidget() ? 1 : 0,
                    text.toUtf8().constData());
        std::fflush(stdout);
        box->button(QMessageBox::Ok)->click();
    });
    poll->start();
}

void press(QWidget *target, Qt::Key key, const QString &text = {})
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &up);
}

// Types into a control, then presses Esc there, as a child at the keyboard.
void pressEscWhenShown(const WindowLayout &layout, const char *focus, const char *typed, Handler first = nullptr)
{
    auto *poll = new QTimer(QCoreApplication::instance());  // freed with the application
    poll->setInterval(1);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &layout, focus, typed, first] {
        LayoutWindow *window = LoadedWindow(layout);
        if (!window || !window->isVisible())
            return;
        // Focus, and losing it, happen only in the active window.
        if (!window->isActiveWindow()) {
            window->activateWindow();
            return;
        }
        poll->stop();
        if (first)
            first();
        WriteProperty(layout, focus, Property::Disabled, 0);
        QWidget *target = ControlWidget(layout, focus);
        target->setFocus();
        for (const char *c = typed; *c; ++c)
            press(target, Qt::Key(Qt::Key_0 + (*c - '0')), QString(QChar(*c)));
        press(target, Qt::Key_Escape);
    });
    poll->start();
}

int NormalStart()
{
    StartWindowLayer();
    RegisterEndRoutine(EndRoutine);
    LoadStartupWindow(ProbeWindow);
    pressEscWhenShown(ProbeWindow, "编辑框", "");
    RunMessageLoop();
    say("LOOP ENDED");
    return 0;
}

int FatalStart()
{
    StartWindowLayer();
    RegisterEndRoutine(EndRoutine);
    LoadStartupWindow(ProbeWindow);
    answerErrorBox();
    QTimer::singleShot(0, [] { StopWithRuntimeError(Gbk("探针出错了")); });
    RunMessageLoop();
    say("LOOP ENDED");
    return 0;
}

// A handler that addresses what is not there ends in the fatal stop.
int MisaddressedStart(void (*misaddress)())
{
    StartWindowLayer();
    RegisterEndRoutine(EndRoutine);
    LoadStartupWindow(ProbeWindow);
    answerErrorBox();
    QTimer::singleShot(0, misaddress);
    RunMessageLoop();
    say("LOOP ENDED");
    return 0;
}

const WindowLayout NeverLoaded{
    .name = "NeverLoaded", .title = "", .width = 100, .height = 100, .controls = {}, .menu = {}};

void WriteNotLoaded()
{
    WriteProperty(NeverLoaded, "编辑框", Property::Left, 1);
}
void ReadNotLoaded()
{
    say(ReadInteger(NeverLoaded, "编辑框", Property::Left) ? "READ" : "READ 0");
}
void ReadTextNotLoaded()
{
    say(ReadText(NeverLoaded, "编辑框", Property::Text).c_str());
}
void WriteMissingControl()
{
    WriteProperty(ProbeWindow, "不存在", Property::Text, Text("1"));
}
void FocusMissingControl()
{
    SetInputFocus(ProbeWindow, "不存在");
}

// Left, width, visible and disabled of a control that is not there are let
// go; the program carries on.
void GeneralOnMissingControl()
{
    WriteProperty(ProbeWindow, "不存在", Property::Left, 5);
    WriteProperty(ProbeWindow, "不存在", Property::Visible, 0);
    std::printf("GENERAL %d\n", ReadInteger(ProbeWindow, "不存在", Property::Width));
    std::fflush(stdout);
    UnloadWindow(ProbeWindow, true);
}

// Memory that cannot be had, at each place the program asks for it.
int OutOfMemoryStart(void (*takeMemory)())
{
    StartWindowLayer();
    RegisterEndRoutine(EndRoutine);
    answerErrorBox();
    QTimer::singleShot(0, takeMemory);
    RunMessageLoop();
    say("LOOP ENDED");
    return 0;
}

const Text fortyBytes(40, 'x');

void NoMemoryForText()
{
    FailNextAllocationOf(81);
    ConcatText({fortyBytes, fortyBytes});
}
void NoMemoryForArray()
{
    FailNextAllocationOf(sizeof(IntegerArray));
    InitGlobals();
}
void NoMemoryForArrayElements()
{
    FailNextAllocationOf(4 * sizeof(std::int32_t));  // operatorEnabled's, the first array made
    InitGlobals();
}
// The stop itself gets no memory: no box, a fixed line, the same end.
void NoMemoryAtAll()
{
    FailEveryAllocation();
    ConcatText({fortyBytes, fortyBytes});
}

}  // namespace

int main(int argc, char **argv)
{
    const char *mode = argc > 1 ? argv[1] : "";
    int code = 1;
    if (!std::strcmp(mode, "normal"))
        code = RunProgram(NormalStart);
    else if (!std::strcmp(mode, "fatal"))
        code = RunProgram(FatalStart);
    else if (!std::strcmp(mode, "write-not-loaded"))
        code = RunProgram([] { return MisaddressedStart(WriteNotLoaded); });
    else if (!std::strcmp(mode, "read-not-loaded"))
        code = RunProgram([] { return MisaddressedStart(ReadNotLoaded); });
    else if (!std::strcmp(mode, "read-text-not-loaded"))
        code = RunProgram([] { return MisaddressedStart(ReadTextNotLoaded); });
    else if (!std::strcmp(mode, "missing-control"))
        code = RunProgram([] { return MisaddressedStart(WriteMissingControl); });
    else if (!std::strcmp(mode, "focus-missing"))
        code = RunProgram([] { return MisaddressedStart(FocusMissingControl); });
    else if (!std::strcmp(mode, "memory-text"))
        code = RunProgram([] { return OutOfMemoryStart(NoMemoryForText); });
    else if (!std::strcmp(mode, "memory-array"))
        code = RunProgram([] { return OutOfMemoryStart(NoMemoryForArray); });
    else if (!std::strcmp(mode, "memory-array-elements"))
        code = RunProgram([] { return OutOfMemoryStart(NoMemoryForArrayElements); });
    else if (!std::strcmp(mode, "memory-none"))
        code = RunProgram([] { return OutOfMemoryStart(NoMemoryAtAll); });
    else if (!std::strcmp(mode, "general-missing"))
        code = RunProgram([] { return MisaddressedStart(GeneralOnMissingControl); });
    else if (!std::strcmp(mode, "program-main")) {
        // The layer is started first only so the timers below can be set
        // up; ProgramMain starting it again changes nothing.
        StartWindowLayer();
        answerErrorBox();
        // An untidy answer is tidied as the window closes; that must not
        // turn the normal end into an error.
        pressEscWhenShown(MainWindow, "编辑框答案", "007",
                          [] { std::printf("ARRAYS %d\n", operatorEnabled && numberRange && racePeriods ? 1 : 0); });
        code = RunProgram(ProgramMain);
        std::printf("FREED %d\n", !operatorEnabled && !numberRange && !racePeriods ? 1 : 0);
    }
    std::printf("EXIT %d\n", code);
    std::fflush(stdout);
    return code;
}
