#pragma once

#include <windows.h>

#include "app/window_events.h"

// Creates and shows the main window, runs the message loop until it is closed, and returns the
// process's exit code: 0 after a normal close.
int StartProgram(HINSTANCE instance, WindowEvents events);

// The handler of the main window's creation-complete event; it does nothing.
void OnWindowCreated();
