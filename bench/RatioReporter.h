// Prints the benchmarks as usual and keeps each one's time per iteration, so a benchmark program can
// print its ratio to the physical baseline it ran beside.
#pragma once
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace zelt {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Time per iteration in the benchmark's own unit.
    std::map<std::string, double> seconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) seconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace zelt
