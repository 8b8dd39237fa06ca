#include "framework/number_value.h"

#include <gtest/gtest.h>

#include <cmath>

namespace textmill {
namespace {

struct NumberCase {
  const char* text;
  double value;
};

class NumberValueCases : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberValueCases, ReadsAsFarAsItGoes) {
  EXPECT_DOUBLE_EQ(number_value(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberValueCases,
    ::testing::Values(NumberCase{"42", 42}, NumberCase{"", 0}, NumberCase{"abc", 0},
                      NumberCase{"12abc", 12}, NumberCase{"  7  ", 7}, NumberCase{"1 2 3", 123},
                      NumberCase{"\t1\n0", 10}, NumberCase{"-3.5", -3.5}, NumberCase{"+4", 4},
                      NumberCase{"- 5", -5}, NumberCase{".25", 0.25}, NumberCase{"5.", 5},
                      NumberCase{"1.2.3", 1.2}, NumberCase{"--5", 0}, NumberCase{"-", 0},
                      NumberCase{".", 0}, NumberCase{"1,000", 1}, NumberCase{"3e2", 3},
                      NumberCase{"0x1F", 0}, NumberCase{"007", 7}, NumberCase{"\r5", 0},
                      NumberCase{"2.5x", 2.5}));

TEST(NumberValue, HugeDigitStringsDoNotCollapseToZero) {
  EXPECT_TRUE(std::isinf(number_value(std::string(400, '9'))));
  EXPECT_DOUBLE_EQ(number_value("0." + std::string(400, '0') + "1"), 0.0);
}

}  // namespace
}  // namespace textmill
