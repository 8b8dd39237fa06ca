// Vertical List: its own layout and place, its own Execute checks, the stop question
// before every field, closing itself after a completed run, and the same bytes as the
// command-line program.

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMdiArea>
#include <QPointer>
#include <filesystem>
#include <memory>

#include "delimited/Verticalform.h"
#include "gui/gui_support.h"
#include "shell/MDIForm1.h"
#include "test_support.h"

namespace textmill::test {
namespace {

const ShownBox kSpecify =
    box("Please specify Source and Destination files.", BoxIcon::Exclamation, BoxButtons::Ok);

// The window as the user gets it: from the Methods menu of the main window.
class VerticalformTest : public testing::Test {
 protected:
  void SetUp() override {
    frame = std::make_unique<MDIForm1>(platform);
    show_active(frame.get());
    open();
  }
  void TearDown() override {
    frame.reset();
    process_deferred_deletes();
  }

  void open() {
    named<QAction>(frame.get(), "mnuVertical")->trigger();
    window = frame->child_window(QStringLiteral("mnuVertical"));
    ASSERT_NE(qobject_cast<Verticalform*>(window), nullptr);
  }
  // The window has closed itself and is gone.
  [[nodiscard]] bool gone() {
    process_deferred_deletes();
    return window.isNull();
  }
  void tick_compress() {
    auto* box = named<QCheckBox>(window, "Compressbox");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    ASSERT_TRUE(box->isChecked());
  }
  // One run that must complete: opens the window again when it has gone.
  void run(const std::string& source, const std::string& dest, bool compress) {
    if (gone()) open();
    if (compress) tick_compress();
    execute_with(window, source, dest);
    EXPECT_TRUE(gone());
  }

  ScriptedPlatform platform;  // outlives the windows
  TempDir dir;
  std::unique_ptr<MDIForm1> frame;
  QPointer<QWidget> window;
};

TEST_F(VerticalformTest, HasNoCounterAndCompressStartsUnticked) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Vertical List"));
  EXPECT_FALSE(named(window, "Label3")->isVisible());
  EXPECT_FALSE(named(window, "Statusbox")->isVisible());
  const auto* compress = named<QCheckBox>(window, "Compressbox");
  EXPECT_TRUE(compress->isVisible());
  EXPECT_EQ(compress->text(), QStringLiteral("&Compress"));
  EXPECT_FALSE(compress->isChecked());
}

TEST_F(VerticalformTest, OpensCentredOnTheMainWindow1440TwipsFromTheTop) {
  const QWidget* sub = window->parentWidget();
  const int area_width = frame->mdi_area()->viewport()->width();
  EXPECT_EQ(sub->pos(), QPoint((area_width - sub->width()) / 2, platform.twips_y(1440)));
}

TEST_F(VerticalformTest, RefusalsAndFilesThatCannotBeOpenedKeepTheWindowOpen) {
  const std::string in = dir.file("in.txt");
  const std::string out = dir.file("out.txt");
  write_file(in, "a,b\r\n");
  std::filesystem::create_directory(dir.file("folder"));
  std::filesystem::create_symlink(in, dir.file("link.txt"));
  const ShownBox invalid_source = box("Invalid Source File.", BoxIcon::Exclamation, BoxButtons::Ok);
  struct Case {
    std::string source, dest;
    ShownBox box;
  } cases[] = {
      {"", out, kSpecify},
      {in, "", kSpecify},
      // Only an empty box is refused as such; blanks are a name that cannot be opened.
      {"   ", out, invalid_source},
      {in, " " + dir.file("IN.TXT"), same_names_refused()},
      {dir.file("link.txt"), in, same_names_refused()},
      {dir.file("missing.txt"), out, invalid_source},
      {dir.file("folder"), out, invalid_source},
      {in, dir.file("folder"),
       box("Invalid Destination File.", BoxIcon::Exclamation, BoxButtons::Ok)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("'" + c.source + "' to '" + c.dest + "'");
    platform.boxes.clear();
    platform.answer(BoxAnswer::Ok);
    execute_with(window, c.source, c.dest);
    EXPECT_EQ(platform.boxes, std::vector<ShownBox>{c.box});
    ASSERT_FALSE(gone());
  }
  EXPECT_FALSE(std::filesystem::exists(out));
  EXPECT_FALSE(std::filesystem::exists(dir.file("IN.TXT")));
  EXPECT_EQ(read_file(in), "a,b\r\n");
  EXPECT_TRUE(std::filesystem::is_empty(dir.file("folder")));
}

TEST_F(VerticalformTest, TheAppendQuestionNamesTheDestinationAndOnlyYesAppends) {
  const std::string in = dir.file("in.txt");
  const std::string out = dir.file("old.txt");
  write_file(in, "a,b\r\n");
  write_file(out, "old\r\n");
  const ShownBox question{
      QString::fromStdString(out) + QStringLiteral(" is not empty.  OK to append? "),
      QStringLiteral("Textmill"), BoxIcon::Exclamation, BoxButtons::YesNoCancel};
  struct Case {
    BoxAnswer answer;
    std::string after;
  } cases[] = {
      {BoxAnswer::No, "old\r\n"},
      {BoxAnswer::Cancel, "old\r\n"},
      {BoxAnswer::Yes, "old\r\na\r\nb\r\n\r\n"},  // last: the completed run closes the window
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.answer));
    platform.boxes.clear();
    platform.answer(c.answer);
    execute_with(window, in, out);
    EXPECT_EQ(platform.boxes, std::vector<ShownBox>{question});
    EXPECT_EQ(read_file(out), c.after);
    EXPECT_EQ(gone(), c.answer == BoxAnswer::Yes);
  }
}

