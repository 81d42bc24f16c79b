#include "hotkey/info_box.h"

#include "app/wide_text.h"

namespace {

constexpr std::string_view kInfoCaption = "\xd0\xc5\xcf\xa2\xa3\xba";  // 信息：

}  // namespace

void ShowInfoBox(std::string_view text, UINT style) {
    const UINT modality = (style & MB_SYSTEMMODAL) != 0 ? 0 : MB_TASKMODAL;
    MessageBoxW(nullptr, WideFromCodePage936(text).c_str(),
                WideFromCodePage936(kInfoCaption).c_str(), style | modality);
}
