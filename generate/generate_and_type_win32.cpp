#include "generate/generate_and_type.h"

#include "app/controls.h"
#include "generate/type_into_window.h"

namespace {

// The main window's controls through their operations, which work from any thread.
class MainWindowSurface final : public GenerateAndTypeSurface {
  public:
    std::optional<bool> IsSelected(Kind kind) override { return IsChecked(RadioButton(kind)); }
    std::optional<Text> GetLengthText() override { return GetText(Control::编辑框_长度); }
    bool SetOutputText(std::string_view text) override { return SetText(Control::编辑框1, text); }
    std::optional<Text> GetOutputText() override { return GetText(Control::编辑框1); }
    WindowHandle WindowUnderPointer() override { return ::WindowUnderPointer(); }
    void TypeIntoWindow(WindowHandle window, std::string_view text) override {
        ::TypeIntoWindow(window, text);
    }

  private:
    static Control RadioButton(Kind kind) {
        switch (kind) {
            case Kind::Letters:
                return Control::单选框_字母;
            case Kind::Digits:
                return Control::单选框_数字;
            case Kind::Mixed:
                break;
        }
        return Control::单选框_混合;
    }
};

}  // namespace

void GenerateAndType() {
    MainWindowSurface surface;
    GenerateAndType(surface);
}
