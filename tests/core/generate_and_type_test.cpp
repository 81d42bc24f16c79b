#include "generate/generate_and_type.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

namespace {

using Kind = GenerateAndTypeSurface::Kind;

// Records every access in order and answers from a script. Reads of the buttons take their answers
// from `selections` one by one (then "not selected"); `goneFromAccess` makes that access and every
// later one answer "gone".
class FakeSurface : public GenerateAndTypeSurface {
  public:
    std::deque<std::optional<bool>> selections;
    Text lengthText = "6";
    Text outputText = "before";
    // When set, the output box holds this when it is read back, as if another run had written it.
    std::optional<Text> overwrittenBeforeReadBack;
    WindowHandle windowUnderPointer = 0x1234;
    std::size_t goneFromAccess = SIZE_MAX;

    std::vector<std::string> log;
    std::vector<std::pair<WindowHandle, Text>> typed;

    std::optional<bool> IsSelected(Kind kind) override {
        if (Access(std::string("IsSelected ") + Name(kind))) {
            return std::nullopt;
        }
        if (selections.empty()) {
            return false;
        }
        const std::optional<bool> answer = selections.front();
        selections.pop_front();
        return answer;
    }
    std::optional<Text> GetLengthText() override {
        if (Access("GetLengthText")) {
            return std::nullopt;
        }
        return lengthText;
    }
    bool SetOutputText(std::string_view text) override {
        if (Access("SetOutputText")) {
            return false;
        }
        outputText = Text(text);
        if (overwrittenBeforeReadBack) {
            outputText = *overwrittenBeforeReadBack;
        }
        return true;
    }
    std::optional<Text> GetOutputText() override {
        if (Access("GetOutputText")) {
            return std::nullopt;
        }
        return outputText;
    }
    WindowHandle WindowUnderPointer() override {
        log.push_back("WindowUnderPointer");
        return windowUnderPointer;
    }
    void TypeIntoWindow(WindowHandle window, std::string_view text) override {
        log.push_back("TypeIntoWindow");
        typed.emplace_back(window, Text(text));
    }

  private:
    static const char* Name(Kind kind) {
        switch (kind) {
            case Kind::Letters:
                return "letters";
            case Kind::Digits:
                return "digits";
            case Kind::Mixed:
                return "mixed";
        }
        return "?";
    }
    // Logs the access; true when it answers "gone".
    bool Access(const std::string& name) {
        log.push_back(name);
        return log.size() - 1 >= goneFromAccess;
    }
};

const std::vector<std::string> kBranch = {"GetLengthText", "SetOutputText", "WindowUnderPointer",
                                          "GetOutputText", "TypeIntoWindow"};

std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

bool AllIn(const Text& text, const std::string& alphabet) {
    return text.find_first_not_of(alphabet.c_str()) == Text::npos;
}

const std::string kLower = "abcdefghijklmnopqrstuvwxyz";
const std::string kDigits = "0123456789";

TEST(GenerateAndType, ReadsEachButtonAfreshAfterTheBranchBefore) {
    const struct {
        std::vector<std::optional<bool>> selections;
        std::vector<std::string> expected;
    } cases[] = {
        {{true, false, false},
         Concat({{"IsSelected letters"}, kBranch, {"IsSelected digits", "IsSelected mixed"}})},
        {{false, true, false},
         Concat({{"IsSelected letters", "IsSelected digits"}, kBranch, {"IsSelected mixed"}})},
        {{false, false, true},
         Concat({{"IsSelected letters", "IsSelected digits", "IsSelected mixed"}, kBranch})},
        // The selection moved on during the first branch: a second branch runs.
        {{true, false, true},
         Concat({{"IsSelected letters"},
                 kBranch,
                 {"IsSelected digits", "IsSelected mixed"},
                 kBranch})},
    };
    for (const auto& c : cases) {
        FakeSurface surface;
        surface.selections.assign(c.selections.begin(), c.selections.end());
        GenerateAndType(surface);
        EXPECT_EQ(surface.log, c.expected);
    }
}

TEST(GenerateAndType, DoesNothingElseWhenNoButtonIsSelected) {
    FakeSurface surface;
    GenerateAndType(surface);
    EXPECT_EQ(surface.log, (std::vector<std::string>{"IsSelected letters", "IsSelected digits",
                                                     "IsSelected mixed"}));
    EXPECT_EQ(surface.outputText, "before");
}

TEST(GenerateAndType, ShowsAStringOfTheKindAndTypesItIntoTheWindowUnderThePointer) {
    const struct {
        std::vector<std::optional<bool>> selections;
        std::string alphabet;
    } cases[] = {
        {{true}, kLower},
        {{false, true}, kDigits},
        {{false, false, true}, kDigits + kLower},  // mixed, lowered
    };
    for (const auto& c : cases) {
        FakeSurface surface;
        surface.selections.assign(c.selections.begin(), c.selections.end());
        surface.lengthText = "40";
        GenerateAndType(surface);
        ASSERT_EQ(surface.typed.size(), 1u);
        EXPECT_EQ(surface.typed[0].first, 0x1234u);
        EXPECT_EQ(surface.typed[0].second, surface.outputText);
        EXPECT_EQ(surface.outputText.size(), 40u);
        EXPECT_TRUE(AllIn(surface.outputText, c.alphabet)) << surface.outputText;
    }
}

TEST(GenerateAndType, TakesTheCountFromTheLengthText) {
    const struct {
        Text lengthText;
        std::size_t length;
    } cases[] = {
        {"1e1", 10}, {" 6", 6},  {"6.9", 6}, {"\xa3\xb6", 6},  // full-width six
        {"", 0},     {"abc", 0}, {"-3", 0},  {"4294967302", 6},
    };
    for (const auto& c : cases) {
        FakeSurface surface;
        surface.selections = {true};
        surface.lengthText = c.lengthText;
        GenerateAndType(surface);
        EXPECT_EQ(surface.outputText.size(), c.length) << c.lengthText;
        // An empty string still looks up the window and types nothing.
        ASSERT_EQ(surface.typed.size(), 1u);
        EXPECT_EQ(surface.typed[0].second.size(), c.length);
    }
}

TEST(GenerateAndType, TypesWhatTheOutputBoxHoldsWhenReadBack) {
    FakeSurface surface;
    surface.selections = {false, false, true};
    surface.overwrittenBeforeReadBack = Text("other");
    GenerateAndType(surface);
    ASSERT_EQ(surface.typed.size(), 1u);
    EXPECT_EQ(surface.typed[0].second, "other");
}

TEST(GenerateAndType, EndsQuietlyAtTheFirstAccessThatFindsTheWindowGone) {
    const std::vector<std::string> full =
        Concat({{"IsSelected letters"}, kBranch, {"IsSelected digits", "IsSelected mixed"}});
    // Every control access in turn answers "gone": nothing after it happens.
    for (std::size_t gone : {0u, 1u, 2u, 4u, 6u}) {
        FakeSurface surface;
        surface.selections = {true};
        surface.goneFromAccess = gone;
        GenerateAndType(surface);
        EXPECT_EQ(surface.log, std::vector<std::string>(full.begin(), full.begin() + gone + 1))
            << "gone from access " << gone;
        EXPECT_EQ(surface.typed.empty(), gone < 5) << "gone from access " << gone;
    }
}

}  // namespace