TEST_F(VerticalformTest, AFailedWriteIsReportedAndTheWindowStaysOpen) {
  write_file(dir.file("in.txt"), "a,b\r\nc\r\n");
  int busy_during_report = -1;
  platform.answer(BoxAnswer::Ok, [&] { busy_during_report = platform.busy_depth; });
  execute_with(window, dir.file("in.txt"), "/dev/full");
  EXPECT_EQ(platform.boxes, std::vector<ShownBox>{exclamation("No space left on device")});
  EXPECT_EQ(busy_during_report, 0);
  EXPECT_FALSE(gone());

  // The same window then completes a run and goes, without a box.
  platform.boxes.clear();
  execute_with(window, dir.file("in.txt"), dir.file("out.txt"));
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_TRUE(gone());
  EXPECT_EQ(read_file(dir.file("out.txt")), "a\r\nb\r\n\r\nc\r\n\r\n");
}

TEST_F(VerticalformTest, CompressLeavesOutEmptyFieldsAndRecordsWithoutAny) {
  write_file(dir.file("in.txt"), "a,,b\r\n,,\r\nc,\"\"\r\n");
  run(dir.file("in.txt"), dir.file("plain.txt"), false);
  run(dir.file("in.txt"), dir.file("compressed.txt"), true);
  EXPECT_EQ(read_file(dir.file("plain.txt")), "a\r\n\r\nb\r\n\r\n\r\n\r\n\r\nc\r\n\r\n\r\n");
  EXPECT_EQ(read_file(dir.file("compressed.txt")), "a\r\nb\r\n\r\nc\r\n\r\n");
}

// The stop flag is tested before every field: Stop pressed at the first turn (after the
// first field) is asked about at the next field, also inside one record; Yes keeps the
// blocks already written and no part of the one being read.
TEST_F(VerticalformTest, StopIsAskedBeforeTheNextFieldAndYesKeepsWholeBlocks) {
  std::string long_record = "f0";
  for (int i = 1; i < 5000; ++i) long_record += ",f" + std::to_string(i);
  struct Case {
    const char* name;
    std::string source;
    std::vector<BoxAnswer> answers;
    std::string after;
    bool closes;
  } cases[] = {
      {"one long record", long_record + "\r\n", {BoxAnswer::Yes}, "", false},
      {"inside the second record",
       "a,b\r\nc,d\r\n",
       {BoxAnswer::No, BoxAnswer::Yes},
       "a\r\nb\r\n\r\n",
       false},
      // The flag stays set after No: asked again before each field, then the run
      // completes and the window goes.
      {"no to each",
       "a,b,c\r\nd\r\n",
       {BoxAnswer::No, BoxAnswer::Cancel, BoxAnswer::No},
       "a\r\nb\r\nc\r\n\r\nd\r\n\r\n",
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (gone()) open();
    const std::string in = dir.file(std::string(c.name) + ".in");
    const std::string out = dir.file(std::string(c.name) + ".out");
    write_file(in, c.source);
    QPointer<QWidget> w = window;
    platform.boxes.clear();
    platform.yields = 0;
    platform.on_yield = [w](int n) {
      if (n == 1 && w) click(w, "Stopbutton");
    };
    for (BoxAnswer a : c.answers) platform.answer(a);
    execute_with(window, in, out);
    platform.on_yield = nullptr;
    EXPECT_EQ(platform.boxes, std::vector<ShownBox>(c.answers.size(), stop_question()));
    EXPECT_EQ(read_file(out), c.after);
    EXPECT_TRUE(std::filesystem::exists(out));
    EXPECT_EQ(gone(), c.closes);
    EXPECT_EQ(platform.busy_depth, 0);
  }
}

TEST_F(VerticalformTest, WritesTheCommandLinesBytesWithEveryByteValue) {
  // The quoted field holds every byte value but CR whole: its quote is followed by '#'
  // and its comma by '-', so neither ends it. The same bytes unquoted are split at the
  // comma and lose their blanks at the line's ends.
  const std::string bytes = all_bytes_but_cr();
  write_file(dir.file("in.txt"),
             "a,b,c\r\n  x , y  \r\n,,\r\n\"q\r\nr\",s\r\n\r\n   \r\n\"say \"hi\", ok\",1\r\n"
             "lf\nin,field\r\n\"" +
                 bytes + "\",tail\r\n" + bytes + "\r\n \"lead,\"blank\r\n\"open at the end");
  for (bool compress : {false, true}) {
    SCOPED_TRACE(compress ? "compressed" : "plain");
    const std::string gui = dir.file(compress ? "gui-c.txt" : "gui.txt");
    const std::string cli = dir.file(compress ? "cli-c.txt" : "cli.txt");
    run(dir.file("in.txt"), gui, compress);
    std::vector<std::string> args{"comma-to-vertical", dir.file("in.txt"), cli};
    if (compress) args.insert(args.begin() + 1, "--compress");
    ASSERT_TRUE(run_cli(args));
    const std::string out = read_file(gui);
    EXPECT_EQ(out, read_file(cli));
    EXPECT_NE(out.find(bytes + "\r\n"), std::string::npos);
  }
}

}  // namespace
}  // namespace textmill::test
