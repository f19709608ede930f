#include "bench/support/FastestTimeReporter.h"

void FastestTimeReporter::ReportRuns(const std::vector<Run> &runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred)
            continue;
        keepFastest(m_times, run.run_name.function_name, run.GetAdjustedRealTime());
        keepFastest(m_cpuTimes, run.run_name.function_name, run.GetAdjustedCPUTime());
    }
}

void FastestTimeReporter::keepFastest(std::map<std::string, double> &times, const std::string &name, double time)
{
    const auto known = times.find(name);
    if (known == times.end() || time < known->second)
        times[name] = time;
}

double FastestTimeReporter::fastest(const std::string &name) const
{
    const auto known = m_times.find(name);
    return known == m_times.end() ? 0.0 : known->second;
}

double FastestTimeReporter::fastestCpu(const std::string &name) const
{
    const auto known = m_cpuTimes.find(name);
    return known == m_cpuTimes.end() ? 0.0 : known->second;
}
