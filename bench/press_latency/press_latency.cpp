// Press-to-last-character latency under Wine: the time from an F1 press injected with SendInput to
// the arrival of the last WM_CHAR in a target window of another process, for strings of 6 and of
// 1000 characters, for quorvel.exe and for bare_typist.exe (a thread that makes two SendMessage
// round trips to its window and posts the characters), and for the bare typist that also shows the
// characters in a single-line edit box first, as Quorvel does. Prints figures; never fails on a
// slow machine. Usage: press_latency [presses of 6 characters, 100] [presses of 1000 characters,
// 40] (0 leaves that length out).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "tests/win/quorvel_process.h"
#include "tests/win/typing/typing_test_support.h"

namespace {

struct Length {
    int characters;
    int presses;
};

// The programs take their turns in each of at most these rounds, so that a change in the
// machine's load falls on all alike.
constexpr int kRounds = 4;
constexpr DWORD kGiveUpMilliseconds = 30000;
constexpr DWORD kSettleMilliseconds = 20;

double CounterMilliseconds(DWORD ticks) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * ticks / static_cast<double>(frequency.QuadPart);
}

// Polls seldom, so that the polling takes little of the machine from the programs measured; the
// recorder notes the time of arrival itself.
constexpr DWORD kSparingPollMilliseconds = 25;

// Milliseconds from a press to the arrival of its first and of its last character.
struct Arrival {
    double first;
    double last;
};

struct Latencies {
    std::vector<double> first;
    std::vector<double> last;

    void Add(const Arrival& arrival) {
        first.push_back(arrival.first);
        last.push_back(arrival.last);
    }
    void Add(const Latencies& more) {
        first.insert(first.end(), more.first.begin(), more.first.end());
        last.insert(last.end(), more.last.begin(), more.last.end());
    }
};

// One press of `characters` with the pointer over the recorder; nothing when they did not all
// arrive, or more came.
std::optional<Arrival> TimeOnePress(const CharRecorder& recorder, int characters) {
    // Under Wine an injected key that follows no recent pointer input reached the hot-key window
    // of either program 100-200 ms late; setting the pointer first keeps that out of the figures.
    PointAt(recorder.Centre());
    recorder.Clear();
    LARGE_INTEGER pressed;
    QueryPerformanceCounter(&pressed);
    PressF1();
    if (!WaitUntil([&] { return recorder.Count() >= characters; }, kGiveUpMilliseconds,
                   kSparingPollMilliseconds)) {
        std::fprintf(stderr, "only %d of %d characters arrived\n", recorder.Count(), characters);
        return std::nullopt;
    }
    // Counter values of two processes of one machine; the low 32 bits suffice for a difference.
    const auto since = [&](int index) {
        return CounterMilliseconds(recorder.TimeAt(index) - static_cast<DWORD>(pressed.QuadPart));
    };
    const Arrival arrival{since(0), since(characters - 1)};
    Sleep(kSettleMilliseconds);  // lets the program finish with the press
    if (const int count = recorder.Count(); count != characters) {
        std::fprintf(stderr, "%d characters arrived instead of %d\n", count, characters);
        return std::nullopt;
    }
    return arrival;
}

// The latencies of `presses` presses after one press that is not counted: the first press of a
// fresh process also pays for its first thread and first pages.
Latencies MeasurePresses(const CharRecorder& recorder, int characters, int presses) {
    TimeOnePress(recorder, characters);
    Latencies latencies;
    for (int i = 0; i < presses; ++i) {
        if (const std::optional<Arrival> arrival = TimeOnePress(recorder, characters)) {
            latencies.Add(*arrival);
        }
    }
    return latencies;
}

