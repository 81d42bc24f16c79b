#pragma once

#include <windows.h>

// Creates and shows the main window, runs the message loop until it is closed, and returns the
// process's exit code.
int StartProgram(HINSTANCE instance);
