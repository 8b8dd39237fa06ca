// The shared behaviour of the standard tool window, driven through Tabform: the
// Execute checks, Browse, the run with its counter, Stop and Close, and the report.

#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <filesystem>
#include <memory>

#include "delimited/Tabform.h"
#include "gui/gui_support.h"
#include "test_support.h"

namespace textmill::test {
namespace {

class ToolWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<Tabform>(platform);
    show_active(window.get());
  }

  void execute() { click(window.get(), "OKButton_0"); }
  [[nodiscard]] QString status() const { return named<QLabel>(window.get(), "Statusbox")->text(); }
  [[nodiscard]] QWidget* focus() const { return QApplication::focusWidget(); }
  [[nodiscard]] QWidget* control(const char* name) const { return named(window.get(), name); }
  void files(const std::string& source, const std::string& dest) {
    type_into(window.get(), "Sourcebox", source);
    type_into(window.get(), "Destbox", dest);
  }

  // Fills the boxes, presses Execute and answers OK to the one box expected.
  void execute_expecting(const std::string& source, const std::string& dest, const ShownBox& box) {
    files(source, dest);
    platform.boxes.clear();
    platform.answer(BoxAnswer::Ok);
    execute();
    EXPECT_EQ(platform.boxes, std::vector<ShownBox>{box});
  }

  ScriptedPlatform platform;  // outlives the window
  TempDir dir;
  std::unique_ptr<Tabform> window;
};

