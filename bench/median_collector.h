#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace lanterncrest::bench {

// Shows the table on stderr and keeps each benchmark's median, for the "name: X" ratio lines
// on stdout. CPU time (page faults included) is what other work on the machine disturbs
// least; a benchmark that times its own span of wall clock (UseManualTime) reports that.
class MedianCollector : public benchmark::ConsoleReporter {
 public:
  enum class Clock { Cpu, Reported };

  explicit MedianCollector(Clock clock) : clock_(clock) {
    SetOutputStream(&std::cerr);
    SetErrorStream(&std::cerr);
  }

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        medians_[run.run_name.function_name] =
            clock_ == Clock::Cpu ? run.GetAdjustedCPUTime() : run.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // Prints "name: X", the median of `over` divided by that of `under`, when both ran.
  void printRatio(const char* name, const std::string& over, const std::string& under) const {
    const auto a = medians_.find(over);
    const auto b = medians_.find(under);
    if (a != medians_.end() && b != medians_.end() && b->second > 0) {
      std::printf("%s: %.3f\n", name, a->second / b->second);
    }
  }

 private:
  Clock clock_;
  std::map<std::string, double> medians_;
};

}  // namespace lanterncrest::bench
