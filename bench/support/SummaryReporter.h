#ifndef BENCH_SUPPORT_SUMMARY_REPORTER_H_INCLUDED
#define BENCH_SUPPORT_SUMMARY_REPORTER_H_INCLUDED

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace benchsupport
{

//! The usual console table, plus a memory of every result so that a program
//! can print its figures as ratios of runs measured in the same process.
class SummaryReporter : public benchmark::ConsoleReporter
{
public:
    //! Colours only on a terminal: logs and CTest output stay plain text.
    SummaryReporter();

    struct Result
    {
        double RealNs; //!< wall-clock nanoseconds per iteration
        double CpuNs;  //!< this thread's CPU nanoseconds per iteration
        benchmark::UserCounters Counters;
    };

    void ReportRuns(const std::vector<Run>& runs) override;

    //! The result of the run registered as name (with "/arg" for each
    //! argument), or null when it did not run (filtered out, skipped or
    //! failed). With repetitions, the median.
    const Result* find(const std::string& name) const;

    //! The user counter counterName of the run registered as name, or -1
    //! when either is missing.
    double counter(const std::string& name, const std::string& counterName) const;

private:
    std::map<std::string, Result> Results;
    std::map<std::string, bool> FromMedian;
};

//! value / anchor, or -1 (not measured) when either is missing.
double ratioOf(double value, double anchor);

//! Prints a section heading of the summary.
void printSummaryHeading(const char* title);

//! Prints one figure: value against a target it must not exceed. A negative
//! value (an input that did not run) prints as not measured.
void printAgainstTarget(const std::string& label, double value, double target,
                        const char* unit = "x");

//! Prints one figure that has no target.
void printFigure(const std::string& label, double value, const char* unit);

//! Runs every registered benchmark through a SummaryReporter and hands it to
//! summarize afterwards. Returns the process exit code.
int runBenchmarks(int argc, char** argv, void (*registerAll)(),
                  void (*summarize)(const SummaryReporter& results));

} // namespace benchsupport

#endif
