#include <windows.h>

#include <utility>

#include "app/start_program.h"
#include "app/window_events.h"
#include "hotkey/hot_key_handlers.h"
#include "hotkey/routed_hot_key.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WindowEvents events;
    events.windowCreated = OnWindowCreated;
    events.windowWillBeDestroyed = OnWindowWillBeDestroyed;
    events.hotKeyBoxClicked = OnHotKeyBoxClicked;
    events.label2Feedback = OnHotKeyFeedback;
    events.messageWatcher = ForwardRoutedHotKey;
    return StartProgram(instance, std::move(events));
}
