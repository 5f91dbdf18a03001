#include "app/program_main.h"

#include <cfenv>

#include "app/globals.h"
#include "practice/main_window.h"
#include "services/program.h"
#include "services/window_layer.h"

int ProgramMain()
{
    StartWindowLayer();
    std::fesetenv(FE_DFL_ENV);  // round to nearest, all exceptions masked
    InitGlobals();
    RegisterEndRoutine(FreeGlobals);
    LoadStartupWindow(MainWindow);
    RunMessageLoop();
    return 0;
}
