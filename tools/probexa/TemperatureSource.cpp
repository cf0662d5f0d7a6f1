#include "TemperatureSource.h"

#include <cmath>
#include <cstdio>

namespace {
const double kPi = 3.14159265358979323846;
}

TemperatureSource::TemperatureSource(const ProbexaSettings& settings) : m_settings(settings) {
    if (settings.mode != L"trace")
        return;
    FILE* trace = _wfopen(settings.tracePath.c_str(), L"rb");
    if (!trace)
        return;
    float value = 0.0f;
    while (std::fscanf(trace, "%f", &value) == 1)
        m_trace.push_back(value);
    std::fclose(trace);
}

float TemperatureSource::At(unsigned step) const {
    if (m_settings.mode == L"fixed")
        return m_settings.value;
    if (m_settings.mode == L"trace")
        return m_trace.empty() ? 0.0f : m_trace[step % m_trace.size()];
    return Curve(step);
}

float TemperatureSource::Curve(unsigned step) const {
    double seconds = step * (m_settings.intervalMs / 1000.0);
    // Slow load phases, shorter bursts and a little sensor jitter.
    double load =
        9.0 * std::sin(2.0 * kPi * seconds / 90.0) + 5.0 * std::sin(2.0 * kPi * seconds / 17.0 + 1.0);
    double jitter = 0.4 * std::sin(seconds * 7.3) * std::cos(seconds * 3.1);
    double celsius = 52.0 + load + jitter;
    return static_cast<float>(std::fmin(70.0, std::fmax(40.0, celsius)));
}
