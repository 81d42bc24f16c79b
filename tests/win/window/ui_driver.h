#pragma once

#include <windows.h>

#include <initializer_list>

#include "tests/win/quorvel_process.h"

// Driving another program's window as a user would, and waiting for what it does.

// The window that has the keyboard focus in the given thread, or nullptr.
HWND FocusedWindowOf(DWORD threadId);

// Makes the window the foreground window and waits until it is.
bool BringToFront(HWND window);

// Presses and releases a key with SendInput, holding the given modifier keys around it.
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});

// Moves the pointer to a point of the screen and clicks the left button there.
void ClickAt(POINT point);

// Closes every message box that the process shows; returns how many there were.
int DismissMessageBoxes(DWORD processId);
