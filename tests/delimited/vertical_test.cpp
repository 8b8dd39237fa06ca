// Both directions between comma-delimited records and the vertical listing, and the
// round trip through them.

#include <gtest/gtest.h>

#include "delimited/comma_to_vertical.h"
#include "delimited/run_support.h"
#include "delimited/vertical_to_comma.h"
#include "test_support.h"

namespace textmill {
namespace {

using test::LogHost;
using test::RunFiles;

struct RunCase {
  const char* name;
  std::string input;
  std::string output;
  std::uint64_t records;
};

std::string case_name(const ::testing::TestParamInfo<RunCase>& info) {
  return info.param.name;
}

// ---- Vertical to comma ----

class VerticalCases : public ::testing::TestWithParam<RunCase> {};

TEST_P(VerticalCases, GroupsLinesIntoRecords) {
  RunFiles f(GetParam().input);
  LogHost host;
  VerticalToComma method;
  const RunResult r = run_lines(f.src, f.dst, method, host);
  EXPECT_EQ(r.end, RunEnd::Exhausted);
  EXPECT_EQ(r.records, GetParam().records);
  EXPECT_EQ(f.out(), GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, VerticalCases,
    ::testing::Values(
        RunCase{"TwoGroups", "a\r\nb\r\n\r\nc\r\nd\r\n\r\n", "\"a\",\"b\"\r\n\"c\",\"d\"\r\n", 2},
        RunCase{"LastGroupWithoutEmptyLine", "a\r\n\r\nb\r\nc", "\"a\"\r\n\"b\",\"c\"\r\n", 2},
        RunCase{"EmptyLinesNeverMakeRecords", "\r\n\r\na\r\n\r\n\r\n\r\nb\r\n\r\n\r\n",
                "\"a\"\r\n\"b\"\r\n", 2},
        RunCase{"OnlyEmptyLines", "\r\n\r\n\r\n", "", 0}, RunCase{"EmptySource", "", "", 0},
        RunCase{"ALineOfSpacesIsAField", "  \r\nx\r\n \r\n", "\"  \",\"x\",\" \"\r\n", 1},
        RunCase{"LinesAreNotTrimmed", "Smith, John\r\n 42 \r\n", "\"Smith, John\",\" 42 \"\r\n", 1},
        RunCase{"QuotesPassThrough", "say \"hi\"\r\n\"", "\"say \"hi\"\",\"\"\"\r\n", 1},
        RunCase{"LoneCrEndsLinesAndLoneLfIsData", "a\rb\n\r\rc", "\"a\",\"b\n\"\r\n\"c\"\r\n", 2}),
    case_name);

// Stopping ends at a record boundary: the group being gathered is not written.
TEST(VerticalToComma, ConfirmedStopLeavesTheOpenGroupOut) {
  RunFiles f("a\r\n\r\nb\r\nc\r\nd\r\n");
  LogHost host;
  host.stop_after = 3;
  host.answers = {true};
  VerticalToComma method;
  const RunResult r = run_lines(f.src, f.dst, method, host);
  EXPECT_EQ(r.end, RunEnd::Stopped);
  EXPECT_EQ(r.records, 1u);
  EXPECT_EQ(f.out(), "\"a\"\r\n");
}

// ---- Comma to vertical ----

struct BlockCase {
  const char* name;
  std::string line;
  std::string plain;       // the block without compress
  std::string compressed;  // the block with compress
};

class BlockCases : public ::testing::TestWithParam<BlockCase> {};

TEST_P(BlockCases, OneLinesBlock) {
  std::string block = "left over";
  EXPECT_EQ(vertical_block(GetParam().line, nullptr, false, nullptr, 0, block), RunEnd::Exhausted);
  EXPECT_EQ(block, GetParam().plain);
  EXPECT_EQ(vertical_block(GetParam().line, nullptr, true, nullptr, 0, block), RunEnd::Exhausted);
  EXPECT_EQ(block, GetParam().compressed);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BlockCases,
    ::testing::Values(
        BlockCase{"ThreeFields", "a,b,c", "a\r\nb\r\nc\r\n", "a\r\nb\r\nc\r\n"},
        BlockCase{"QuotedFieldWithComma", "\"Smith, John\",42", "Smith, John\r\n42\r\n",
                  "Smith, John\r\n42\r\n"},
        BlockCase{"EmptyMiddleField", "a,,c", "a\r\n\r\nc\r\n", "a\r\nc\r\n"},
        BlockCase{"QuotedEmptyField", "\"\",b", "\r\nb\r\n", "b\r\n"},
        BlockCase{"AllFieldsEmpty", ",,", "\r\n\r\n", ""},
        BlockCase{"OneQuotedEmptyField", "\"\"", "\r\n", ""},
        BlockCase{"TrailingCommaAddsNoField", "a,b,", "a\r\nb\r\n", "a\r\nb\r\n"},
        BlockCase{"LineIsTrimmedFieldsAreNot", "  a , b  ", "a \r\n b\r\n", "a \r\n b\r\n"},
        BlockCase{"TabsAreNotTrimmed", "\ta\t", "\ta\t\r\n", "\ta\t\r\n"},
        BlockCase{"QuoteInsideQuotedField", "\"a\"b\",c", "a\"b\r\nc\r\n", "a\"b\r\nc\r\n"},
        BlockCase{"ALineOfSpaces", "    ", "", ""}, BlockCase{"EmptyLine", "", "", ""}),
    [](const ::testing::TestParamInfo<BlockCase>& info) { return std::string(info.param.name); });

struct CommaRunCase {
  const char* name;
  bool compress;
  std::string input;
  std::string output;
  std::uint64_t records;
};

class CommaRunCases : public ::testing::TestWithParam<CommaRunCase> {};

TEST_P(CommaRunCases, WritesOneBlockPerRecord) {
  RunFiles f(GetParam().input);
  LogHost host;
  const RunResult r = run_comma_to_vertical(f.src, f.dst, GetParam().compress, host);
  EXPECT_EQ(r.end, RunEnd::Exhausted);
  EXPECT_FALSE(r.last_error.has_value());
  EXPECT_EQ(r.records, GetParam().records);
  EXPECT_EQ(f.out(), GetParam().output);
  EXPECT_FALSE(f.dst.is_open());
}

INSTANTIATE_TEST_SUITE_P(
    Runs, CommaRunCases,
    ::testing::Values(CommaRunCase{"Plain", false, "a,b\r\n\r\n   \r\n,,\r\n\"x, y\",,z",
                                   "a\r\nb\r\n\r\n\r\n\r\n\r\nx, y\r\n\r\nz\r\n\r\n", 3},
                      CommaRunCase{"Compressed", true, "a,b\r\n\r\n   \r\n,,\r\n\"x, y\",,z",
                                   "a\r\nb\r\n\r\nx, y\r\nz\r\n\r\n", 2},
                      // A quoted field open at the end of a line takes in the next lines; they are
                      // not records of their own.
                      CommaRunCase{"LineJoin", false, "\"one\r\ntwo\r\nthree\",x\r\ny",
                                   "one\r\ntwo\r\nthree\r\nx\r\n\r\ny\r\n\r\n", 2},
                      CommaRunCase{"SourceEndsInsideAQuotedField", false, "a,\"open\r\nstill",
                                   "a\r\nopen\r\nstill\r\n\r\n", 1}),
    [](const ::testing::TestParamInfo<CommaRunCase>& info) {
      return std::string(info.param.name);
    });

// The host is asked before every field and told after it, with the blocks written so
// far; lines that give no field (empty, blanks only) give no call at all.
TEST(CommaToVertical, HostGetsATurnAroundEveryField) {
  RunFiles f("a,b\r\n\r\n   \r\nc");
  LogHost host;
  const RunResult r = run_comma_to_vertical(f.src, f.dst, false, host);
  EXPECT_EQ(r.records, 2u);
  EXPECT_EQ(host.calls, "aspaspasp");
  EXPECT_EQ(host.counts, (std::vector<std::uint64_t>{0, 0, 1}));
}

struct StopCase {
  const char* name;
  std::size_t stop_after;  // progress calls (fields) before Stop is pressed
  std::size_t abandon_after;
  std::vector<bool> answers;
  RunEnd end;
  std::string output;
  std::uint64_t records;
};

class CommaStopCases : public ::testing::TestWithParam<StopCase> {};

// A stop inside a record leaves that record's block out entirely.
TEST_P(CommaStopCases, EndsBeforeTheFieldAndDropsTheOpenBlock) {
  RunFiles f("a,b,c\r\nd,e\r\nf");
  LogHost host;
  host.stop_after = GetParam().stop_after;
  host.abandon_after = GetParam().abandon_after;
  host.answers = GetParam().answers;
  const RunResult r = run_comma_to_vertical(f.src, f.dst, false, host);
  EXPECT_EQ(r.end, GetParam().end);
  EXPECT_EQ(r.records, GetParam().records);
  EXPECT_EQ(f.out(), GetParam().output);
  EXPECT_FALSE(f.dst.is_open());
}

INSTANTIATE_TEST_SUITE_P(
    Stops, CommaStopCases,
    ::testing::Values(
        StopCase{"YesInsideTheFirstRecord", 1, 0, {true}, RunEnd::Stopped, "", 0},
        StopCase{
            "NoThenYes", 1, 0, {false, false, true}, RunEnd::Stopped, "a\r\nb\r\nc\r\n\r\n", 1},
        StopCase{"YesAtTheStartOfARecord",
                 5,
                 0,
                 {true},
                 RunEnd::Stopped,
                 "a\r\nb\r\nc\r\n\r\nd\r\ne\r\n\r\n",
                 2},
        StopCase{"NoToTheEnd", 1, 0, std::vector<bool>(5, false), RunEnd::Exhausted,
                 "a\r\nb\r\nc\r\n\r\nd\r\ne\r\n\r\nf\r\n\r\n", 3},
        StopCase{"Abandoned", 0, 4, {}, RunEnd::Abandoned, "a\r\nb\r\nc\r\n\r\n", 1}),
    [](const ::testing::TestParamInfo<StopCase>& info) { return std::string(info.param.name); });

// Writing on after a failure: every line is still read, the failure is reported.
TEST(CommaToVertical, FailingWritesAreReported) {
  test::TempDir dir;
  test::write_file(dir.file("in"), "a,b\r\nc\r\nd\r\n");
  LineReader src;
  OutputFile dst(4);
  ASSERT_TRUE(src.open(dir.file("in")));
  ASSERT_TRUE(dst.open_append("/dev/full"));
  LogHost host;
  const RunResult r = run_comma_to_vertical(src, dst, false, host);
  EXPECT_EQ(r.lines, 3u);
  ASSERT_TRUE(r.last_error.has_value());
  EXPECT_EQ(r.last_error->description(), "No space left on device");
}

// ---- Both directions ----

// Every byte value but CR (a line end) survives both directions. The first field is
// quoted, so it may hold commas; it holds no quote-comma pair, as the bytes are in
// order. The second is bare, so it leaves out the comma, which would end it.
TEST(Vertical, AllByteValuesSurviveBothDirections) {
  const std::string bytes = test::without(test::all_bytes(), "\r");
  const std::string bare = test::without(bytes, ",");
  RunFiles comma("\"" + bytes + "\"," + bare);
  LogHost host;
  EXPECT_EQ(run_comma_to_vertical(comma.src, comma.dst, true, host).records, 1u);
  EXPECT_EQ(comma.out(), bytes + "\r\n" + bare + "\r\n\r\n");

  RunFiles vertical(bytes + "\r\n" + bare);
  VerticalToComma method;
  EXPECT_EQ(run_lines(vertical.src, vertical.dst, method, host).records, 1u);
  EXPECT_EQ(vertical.out(), "\"" + bytes + "\",\"" + bare + "\"\r\n");
}

// Records without empty fields come back from the listing as quoted text, whatever
// the source's quoting was. An empty source line is no record in either direction.
TEST(Vertical, CommaToVerticalAndBackGivesTheRecords) {
  const std::string bytes = test::without(test::all_bytes(), "\r");
  const struct {
    std::string source;
    std::string record;
  } records[] = {
      {"a,b,c", R"("a","b","c")"},
      {"\"Smith, John\",42", R"("Smith, John","42")"},
      {"one", R"("one")"},
      {"", ""},
      {"  a , b  ", R"("a "," b")"},
      {R"(" lead","trail ","  ")", R"(" lead","trail ","  ")"},
      {R"("say "hi" now",x"y)", R"("say "hi" now","x"y")"},
      {"\"x\ny\",\"z\"\"", "\"x\ny\",\"z\"\""},
      {"\"" + bytes + "\",end", "\"" + bytes + "\",\"end\""},
  };
  std::string source;
  std::string expected;
  std::uint64_t count = 0;
  for (const auto& r : records) {
    source += r.source + "\r\n";
    if (!r.record.empty()) {
      expected += r.record + "\r\n";
      ++count;
    }
  }
  RunFiles there(source);
  LogHost host;
  const RunResult down = run_comma_to_vertical(there.src, there.dst, false, host);
  EXPECT_EQ(down.records, count);
  RunFiles back(there.out(), 5, 11);
  VerticalToComma method;
  const RunResult up = run_lines(back.src, back.dst, method, host);
  EXPECT_EQ(up.records, count);
  EXPECT_EQ(back.out(), expected);
}

}  // namespace
}  // namespace textmill
