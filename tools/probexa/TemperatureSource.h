// The temperatures the simulator publishes: a fixed value, a trace played in a loop, or a load curve that
// wanders between 40 and 70 C the way a desktop CPU does under changing load.
#pragma once

#include <vector>

#include "ProbexaSettings.h"

class TemperatureSource {
public:
    explicit TemperatureSource(const ProbexaSettings& settings);

    // The temperature for the step'th write since start.
    float At(unsigned step) const;

private:
    float Curve(unsigned step) const;

    ProbexaSettings m_settings;
    std::vector<float> m_trace;
};
