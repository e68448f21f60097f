#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace undertext::testing {

// The bytes of a file of the tests' data folder (tests/data, which every test
// program is told as UNDERTEXT_TEST_DATA), exactly as stored: expected reports
// keep their Windows-1251 bytes and CR LF line ends.
inline std::string testData(std::string_view relativePath) {
    const auto path = std::filesystem::path(UNDERTEXT_TEST_DATA) / relativePath;
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.is_open()) << "no test data " << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace undertext::testing
