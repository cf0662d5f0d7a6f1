#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "relay/TemperatureReport.h"

namespace {

struct ReportCase {
    float celsius;
    int unit;
    int shown;
    unsigned char digits[3];
};

const ReportCase kReportCases[] = {
    {45.7f, 0, 45, {0, 4, 5}}, {120.0f, 0, 99, {0, 9, 9}}, {30.0f, 1, 86, {0, 8, 6}},
    {37.9f, 1, 98, {0, 9, 8}}, // truncated to 37 first: 98.6 shows 98
    {38.0f, 1, 99, {0, 9, 9}}, {0.4f, 0, 0, {0, 0, 0}},    {99.99f, 0, 99, {0, 9, 9}},
    {7.0f, 0, 7, {0, 0, 7}},   {-5.0f, 0, 0, {0, 0, 0}}, // no minus sign on the display
    {-5.0f, 1, 23, {0, 2, 3}},                           // -5 C is 23 F
    {-40.0f, 1, 0, {0, 0, 0}}, {1e30f, 0, 99, {0, 9, 9}},  {-1e30f, 1, 0, {0, 0, 0}},
    {50.0f, 2, 50, {0, 5, 0}}, // only unit 1 is Fahrenheit
};

TEST(TemperatureReport, BuildsTheDigitsOfEachReading) {
    for (const ReportCase& c : kReportCases) {
        SCOPED_TRACE(testing::Message() << c.celsius << " unit " << c.unit);
        int shown = TemperatureReport::DisplayValue(c.celsius, c.unit);
        EXPECT_EQ(c.shown, shown);
        TemperatureReport::Bytes report = TemperatureReport::Build(shown);
        EXPECT_EQ(0x07, report[0]);
        EXPECT_EQ(0xFF, report[1]);
        EXPECT_EQ(0xFF, report[2]);
        EXPECT_EQ(c.digits[0], report[3]);
        EXPECT_EQ(c.digits[1], report[4]);
        EXPECT_EQ(c.digits[2], report[5]);
        for (size_t i = 6; i < TemperatureReport::kSize; ++i)
            EXPECT_EQ(0, report[i]) << "byte " << i;
    }
}

TEST(TemperatureReport, OnlyFiniteNonZeroValuesAreReadings) {
    EXPECT_FALSE(TemperatureReport::IsReading(0.0f));
    EXPECT_FALSE(TemperatureReport::IsReading(-0.0f));
    EXPECT_FALSE(TemperatureReport::IsReading(std::numeric_limits<float>::quiet_NaN()));
    EXPECT_FALSE(TemperatureReport::IsReading(std::numeric_limits<float>::infinity()));
    EXPECT_FALSE(TemperatureReport::IsReading(-std::numeric_limits<float>::infinity()));
    EXPECT_TRUE(TemperatureReport::IsReading(0.4f));
    EXPECT_TRUE(TemperatureReport::IsReading(std::numeric_limits<float>::denorm_min()));
    EXPECT_TRUE(TemperatureReport::IsReading(-5.0f));
}

// The server writes without a lock: whatever word lies in the record, a reading gives three digits.
TEST(TemperatureReport, AnyBitPatternGivesDigits) {
    for (uint32_t high = 0; high < 0x10000; ++high) {
        uint32_t bits = (high << 16) | (high * 0x9E37u & 0xFFFFu);
        float celsius = 0.0f;
        std::memcpy(&celsius, &bits, sizeof(celsius));
        if (!TemperatureReport::IsReading(celsius))
            continue;
        for (int unit = 0; unit <= 1; ++unit) {
            TemperatureReport::Bytes report =
                TemperatureReport::Build(TemperatureReport::DisplayValue(celsius, unit));
            ASSERT_TRUE(report[3] <= 9 && report[4] <= 9 && report[5] <= 9)
                << std::hex << bits << " unit " << unit;
        }
    }
}

} // namespace
