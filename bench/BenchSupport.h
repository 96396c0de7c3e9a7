#pragma once

#include <benchmark/benchmark.h>

#include <QString>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

// Runs every registered benchmark and then prints each named pair as a
// ratio of times: measured against its floor in the same run.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                m_seconds[run.benchmark_name()] =
                    run.real_accumulated_time / double(run.iterations);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatio(const std::string& measured, const std::string& floor) const
    {
        const auto m = m_seconds.find(measured);
        const auto f = m_seconds.find(floor);
        if (m == m_seconds.end() || f == m_seconds.end() || f->second <= 0)
            return;
        std::printf("%-40s %6.2fx %s\n", measured.c_str(), m->second / f->second, floor.c_str());
    }

private:
    std::map<std::string, double> m_seconds;
};
