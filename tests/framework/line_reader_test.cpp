#include "framework/line_reader.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace textmill {
namespace {

using test::TempDir;
using test::write_file;

struct LinesCase {
  const char* name;
  std::string input;
  std::vector<std::string> lines;
};

std::vector<std::string> read_all(const std::string& path, std::size_t block) {
  LineReader r(block);
  EXPECT_TRUE(r.open(path));
  std::vector<std::string> out;
  std::string_view line;
  while (r.read_line(line)) out.emplace_back(line);
  EXPECT_TRUE(r.at_end());
  EXPECT_FALSE(r.error().has_value());
  return out;
}

class LineReaderCases : public ::testing::TestWithParam<LinesCase> {};

// Every case at every block size, so each terminator lands on a block boundary.
TEST_P(LineReaderCases, SplitsLinesAtEveryBlockSize) {
  const LinesCase& c = GetParam();
  TempDir dir;
  const std::string path = dir.file("in.txt");
  write_file(path, c.input);
  for (std::size_t block : {1, 2, 3, 7, 64, 1 << 20}) {
    EXPECT_EQ(read_all(path, block), c.lines) << "block " << block;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineReaderCases,
    ::testing::Values(LinesCase{"Empty", "", {}}, LinesCase{"CrLf", "ab\r\ncd\r\n", {"ab", "cd"}},
                      LinesCase{"LoneCr", "ab\rcd\r", {"ab", "cd"}},
                      LinesCase{"LastLineUnterminated", "ab\r\ncd", {"ab", "cd"}},
                      LinesCase{"LoneLfIsData", "a\nb\r\nc\n", {"a\nb", "c\n"}},
                      LinesCase{"OnlyLf", "\n\n", {"\n\n"}},
                      LinesCase{"OnlyCrs", "\r\r\r", {"", "", ""}},
                      LinesCase{"CrCrLf", "a\r\r\nb", {"a", "", "b"}},
                      LinesCase{"LfCr", "a\n\rb", {"a\n", "b"}},
                      LinesCase{"EmptyLines", "\r\n\r\nx\r\n", {"", "", "x"}},
                      LinesCase{"NulBytes",
                                std::string("a\0b\r\n\0", 6),
                                {std::string("a\0b", 3), std::string(1, '\0')}}),
    [](const ::testing::TestParamInfo<LinesCase>& info) { return std::string(info.param.name); });

TEST(LineReader, KeepsEveryByteValue) {
  TempDir dir;
  std::string bytes;
  for (int i = 0; i < 256; ++i) {
    if (i != '\r') bytes.push_back(static_cast<char>(i));
  }
  write_file(dir.file("b"), bytes + "\r\n" + bytes);
  EXPECT_EQ(read_all(dir.file("b"), 5), (std::vector<std::string>{bytes, bytes}));
}

TEST(LineReader, CountsPositionAndLines) {
  TempDir dir;
  write_file(dir.file("p"), "ab\r\ncde\rf");
  LineReader r(2);
  ASSERT_TRUE(r.open(dir.file("p")));
  EXPECT_EQ(r.size(), 9u);
  std::string_view line;
  ASSERT_TRUE(r.read_line(line));
  EXPECT_EQ(r.position(), 4u);
  ASSERT_TRUE(r.read_line(line));
  EXPECT_EQ(r.position(), 8u);
  ASSERT_TRUE(r.read_line(line));
  EXPECT_EQ(r.position(), 9u);
  EXPECT_EQ(r.line_number(), 3u);
  EXPECT_FALSE(r.read_line(line));
}

TEST(LineReader, RefusesMissingFileAndDirectory) {
  TempDir dir;
  LineReader r;
  EXPECT_FALSE(r.open(dir.file("missing")));
  ASSERT_TRUE(r.error().has_value());
  EXPECT_EQ(r.error()->description(), "No such file or directory");
  EXPECT_FALSE(r.open(dir.path().string()));
  ASSERT_TRUE(r.error().has_value());
  EXPECT_EQ(r.error()->description(), "Is a directory");
}

TEST(LineReader, ReadsFromAPipe) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  const std::string data = "one\r\ntwo\rthree";
  ASSERT_EQ(::write(fds[1], data.data(), data.size()), static_cast<ssize_t>(data.size()));
  ::close(fds[1]);
  LineReader r(3);
  r.open_fd(fds[0], "pipe");
  std::vector<std::string> got;
  std::string_view line;
  while (r.read_line(line)) got.emplace_back(line);
  ::close(fds[0]);
  EXPECT_EQ(got, (std::vector<std::string>{"one", "two", "three"}));
}

// A line many times the block size comes out whole, and memory follows the line, not
// the file: the reader is reused for a second long line.
TEST(LineReader, LongLinesLongerThanTheBlock) {
  TempDir dir;
  const std::string big(3'000'000, 'x');
  write_file(dir.file("big"), big + "\r\n" + big.substr(0, 10) + "\r" + big);
  auto lines = read_all(dir.file("big"), 4096);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], big);
  EXPECT_EQ(lines[1], big.substr(0, 10));
  EXPECT_EQ(lines[2], big);
}

}  // namespace
}  // namespace textmill
