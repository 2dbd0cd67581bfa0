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
class MedianCollector : public benchmark::ConsoleReporter
{
public:
    enum class Clock { Cpu, Reported };

    explicit MedianCollector(Clock clock) : m_clock(clock)
    {
        SetOutputStream(&std::cerr);
        SetErrorStream(&std::cerr);
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                m_medians[run.run_name.function_name] = m_clock == Clock::Cpu
                        ? run.GetAdjustedCPUTime()
                        : run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Prints "name: X", the median of `over` divided by that of `under`, when both ran.
    void printRatio(const char *name, const std::string &over, const std::string &under) const
    {
        const auto a = m_medians.find(over);
        const auto b = m_medians.find(under);
        if (a != m_medians.end() && b != m_medians.end() && b->second > 0) {
            std::printf("%s: %.3f\n", name, a->second / b->second);
        }
    }

private:
    Clock m_clock;
    std::map<std::string, double> m_medians;
};

// Runs the benchmarks the command line selects, their table on stderr: stdout keeps to the
// "name: X" lines.
inline void runBenchmarks(int &argc, char **argv, MedianCollector &collector)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();
}

} // namespace lanterncrest::bench
