#pragma once
// A console reporter that also keeps each benchmark's median, for the ratios
// the benchmark programs print at the end.

#include <benchmark/benchmark.h>

#include <map>
#include <string>

class MedianReporter : public benchmark::ConsoleReporter {
 public:
  explicit MedianReporter(benchmark::TimeUnit unit) : unit_(unit) {}

  // Median time per iteration in the unit given to the constructor.
  double median(const std::string& benchmark) const {
    auto found = medians_.find(benchmark);
    return found == medians_.end() ? 0 : found->second;
  }

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.aggregate_name == "median") {
        medians_[run.run_name.function_name] = run.GetAdjustedRealTime() *
                                               benchmark::GetTimeUnitMultiplier(unit_) /
                                               benchmark::GetTimeUnitMultiplier(run.time_unit);
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

 private:
  benchmark::TimeUnit unit_;
  std::map<std::string, double> medians_;
};
