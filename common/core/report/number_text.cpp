#include "common/core/report/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace undertext {

std::string numberText(std::int64_t value) {
    const std::string digits = std::to_string(value);
    return value < 0 ? digits : " " + digits;
}

std::string printedNumber(std::int64_t value) {
    return numberText(value) + " ";
}

std::string coefficientText(float value) {
    if (value == 0.0F) {
        return " 0";
    }
    const char* sign = value < 0 ? "-" : " ";
    const double magnitude = std::fabs(static_cast<double>(value));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.7G", magnitude);
    std::string text = buffer;

    // Split off an exponent, trim the mantissa's trailing zeros and point.
    std::string exponent;
    if (const auto e = text.find('E'); e != std::string::npos) {
        const int power = std::atoi(text.c_str() + e + 1);
        char expBuffer[16];
        std::snprintf(expBuffer, sizeof expBuffer, "E%c%02d", power < 0 ? '-' : '+',
                      std::abs(power));
        exponent = expBuffer;
        text.erase(e);
    }
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') {
            text.pop_back();
        }
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    if (text.size() > 1 && text[0] == '0' && text[1] == '.') {
        text.erase(0, 1);
    }
    return sign + text + exponent;
}

std::int64_t divideRoundHalfEven(std::int64_t numerator, std::int64_t denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    // Floor division, then decide on the remainder.
    std::int64_t quotient = numerator / denominator;
    std::int64_t remainder = numerator % denominator;
    if (remainder < 0) {
        quotient -= 1;
        remainder += denominator;
    }
    const std::int64_t twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0)) {
        quotient += 1;
    }
    return quotient;
}

int reportColumn(int maxListedLength) {
    return maxListedLength + 1 < 6 ? 6 : maxListedLength + 1;
}

}  // namespace undertext
