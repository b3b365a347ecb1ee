#include "core/numeric_value.h"

#include <charconv>
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
    std::from_chars(number.data(), number.data() + number.size(), value);
    return value;
}

} // namespace kedravo
