#include <gtest/gtest.h>

#include <optional>

#include "config/EConvertError.h"
#include "config/IntegerRule.h"

namespace vantrel {
namespace {

struct IntegerCase {
  const char* text;
  std::optional<std::int32_t> expected;
};

constexpr IntegerCase kCases[] = {
    {"0", 0},
    {"16", 16},
    {"   16", 16},
    {"+16", 16},
    {"-300", -300},
    {"007", 7},
    {"2147483647", 2147483647},
    {"-2147483648", -2147483647 - 1},
    {"$10", 16},
    {"x10", 16},
    {"X10", 16},
    {"0x10", 16},
    {"0X1f", 31},
    {"$FFFFFFFF", -1},
    {"$7fffffff", 2147483647},
    {"-$10", 16},  // a sign has no effect on a hexadecimal number
    {"$0000000A", 10},
    {"$00000000F", 15},  // leading zeros are not significant digits
    // failures
    {"", std::nullopt},
    {" ", std::nullopt},
    {"16 ", std::nullopt},
    {"16pt", std::nullopt},
    {"1.5", std::nullopt},
    {"1e2", std::nullopt},
    {"16.", std::nullopt},
    {"2147483648", std::nullopt},
    {"-2147483649", std::nullopt},
    {"99999999999999999999", std::nullopt},
    {"-", std::nullopt},
    {"+", std::nullopt},
    {"--1", std::nullopt},
    {"+-1", std::nullopt},
    {"$", std::nullopt},
    {"0x", std::nullopt},
    {"$1FFFFFFFF", std::nullopt},  // nine significant digits
    {"$G", std::nullopt},
    {"0x1g", std::nullopt},
    {"\t1", std::nullopt},  // only code 32 counts as a blank
    {"White", std::nullopt},
};

TEST(IntegerRule, ParsesOrRejectsEveryKindOfText) {
  for (const IntegerCase& c : kCases) {
    EXPECT_EQ(TryParseInteger(c.text), c.expected) << "text: '" << c.text << "'";
  }
}

TEST(IntegerRule, FailureCarriesTheQuotedText) {
  try {
    ParseInteger("12px");
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'12px' は整数ではありません");
  }
  EXPECT_THROW(ParseInteger(""), EConvertError);
  EXPECT_EQ(NotAnIntegerMessage(""), "'' は整数ではありません");
}

}  // namespace
}  // namespace vantrel
