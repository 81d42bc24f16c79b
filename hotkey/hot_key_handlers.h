#pragma once

#include <cstdint>

// The F1 toggle and dispatch: the main window's handlers, run on the user-interface thread.

// The identifier of the F1 hot key of the last tick, 0 at start and after a refused one. Only the
// user-interface thread touches it.
extern std::int32_t hotKeyId;

// 选择框1 was clicked: a tick registers F1 and confirms it, a clear releases it and confirms that.
// When another program holds F1 the box is cleared again and the user is told so.
void OnHotKeyBoxClicked();

// 标签2's feedback: a press of the current F1 hot key starts a worker and returns at once.
void OnHotKeyFeedback(std::int32_t first, std::int32_t second);

// The main window is about to be destroyed: F1 is released; running workers are not waited for.
void OnWindowWillBeDestroyed();
