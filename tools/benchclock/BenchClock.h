// The clock and the statistic the benchmark programs share: the performance counter in milliseconds and
// the median of a run of samples.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

inline double NowMs() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The middle sample (the upper one of an even count); the run must not be empty.
inline double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}
