#include "common/core/messages/message_pattern.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace undertext {
namespace {

using Values = std::vector<std::string>;

TEST(MessagePattern, FillsEachPlaceholderOnceWithItsValue) {
    const struct {
        const char* pattern;
        Values values;
        const char* expected;
    } cases[] = {
        {"Файл \"%1\" не найден.", {"a.txt"}, "Файл \"a.txt\" не найден."},
        {"%2 из %1", {"10", "3"}, "3 из 10"},
        {"%1 и %2", {"%2", "x"}, "%2 и x"},  // a value is never read again
        {"без значений", {}, "без значений"},
        {"%1 и %2", {"a"}, "a и %2"},  // a placeholder without a value stays
        {"100% и %0 и %", {"x"}, "100% и %0 и %"},
        {"%1%1", {"ab"}, "abab"},
    };
    for (const auto& [pattern, values, expected] : cases) {
        EXPECT_EQ(fillIn(pattern, values), expected) << pattern;
    }
}

TEST(MessagePattern, FindsTheValuesThatMakeTheMessage) {
    const struct {
        const char* pattern;
        const char* message;
        std::optional<Values> expected;
    } cases[] = {
        {"Это папка.", "Это папка.", Values{}},
        {"Это папка.", "Это папка", std::nullopt},
        {"Файл \"%1\". %2", "Файл \"/a b/c\". Нет прав доступа.",
         Values{"/a b/c", "Нет прав доступа."}},
        // The earlier placeholder takes the shortest text that lets the rest match.
        {"Файл \"%1\". %2", "Файл \"a\". b\". c", Values{"a", "b\". c"}},
        {"%2 из %1", "3 из 10", Values{"10", "3"}},
        {"У вас нет%1 символов", "У вас нет   5 символов", Values{"   5"}},
        {"%1 КБ", " КБ", Values{""}},
        {"%1 КБ", "12,5 МБ", std::nullopt},
        {"Файл \"%1\".", "Другой \"a\".", std::nullopt},
        {"100% готово", "100% готово", Values{}},
    };
    for (const auto& [pattern, message, expected] : cases) {
        const auto values = matchPattern(pattern, message);
        EXPECT_EQ(values, expected) << pattern << " / " << message;
        if (values) {
            EXPECT_EQ(fillIn(pattern, *values), message) << pattern;
        }
    }
}

}  // namespace
}  // namespace undertext
