// Start-up to visible window: starts quorvel.exe, the bare baseline and the bare baseline with
// Quorvel's manifest (all beside this program) in turns, and times each from CreateProcess until a
// visible top-level window of that process with the program's caption exists; then closes it.
// Prints the median and the spread of each, and the ratio of the medians. Usage: startup_benchmark
// [runs of each, 30 if not given]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "tests/win/quorvel_process.h"

namespace {

struct Program {
    const wchar_t* fileName;
    const wchar_t* caption;
    const char* label;
    std::vector<double> milliseconds;
};

double Now() {
    static const double ticksPerMillisecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMillisecond;
}

// One start: the milliseconds until the window is visible, or a negative value on failure.
double TimeOneStart(const Program& program) {
    const std::wstring commandLine = CommandBesideTestProgram(program.fileName);
    PROCESS_INFORMATION info;
    const double start = Now();
    if (!StartProcess(commandLine, info)) {
        std::fprintf(stderr, "%ls did not start, error %lu\n", program.fileName, GetLastError());
        return -1;
    }
    constexpr double kGiveUpMilliseconds = 30000;
    const std::function<bool(HWND)> captioned = [&](HWND window) {
        wchar_t caption[64];
        return GetParent(window) == nullptr &&
               GetWindowTextW(window, caption, ARRAYSIZE(caption)) > 0 &&
               lstrcmpW(caption, program.caption) == 0;
    };
    HWND found = nullptr;
    double elapsed = 0;
    while (found == nullptr && elapsed < kGiveUpMilliseconds) {
        found = FindVisibleWindowOfProcess(info.dwProcessId, captioned);
        elapsed = Now() - start;
        if (found == nullptr) {
            Sleep(1);
        }
    }
    CloseChildProcess(info.hProcess, found);
    return found != nullptr ? elapsed : -1;
}

// The value at fraction q of the sorted values, interpolated between neighbours.
double Quantile(const std::vector<double>& sorted, double q) {
    const double position = q * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(position);
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] +
           (sorted[above] - sorted[below]) * (position - static_cast<double>(below));
}

double Report(Program& program) {
    std::vector<double>& values = program.milliseconds;
    std::sort(values.begin(), values.end());
    const double median = Quantile(values, 0.5);
    std::printf("%-12s runs %3zu  median %8.1f ms  quartiles %8.1f %8.1f  min %8.1f  max %8.1f\n",
                program.label, values.size(), median, Quantile(values, 0.25),
                Quantile(values, 0.75), values.front(), values.back());
    return median;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    Program programs[] = {
        {L"quorvel.exe", L"Quorvel", "quorvel.exe", {}},
        {L"bare_window.exe", L"Bare", "bare window", {}},
        {L"bare_themed_window.exe", L"Bare", "bare themed", {}},
    };
    constexpr std::size_t kPrograms = std::size(programs);
    // A first start of each, not counted, so that all begin with warm file caches.
    for (const Program& program : programs) {
        if (TimeOneStart(program) < 0) {
            return 1;
        }
    }
    // In turns, the order rotated every round, so that a slow spell of the machine falls on all.
    for (int round = 0; round < runs; ++round) {
        for (std::size_t i = 0; i < kPrograms; ++i) {
            Program& program = programs[(round + i) % kPrograms];
            const double milliseconds = TimeOneStart(program);
            if (milliseconds < 0) {
                return 1;
            }
            program.milliseconds.push_back(milliseconds);
        }
    }
    std::printf("Start-up to visible window, %d runs of each, interleaved\n", runs);
    const double quorvel = Report(programs[0]);
    const double bare = Report(programs[1]);
    const double themed = Report(programs[2]);
    std::printf("ratio of medians (quorvel / bare): %.2f  (goal: at most 1.2)\n", quorvel / bare);
    std::printf("against the bare window with Quorvel's manifest: %.2f\n", quorvel / themed);
    return 0;
}
