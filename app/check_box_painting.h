#pragma once

#include <windows.h>

#include <commctrl.h>

// A check box whose text keeps its own colour under visual styles, where the themed drawing
// ignores the colour that WM_CTLCOLORSTATIC sets.

// Answers the box's NM_CUSTOMDRAW: a themed box is painted whole here, with the text in the given
// colour; an unthemed one draws itself and takes its colour from WM_CTLCOLORSTATIC.
LRESULT PaintCheckBoxInColour(const NMCUSTOMDRAW& draw, COLORREF textColour);
