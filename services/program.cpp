#include "services/program.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QFontDatabase>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "services/fatal.h"
#include "services/gbk.h"
#include "services/message_box.h"
#include "services/widgets/layout_window.h"

namespace {

Handler g_endRoutine = nullptr;
std::unique_ptr<QApplication> g_application;

// Until the toolkit has found a display, its complaints are replaced by one
// plain line: a child's program should not greet anyone with a stack dump.
void startupMessages(QtMsgType type, const QMessageLogContext &, const QString &)
{
    if (type != QtFatalMsg)
        return;
    const char *display = std::getenv("DISPLAY");
    std::fprintf(stderr, "zorvik: cannot start: no graphical display could be opened (%s%s)\n",
                 display ? "DISPLAY=" : "DISPLAY is not set", display ? display : "");
    std::fflush(stderr);
    std::_Exit(1);
}

// Screen readers announce the program's windows as windows (frames), not as
// the anonymous panels a plain top-level widget would be.
QAccessibleInterface *windowAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("LayoutWindow") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

void applyProgramLook(QApplication &application)
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Latin text from DejaVu, Han characters from a Simplified Chinese face,
    // whatever the locale; pixel sizes keep the layout's sizes on every desktop.
    // The program's own texts come from a small embedded cut of WenQuanYi
    // Micro Hei, so the 5 MB system font is mapped only for text a child
    // types that the cut lacks.
    QFontDatabase::addApplicationFont(QStringLiteral(":/ui_font.ttf"));
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Zorvik UI Hei"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(12);
    application.setFont(font);
}

}  // namespace

void StartWindowLayer()
{
    if (QApplication::instance())
        return;
    // The program takes no command line: the toolkit sees only its name.
    static int argc = 1;
    static char name[] = "zorvik";
    static char *argv[] = {name, nullptr};
    const QtMessageHandler previous = qInstallMessageHandler(startupMessages);
    g_application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    applyProgramLook(*g_application);
    QAccessible::installFactory(windowAccessible);
    InstallFatalMessageShower(ShowFatalErrorBox);
}

void RegisterEndRoutine(Handler endRoutine)
{
    g_endRoutine = endRoutine;
}

void LoadStartupWindow(const WindowLayout &layout)
{
    LayoutWindow *window = BuildWindow(layout);
    if (!window)
        StopWithRuntimeError(Gbk("载入启动窗口失败"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->centreOnScreen();
    window->show();
}

void RunMessageLoop()
{
    QApplication::exec();
}

int RunProgram(int (*startRoutine)())
{
    const int code = startRoutine();
    if (Handler routine = std::exchange(g_endRoutine, nullptr))
        routine();
    g_application.reset();
    return code;
}