Latencies MeasureQuorvel(const CharRecorder& recorder, int characters, int presses) {
    QuorvelProcess quorvel;
    if (quorvel.MainWindow() == nullptr) {
        return {};
    }
    const HWND lengthBox = ControlWindow(quorvel.MainWindow(), Control::编辑框_长度);
    const std::wstring length = std::to_wstring(characters);
    SendMessageW(lengthBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(length.c_str()));
    if (WindowText(lengthBox) != length) {
        std::fprintf(stderr, "the length box did not take %d\n", characters);
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
    Latencies latencies = MeasurePresses(recorder, characters, presses);
    PostMessageW(quorvel.MainWindow(), WM_CLOSE, 0, 0);
    quorvel.WaitForExit();
    return latencies;
}

// bare_typist.exe started as a child process; closed, and ended if need be, at the end of the
// scope.
class BareTypistProcess {
  public:
    BareTypistProcess(int characters, bool show) {
        PROCESS_INFORMATION info;
        if (!StartProcess(CommandBesideTestProgram(L"bare_typist.exe") + L" " +
                              std::to_wstring(characters) + (show ? L" show" : L""),
                          info)) {
            std::fprintf(stderr, "bare_typist.exe did not start, error %lu\n", GetLastError());
            return;
        }
        process_ = info.hProcess;
        // The caption appears once F1 is held.
        WaitUntil([&] {
            window_ = FindWindowW(L"QuorvelBenchBareTypist", L"BareTypist");
            return window_ != nullptr;
        });
        if (window_ == nullptr) {
            std::fprintf(stderr, "bare_typist.exe did not take F1\n");
        }
    }
    ~BareTypistProcess() {
        if (process_ != nullptr) {
            CloseChildProcess(process_, window_);
        }
    }
    BareTypistProcess(const BareTypistProcess&) = delete;
    BareTypistProcess& operator=(const BareTypistProcess&) = delete;

    // Its window, once it holds F1; nullptr when it did not start or took no F1.
    HWND Window() const { return window_; }

  private:
    HANDLE process_ = nullptr;
    HWND window_ = nullptr;
};

Latencies MeasureBareTypist(const CharRecorder& recorder, int characters, int presses, bool show) {
    const BareTypistProcess bare(characters, show);
    if (bare.Window() == nullptr) {
        return {};
    }
    return MeasurePresses(recorder, characters, presses);
}

struct Summary {
    double median, p10, p90, min, max;
    std::size_t count;
};

Summary Summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const auto at = [&](double q) { return values[static_cast<std::size_t>(q * (n - 1) + 0.5)]; };
    const double median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, at(0.1), at(0.9), values.front(), values.back(), n};
}

void Print(const char* name, const Latencies& latencies) {
    const Summary s = Summarise(latencies.last);
    std::printf(
        "%-12s n=%-4zu median %8.2f ms  p10 %8.2f  p90 %8.2f  min %8.2f  max %8.2f"
        "  (first character: median %.2f)\n",
        name, s.count, s.median, s.p10, s.p90, s.min, s.max, Summarise(latencies.first).median);
}

// Measures both programs for one length and prints their figures; false when either gave none.
bool MeasureLength(const CharRecorder& recorder, Length length) {
    const int rounds = std::min(kRounds, length.presses);
    std::printf("== %d characters: %d presses each in %d alternating rounds\n", length.characters,
                length.presses, rounds);
    std::fflush(stdout);
    Latencies quorvel;
    Latencies bare;
    Latencies bareShowing;
    for (int round = 0; round < rounds; ++round) {
        const int presses = length.presses / rounds + (round < length.presses % rounds ? 1 : 0);
        quorvel.Add(MeasureQuorvel(recorder, length.characters, presses));
        bare.Add(MeasureBareTypist(recorder, length.characters, presses, false));
        bareShowing.Add(MeasureBareTypist(recorder, length.characters, presses, true));
    }
    if (quorvel.last.empty() || bare.last.empty() || bareShowing.last.empty()) {
        std::fprintf(stderr, "no measurement of %d characters\n", length.characters);
        return false;
    }
    Print("quorvel.exe", quorvel);
    Print("bare typist", bare);
    Print("bare, shown", bareShowing);
    const double median = Summarise(quorvel.last).median;
    std::printf(
        "ratio of medians %.2f (goal: at most 2); against the bare typist that shows: %.2f\n",
        median / Summarise(bare.last).median, median / Summarise(bareShowing.last).median);
    std::fflush(stdout);
    return true;
}

// A count of presses from the command line: a whole number from 0 to 100000.
std::optional<int> PressCount(const char* text) {
    char* end = nullptr;
    const long count = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || count < 0 || count > 100000) {
        return std::nullopt;
    }
    return static_cast<int>(count);
}

}  // namespace

int main(int argc, char** argv) {
    Length lengths[] = {{6, 100}, {1000, 40}};
    if (argc > 3) {
        std::fprintf(stderr, "usage: press_latency [presses of 6] [presses of 1000]\n");
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        const std::optional<int> presses = PressCount(argv[i]);
        if (!presses) {
            std::fprintf(stderr, "not a count of presses: %s\n", argv[i]);
            return 2;
        }
        lengths[i - 1].presses = *presses;
    }
    CharRecorder recorder;
    if (recorder.Window() == nullptr) {
        return 1;
    }
    std::printf(
        "Press of F1 to the last character in another process's window, quorvel.exe against a"
        " bare typist, and one that also shows the characters in a single-line edit box; one"
        " uncounted press first in each round\n");
    bool measured = true;
    for (const Length& length : lengths) {
        if (length.presses > 0) {
            measured = MeasureLength(recorder, length) && measured;
        }
    }
    return measured ? 0 : 1;
}
