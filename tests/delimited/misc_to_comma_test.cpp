#include "delimited/misc_to_comma.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "delimited/run_support.h"
#include "test_support.h"

namespace textmill {
namespace {

using namespace std::string_literals;

// The record as the definition reads: a quote, the line with each occurrence of the
// delimiter (found byte by byte from the left, without overlap) replaced by
// quote-comma-quote, and a quote.
std::string plain_record(std::string_view line, std::string_view delimiter) {
  std::string r = "\"";
  for (std::size_t i = 0; i < line.size();) {
    if (!delimiter.empty() && line.substr(i, delimiter.size()) == delimiter) {
      r += "\",\"";
      i += delimiter.size();
    } else {
      r += line[i++];
    }
  }
  return r + '"';
}

TEST(DelimiterFor, OnlyTheExactWordTabMeansTheTabCharacter) {
  EXPECT_EQ(delimiter_for("Tab"), "\t");
  for (const char* text : {"tab", "TAB", " Tab", "Tab ", "Tabs", "|", "::", "\\", ""}) {
    EXPECT_EQ(delimiter_for(text), text) << text;
  }
}

struct MiscCase {
  const char* name;
  std::string delimiter;
  std::string line;
  std::string record;
};

class MiscLineCases : public ::testing::TestWithParam<MiscCase> {};

TEST_P(MiscLineCases, ConvertsOneLine) {
  std::string out = "left over from the last line";
  misc_line_to_record(GetParam().line, GetParam().delimiter, out);
  EXPECT_EQ(out, GetParam().record);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MiscLineCases,
    ::testing::Values(
        MiscCase{"ThreeFields", "|", "a|b|c", R"("a","b","c")"},
        MiscCase{"EmptyMiddleField", "|", "a||b", R"("a","","b")"},
        MiscCase{"TrailingDelimiterAddsAnEmptyField", "|", "a|b|", R"("a","b","")"},
        MiscCase{"LeadingDelimiterAddsAnEmptyField", "|", "|a", R"("","a")"},
        MiscCase{"OnlyTheDelimiter", "|", "|", R"("","")"},
        MiscCase{"NoDelimiterIsOneField", "|", "a b, c", R"("a b, c")"},
        MiscCase{"EmptyLineIsOneEmptyField", "|", "", R"("")"},
        MiscCase{"EmptyLineWithALongDelimiter", "::", "", R"("")"},
        MiscCase{"QuotesAndCommasPassThrough", ";", R"(say "hi";1,5)", R"("say "hi"","1,5")"},
        MiscCase{"Backslash", "\\", R"(C\D)", R"("C","D")"},
        MiscCase{"TabCharacter", "\t", "a\tb\tTab", "\"a\",\"b\",\"Tab\""},
        MiscCase{"TheTextTabIsCaseSensitive", "tab", "atabbTABc\td", "\"a\",\"bTABc\td\""},
        MiscCase{"TwoBytes", "::", "a::b", R"("a","b")"},
        MiscCase{"NoOverlapFromTheLeft", "::", "a:::b", R"("a",":b")"},
        MiscCase{"TwoAdjacentOccurrences", "::", "a::::b", R"("a","","b")"},
        MiscCase{"RepeatedByteDelimiter", "aa", "aaa", R"("","a")"},
        MiscCase{"PartialDelimiterAtTheEnd", "abc", "xabcyab", R"("x","yab")"},
        MiscCase{"QuoteInDelimiterMatchesSourceOnly", "\"x", "a\"xb\"x", R"("a","b","")"},
        MiscCase{"DelimiterEndingInQuote", "x\"", "ax\"x\"b", R"("a","","b")"},
        MiscCase{"QuoteAsDelimiter", "\"", "a\"b", R"("a","b")"},
        MiscCase{"CommaAsDelimiter", ",", "a,b", R"("a","b")"},
        MiscCase{"LineFeedIsData", "|", "a\nb|c", "\"a\nb\",\"c\""},
        MiscCase{"NulDelimiter", "\0"s, "a\0b"s, R"("a","b")"},
        MiscCase{"HighByteDelimiter", "\xff", "a\xff\xfe", "\"a\",\"\xfe\""},
        MiscCase{"EmptyDelimiterNeverMatches", "", "a|b", R"("a|b")"}),
    [](const ::testing::TestParamInfo<MiscCase>& info) { return std::string(info.param.name); });

// Lines of every length up to a few vector blocks, with separators everywhere, at the
// 16-byte boundaries, and scattered among arbitrary bytes. No CR, so they can also be
// lines of a file.
std::vector<std::string> long_lines(char sep) {
  std::vector<std::string> lines;
  std::mt19937 random(12345);
  auto filler = [&random, sep] {
    char c;
    do {
      c = static_cast<char>(random() & 0xff);
    } while (c == '\r' || c == sep);
    return c;
  };
  for (std::size_t n = 1; n <= 80; ++n) {
    lines.emplace_back(n, sep);
    std::string edges;
    for (std::size_t i = 0; i < n; ++i) {
      edges += (i % 16 == 0 || i % 16 == 15) ? sep : filler();
    }
    lines.push_back(edges);
    for (unsigned one_in : {2u, 5u, 17u}) {
      std::string mixed;
      for (std::size_t i = 0; i < n; ++i) mixed += random() % one_in == 0 ? sep : filler();
      lines.push_back(mixed);
    }
  }
  std::string big;
  for (int i = 0; i < 5000; ++i) big += random() % 3 == 0 ? sep : filler();
  lines.push_back(big);
  return lines;
}

TEST(MiscToComma, OneByteDelimitersAgreeWithThePlainDefinitionOnLongLines) {
  for (char sep : {'|', '\t', '"', ',', '\0', '\x80', '\xff'}) {
    const std::string delimiter(1, sep);
    std::string out;
    for (const std::string& line : long_lines(sep)) {
      misc_line_to_record(line, delimiter, out);
      ASSERT_EQ(out, plain_record(line, delimiter))
          << "separator " << static_cast<int>(static_cast<unsigned char>(sep)) << ", line of "
          << line.size();
    }
  }
}

// Through a file the bytes after a line are the next lines (often separators here),
// not padding, so a block must not pick up separators past the end of its line.
TEST(MiscToComma, RunAgreesWithThePlainDefinition) {
  for (const std::string& delimiter : {"|"s, "\0"s, "::"s, "\"x"s}) {
    std::string input;
    std::string expected;
    for (const std::string& line : long_lines(delimiter[0])) {
      input += line + "\r\n" + delimiter;  // every next line begins with the delimiter
      expected += plain_record(line, delimiter) + "\r\n" +
                  plain_record(delimiter + line, delimiter) + "\r\n";
      input += line + "\r\n";
    }
    test::RunFiles f(input, 7, 64);
    test::LogHost host;
    MiscToComma method(delimiter);
    const RunResult r = run_lines(f.src, f.dst, method, host);
    EXPECT_FALSE(r.last_error.has_value());
    EXPECT_EQ(r.records, 2 * long_lines(delimiter[0]).size());
    EXPECT_TRUE(f.out() == expected) << "delimiter " << delimiter;
  }
}

TEST(MiscToComma, RunWritesAnEmptyFieldForEveryEmptyLine) {
  test::RunFiles f("a|b\r\n\r\n\rc");
  test::LogHost host;
  MiscToComma method(delimiter_for("|"));
  const RunResult r = run_lines(f.src, f.dst, method, host);
  EXPECT_EQ(r.records, 4u);
  EXPECT_EQ(f.out(), "\"a\",\"b\"\r\n\"\"\r\n\"\"\r\n\"c\"\r\n");
}

// Every byte value but CR (which ends the line) comes through unchanged; with a
// two-byte delimiter no byte needs to be left out, with "|" only "|" itself.
TEST(MiscToComma, AllByteValuesSurviveARun) {
  const std::string bytes = test::without(test::all_bytes(), "\r");
  const std::string no_bar = test::without(bytes, "|");
  test::RunFiles f(bytes + "\r\n" + no_bar + "|" + no_bar);
  test::LogHost host;
  MiscToComma method("::");
  ASSERT_EQ(run_lines(f.src, f.dst, method, host).records, 2u);
  test::RunFiles g(no_bar + "|" + no_bar);
  MiscToComma bar("|");
  ASSERT_EQ(run_lines(g.src, g.dst, bar, host).records, 1u);
  EXPECT_EQ(f.out(), "\"" + bytes + "\"\r\n\"" + no_bar + "|" + no_bar + "\"\r\n");
  EXPECT_EQ(g.out(), "\"" + no_bar + "\",\"" + no_bar + "\"\r\n");
}

}  // namespace
}  // namespace textmill
