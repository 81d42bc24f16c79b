#pragma once

#include <windows.h>

// Edit boxes that show their one line of text centred vertically.

// Cuts the box's client area to one line of its font, in the middle, and paints the margins above
// and below white; it follows later font changes. False if the box cannot be subclassed.
bool CentreTextVertically(HWND edit);

// Makes a box lower than its font's text height plus twice SM_CYEDGE that tall, keeping its top
// and width.
void ApplyMinimumHeight(HWND edit);
