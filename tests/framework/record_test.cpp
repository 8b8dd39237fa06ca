#include "framework/record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace textmill {
namespace {

struct Got {
  std::string text;
  bool quoted;
  bool operator==(const Got&) const = default;
};

void PrintTo(const Got& g, std::ostream* os) {
  *os << (g.quoted ? "Q[" : "U[") << g.text << "]";
}

std::vector<Got> split(std::string_view record, LineSource* joins) {
  FieldSplitter s(record, joins);
  std::vector<Got> out;
  Field f;
  while (s.next(f)) out.push_back({std::string(f.text), f.quoted});
  return out;
}

struct SplitCase {
  const char* name;
  std::string record;
  std::vector<std::string> next_lines;
  std::vector<Got> fields;
  std::size_t lines_left = 0;  // lines the joins did not use
};

class SplitterCases : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitterCases, GivesTheFields) {
  const SplitCase& c = GetParam();
  MemoryLines lines(c.next_lines);
  EXPECT_EQ(split(c.record, &lines), c.fields);
  EXPECT_EQ(lines.left(), c.lines_left);
}

const Got U(const char* t) {
  return {t, false};
}
const Got Q(const char* t) {
  return {t, true};
}

INSTANTIATE_TEST_SUITE_P(
    Splitter, SplitterCases,
    ::testing::Values(
        SplitCase{"Plain", "abc", {}, {U("abc")}}, SplitCase{"Quoted", "\"abc\"", {}, {Q("abc")}},
        SplitCase{"EmptyQuoted", "\"\"", {}, {Q("")}}, SplitCase{"EmptyRecord", "", {}, {}},
        SplitCase{"CommaInsideQuotes", "\"a,b\",c", {}, {Q("a,b"), U("c")}},
        SplitCase{"QuotedThenPlain", "\"a\",b", {}, {Q("a"), U("b")}},
        SplitCase{"NameWithComma", "\"Smith, John\",42", {}, {Q("Smith, John"), U("42")}},
        SplitCase{"InnerQuotesKept", "\"say \"\"hi\"\"\"", {}, {Q("say \"\"hi\"\"")}},
        SplitCase{"LeadingBlankIsUnquoted", "\"a\", \"b\"", {}, {Q("a"), U(" \"b\"")}},
        SplitCase{"BlankBelongsToField", "a, b", {}, {U("a"), U(" b")}},
        SplitCase{"TrailingCommaAddsNoField", "a,b,", {}, {U("a"), U("b")}},
        SplitCase{"QuotedTrailingComma", "\"a\",", {}, {Q("a")}},
        SplitCase{"EmptyInside", "a,,b", {}, {U("a"), U(""), U("b")}},
        SplitCase{"TwoEmptyQuoted", "\"\",\"\"", {}, {Q(""), Q("")}},
        SplitCase{"QuoteNotBeforeComma", "\"a\"b,\"c\"", {}, {Q("a\"b,\"c")}},
        SplitCase{"OnlyComma", ",", {}, {U("")}}, SplitCase{"Commas", ",,", {}, {U(""), U("")}},
        SplitCase{"QuoteInUnquoted", "a\"b,c", {}, {U("a\"b"), U("c")}},
        SplitCase{"JoinOnce", "\"first", {"second\",x"}, {Q("first\r\nsecond"), U("x")}},
        SplitCase{"JoinTwice", "1,\"a", {"b", "c\""}, {U("1"), Q("a\r\nb\r\nc")}},
        SplitCase{"JoinEmptyLine", "\"a", {"", "\""}, {Q("a\r\n\r\n")}},
        SplitCase{"LoneQuoteJoins", "\"", {"x\""}, {Q("\r\nx")}},
        SplitCase{"LoneQuoteAfterComma", "a,\"", {"\",b"}, {U("a"), Q("\r\n"), U("b")}},
        SplitCase{"JoinUsesOnlyWhatItNeeds", "\"a", {"b\"", "later"}, {Q("a\r\nb")}, 1},
        SplitCase{"SourceEndsInsideField", "x,\"open", {"more"}, {U("x"), Q("open\r\nmore")}},
        SplitCase{"SourceEndsAtOnce", "\"open", {}, {Q("open")}},
        SplitCase{"LoneQuoteAtEnd", "\"", {}, {Q("")}},
        SplitCase{"JoinedClosingNotBeforeComma", "\"a", {"b\"c"}, {Q("a\r\nb\"c")}}),
    [](const ::testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

TEST(FieldSplitter, WithoutSourceAnOpenFieldEndsTheRecord) {
  EXPECT_EQ(split("a,\"b,c", nullptr), (std::vector<Got>{U("a"), Q("b,c")}));
}

// Quoted text fields without the closing sequence inside them come back as written.
TEST(FieldSplitter, WriteThenSplitGivesTheFieldsBack) {
  const std::vector<std::vector<std::string>> records = {{"x", "", "y z"},
                                                         {"a b", "c\"d", "e,f"},
                                                         {""},
                                                         {"\"", "\"\""},
                                                         {std::string(1, '\0'), "\xff"}};
  for (const auto& fields : records) {
    RecordBuilder b;
    for (const auto& f : fields) b.add_text(f);
    std::vector<Got> want;
    for (const auto& f : fields) want.push_back({f, true});
    EXPECT_EQ(split(b.str(), nullptr), want) << b.str();
  }
}

// A long quoted field over many lines is joined in linear time: 20000 joins of 100
// bytes would take minutes if each join copied or searched the whole field again.
TEST(FieldSplitter, ManyJoinsStayLinear) {
  std::vector<std::string> lines(20000, std::string(100, 'q'));
  lines.back() += "\",tail";
  MemoryLines src(lines);
  FieldSplitter s("head,\"start", &src);
  Field f;
  ASSERT_TRUE(s.next(f));
  EXPECT_EQ(f.text, "head");
  ASSERT_TRUE(s.next(f));
  EXPECT_EQ(f.text.size(), 5 + 20000 * 102u);
  ASSERT_TRUE(s.next(f));
  EXPECT_EQ(f.text, "tail");
  EXPECT_FALSE(s.next(f));
  EXPECT_EQ(s.joins(), 20000u);
}

TEST(RecordBuilder, WritesTextAndNumericFields) {
  RecordBuilder b;
  EXPECT_EQ(b.str(), "");
  b.add_text("x");
  b.add_text("");
  b.add_text("y z");
  EXPECT_EQ(b.str(), "\"x\",\"\",\"y z\"");
  b.clear();
  b.add_numeric("12.5");
  b.add_text("a,\"b\"");
  b.add_numeric("");
  EXPECT_EQ(b.str(), "12.5,\"a,\"b\"\",");
  EXPECT_EQ(b.field_count(), 3u);
}

}  // namespace
}  // namespace textmill
