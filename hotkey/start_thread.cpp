#include "hotkey/start_thread.h"

#include <memory>
#include <type_traits>

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

}  // namespace

bool StartThread(LPTHREAD_START_ROUTINE entry) {
    const UniqueHandle thread{CreateThread(nullptr, 0, entry, nullptr, 0, nullptr)};
    return thread != nullptr;
}
