#include "app/wide_text.h"

#include <windows.h>

#include <climits>

namespace {

constexpr UINT kCodePage936 = 936;

}  // namespace

WideText WideFromCodePage936(std::string_view text) {
    WideText wide;
    if (text.empty() || text.size() > INT_MAX) {
        return wide;
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(kCodePage936, 0, text.data(), size, nullptr, 0);
    if (length <= 0) {
        return wide;
    }
    wide.resize(static_cast<std::size_t>(length));
    MultiByteToWideChar(kCodePage936, 0, text.data(), size, wide.data(), length);
    return wide;
}

Text CodePage936FromWide(std::wstring_view text) {
    Text bytes;
    if (text.empty() || text.size() > INT_MAX) {
        return bytes;
    }
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(kCodePage936, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) {
        return bytes;
    }
    bytes.resize(static_cast<std::size_t>(length));
    WideCharToMultiByte(kCodePage936, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}
