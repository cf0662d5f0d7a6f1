#include "relay/TemperatureReport.h"

#include <cmath>

namespace {
const int kHighest = 99;
// Readings are held to this range before truncation, which is undefined past the range of int.
const double kTruncationLimit = 1000.0;
} // namespace

bool TemperatureReport::IsReading(float celsius) {
    return celsius != 0.0f && std::isfinite(celsius);
}

int TemperatureReport::DisplayValue(float celsius, int unit) {
    double held = std::fmax(-kTruncationLimit, std::fmin(kTruncationLimit, celsius));
    int value = static_cast<int>(held);
    if (unit == 1) {
        // Each step rounded to a double: in the x87 unit's wider registers -5 C would come out as 22 F.
        volatile double product = value * 1.8;
        volatile double fahrenheit = product + 32.0;
        value = static_cast<int>(fahrenheit);
    }
    if (value > kHighest)
        value = kHighest;
    // The display has no minus sign: below zero would put a byte that is no digit in the report.
    if (value < 0)
        value = 0;
    return value;
}

TemperatureReport::Bytes TemperatureReport::Build(int value) {
    Bytes report = {};
    report[0] = 0x07;
    report[1] = 0xFF;
    report[2] = 0xFF;
    report[3] = static_cast<unsigned char>((value / 100) % 10);
    report[4] = static_cast<unsigned char>((value / 10) % 10);
    report[5] = static_cast<unsigned char>(value - (value / 10) * 10);
    return report;
}
