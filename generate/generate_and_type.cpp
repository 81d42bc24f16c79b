#include "generate/generate_and_type.h"

#include <cstdint>

#include "generate/generators.h"
#include "generate/length_conversion.h"
#include "generate/text_operations.h"

namespace {

using Kind = GenerateAndTypeSurface::Kind;

Text Generate(Kind kind, std::int32_t count) {
    switch (kind) {
        case Kind::Letters:
            return MakeLetters(count, 0);
        case Kind::Digits:
            return MakeDigits(count, 0);
        case Kind::Mixed:
            break;
    }
    return ToLowerCase(MakeMixed(count));
}

// False when the window is gone and the run must end.
bool GenerateShowAndType(GenerateAndTypeSurface& surface, Kind kind) {
    const std::optional<Text> lengthText = surface.GetLengthText();
    if (!lengthText) {
        return false;
    }
    const std::int32_t count = TruncateToInteger(TextToNumber(*lengthText));
    if (!surface.SetOutputText(Generate(kind, count))) {
        return false;
    }
    const WindowHandle window = surface.WindowUnderPointer();
    // What the box holds now is typed, which may be another run's text.
    const std::optional<Text> shown = surface.GetOutputText();
    if (!shown) {
        return false;
    }
    surface.TypeIntoWindow(window, *shown);
    return true;
}

}  // namespace

void GenerateAndType(GenerateAndTypeSurface& surface) {
    // Each button is read after the branch before has run, so a selection changed meanwhile can
    // make two branches run, or none.
    for (const Kind kind : {Kind::Letters, Kind::Digits, Kind::Mixed}) {
        const std::optional<bool> selected = surface.IsSelected(kind);
        if (!selected) {
            return;
        }
        if (*selected && !GenerateShowAndType(surface, kind)) {
            return;
        }
    }
}
