// textfunctions.cpp: the decimal text, numeric value and one-character substring of a text.
#include "windowobjects.h"

#include <climits>

namespace pebblix {

std::string DecimalText(int value) {
    return std::to_string(value);
}

int NumericValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) {
            value = INT_MAX;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

std::string CharAt(std::string_view text, int position) {
    if (position < 1 || static_cast<std::size_t>(position) > text.size()) {
        return {};
    }
    return std::string(1, text[static_cast<std::size_t>(position) - 1]);
}

} // namespace pebblix
