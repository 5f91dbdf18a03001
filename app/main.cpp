#include "app/program_main.h"
#include "services/program.h"
#include "services/window_layer.h"

int main()
{
    return RunProgram(ProgramMain);
}
