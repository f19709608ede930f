#include "bench/support/FastestTimeReporter.h"

void FastestTimeReporter::ReportRuns(const std::vector<Run> &runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred)
            continue;
        const auto known = m_times.find(run.run_name.function_name);
        if (known == m_times.end() || run.GetAdjustedRealTime() < known->second)
            m_times[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
}

double FastestTimeReporter::fastest(const std::string &name) const
{
    const auto known = m_times.find(name);
    return known == m_times.end() ? 0.0 : known->second;
}