TEST_F(ToolWindowTest, BlankBoxesAreRefusedWithTheFocusOnTheBox) {
  const std::string out = dir.file("out.txt");
  struct Case {
    std::string source, dest;
    const char* message;
    const char* focus;
  } cases[] = {
      {"", out, "Please specify the source file.", "Sourcebox"},
      {"   ", out, "Please specify the source file.", "Sourcebox"},
      {"in.txt", "", "Please specify the destination file.", "Destbox"},
      {"in.txt", "  ", "Please specify the destination file.", "Destbox"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("source '" + c.source + "', dest '" + c.dest + "'");
    execute_expecting(c.source, c.dest, exclamation(c.message));
    EXPECT_EQ(focus(), control(c.focus));
  }
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(ToolWindowTest, NamesOfOneFileAreRefusedAndNothingIsTouched) {
  const std::string in = dir.file("in.txt");
  write_file(in, "a\tb\r\n");
  std::filesystem::create_directory(dir.file("sub"));
  std::filesystem::create_symlink(in, dir.file("link.txt"));
  const std::string upper = dir.file("IN.TXT");
  const std::string cases[][2] = {
      {in, upper},                      // letter case
      {"  " + in + " ", in},            // surrounding blanks
      {in, dir.file("sub/../in.txt")},  // two paths to one file
      {dir.file("link.txt"), in},       // a link to it
  };
  const ShownBox refused{QStringLiteral("Destination and Source files must have different names."),
                         QStringLiteral("Textmill"), BoxIcon::None, BoxButtons::Ok};
  for (const auto& c : cases) {
    SCOPED_TRACE("'" + c[0] + "' and '" + c[1] + "'");
    files(c[0], c[1]);
    platform.boxes.clear();
    platform.answer(BoxAnswer::Ok);
    execute();
    EXPECT_EQ(platform.boxes, std::vector<ShownBox>{refused});
    EXPECT_EQ(focus(), control("OKButton_0"));  // the focus does not move
  }
  EXPECT_EQ(read_file(in), "a\tb\r\n");
  EXPECT_FALSE(std::filesystem::exists(upper));
  EXPECT_EQ(status(), QString());
}

TEST_F(ToolWindowTest, OnlyANonEmptyDestinationAsksBeforeAppending) {
  const std::string in = dir.file("in.txt");
  write_file(in, "a\tb\r\n");
  const ShownBox question{
      QStringLiteral("Destionation file is not empty.  OK to append to the file?"),
      QStringLiteral("Textmill"), BoxIcon::Question, BoxButtons::OkCancel};
  struct Case {
    const char* name;
    std::optional<std::string> before;  // nothing: no such file
    std::optional<BoxAnswer> answer;    // nothing: no question
    std::string after;
  } cases[] = {
      {"missing", std::nullopt, std::nullopt, "\"a\",\"b\"\r\n"},
      {"empty", "", std::nullopt, "\"a\",\"b\"\r\n"},
      {"cancel", "old\r\n", BoxAnswer::Cancel, "old\r\n"},
      {"ok", "old\r\n", BoxAnswer::Ok, "old\r\n\"a\",\"b\"\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string out = dir.file(std::string(c.name) + ".txt");
    if (c.before) write_file(out, *c.before);
    files(in, out);
    platform.boxes.clear();
    if (c.answer) platform.answer(*c.answer);
    execute();
    EXPECT_EQ(platform.boxes.size(), c.answer ? 1u : 0u);
    if (c.answer && !platform.boxes.empty()) {
      EXPECT_EQ(platform.boxes[0], question);
    }
    EXPECT_EQ(read_file(out), c.after);
  }
}

TEST_F(ToolWindowTest, FilesThatCannotBeOpenedAreReportedAndNothingIsWritten) {
  const std::string in = dir.file("in.txt");
  write_file(in, "a\r\n");
  std::filesystem::create_directory(dir.file("folder"));
  struct Case {
    std::string source, dest;
    const char* message;
  } cases[] = {
      {dir.file("missing.txt"), dir.file("out1.txt"), "Invalid Source File."},
      {dir.file("folder"), dir.file("out2.txt"), "Invalid Source File."},
      // Trailing blanks are part of the name once the checks have passed.
      {in + "  ", dir.file("out3.txt"), "Invalid Source File."},
      {in, dir.file("nowhere/out.txt"), "Invalid Destination File."},
      {in, dir.file("folder"), "Invalid Destination File."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("'" + c.source + "' to '" + c.dest + "'");
    execute_expecting(c.source, c.dest, exclamation(c.message));
    EXPECT_FALSE(std::filesystem::is_regular_file(c.dest));
  }
  EXPECT_EQ(platform.busy_sets, 0);
  EXPECT_TRUE(std::filesystem::is_empty(dir.file("folder")));
}

TEST_F(ToolWindowTest, ADestinationNameIsUsedAsTyped) {
  const std::string in = dir.file("in.txt");
  write_file(in, "a\r\n");
  files(in, dir.file("out.txt "));
  execute();
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_EQ(read_file(dir.file("out.txt ")), "\"a\"\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir.file("out.txt")));
}

TEST_F(ToolWindowTest, BrowsePutsTheChosenPathIntoItsBoxAndCancelChangesNothing) {
  struct Case {
    const char* button;
    const char* box;
  } cases[] = {{"Command1", "Sourcebox"}, {"Command2", "Destbox"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    type_into(window.get(), c.box, "typed");
    platform.choose_file(std::nullopt);
    click(window.get(), c.button);
    EXPECT_EQ(named<QLineEdit>(window.get(), c.box)->text(), QStringLiteral("typed"));
    platform.choose_file(QStringLiteral("/data/My File.txt"));
    click(window.get(), c.button);
    EXPECT_EQ(named<QLineEdit>(window.get(), c.box)->text(), QStringLiteral("/data/My File.txt"));
  }
  EXPECT_EQ(platform.dialog_filters, std::vector<QString>(4, QStringLiteral("Text(*.txt)|*.txt")));
}

TEST_F(ToolWindowTest, AccessKeysRunExecuteAndClose) {
  // A button's access key clicks it after a short animation.
  platform.answer(BoxAnswer::Ok);
  QTest::keyClick(window.get(), Qt::Key_E, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !platform.boxes.empty(); }));
  EXPECT_EQ(platform.boxes, std::vector<ShownBox>{exclamation("Please specify the source file.")});
  QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }));
}

TEST_F(ToolWindowTest, ALongRunYieldsInSlicesWithTheBusyPointerSetOnce) {
  constexpr int kLines = 1500000;  // long enough for several turns on a fast machine
  write_file(dir.file("in.txt"), numbered_lines(kLines));
  std::vector<QString> shown;
  platform.on_yield = [&](int) { shown.push_back(status()); };
  files(dir.file("in.txt"), dir.file("out.txt"));
  execute();
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_TRUE(holds_records(read_file(dir.file("out.txt")), kLines));
  EXPECT_EQ(status(), QString::number(kLines));
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.front(), QStringLiteral("1"));  // the first turn comes with the first record
  EXPECT_GE(shown.size(), 3u);
  EXPECT_LT(shown.size(), std::size_t{kLines / 1000});
  for (std::size_t i = 1; i < shown.size(); ++i) EXPECT_GT(shown[i].toInt(), shown[i - 1].toInt());
  EXPECT_EQ(platform.busy_sets, 1);
}

