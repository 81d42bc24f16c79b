#include "generate/run_time_error.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

void Append(RunTimeErrorText& text, std::size_t& used, const char* piece) {
    const std::size_t room = sizeof text.bytes - 1 - used;
    const std::size_t length = std::min(std::strlen(piece), room);
    std::memcpy(text.bytes + used, piece, length);
    used += length;
    text.bytes[used] = '\0';
}

}  // namespace

RunTimeErrorText MakeRunTimeErrorReport(const char* message) {
    RunTimeErrorText text{};
    std::size_t used = 0;
    Append(text, used, "\xd4\xcb\xd0\xd0\xca\xb1\xb3\xf6\xb4\xed\x21\r\n\r\n");  // 运行时出错!
    Append(text, used, "\xb4\xed\xce\xf3\xd0\xc5\xcf\xa2\xa3\xba");              // 错误信息：
    Append(text, used, message);
    Append(text, used, "\r\n");
    return text;
}

RunTimeErrorText MakeAllocationFailureMessage(std::size_t bytes) {
    RunTimeErrorText text{};
    // A byte count is never negative, so it is printed unsigned: a request of 2^31 bytes or more
    // would otherwise read as a negative number.
    std::snprintf(text.bytes, sizeof text.bytes,
                  "\xb7\xd6\xc5\xe4 %zu \xd7\xd6\xbd\xda\xc4\xda\xb4\xe6\xca\xa7\xb0\xdc!",  // 分配 %zu 字节内存失败!
                  bytes);
    return text;
}

void ReportAllocationFailure(std::size_t bytes) {
    ReportRunTimeError(MakeAllocationFailureMessage(bytes).bytes);
}
