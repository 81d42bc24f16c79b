#include "tests/win/reliability/reliability_fixture.h"

#include <tlhelp32.h>

namespace {

const std::wstring kEnabled =
    L"\x5df2\x5f00\x542f"
    L"F1\x952e\x952e\x81ea\x52a8\x751f\x6210";  // 已开启F1键键自动生成

}  // namespace

int ThreadCount(DWORD processId) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return -1;
    }
    int count = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        count += entry.th32OwnerProcessID == processId ? 1 : 0;
    }
    CloseHandle(snapshot);
    return count;
}

void QuorvelUnderLoad::SetUp() {
    ASSERT_NE(recorder.Window(), nullptr);
    ASSERT_NE(quorvel.MainWindow(), nullptr);
    PostMessageW(Control(Control::选择框1), BM_CLICK, 0, 0);
    HWND box = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (box = FindMessageBox(quorvel.ProcessId())) != nullptr; }, 120000))
        << "no confirmation appeared";
    ASSERT_EQ(ReadMessageBox(box).text, kEnabled);
    DismissMessageBox(box);
    threadsAtRest_ = ThreadCount(quorvel.ProcessId());
}

void QuorvelUnderLoad::SetLength(const wchar_t* text) const {
    SendMessageW(Control(Control::编辑框_长度), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

bool QuorvelUnderLoad::Answering() const {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(quorvel.MainWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000,
                               &result) != 0;
}

bool QuorvelUnderLoad::WaitForWorkersToEnd(DWORD milliseconds) const {
    return WaitUntil([&] { return ThreadCount(quorvel.ProcessId()) <= threadsAtRest_; },
                     milliseconds);
}

void WaitForCountToSettle(const CharRecorder& recorder) {
    constexpr DWORD kQuietMilliseconds = 2000;
    int last = recorder.Count();
    ULONGLONG lastChange = GetTickCount64();
    WaitUntil(
        [&] {
            const int now = recorder.Count();
            if (now != last) {
                last = now;
                lastChange = GetTickCount64();
            }
            return GetTickCount64() - lastChange >= kQuietMilliseconds;
        },
        300000);
}
