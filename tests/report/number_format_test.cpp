#include "report/number_format.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

namespace orve {
namespace {

TEST(NumberFormat, IntegersAreBareDecimalDigits) {
    EXPECT_EQ(format_int(0), "0");
    EXPECT_EQ(format_int(42), "42");
    EXPECT_EQ(format_int(-7), "-7");
    EXPECT_EQ(format_int(LLONG_MIN), "-9223372036854775808");
}

struct RealCase {
    double value;
    const char* text;
};

TEST(NumberFormat, RealsUseTenSignificantDigits) {
    const RealCase cases[] = {
        {2.5, "2.5"},
        {100.0, "100"},
        {1.0 / 3.0, "0.3333333333"},
        {0.00001, "1e-05"},
        {1.5e10, "1.5e+10"},
        {0.1, "0.1"},
        {-1234567.0, "-1234567"},
        {1.0e10, "1e+10"},
        {0.0001, "0.0001"},
        {0.0, "0"},
        {-0.0, "-0"},
        {1234567890.0, "1234567890"}, // X = 9: still fixed
        {12345678901.0, "1.23456789e+10"},
        {9999999999.5, "1e+10"},               // rounding moves the exponent up
        {0.000123456789012, "0.000123456789"}, // X = -4: still fixed
        {-2.0 / 3.0, "-0.6666666667"},
        {1e100, "1e+100"},
        {-1.25e-300, "-1.25e-300"},
        {std::numeric_limits<double>::max(), "1.797693135e+308"},
        {std::numeric_limits<double>::denorm_min(), "4.940656458e-324"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(format_real(c.value), c.text) << "value " << c.value;
    }
}

TEST(NumberFormat, NonFiniteRealsGetFixedWords) {
    EXPECT_EQ(format_real(std::numeric_limits<double>::quiet_NaN()), "nan");
    EXPECT_EQ(format_real(-std::numeric_limits<double>::quiet_NaN()), "nan");
    EXPECT_EQ(format_real(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(format_real(-std::numeric_limits<double>::infinity()), "-inf");
}

} // namespace
} // namespace orve
