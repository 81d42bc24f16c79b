// Press-to-last-character latency under Wine: the time from an F1 press injected with SendInput to
// the arrival of the sixth WM_CHAR in a target window of another process, for quorvel.exe and for
// a bare program that only starts a thread and posts six messages. Prints figures; never fails on
// a slow machine. Usage: press_latency [presses per program, at least 100]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "tests/win/quorvel_process.h"
#include "tests/win/typing/typing_test_support.h"

namespace {

constexpr int kCharacters = 6;

double CounterMilliseconds(DWORD ticks) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * ticks / static_cast<double>(frequency.QuadPart);
}

// Polls seldom, so that the polling takes little of the machine from the programs measured; the
// recorder notes the time of arrival itself.
bool WaitSparingly(const std::function<bool()>& condition) {
    for (int i = 0; i < 400; ++i) {
        if (condition()) {
            return true;
        }
        Sleep(25);
    }
    return false;
}

// Latencies in milliseconds of `presses` presses with the pointer over the recorder.
std::vector<double> MeasurePresses(const CharRecorder& recorder, int presses) {
    std::vector<double> latencies;
    PointAt(recorder.Centre());
    for (int i = 0; i < presses; ++i) {
        recorder.Clear();
        LARGE_INTEGER pressed;
        QueryPerformanceCounter(&pressed);
        PressF1();
        if (!WaitSparingly([&] { return recorder.Count() >= kCharacters; })) {
            std::fprintf(stderr, "press %d: only %d characters arrived\n", i, recorder.Count());
            continue;
        }
        // Counter values of two processes of one machine; the low 32 bits suffice for a difference.
        const DWORD ticks = recorder.TimeAt(kCharacters - 1) - static_cast<DWORD>(pressed.QuadPart);
        latencies.push_back(CounterMilliseconds(ticks));
        Sleep(20);  // let the program settle between presses
    }
    return latencies;
}

struct Summary {
    double median, p10, p90, min, max;
    std::size_t count;
};

Summary Summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const auto at = [&](double q) {
        return values[static_cast<std::size_t>(q * (values.size() - 1))];
    };
    const std::size_t n = values.size();
    const double median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, at(0.1), at(0.9), values.front(), values.back(), n};
}

void Print(const char* name, const Summary& s) {
    std::printf("%-12s n=%zu  median %.2f ms  p10 %.2f  p90 %.2f  min %.2f  max %.2f\n", name,
                s.count, s.median, s.p10, s.p90, s.min, s.max);
}

std::vector<double> MeasureQuorvel(const CharRecorder& recorder, int presses) {
    QuorvelProcess quorvel;
    if (quorvel.MainWindow() == nullptr) {
        return {};
    }
    PostMessageW(ControlWindow(quorvel.MainWindow(), Control::选择框1), BM_CLICK, 0, 0);
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindMessageBox(quorvel.ProcessId())) != nullptr; });
    if (box == nullptr) {
        std::fprintf(stderr, "no confirmation box\n");
        return {};
    }
    DismissMessageBox(box);
    std::vector<double> latencies = MeasurePresses(recorder, presses);
    PostMessageW(quorvel.MainWindow(), WM_CLOSE, 0, 0);
    quorvel.WaitForExit();
    return latencies;
}

std::vector<double> MeasureBareTypist(const CharRecorder& recorder, int presses) {
    PROCESS_INFORMATION info;
    if (!StartProcess(CommandBesideTestProgram(L"bare_typist.exe"), info)) {
        return {};
    }
    HWND window = nullptr;
    WaitUntil(
        [&] { return (window = FindWindowW(L"QuorvelBenchBareTypist", nullptr)) != nullptr; });
    // Its hot key is registered right after the window exists.
    Sleep(500);
    std::vector<double> latencies = MeasurePresses(recorder, presses);
    PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(info.hProcess, 10000);
    CloseHandle(info.hProcess);
    return latencies;
}

}  // namespace

int main(int argc, char** argv) {
    const int presses = std::max(100, argc > 1 ? std::atoi(argv[1]) : 100);
    CharRecorder recorder;
    if (recorder.Window() == nullptr) {
        return 1;
    }
    // In alternating rounds, so that a change in the machine's load falls on both programs alike.
    constexpr int kRounds = 4;
    const int perRound = (presses + kRounds - 1) / kRounds;
    std::printf(
        "Press of F1 to the %dth character in another process's window, %d presses each"
        " in %d rounds\n",
        kCharacters, perRound * kRounds, kRounds);
    std::vector<double> quorvel;
    std::vector<double> bare;
    for (int round = 0; round < kRounds; ++round) {
        const std::vector<double> q = MeasureQuorvel(recorder, perRound);
        const std::vector<double> b = MeasureBareTypist(recorder, perRound);
        quorvel.insert(quorvel.end(), q.begin(), q.end());
        bare.insert(bare.end(), b.begin(), b.end());
    }
    if (quorvel.empty() || bare.empty()) {
        std::fprintf(stderr, "no measurement\n");
        return 1;
    }
    const Summary q = Summarise(quorvel);
    const Summary b = Summarise(bare);
    Print("quorvel.exe", q);
    Print("bare thread", b);
    std::printf("ratio of medians %.2f\n", q.median / b.median);
    return 0;
}
