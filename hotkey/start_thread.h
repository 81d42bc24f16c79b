#pragma once

#include <windows.h>

// Starts a thread at the entry with a null parameter and lets it run on its own: the handle is
// closed at once and nothing waits for the thread. Returns whether it started.
bool StartThread(LPTHREAD_START_ROUTINE entry);
