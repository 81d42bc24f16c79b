#include <windows.h>

#include "app/start_program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return StartProgram(instance);
}
