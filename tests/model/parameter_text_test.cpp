#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "model/parameter_text.h"

TEST(ReadParameterNumber, ReadsPlainDecimals) {
  const struct {
    const char* text;
    float value;
  } cases[] = {
      {"5", 5.0f},           {"   5", 5.0f},   {"+5", 5.0f},        {"-100", -100.0f},
      {"  -2.5e+1", -25.0f}, {"5.", 5.0f},     {".5", 0.5f},        {"1e2", 100.0f},
      {"1.5E-1", 0.15f},     {"007.50", 7.5f}, {"276.33", 276.33f}, {"0.2", 0.2f},
      {"-0", -0.0f},         {"1e-400", 0.0f}, {"0.1", 0.1f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<float> value = ReadParameterNumber(c.text);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, c.value);  // exactly the 4-byte float of the typed decimal
  }
}

TEST(ReadParameterNumber, HugeNumbersAreNumbersNoRangeAccepts) {
  EXPECT_EQ(ReadParameterNumber("1e400"), std::optional<float>(INFINITY));
  EXPECT_EQ(ReadParameterNumber("-1e39"), std::optional<float>(-INFINITY));  // beyond a float
}

TEST(ReadParameterNumber, RefusesAnythingElse) {
  for (const char* text :
       {"",      " ",   "abc", "5 ",  "5a",  "a5",  "1e",  "1e+",  "e5",    ".",   "+",  "-",
        "1.2.3", "--5", "+-5", "5,0", "\t5", "inf", "nan", "0x10", "1 000", "5\r", "- 5"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(ReadParameterNumber(text).has_value());
  }
}

TEST(FormatParameter, TwoDecimalsRightAlignedInSix) {
  const struct {
    float value;
    const char* shown;
  } cases[] = {
      {276.33f, "276.33"}, {1.0f, "  1.00"},    {17.1f, " 17.10"},   {-100.0f, "-100.00"},
      {50.0f, " 50.00"},   {5.0f, "  5.00"},    {0.2f, "  0.20"},    {1000.5f, "1000.50"},
      {0.125f, "  0.13"},  {-0.125f, " -0.13"}, {-0.001f, "  0.00"}, {0.0f, "  0.00"},
      {5.77f, "  5.77"},   {6.21f, "  6.21"},   {152.19f, "152.19"}, {99.995f, "100.00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    EXPECT_EQ(FormatParameter(c.value), c.shown);
  }
}

TEST(FormatParameter, WhatIsShownReadsBackAsTheSameValue) {
  for (const float value : {276.33f, 152.19f, 5.77f, 17.1f, -100.0f, 0.2f, 6.21f}) {
    EXPECT_EQ(ReadParameterNumber(FormatParameter(value)), std::optional<float>(value));
  }
}
