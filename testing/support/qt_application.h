#pragma once

#include <gtest/gtest.h>

#include <QApplication>

namespace undertext::testing {

// A QApplication for the whole test program, made before the first test and
// removed after the last. Including this header in any test file is enough.
class QtApplicationEnvironment final : public ::testing::Environment {
  public:
    void SetUp() override { app_ = new QApplication(argc_, argv_); }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

  private:
    int argc_ = 1;
    char name_[16] = "undertext-test";
    char* argv_[2] = {name_, nullptr};
    QApplication* app_ = nullptr;
};

inline ::testing::Environment* const qtApplicationEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace undertext::testing
