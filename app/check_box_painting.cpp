#include "app/check_box_painting.h"

#include <uxtheme.h>
#include <vssym32.h>

#include <vector>

#include "app/win32_handles.h"

namespace {

// The gap between the box and its text.
constexpr int kTextGap = 3;

int ThemeState(HWND box, UINT itemState) {
    const bool checked = SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
    const int normal = checked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL;
    if (itemState & CDIS_DISABLED) {
        return normal + (CBS_UNCHECKEDDISABLED - CBS_UNCHECKEDNORMAL);
    }
    if (itemState & CDIS_SELECTED) {
        return normal + (CBS_UNCHECKEDPRESSED - CBS_UNCHECKEDNORMAL);
    }
    if (itemState & CDIS_HOT) {
        return normal + (CBS_UNCHECKEDHOT - CBS_UNCHECKEDNORMAL);
    }
    return normal;
}

std::vector<wchar_t> WindowTextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1);
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

void PaintThemedCheckBox(HTHEME theme, const NMCUSTOMDRAW& draw, COLORREF textColour) {
    const HWND box = draw.hdr.hwndFrom;
    const HDC dc = draw.hdc;
    RECT client;
    GetClientRect(box, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));

    const int state = ThemeState(box, draw.uItemState);
    SIZE glyph{13, 13};
    GetThemePartSize(theme, dc, BP_CHECKBOX, state, nullptr, TS_DRAW, &glyph);
    const int glyphTop = client.top + (client.bottom - client.top - glyph.cy) / 2;
    const RECT glyphRect{client.left, glyphTop, client.left + glyph.cx, glyphTop + glyph.cy};
    DrawThemeBackground(theme, dc, BP_CHECKBOX, state, &glyphRect, nullptr);

    // BS_MULTILINE | BS_LEFT | BS_VCENTER: word-wrapped, left-aligned, centred as a block.
    const std::vector<wchar_t> text = WindowTextOf(box);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0));
    const ScopedSelectObject selected(dc,
                                      font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
    RECT textRect{glyphRect.right + kTextGap, client.top, client.right, client.bottom};
    RECT measured = textRect;
    const int length = static_cast<int>(text.size());
    DrawTextW(dc, text.data(), length, &measured, DT_LEFT | DT_WORDBREAK | DT_CALCRECT);
    const int textHeight = measured.bottom - measured.top;
    textRect.top = client.top + (client.bottom - client.top - textHeight) / 2;
    textRect.bottom = textRect.top + textHeight;
    SetTextColor(dc, textColour);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.data(), length, &textRect, DT_LEFT | DT_WORDBREAK);

    const bool hideFocus = (SendMessageW(box, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
    if ((draw.uItemState & CDIS_FOCUS) && !hideFocus && length > 0) {
        RECT focus{textRect.left - 1, textRect.top,
                   textRect.left + (measured.right - measured.left) + 1, textRect.bottom};
        IntersectRect(&focus, &focus, &client);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace

LRESULT PaintCheckBoxInColour(const NMCUSTOMDRAW& draw, COLORREF textColour) {
    // Painted at the first stage the control offers, so that it draws none of its own.
    if (draw.dwDrawStage != CDDS_PREERASE && draw.dwDrawStage != CDDS_PREPAINT) {
        return CDRF_DODEFAULT;
    }
    const HTHEME theme = GetWindowTheme(draw.hdr.hwndFrom);
    if (theme == nullptr) {
        return CDRF_DODEFAULT;
    }
    PaintThemedCheckBox(theme, draw, textColour);
    return CDRF_SKIPDEFAULT;
}
