#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Prints the runs as usual and keeps, per benchmark name, the fastest real time per
// iteration in the benchmark's unit, for the summary a program prints afterwards.
class FastestTimeReporter : public benchmark::ConsoleReporter {
public:
    using benchmark::ConsoleReporter::ConsoleReporter;

    void ReportRuns(const std::vector<Run> &runs) override;
    // 0 when the benchmark did not run.
    double fastest(const std::string &name) const;
    // The same for the CPU time of the benchmark's thread: on a machine that others keep
    // busy it shows the work of a single-threaded step better than the real time.
    double fastestCpu(const std::string &name) const;

private:
    static void keepFastest(std::map<std::string, double> &times, const std::string &name, double time);

    std::map<std::string, double> m_times;
    std::map<std::string, double> m_cpuTimes;
};
