#include "core/numeric_value.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>

namespace kedravo {

double numericValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            number.push_back('-');
        ++i;
    }
    bool point = false;
    bool digits = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            number.push_back(c);
            digits = true;
        } else if (c == '.' && !point) {
            number.push_back(c);
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    double value = 0.0;
    if (std::from_chars(number.data(), number.data() + number.size(), value).ec != std::errc::result_out_of_range)
        return value;
    // Out of range either way: too large, or too close to zero (no digit before the point is above 0).
    std::size_t integer = number.find_first_of("123456789");
    bool large = integer != std::string::npos && integer < number.find('.');
    return large ? std::copysign(HUGE_VAL, number.front() == '-' ? -1.0 : 1.0) : 0.0;
}

float numericValueSingle(std::string_view text) {
    double value = numericValue(text);
    // Converting a double beyond float's range is undefined; infinity converts exactly.
    if (std::fabs(value) > FLT_MAX)
        return static_cast<float>(std::copysign(HUGE_VAL, value));
    return static_cast<float>(value);
}

} // namespace kedravo
