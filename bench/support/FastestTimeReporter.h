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

private:
    std::map<std::string, double> m_times;
};
