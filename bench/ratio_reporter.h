#pragma once
// The console table of a benchmark run, remembering each benchmark's times so the ratios of
// ours to the floor measured in the same run can be printed after it. With repetitions, the
// median stands for the benchmark.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rw::bench {

struct Times {
    double real, cpu;  // milliseconds; cpu counts the calling thread only
};

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs) {
            if (!run.aggregate_name.empty() && run.aggregate_name != "median") continue;
            const auto& name = run.run_name;
            times_[name.function_name + (name.args.empty() ? "" : "/" + name.args)] = {
                run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // The times of a benchmark by its name with its arguments ("BM_Load/1"), if it ran.
    std::optional<Times> times(const std::string& name) const {
        const auto found = times_.find(name);
        if (found == times_.end()) return std::nullopt;
        return found->second;
    }

    void print_ratio(const char* label, const std::string& ours, const std::string& floor) const {
        const auto a = times(ours), b = times(floor);
        if (!a || !b) return;
        std::printf("%-46s real %6.3f   cpu %6.3f\n", label, a->real / b->real, a->cpu / b->cpu);
    }

  private:
    std::map<std::string, Times> times_;
};

// Runs the benchmarks named on the command line with the reporter, then hands it to `after`.
template <class After>
int run_with_ratios(int argc, char** argv, After after) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    after(reporter);
    benchmark::Shutdown();
    return 0;
}

}  // namespace rw::bench
