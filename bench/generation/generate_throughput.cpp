// Characters per second of the production generators, which read the time-stamp counter, beside
// a bare loop of as many counter reads. The summary at the end gives each generator's time as a
// multiple of the bare loop's: the counter read is the floor that no generator can go below.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "generate/generators.h"
#include "generate/random_source.h"
#include "generate/run_time_error.h"

namespace {

constexpr std::int32_t kCharacters = 1'000'000;

void SetCharactersPerSecond(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * kCharacters);
}

void BareCounterReads(benchmark::State& state) {
    for (auto _ : state) {
        std::uint32_t sum = 0;
        for (std::int32_t i = 0; i < kCharacters; ++i) {
            sum += ReadTimeStampCounter();
        }
        benchmark::DoNotOptimize(sum);
    }
    SetCharactersPerSecond(state);
}

void Letters(benchmark::State& state) {
    for (auto _ : state) {
        const Text text = MakeLetters(kCharacters, 0);
        benchmark::DoNotOptimize(text.data());
    }
    SetCharactersPerSecond(state);
}

void Mixed(benchmark::State& state) {
    for (auto _ : state) {
        const Text text = MakeMixed(kCharacters);
        benchmark::DoNotOptimize(text.data());
    }
    SetCharactersPerSecond(state);
}

BENCHMARK(BareCounterReads)->Unit(benchmark::kMillisecond);
BENCHMARK(Letters)->Unit(benchmark::kMillisecond);
BENCHMARK(Mixed)->Unit(benchmark::kMillisecond);

// The console output, plus each benchmark's time per run (the median when repeated) for the
// summary.
class SummaryReporter : public benchmark::ConsoleReporter {
  public:
    SummaryReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) {
                continue;
            }
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Iteration || median) {
                // A median, once seen, is kept over the single runs that come with it.
                auto& entry = milliseconds_[run.run_name.function_name];
                if (median || !entry.median) {
                    entry = {run.GetAdjustedRealTime(), median};
                }
            }
        }
    }

    void PrintSummary() const {
        const double bare = Milliseconds("BareCounterReads");
        if (bare <= 0) {
            return;
        }
        std::printf("\nCharacters per second for %d characters per run:\n", kCharacters);
        PrintLine("bare loop of counter reads", bare, 0, 1);
        PrintLine("MakeLetters(count, 0)", Milliseconds("Letters"), bare, 1);
        PrintLine("MakeMixed(count)", Milliseconds("Mixed"), bare, 2);
    }

  private:
    struct Entry {
        double milliseconds = 0;
        bool median = false;
    };

    double Milliseconds(const std::string& name) const {
        const auto found = milliseconds_.find(name);
        return found == milliseconds_.end() ? 0 : found->second.milliseconds;
    }

    static void PrintLine(const char* what, double milliseconds, double bare,
                          int readsPerCharacter) {
        if (milliseconds <= 0) {
            return;
        }
        const double perSecond = kCharacters / (milliseconds / 1000);
        std::printf("  %-28s %8.1f M/s", what, perSecond / 1e6);
        if (bare > 0) {
            std::printf("  %5.2fx the bare loop's time", milliseconds / bare);
        }
        if (readsPerCharacter > 1) {
            // MakeMixed reads the counter twice per character: once for the kind, once for it.
            std::printf(" (%d reads per character: %.2fx per read)", readsPerCharacter,
                        milliseconds / (bare * readsPerCharacter));
        }
        std::printf("\n");
    }

    std::map<std::string, Entry> milliseconds_;
};

}  // namespace

// A failed allocation ends the benchmark with the report on standard error.
void ReportRunTimeError(const char* message) {
    std::fputs(MakeRunTimeErrorReport(message).bytes, stderr);
    std::_Exit(-1);
}

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
#ifdef __SANITIZE_ADDRESS__
    benchmark::AddCustomContext("warning", "built with sanitizers: the figures mean little");
#endif
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintSummary();
    benchmark::Shutdown();
    return 0;
}
