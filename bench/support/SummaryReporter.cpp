#include "support/SummaryReporter.h"

#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace benchsupport
{

SummaryReporter::SummaryReporter()
    : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular)
{
}

void SummaryReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs)
    {
        if (run.error_occurred || run.report_big_o || run.report_rms)
            continue;
        const bool median = run.run_type == Run::RT_Aggregate;
        if (median && run.aggregate_name != "median")
            continue;
        // The name as registered, with its arguments but without the
        // suffixes of timing options, and the same for a median as for the
        // single repetitions it replaces.
        std::string name = run.run_name.function_name;
        if (!run.run_name.args.empty())
            name += "/" + run.run_name.args;
        if (!median && FromMedian[name])
            continue;
        const double toNs = 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        Result& result = Results[name];
        result.RealNs = run.GetAdjustedRealTime() * toNs;
        result.CpuNs = run.GetAdjustedCPUTime() * toNs;
        result.Counters = run.counters;
        FromMedian[name] = median;
    }
    ConsoleReporter::ReportRuns(runs);
}

const SummaryReporter::Result* SummaryReporter::find(const std::string& name) const
{
    const auto found = Results.find(name);
    return found == Results.end() ? 0 : &found->second;
}

double SummaryReporter::counter(const std::string& name, const std::string& counterName) const
{
    const Result* result = find(name);
    if (!result)
        return -1;
    const auto found = result->Counters.find(counterName);
    return found == result->Counters.end() ? -1 : found->second.value;
}

double ratioOf(double value, double anchor)
{
    return value >= 0 && anchor > 0 ? value / anchor : -1;
}

void printSummaryHeading(const char* title)
{
    std::cout.flush();
    printf("\n== %s\n", title);
}

void printAgainstTarget(const std::string& label, double value, double target, const char* unit)
{
    if (value < 0)
    {
        printf("  %-66s   not measured\n", label.c_str());
        return;
    }
    printf("  %-66s %8.2f%-3s target <= %.2f%s  %s\n", label.c_str(), value, unit, target, unit,
           value <= target ? "met" : "MISSED");
}

void printFigure(const std::string& label, double value, const char* unit)
{
    if (value < 0)
        printf("  %-66s   not measured\n", label.c_str());
    else
        printf("  %-66s %8.2f %s\n", label.c_str(), value, unit);
}

int runBenchmarks(int argc, char** argv, void (*registerAll)(),
                  void (*summarize)(const SummaryReporter& results))
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    registerAll();
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    summarize(reporter);
    fflush(stdout);
    benchmark::Shutdown();
    return 0;
}

} // namespace benchsupport
