#ifndef BENCH_SUPPORT_THREAD_CPU_TIME_H_INCLUDED
#define BENCH_SUPPORT_THREAD_CPU_TIME_H_INCLUDED

#include <vector>

namespace benchsupport
{

//! CPU time the calling thread has used, in nanoseconds. On a shared
//! machine it is what stays steady when the neighbours get busy.
double threadCpuNs();

//! The median of samples (0 when there are none).
double medianOf(std::vector<double> samples);

//! Timings of a few variants of the same work that take turns, so that a
//! slow spell of the machine hits all of them alike: each variant goes
//! first in turn (order()), and every run is one sample (time()).
class TakingTurns
{
public:
    explicit TakingTurns(int variants);

    //! The variant that runs step-th (0-based) in the current round; the
    //! next round starts one variant later.
    int order(int step) const { return (First + step) % Variants; }
    void nextRound() { First = (First + 1) % Variants; }

    //! Runs work once and keeps its CPU time as a sample of variant.
    template <typename Work> void time(int variant, Work&& work)
    {
        const double start = threadCpuNs();
        work();
        Samples[variant].push_back(threadCpuNs() - start);
    }

    //! Median CPU nanoseconds of one run of variant.
    double medianNs(int variant) const { return medianOf(Samples[variant]); }

private:
    int Variants;
    int First;
    std::vector<std::vector<double>> Samples;
};

} // namespace benchsupport

#endif
