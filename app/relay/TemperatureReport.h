// The 65-byte feature report (report ID 7) that tells a display which three digits to show, and the value
// it shows: the reading truncated, converted to Fahrenheit when chosen, held to 0..99.
#pragma once

#include <array>
#include <cstddef>

class TemperatureReport {
public:
    static constexpr size_t kSize = 65;
    using Bytes = std::array<unsigned char, kSize>;

    // False when the record holds no temperature: exactly 0.0 (nothing published yet), or a pattern that
    // is not a finite number (the server writes without a lock, so any 32 bits may be there).
    static bool IsReading(float celsius);
    // The shown value for a reading; unit 1 is Fahrenheit, any other Celsius.
    static int DisplayValue(float celsius, int unit);
    // Bytes 0 to 2 are 07 FF FF, bytes 3 to 5 the hundreds, tens and ones digits, the rest 0.
    static Bytes Build(int value);
};
