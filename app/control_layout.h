#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

#include "app/controls.h"

// The controls of the main window: where they lie, what they say and how they start.

enum class ControlKind { kCheckBox, kRadioButton, kLabel, kEditBox };

struct ControlLayout {
    Control control;
    ControlKind kind;
    RECT rect;         // in the main window's client coordinates
    const char* text;  // code-page-936 bytes
    DWORD extraStyle;  // beyond the styles of the kind
};

constexpr std::size_t kControlCount = 8;

constexpr std::size_t IndexOf(Control control) {
    return static_cast<std::size_t>(control);
}

// In layout order, which is also the z-order from the top down.
constexpr std::array<ControlLayout, kControlCount> kControlLayouts{{
    {Control::选择框1,
     ControlKind::kCheckBox,
     {8, 72, 88, 88},
     "\xbf\xaa\xc6\xf4\xc8\xc8\xbc\xfc\x46\x31",
     0},  // 开启热键F1
    {Control::标签2, ControlKind::kLabel, {40, 160, 160, 192}, "\xb1\xea\xc7\xa9", 0},  // 标签
    {Control::单选框_混合,
     ControlKind::kRadioButton,
     {104, 48, 152, 64},
     "\xbb\xec\xba\xcf",
     0},  // 混合
    {Control::标签1,
     ControlKind::kLabel,
     {88, 72, 112, 88},
     "\xb3\xa4\r\n\xb6\xc8",
     0},  // 长\r\n度
    {Control::编辑框_长度, ControlKind::kEditBox, {120, 72, 144, 88}, "6", 0},
    {Control::单选框_数字,
     ControlKind::kRadioButton,
     {56, 48, 104, 64},
     "\xca\xfd\xd7\xd6",
     0},  // 数字
    {Control::单选框_字母,
     ControlKind::kRadioButton,
     {8, 48, 56, 64},
     "\xd7\xd6\xc4\xb8",
     0},  // 字母
    {Control::编辑框1, ControlKind::kEditBox, {8, 8, 144, 40}, "", WS_DISABLED},
}};

// Tab and Shift+Tab walk this list; it stays fixed because the buttons move WS_TABSTOP to
// whichever radio button is selected.
constexpr std::array<Control, 5> kFocusOrder{Control::单选框_字母, Control::单选框_数字,
                                             Control::编辑框_长度, Control::单选框_混合,
                                             Control::选择框1};

// The arrow keys walk the radio buttons in this order.
constexpr std::array<Control, 3> kRadioOrder{Control::单选框_字母, Control::单选框_数字,
                                             Control::单选框_混合};
