#include "hotkey/hot_key_handlers.h"

#include "app/controls.h"
#include "hotkey/hot_key_texts.h"
#include "hotkey/hot_key_worker.h"
#include "hotkey/info_box.h"
#include "hotkey/routed_hot_key.h"
#include "hotkey/start_thread.h"

std::int32_t hotKeyId = 0;

namespace {

constexpr UINT kNoModifier = 0;  // not even MOD_NOREPEAT: every auto-repeat is a press

void TurnOn() {
    HWND mainWindow = GetMainWindowHandle();
    HWND label = GetWindowHandle(Control::标签2);
    hotKeyId = RegisterRoutedHotKey(mainWindow, label, kNoModifier, VK_F1);
    if (hotKeyId != 0) {
        ShowInfoBox(kHotKeyEnabledText, MB_OK);
        return;
    }
    // Another program holds F1: the box must not claim that F1 generates.
    SendMessageW(GetWindowHandle(Control::选择框1), BM_SETCHECK, BST_UNCHECKED, 0);
    ShowInfoBox(kHotKeyRefusedText, MB_OK);
}

void TurnOff() {
    UnregisterRoutedHotKey(GetMainWindowHandle(), hotKeyId);
    ShowInfoBox(kHotKeyDisabledText, MB_OK);
}

}  // namespace

void OnHotKeyBoxClicked() {
    const std::optional<bool> ticked = IsChecked(Control::选择框1);
    if (!ticked) {
        return;
    }
    if (*ticked) {
        TurnOn();
    } else {
        TurnOff();
    }
}

void OnHotKeyFeedback(std::int32_t first, std::int32_t) {
    // 0 is never a registered identifier, so a stray feedback of 0 starts nothing.
    if (hotKeyId != 0 && first == hotKeyId) {
        StartThread(HotKeyWorker);
    }
}

void OnWindowWillBeDestroyed() {
    UnregisterRoutedHotKey(GetMainWindowHandle(), hotKeyId);
}
