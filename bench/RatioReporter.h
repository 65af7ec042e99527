// Prints Google Benchmark's table and then each measured time as a ratio of
// its baseline's, both taken in the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration) {
                const std::string name = r.benchmark_name();
                times_[name.substr(0, name.find('/'))] = r.GetAdjustedRealTime();
            }
    }

    void PrintRatio(const char* what, const char* measured, const char* baseline, const char* target) const {
        const auto m = times_.find(measured), b = times_.find(baseline);
        if (m == times_.end() || b == times_.end() || m->second <= 0 || b->second <= 0) return;
        std::printf("%-44s %6.3fx the baseline's time   (%s)\n", what, m->second / b->second, target);
    }

private:
    std::map<std::string, double> times_;
};

// Runs the benchmarks, then prints the header before the caller's ratios.
inline void RunWithRatios(RatioReporter& reporter) {
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nRatios (measured / baseline, same run):\n");
}
