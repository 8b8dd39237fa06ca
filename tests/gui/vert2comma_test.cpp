// Vertical to Comma-Delimited: groups of lines to records, the counter of records, the
// group pending at a stop, and the same bytes as the command-line program.

#include <QLabel>
#include <memory>

#include "delimited/vert2comma.h"
#include "gui/gui_support.h"
#include "test_support.h"

namespace textmill::test {
namespace {

class Vert2commaTest : public testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<vert2comma>(platform);
    show_active(window.get());
  }
  [[nodiscard]] QString status() const { return named<QLabel>(window.get(), "Statusbox")->text(); }

  ScriptedPlatform platform;  // outlives the window
  TempDir dir;
  std::unique_ptr<vert2comma> window;
};

TEST_F(Vert2commaTest, TheCounterCountsRecordsAndTheLastGroupNeedsNoEmptyLine) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Vertical to Comma-Delimited"));
  struct Case {
    const char* name;
    std::string source, dest;
    const char* status;
  } cases[] = {
      {"two groups", "a\r\nb\r\n\r\nc\r\nd", "\"a\",\"b\"\r\n\"c\",\"d\"\r\n", "2"},
      {"empty lines around", "\r\n\r\nx\r\n\r\n\r\n", "\"x\"\r\n", "1"},
      {"blanks are a field", " \r\n\r\n", "\" \"\r\n", "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string in = dir.file(std::string(c.name) + ".in");
    const std::string out = dir.file(std::string(c.name) + ".out");
    write_file(in, c.source);
    execute_with(window.get(), in, out);
    EXPECT_EQ(read_file(out), c.dest);
    EXPECT_EQ(status(), QString::fromLatin1(c.status));
  }
  EXPECT_TRUE(platform.boxes.empty());
}

// Stop at the first turn, then No after each line until the second group has begun:
// Yes there keeps the first record and drops the group still being gathered.
TEST_F(Vert2commaTest, YesToTheStopQuestionDropsThePendingGroup) {
  write_file(dir.file("in.txt"), "a\r\nb\r\n\r\nc\r\nd\r\n\r\ne\r\n");
  platform.on_yield = [&](int n) {
    if (n == 1) click(window.get(), "Stopbutton");
  };
  for (BoxAnswer a : {BoxAnswer::No, BoxAnswer::No, BoxAnswer::No, BoxAnswer::Yes}) {
    platform.answer(a);
  }
  execute_with(window.get(), dir.file("in.txt"), dir.file("out.txt"));
  EXPECT_EQ(platform.boxes, std::vector<ShownBox>(4, stop_question()));
  EXPECT_EQ(read_file(dir.file("out.txt")), "\"a\",\"b\"\r\n");
  EXPECT_EQ(status(), QStringLiteral("1"));
}

TEST_F(Vert2commaTest, WritesTheCommandLinesBytesWithEveryByteValue) {
  // A line is one field whatever it holds; only CR ends it.
  const std::string bytes = all_bytes_but_cr();
  write_file(dir.file("in.txt"), "\r\nname\r\n\"quoted\"\r\na,b\r\n\r\n\r\n" + bytes +
                                     "\r\nlf\nin\r\n   \r\n\r\n\xff\x01\rlast");
  execute_with(window.get(), dir.file("in.txt"), dir.file("gui.txt"));
  ASSERT_TRUE(run_cli({"vertical-to-comma", dir.file("in.txt"), dir.file("cli.txt")}));
  const std::string out = read_file(dir.file("gui.txt"));
  EXPECT_EQ(out, read_file(dir.file("cli.txt")));
  EXPECT_NE(out.find("\"" + bytes + "\""), std::string::npos);
  EXPECT_EQ(status(), QStringLiteral("3"));
}

}  // namespace
}  // namespace textmill::test
