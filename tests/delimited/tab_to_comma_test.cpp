#include "delimited/tab_to_comma.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace textmill {
namespace {

struct TabCase {
  const char* name;
  std::string line;
  std::string record;
};

class TabLineCases : public ::testing::TestWithParam<TabCase> {};

TEST_P(TabLineCases, ConvertsOneLine) {
  std::string out = "left over from the last line";
  tab_line_to_record(GetParam().line, out);
  EXPECT_EQ(out, GetParam().record);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TabLineCases,
    ::testing::Values(TabCase{"ThreeFields", "a\tb\tc", R"("a","b","c")"},
                      TabCase{"NoTab", "hello world", R"("hello world")"},
                      TabCase{"ConsecutiveTabs", "a\t\tb", R"("a","","b")"},
                      TabCase{"LeadingTab", "\ta", R"("","a")"},
                      TabCase{"OneTrailingTabAddsNothing", "a\tb\t", R"("a","b")"},
                      TabCase{"TwoTrailingTabsAddOne", "a\t\t", R"("a","")"},
                      TabCase{"OnlyATab", "\t", R"("")"}, TabCase{"Empty", "", ""},
                      TabCase{"SpacesKept", " a \t b", R"(" a "," b")"},
                      TabCase{"QuotesNotEscaped", "say \"hi\"", R"("say "hi"")"},
                      TabCase{"CommaKept", "1,5\tx", R"("1,5","x")"},
                      TabCase{"LineFeedIsData", "a\nb\tc", "\"a\nb\",\"c\""}),
    [](const ::testing::TestParamInfo<TabCase>& info) { return std::string(info.param.name); });

// Every byte value other than the tab (the separator) and CR (a line end) reaches the
// destination unchanged, whatever the block sizes.
TEST(TabToComma, AllByteValuesSurviveARun) {
  test::TempDir dir;
  std::string bytes;
  for (int i = 0; i < 256; ++i) {
    if (i != '\t' && i != '\r') bytes.push_back(static_cast<char>(i));
  }
  test::write_file(dir.file("in"), bytes + "\t" + bytes + "\r\n" + bytes);
  LineReader src(3);
  OutputFile dst(5);
  ASSERT_TRUE(src.open(dir.file("in")));
  ASSERT_TRUE(dst.open_append(dir.file("out")));
  struct Quiet final : RunHost {
    void progress(std::uint64_t) override {}
    bool stop_requested() override { return false; }
    bool confirm_stop() override { return false; }
  } host;
  TabToComma method;
  RunResult r = run_lines(src, dst, method, host);
  EXPECT_EQ(r.records, 2u);
  EXPECT_FALSE(r.last_error.has_value());
  const std::string q = "\"" + bytes + "\"";
  EXPECT_EQ(test::read_file(dir.file("out")), q + "," + q + "\r\n" + q + "\r\n");
}

}  // namespace
}  // namespace textmill
