#pragma once

#include <windows.h>

// The entry of the thread started for each accepted F1 press: one run of GenerateAndType. The
// parameter is not looked at.
__attribute__((force_align_arg_pointer)) DWORD WINAPI HotKeyWorker(LPVOID parameter);
