#include "delimited/html_table.h"

#include <gtest/gtest.h>

#include <vector>

#include "delimited/run_support.h"
#include "test_support.h"

namespace textmill {
namespace {

std::string row(std::string_view cells) {
  return "<TR>\r\n\t" + std::string(cells) + "\r\n</TR>";
}

struct RowCase {
  const char* name;
  std::string record;
  std::vector<std::string> joins;  // the lines after the record
  std::string cells;
  std::size_t joins_left;
};

class RowCases : public ::testing::TestWithParam<RowCase> {};

TEST_P(RowCases, MakesOneRow) {
  MemoryLines more(GetParam().joins);
  std::string out = "left over from the last row";
  html_row(GetParam().record, &more, out);
  EXPECT_EQ(out, row(GetParam().cells));
  EXPECT_EQ(more.left(), GetParam().joins_left);
}

INSTANTIATE_TEST_SUITE_P(
    Records, RowCases,
    ::testing::Values(
        RowCase{"Fields", "a,\"b c\",3", {"next"}, "<TD>a</TD><TD>b c</TD><TD>3</TD>", 1},
        RowCase{"EmptyLineHasNoCells", "", {"next"}, "", 1},
        RowCase{"EmptyField", "a,,b", {}, "<TD>a</TD><TD></TD><TD>b</TD>", 0},
        RowCase{"TrailingCommaAddsNoCell", "a,b,", {}, "<TD>a</TD><TD>b</TD>", 0},
        RowCase{"NoHtmlEscaping", "<b>&amp;</b>,x<y", {}, "<TD><b>&amp;</b></TD><TD>x<y</TD>", 0},
        RowCase{"BlanksKept", " a , b ", {}, "<TD> a </TD><TD> b </TD>", 0},
        RowCase{"QuotedFieldOverTwoLines",
                "\"first",
                {"second\",x", "next"},
                "<TD>first\r\nsecond</TD><TD>x</TD>",
                1},
        RowCase{"QuotedFieldOverThreeLines",
                "a,\"1",
                {"2", "3\""},
                "<TD>a</TD><TD>1\r\n2\r\n3</TD>",
                0},
        RowCase{"SourceEndsInsideTheField", "\"open", {}, "<TD>open</TD>", 0}),
    [](const ::testing::TestParamInfo<RowCase>& info) { return std::string(info.param.name); });

// A joined line belongs to its record's row and is no row of its own, also when the
// lines cross the reader's blocks. Every row is one record.
TEST(HtmlTable, RunWritesOneRowPerRecord) {
  std::string input = "a,\"b c\",3\r\n\"multi\r\nline\",x\r\n\r\n<p>&</p>,";
  std::string expected = row("<TD>a</TD><TD>b c</TD><TD>3</TD>") + "\r\n" +
                         row("<TD>multi\r\nline</TD><TD>x</TD>") + "\r\n" + row("") + "\r\n" +
                         row("<TD><p>&</p></TD>") + "\r\n";
  for (int i = 0; i < 3; ++i) {  // a long quoted field over many joins
    input += "\r\n\"" + std::string(200, 'x');
    for (int j = 0; j < 20; ++j) input += "\r\n" + std::string(37 + j, static_cast<char>('a' + j));
    input += "\",end";
    std::string cell = "<TD>" + std::string(200, 'x');
    for (int j = 0; j < 20; ++j) cell += "\r\n" + std::string(37 + j, static_cast<char>('a' + j));
    expected += row(cell + "</TD><TD>end</TD>") + "\r\n";
  }
  for (std::size_t block : {1u, 3u, 16u, 4096u}) {
    test::RunFiles f(input, block);
    test::LogHost host;
    HtmlTable method;
    const RunResult r = run_lines(f.src, f.dst, method, host);
    EXPECT_EQ(r.records, 7u) << "block " << block;
    EXPECT_EQ(f.out(), expected) << "block " << block;
  }
}

// Every byte value but CR (a line end) reaches the cell; the field is quoted so that
// the comma stays in it, and it holds no quote-comma pair as the bytes are in order.
// A bare second field takes the bytes before the comma.
TEST(HtmlTable, AllByteValuesSurviveARun) {
  const std::string bytes = test::without(test::all_bytes(), "\r");
  const std::string bare = bytes.substr(0, bytes.find(','));
  test::RunFiles f("\"" + bytes + "\"," + bare);
  test::LogHost host;
  HtmlTable method;
  EXPECT_EQ(run_lines(f.src, f.dst, method, host).records, 1u);
  EXPECT_EQ(f.out(), row("<TD>" + bytes + "</TD><TD>" + bare + "</TD>") + "\r\n");
}

}  // namespace
}  // namespace textmill