TEST_F(ToolWindowTest, StopThenNoAsksAgainAfterTheNextLineAndYesKeepsTheOutput) {
  write_file(dir.file("in.txt"), numbered_lines(1000));
  platform.on_yield = [&](int n) {
    if (n == 1) click(window.get(), "Stopbutton");
  };
  platform.answer(BoxAnswer::No);
  platform.answer(BoxAnswer::Cancel);
  platform.answer(BoxAnswer::Yes);
  files(dir.file("in.txt"), dir.file("out.txt"));
  execute();
  EXPECT_EQ(platform.boxes, std::vector<ShownBox>(3, stop_question()));
  EXPECT_TRUE(holds_records(read_file(dir.file("out.txt")), 3));
  EXPECT_EQ(status(), QStringLiteral("3"));
  EXPECT_EQ(platform.busy_depth, 0);
}

TEST_F(ToolWindowTest, StopPressedBeforeExecuteIsForgotten) {
  write_file(dir.file("in.txt"), numbered_lines(5));
  click(window.get(), "Stopbutton");
  files(dir.file("in.txt"), dir.file("out.txt"));
  execute();
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_TRUE(holds_records(read_file(dir.file("out.txt")), 5));
}

TEST_F(ToolWindowTest, StatusboxKeepsThePreviousCountUntilARecordIsWritten) {
  write_file(dir.file("three.txt"), numbered_lines(3));
  write_file(dir.file("empty.txt"), "");
  write_file(dir.file("two.txt"), numbered_lines(2));
  files(dir.file("three.txt"), dir.file("out.txt"));
  execute();
  ASSERT_EQ(status(), QStringLiteral("3"));

  // An empty source writes nothing and leaves the counter alone; the destination is
  // still created.
  files(dir.file("empty.txt"), dir.file("new.txt"));
  execute();
  EXPECT_EQ(status(), QStringLiteral("3"));
  EXPECT_TRUE(std::filesystem::exists(dir.file("new.txt")));
  EXPECT_EQ(platform.busy_sets, 1);  // no line, no busy pointer

  QString during_question;
  std::vector<QString> at_yield;
  platform.answer(BoxAnswer::Ok, [&] { during_question = status(); });
  platform.on_yield = [&](int) { at_yield.push_back(status()); };
  files(dir.file("two.txt"), dir.file("out.txt"));
  execute();
  EXPECT_EQ(during_question, QStringLiteral("3"));
  ASSERT_FALSE(at_yield.empty());
  EXPECT_EQ(at_yield.front(), QStringLiteral("1"));
  EXPECT_EQ(status(), QStringLiteral("2"));
  EXPECT_EQ(read_file(dir.file("out.txt")), numbered_records(3) + numbered_records(2));
}

TEST_F(ToolWindowTest, AFailingWriteIsReportedAfterTheRunWithTheNormalPointer) {
  write_file(dir.file("in.txt"), numbered_lines(10));
  int busy_during_report = -1;
  platform.answer(BoxAnswer::Ok, [&] { busy_during_report = platform.busy_depth; });
  files(dir.file("in.txt"), "/dev/full");
  execute();
  EXPECT_EQ(platform.boxes, std::vector<ShownBox>{exclamation("No space left on device")});
  EXPECT_EQ(busy_during_report, 0);
  EXPECT_EQ(status(), QStringLiteral("10"));
}

TEST_F(ToolWindowTest, ExecuteDuringItsOwnRunIsIgnored) {
  write_file(dir.file("in.txt"), numbered_lines(1000));
  platform.on_yield = [&](int n) {
    if (n == 1) execute();  // would ask about the now non-empty destination if it ran
  };
  files(dir.file("in.txt"), dir.file("out.txt"));
  execute();
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_TRUE(holds_records(read_file(dir.file("out.txt")), 1000));
}

TEST_F(ToolWindowTest, ARunInAnotherWindowCompletesInsideTheYield) {
  Tabform other(platform);
  other.show();
  write_file(dir.file("a.txt"), numbered_lines(1000));
  write_file(dir.file("b.txt"), numbered_lines(7));
  type_into(&other, "Sourcebox", dir.file("b.txt"));
  type_into(&other, "Destbox", dir.file("b-out.txt"));
  int depth_inside = 0;
  platform.on_yield = [&](int n) {
    if (n != 1) return;
    click(&other, "OKButton_0");
    depth_inside = platform.busy_depth;
  };
  files(dir.file("a.txt"), dir.file("a-out.txt"));
  execute();
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_TRUE(holds_records(read_file(dir.file("a-out.txt")), 1000));
  EXPECT_TRUE(holds_records(read_file(dir.file("b-out.txt")), 7));
  EXPECT_EQ(named<QLabel>(&other, "Statusbox")->text(), QStringLiteral("7"));
  EXPECT_EQ(depth_inside, 1);  // the inner run restored its own pointer only
  EXPECT_EQ(platform.busy_sets, 2);
}

}  // namespace
}  // namespace textmill::test
