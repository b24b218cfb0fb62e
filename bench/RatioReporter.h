// Runs a program's benchmarks repeated and interleaved, keeps the CPU time of every repetition, and
// prints each ratio of an operation to the physical baseline it ran beside as the median of its
// repetitions with the minimum and maximum, so that a noisy run shows as noise. CPU time, because
// the wall clock of a shared machine mostly measures the other processes; the wall clock is kept
// too, for an operation that shares its work among threads (whose CPU time is that of the calling
// thread alone).
#pragma once
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace zelt {

inline constexpr int kRepetitions = 9;

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // CPU time per iteration of every repetition, in the benchmark's own unit, by function name.
    std::map<std::string, std::vector<double>> times;
    // The same repetitions by the wall clock.
    std::map<std::string, std::vector<double>> wallTimes;
    // Shows the aggregates (mean, median, deviation) of repeated benchmarks and keeps the rest.
    void ReportRuns(const std::vector<Run>& runs) override {
        std::vector<Run> shown;
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                times[run.run_name.function_name].push_back(run.GetAdjustedCPUTime());
                wallTimes[run.run_name.function_name].push_back(run.GetAdjustedRealTime());
            }
            if (run.run_type == Run::RT_Aggregate || run.repetitions <= 1) shown.push_back(run);
        }
        if (!shown.empty()) ConsoleReporter::ReportRuns(shown);
    }
};

struct Spread {
    double median = 0, min = 0, max = 0;
};

inline Spread SpreadOf(std::vector<double> values) {
    if (values.empty()) return {};
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back()};
}

// The ratio a/b of the repetitions run side by side: repetition k of one against repetition k of
// the other.
inline Spread RatioSpread(const std::vector<double>& a, const std::vector<double>& b) {
    std::vector<double> ratios;
    for (size_t k = 0; k < std::min(a.size(), b.size()); ++k) ratios.push_back(a[k] / b[k]);
    return SpreadOf(ratios);
}

// Runs every benchmark of the program kRepetitions times, the repetitions of all benchmarks in
// random order, so that an operation and its baseline see the same moments of a busy machine.
// Options on the command line still win.
inline void RunRepeated(int argc, char** argv, RatioReporter& reporter) {
    std::string repetitions = "--benchmark_repetitions=" + std::to_string(kRepetitions);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    std::vector<char*> args{argv[0], repetitions.data(), interleave.data()};
    args.insert(args.end(), argv + 1, argv + argc);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks(&reporter);
}

// One line a figure: "what: 1.23x (median of 9; min 1.10x, max 1.40x)".
inline void PrintSpread(const char* what, const Spread& s, const char* unit) {
    std::printf("%s: %.2f%s (median of %d; min %.2f%s, max %.2f%s)\n", what, s.median, unit, kRepetitions, s.min,
                unit, s.max, unit);
}

// The verdict on one target, judged by the median: "PASS what 1.23x (target: at most 3x)".
inline bool Verdict(const char* what, double figure, const char* unit, bool met, const char* target) {
    std::printf("%s %s %.2f%s (target: %s)\n", met ? "PASS" : "MISS", what, figure, unit, target);
    return met;
}

}  // namespace zelt
