// Combine Records: the Number of Records box, this window's own Execute checks and
// failure reports, the counter of complete groups, a group size changed during a run,
// Stop, and the same bytes as the command-line program.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <filesystem>
#include <memory>

#include "delimited/Combrecords.h"
#include "gui/gui_support.h"
#include "test_support.h"

namespace textmill::test {
namespace {

// `n` lines "1" .. "n" with CR LF.
std::string counted_lines(int n) {
  std::string s;
  for (int i = 1; i <= n; ++i) s += std::to_string(i) + "\r\n";
  return s;
}

class CombrecordsTest : public testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<Combrecords>(platform);
    show_active(window.get());
  }
  [[nodiscard]] QString status() const { return named<QLabel>(window.get(), "Statusbox")->text(); }
  [[nodiscard]] QComboBox* spec() const { return named<QComboBox>(window.get(), "Specbox"); }
  // A run expecting no box.
  void run(const std::string& records, const std::string& source, const std::string& dest) {
    type_into_combo(window.get(), "Specbox", records);
    platform.boxes.clear();
    execute_with(window.get(), source, dest);
    EXPECT_TRUE(platform.boxes.empty());
  }

  ScriptedPlatform platform;  // outlives the window
  TempDir dir;
  std::unique_ptr<Combrecords> window;
};

TEST_F(CombrecordsTest, HasItsCaptionsAndGroupSizesOneToTwentyFive) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Combine Records"));
  for (const char* name : {"Command1", "Command2"}) {
    EXPECT_EQ(named<QPushButton>(window.get(), name)->text(), QStringLiteral("&Browse")) << name;
  }
  EXPECT_EQ(named<QLabel>(window.get(), "Combrecords")->text(), QStringLiteral("Counter"));
  QComboBox* box = spec();
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isEditable());
  ASSERT_EQ(box->count(), 25);
  for (int i = 0; i < 25; ++i) EXPECT_EQ(box->itemText(i), QString::number(i + 1));
  EXPECT_EQ(box->currentText(), QStringLiteral("1"));
}

TEST_F(CombrecordsTest, ANumberBelowOneOrNoNumberIsRefusedFirst) {
  const std::string in = dir.file("in.txt");
  write_file(in, "a\r\nb\r\n");
  run("2", in, dir.file("first.txt"));
  ASSERT_EQ(status(), QStringLiteral("1"));
  for (const char* text : {"0", "abc", "", "  ", "0.9", "-2", "3 lines"}) {
    SCOPED_TRACE(std::string("'") + text + "'");
    type_into_combo(window.get(), "Specbox", text);
    platform.boxes.clear();
    platform.answer(BoxAnswer::Ok);
    // Even the names of one file are not looked at yet.
    execute_with(window.get(), in, in);
    EXPECT_EQ(platform.boxes,
              std::vector<ShownBox>{exclamation(
                  "Please specify the Number of Records: a whole number of 1 or more.")});
    EXPECT_EQ(QApplication::focusWidget(), spec());
    EXPECT_EQ(status(), QString());  // Execute cleared it
    EXPECT_EQ(read_file(in), "a\r\nb\r\n");
  }
  EXPECT_EQ(platform.busy_sets, 1);
}

