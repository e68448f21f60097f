#include "cli/option_checks.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace undertext::cli {

CLI::Validator refusing(const CLI::Validator& check, std::string message) {
    CLI::Validator refusal(
        [check, message = std::move(message)](std::string& value) {
            if (!check(value).empty()) {
                throw RefusedValue(message);
            }
            return std::string();
        },
        "");
    // With the last value taking effect, CLI11 numbers the values given so that
    // the last one has index 0.
    return refusal.application_index(0);
}

CLI::Validator nonEmpty() {
    return CLI::Validator(
        [](std::string& value) { return value.empty() ? std::string("empty") : std::string(); },
        "");
}

CLI::Validator decimalDigits() {
    return CLI::Validator(
        [](std::string& value) {
            const bool digits =
                !value.empty() && std::all_of(value.begin(), value.end(),
                                              [](char c) { return c >= '0' && c <= '9'; });
            if (!digits) {
                return "not decimal digits: " + value;
            }
            value.erase(0, std::min(value.find_first_not_of('0'), value.size() - 1));
            return std::string();
        },
        "");
}

CLI::Validator sizeInBytes() {
    return CLI::Validator(
        [](std::string& value) {
            int shift = 0;
            if (!value.empty()) {
                switch (value.back()) {
                    case 'K':
                    case 'k':
                        shift = 10;
                        break;
                    case 'M':
                    case 'm':
                        shift = 20;
                        break;
                    case 'G':
                    case 'g':
                        shift = 30;
                        break;
                    default:
                        break;
                }
            }
            std::string digits = shift ? value.substr(0, value.size() - 1) : value;
            if (!decimalDigits()(digits).empty() || digits.size() > 19) {
                return "not a size: " + value;
            }
            const auto number = std::stoull(digits);
            if (number > (std::numeric_limits<std::uint64_t>::max() >> shift)) {
                return "too large a size: " + value;
            }
            value = std::to_string(number << shift);
            return std::string();
        },
        "");
}

}  // namespace undertext::cli
