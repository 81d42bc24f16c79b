#include "hotkey/info_box.h"

#include <string>

namespace {

constexpr std::string_view kInfoCaption = "\xd0\xc5\xcf\xa2\xa3\xba";  // 信息：

// The program's texts are code-page-936 bytes whatever the system's code page; Windows gets them
// as UTF-16.
std::wstring WideFromCodePage936(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(936, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(936, 0, text.data(), size, wide.data(), length);
    return wide;
}

}  // namespace

void ShowInfoBox(std::string_view text, UINT style) {
    const UINT modality = (style & MB_SYSTEMMODAL) != 0 ? 0 : MB_TASKMODAL;
    MessageBoxW(nullptr, WideFromCodePage936(text).c_str(),
                WideFromCodePage936(kInfoCaption).c_str(), style | modality);
}
