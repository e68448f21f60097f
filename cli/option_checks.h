#pragma once

#include <CLI/CLI.hpp>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace undertext::cli {

// A value an option refuses. Thrown while the command line is parsed, so that the
// user reads the option's own message rather than CLI11's wording.
class RefusedValue : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A check that throws RefusedValue(message) for a value that check refuses. It
// looks only at the last value given, the one that counts, and adds nothing to
// the help.
CLI::Validator refusing(const CLI::Validator& check, std::string message);

// Accepts any value but the empty one.
CLI::Validator nonEmpty();

// Accepts decimal digits only and drops leading zeros, so that CLI11, which would
// also read signs, blanks and hex or octal numbers, reads the number in base ten.
CLI::Validator decimalDigits();

// A size in bytes: decimal digits, optionally followed by K, M or G (either case)
// for kibibytes, mebibytes or gibibytes. Modifies the value into plain bytes:
// declare it with transform().
CLI::Validator sizeInBytes();

// A whole number from min to max, written in decimal digits. Modifies the value:
// declare it with transform().
template <typename Number>
CLI::Validator wholeNumberIn(Number min, Number max) {
    return decimalDigits() & CLI::Range(min, max);
}

// Accepts one of the names of choices and turns it into its value, which CLI11
// then reads as the option's type (an enumeration by its number).
template <typename Value>
CLI::Validator oneOf(const std::vector<std::pair<std::string, Value>>& choices,
                     std::string message) {
    std::vector<std::string> names;
    for (const auto& choice : choices) {
        names.push_back(choice.first);
    }
    return (refusing(CLI::IsMember(names), std::move(message)) & CLI::Transformer(choices))
        .description("");
}

}  // namespace undertext::cli
