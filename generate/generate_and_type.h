#pragma once

#include <optional>
#include <string_view>

#include "generate/text.h"
#include "generate/window_under_pointer.h"

// The main window's controls, the pointer and the typing, as one run of GenerateAndType sees them.
// A control access answers "gone" (nullopt or false) once the main window has begun to close.
class GenerateAndTypeSurface {
  public:
    enum class Kind { Letters, Digits, Mixed };

    // Whether the radio button of the kind is selected.
    virtual std::optional<bool> IsSelected(Kind kind) = 0;
    // The text of the length box.
    virtual std::optional<Text> GetLengthText() = 0;
    // Replaces the text of the output box.
    virtual bool SetOutputText(std::string_view text) = 0;
    virtual std::optional<Text> GetOutputText() = 0;
    virtual WindowHandle WindowUnderPointer() = 0;
    virtual void TypeIntoWindow(WindowHandle window, std::string_view text) = 0;

  protected:
    ~GenerateAndTypeSurface() = default;
};

// One run: for each kind in the order letters, digits, mixed, reads afresh whether it is selected,
// and if so generates a string of that kind with the length of the length box, shows it in the
// output box, and types what the box then holds into the window under the pointer. A control that
// answers "gone" ends the run there, quietly.
void GenerateAndType(GenerateAndTypeSurface& surface);

// One run against the main window of this process, from any thread. Windows only.
void GenerateAndType();
