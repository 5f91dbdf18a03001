#include "app/program_main.h"
#include "services/window_layer.h"

int main()
{
    return RunProgram(ProgramMain);
}
