#pragma once
// Pins the decimal separator for one test and gives the previous one back.
#include <gtest/gtest.h>

#include "platform/TextConversion.h"

class PinnedSeparator : public ::testing::Test {
protected:
    void SetUp() override { saved_ = platform::DecimalSeparator(); }
    void TearDown() override { platform::SetDecimalSeparator(saved_); }
    static void Use(char separator) { platform::SetDecimalSeparator(separator); }

private:
    char saved_ = ',';
};
