#include "delimited/combine_records.h"

#include <gtest/gtest.h>

#include <vector>

#include "delimited/run_support.h"
#include "test_support.h"

namespace textmill {
namespace {

using test::LogHost;
using test::RunFiles;

TEST(GroupSizeOf, ANumberOfAtLeastOne) {
  const struct {
    const char* text;
    std::optional<std::uint64_t> size;
  } cases[] = {
      {"2", 2},
      {" 2", 2},
      {"\t4\n", 4},
      {"2.7", 2},
      {"5.", 5},
      {"+3", 3},
      {"1 2", 12},  // blanks are ignored anywhere, as in every number box
      {"1", 1},
      {"abc", std::nullopt},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"0", std::nullopt},
      {"0.9", std::nullopt},
      {".5", std::nullopt},
      {"-2", std::nullopt},
      {"3 lines", std::nullopt},
      {"2.7.1", std::nullopt},
      {"1e3", std::nullopt},
      {"+", std::nullopt},
      {"2+", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(group_size_of(c.text), c.size) << '"' << c.text << '"';
  // Beyond any file's lines, but a size all the same.
  const auto huge = group_size_of(std::string(400, '9'));
  ASSERT_TRUE(huge.has_value());
  EXPECT_GE(*huge, std::uint64_t{1} << 62);
}

struct CombineCase {
  const char* name;
  std::vector<std::uint64_t> sizes;  // per group; the last one repeats
  std::string input;
  std::string output;
  std::uint64_t records;
  std::size_t asked;  // times the group size was asked for
};

class CombineCases : public ::testing::TestWithParam<CombineCase> {};

TEST_P(CombineCases, JoinsGroupsOfLines) {
  RunFiles f(GetParam().input);
  LogHost host;
  std::size_t asked = 0;
  const auto& sizes = GetParam().sizes;
  const RunResult r = run_combine_records(
      f.src, f.dst, [&] { return sizes[std::min(asked++, sizes.size() - 1)]; }, host);
  EXPECT_EQ(r.end, RunEnd::Exhausted);
  EXPECT_FALSE(r.last_error.has_value());
  EXPECT_EQ(r.records, GetParam().records);
  EXPECT_EQ(asked, GetParam().asked);
  EXPECT_EQ(f.out(), GetParam().output);
  EXPECT_FALSE(f.dst.is_open());
}

INSTANTIATE_TEST_SUITE_P(
    Runs, CombineCases,
    ::testing::Values(
        CombineCase{"IncompleteLastGroupIsWrittenNotCounted",
                    {2},
                    "a\r\nb\r\nc\r\nd\r\ne",
                    "a,b\r\nc,d\r\ne\r\n",
                    2,
                    3},
        CombineCase{"EndAtAGroupBoundaryWritesAnEmptyLine",
                    {2},
                    "a\r\nb\r\nc\r\nd\r\n",
                    "a,b\r\nc,d\r\n\r\n",
                    2,
                    3},
        CombineCase{"EmptySource", {2}, "", "\r\n", 0, 1},
        CombineCase{"OneIsACopy", {1}, "a\r\n\"b\",c\r\n", "a\r\n\"b\",c\r\n\r\n", 2, 3},
        CombineCase{"EmptyLinesAreLinesToo", {3}, "a\r\n\r\nb", "a,,b\r\n\r\n", 1, 2},
        CombineCase{
            "LinesAreJoinedAsTheyAre", {2}, " \"x\", y \r\nz,", " \"x\", y ,z,\r\n\r\n", 1, 2},
        CombineCase{"SizeAskedAfreshForEveryGroup",
                    {1, 2, 3},
                    "a\rb\rc\rd\re\rf\rg",
                    "a\r\nb,c\r\nd,e,f\r\ng\r\n",
                    3,
                    4},
        CombineCase{"ZeroCountsAsOne", {0}, "a\r\nb", "a\r\nb\r\n\r\n", 2, 3},
        CombineCase{"GroupLargerThanTheSource", {1000}, "a\r\nb\r\nc", "a,b,c\r\n", 0, 1}),
    [](const ::testing::TestParamInfo<CombineCase>& info) { return std::string(info.param.name); });

struct StopCase {
  const char* name;
  std::size_t stop_after;
  std::size_t abandon_after;
  std::vector<bool> answers;
  RunEnd end;
  std::string output;
};

class CombineStopCases : public ::testing::TestWithParam<StopCase> {};

// Stop and close are seen after each group, never inside one.
TEST_P(CombineStopCases, EndsAfterTheCurrentGroup) {
  RunFiles f("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng");
  LogHost host;
  host.stop_after = GetParam().stop_after;
  host.abandon_after = GetParam().abandon_after;
  host.answers = GetParam().answers;
  const RunResult r = run_combine_records(
      f.src, f.dst, [] { return 2; }, host);
  EXPECT_EQ(r.end, GetParam().end);
  EXPECT_EQ(f.out(), GetParam().output);
  EXPECT_EQ(host.counts.size(), r.records + (r.end == RunEnd::Exhausted ? 1 : 0));
}

INSTANTIATE_TEST_SUITE_P(
    Stops, CombineStopCases,
    ::testing::Values(StopCase{"Yes", 1, 0, {true}, RunEnd::Stopped, "a,b\r\n"},
                      StopCase{"NoThenYes", 1, 0, {false, true}, RunEnd::Stopped, "a,b\r\nc,d\r\n"},
                      StopCase{"NoToTheEnd",
                               1,
                               0,
                               {false, false, false},
                               RunEnd::Exhausted,
                               "a,b\r\nc,d\r\ne,f\r\ng\r\n"},
                      StopCase{"Abandoned", 0, 2, {}, RunEnd::Abandoned, "a,b\r\nc,d\r\n"}),
    [](const ::testing::TestParamInfo<StopCase>& info) { return std::string(info.param.name); });

// The first failing write ends the run: a large source is left mostly unread.
TEST(CombineRecords, WriteFailureEndsTheRunAtOnce) {
  test::TempDir dir;
  constexpr std::uint64_t kLines = 200000;
  std::string input;
  for (std::uint64_t i = 0; i < kLines; ++i) input += "line " + std::to_string(i) + "\r\n";
  test::write_file(dir.file("in"), input);
  LineReader src(4096);
  OutputFile dst(64);
  ASSERT_TRUE(src.open(dir.file("in")));
  ASSERT_TRUE(dst.open_append("/dev/full"));
  LogHost host;
  const RunResult r = run_combine_records(
      src, dst, [] { return 1; }, host);
  ASSERT_TRUE(r.last_error.has_value());
  EXPECT_EQ(r.last_error->description(), "No space left on device");
  EXPECT_LT(r.lines, 1000u);
  EXPECT_FALSE(dst.is_open());
}

// Lines are copied byte for byte: every value but CR, which ends a line.
TEST(CombineRecords, AllByteValuesSurviveARun) {
  const std::string bytes = test::without(test::all_bytes(), "\r");
  RunFiles f(bytes + "\r\n" + bytes + "\r\n" + bytes);
  LogHost host;
  const RunResult r = run_combine_records(
      f.src, f.dst, [] { return 2; }, host);
  EXPECT_EQ(r.records, 1u);
  EXPECT_EQ(f.out(), bytes + "," + bytes + "\r\n" + bytes + "\r\n");
}

}  // namespace
}  // namespace textmill
