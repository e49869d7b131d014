#include "report/number_format.hpp"

#include <array>
#include <charconv>
#include <cmath>

namespace orve {

std::string format_int(long long value) {
    return std::to_string(value);
}

std::string format_real(double value) {
    // Non-finite values cannot come from the bases' syntax but may come out of
    // a model's arithmetic; they get fixed words instead of platform spellings.
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-inf" : "inf";
    }
    // std::to_chars with the general format is "%.10g" without the locale's
    // decimal separator, so a front end that sets a locale cannot turn the
    // point into a comma.
    std::array<char, 64> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                      std::chars_format::general, 10);
    return std::string(digits.data(), result.ptr);
}

} // namespace orve
