#include "support/ThreadCpuTime.h"

#include <algorithm>
#include <ctime>

namespace benchsupport
{

double threadCpuNs()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e9 + now.tv_nsec;
}

double medianOf(std::vector<double> samples)
{
    if (samples.empty())
        return 0;
    const size_t middle = samples.size() / 2;
    std::nth_element(samples.begin(), samples.begin() + middle, samples.end());
    return samples[middle];
}

TakingTurns::TakingTurns(int variants) : Variants(variants), First(0), Samples(variants) {}

} // namespace benchsupport