TEST_F(CombrecordsTest, FileChecksAndFailuresHaveThisWindowsTexts) {
  const std::string in = dir.file("in.txt");
  const std::string out = dir.file("out.txt");
  write_file(in, "a\r\nb\r\n");
  std::filesystem::create_directory(dir.file("folder"));
  const ShownBox invalid_source = exclamation("Invalid Source File");
  struct Case {
    std::string source, dest;
    ShownBox box;
  } cases[] = {
      {in, " " + dir.file("IN.TXT"), same_names_refused()},
      {dir.file("missing.txt"), out, invalid_source},
      {"", out, invalid_source},
      {"", "", invalid_source},
      {dir.file("folder"), out, invalid_source},
      // The destination's own failure: the system's description.
      {in, dir.file("folder"), exclamation("Is a directory")},
      {in, "", exclamation("No such file or directory")},
      {in, dir.file("nowhere/out.txt"), exclamation("No such file or directory")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("'" + c.source + "' to '" + c.dest + "'");
    platform.boxes.clear();
    platform.answer(BoxAnswer::Ok);
    execute_with(window.get(), c.source, c.dest);
    EXPECT_EQ(platform.boxes, std::vector<ShownBox>{c.box});
  }
  EXPECT_FALSE(std::filesystem::exists(out));
  EXPECT_FALSE(std::filesystem::exists(dir.file("IN.TXT")));
  EXPECT_TRUE(std::filesystem::is_empty(dir.file("folder")));
  EXPECT_EQ(read_file(in), "a\r\nb\r\n");
  EXPECT_EQ(platform.busy_sets, 0);
}

TEST_F(CombrecordsTest, OnlyOkToTheAppendQuestionAppends) {
  const std::string in = dir.file("in.txt");
  const std::string out = dir.file("out.txt");
  write_file(in, "a\r\nb\r\n");
  write_file(out, "old\r\n");
  type_into_combo(window.get(), "Specbox", "2");
  const ShownBox question = box("Destionation file is not empty.  OK to append to the file?",
                                BoxIcon::Question, BoxButtons::OkCancel);
  struct Case {
    BoxAnswer answer;
    const char* after;
  } cases[] = {{BoxAnswer::Cancel, "old\r\n"}, {BoxAnswer::Ok, "old\r\na,b\r\n\r\n"}};
  for (const Case& c : cases) {
    platform.boxes.clear();
    platform.answer(c.answer);
    execute_with(window.get(), in, out);
    EXPECT_EQ(platform.boxes, std::vector<ShownBox>{question});
    EXPECT_EQ(read_file(out), c.after);
  }
}

// Only complete groups count; the source's end writes what was gathered as one more
// line, an empty one when the end comes at the start of a group.
TEST_F(CombrecordsTest, TheCounterCountsCompleteGroupsOnly) {
  struct Case {
    const char* name;
    const char* records;
    std::string source, dest;
    const char* status;
  } cases[] = {
      {"short last group", "2", "a\r\nb\r\nc\r\nd\r\ne\r\n", "a,b\r\nc,d\r\ne\r\n", "2"},
      // After a run that counted: Execute clears the counter.
      {"empty source", "1", "", "\r\n", ""},
      {"end at a group's start", "2", "a\r\nb", "a,b\r\n\r\n", "1"},
      {"empty lines joined", "3", "a\r\n\r\nb\r\n\r\n", "a,,b\r\n\r\n", "1"},
      {"fraction typed", " 2.9 ", "a\r\nb\r\nc", "a,b\r\nc\r\n", "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string in = dir.file(std::string(c.name) + ".in");
    const std::string out = dir.file(std::string(c.name) + ".out");
    write_file(in, c.source);
    run(c.records, in, out);
    EXPECT_EQ(read_file(out), c.dest);
    EXPECT_EQ(status(), QString::fromLatin1(c.status));
  }
}

// The first turn comes after the first group; what is typed there counts from the next
// group on, and a text that is no number keeps the size in use.
TEST_F(CombrecordsTest, ANumberTypedDuringARunTakesEffectAtTheNextGroup) {
  write_file(dir.file("in.txt"), counted_lines(10));
  struct Case {
    const char* typed;
    const char* dest;
    const char* status;
  } cases[] = {
      {"3", "1,2\r\n3,4,5\r\n6,7,8\r\n9,10\r\n", "3"},
      {"", "1,2\r\n3,4\r\n5,6\r\n7,8\r\n9,10\r\n\r\n", "5"},
      {"1", "1,2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n\r\n", "9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("'") + c.typed + "'");
    const std::string out = dir.file(std::string("out") + c.typed + ".txt");
    std::string typed = c.typed;
    platform.yields = 0;
    platform.on_yield = [&](int n) {
      if (n == 1) type_into_combo(window.get(), "Specbox", typed);
    };
    run("2", dir.file("in.txt"), out);
    platform.on_yield = nullptr;
    EXPECT_EQ(read_file(out), c.dest);
    EXPECT_EQ(status(), QString::fromLatin1(c.status));
  }
}

TEST_F(CombrecordsTest, StopEndsTheRunAfterTheCurrentGroup) {
  write_file(dir.file("in.txt"), counted_lines(10));
  type_into_combo(window.get(), "Specbox", "2");
  struct Case {
    std::vector<BoxAnswer> answers;
    const char* dest;
    const char* status;
  } cases[] = {
      {{BoxAnswer::Yes}, "1,2\r\n", "1"},
      {{BoxAnswer::No, BoxAnswer::Cancel, BoxAnswer::Yes}, "1,2\r\n3,4\r\n5,6\r\n", "3"},
  };
  int k = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dest);
    const std::string out = dir.file("out" + std::to_string(++k) + ".txt");
    platform.boxes.clear();
    platform.yields = 0;
    platform.on_yield = [&](int n) {
      if (n == 1) click(window.get(), "Stopbutton");
    };
    for (BoxAnswer a : c.answers) platform.answer(a);
    execute_with(window.get(), dir.file("in.txt"), out);
    platform.on_yield = nullptr;
    EXPECT_EQ(platform.boxes, std::vector<ShownBox>(c.answers.size(), stop_question()));
    EXPECT_EQ(read_file(out), c.dest);
    EXPECT_EQ(status(), QString::fromLatin1(c.status));
    EXPECT_EQ(platform.busy_depth, 0);
  }
}

TEST_F(CombrecordsTest, AFailingWriteIsReportedAfterTheRun) {
  write_file(dir.file("in.txt"), counted_lines(10));
  int busy_during_report = -1;
  platform.answer(BoxAnswer::Ok, [&] { busy_during_report = platform.busy_depth; });
  execute_with(window.get(), dir.file("in.txt"), "/dev/full");
  EXPECT_EQ(platform.boxes, std::vector<ShownBox>{exclamation("No space left on device")});
  EXPECT_EQ(busy_during_report, 0);
}

TEST_F(CombrecordsTest, WritesTheCommandLinesBytesWithEveryByteValue) {
  // Lines are joined exactly as they are: every byte value but CR comes through.
  const std::string bytes = all_bytes_but_cr();
  write_file(dir.file("in.txt"), counted_lines(7) + bytes + "\r\n\r\n\"q\",1\r\nlf\nin\r\n   \r\n" +
                                     bytes + "\r\nlast");
  for (const char* records : {"1", "3", "25"}) {
    SCOPED_TRACE(records);
    const std::string gui = dir.file(std::string("gui") + records + ".txt");
    const std::string cli = dir.file(std::string("cli") + records + ".txt");
    run(records, dir.file("in.txt"), gui);
    ASSERT_TRUE(run_cli({"combine-records", "--records", records, dir.file("in.txt"), cli}));
    const std::string out = read_file(gui);
    EXPECT_EQ(out, read_file(cli));
    EXPECT_NE(out.find(bytes), std::string::npos);
  }
}

}  // namespace
}  // namespace textmill::test
