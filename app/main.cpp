#include <windows.h>

#include <utility>

#include "app/start_program.h"
#include "app/window_events.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WindowEvents events;
    events.windowCreated = OnWindowCreated;
    return StartProgram(instance, std::move(events));
}
