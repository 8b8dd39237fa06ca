// Misc to Comma-Delimited: the delimiter box, its checks and where they come in the
// Execute sequence, and the same bytes as the command-line program.

#include <QComboBox>
#include <QLabel>
#include <filesystem>
#include <memory>

#include "delimited/Misccon.h"
#include "gui/gui_support.h"
#include "test_support.h"

namespace textmill::test {
namespace {

const ShownBox kSpecify =
    box("Please specify the delimiter character(s).", BoxIcon::Exclamation, BoxButtons::Ok);
const ShownBox kSpecifyBlanks = box("Please specify the delimiter character(s).",
                                    BoxIcon::Exclamation, BoxButtons::YesNoCancel);
const ShownBox kIncludesSpaces = box("The delimiter includes spaces.  OK to proceed.",
                                     BoxIcon::Exclamation, BoxButtons::YesNoCancel);

class MiscconTest : public testing::Test {
 protected:
  void SetUp() override { window = open(); }

  std::unique_ptr<Misccon> open() {
    auto w = std::make_unique<Misccon>(platform);
    show_active(w.get());
    return w;
  }
  static QComboBox* list(const QWidget* w) { return named<QComboBox>(w, "Delimiterlist"); }

  ScriptedPlatform platform;  // outlives the windows
  TempDir dir;
  std::unique_ptr<Misccon> window;
};

TEST_F(MiscconTest, TheDelimiterListOffersTabBackslashAndBarWithTabShown) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Misc to Comma-Delimited"));
  QComboBox* combo = list(window.get());
  ASSERT_NE(combo, nullptr);
  EXPECT_TRUE(combo->isEditable());
  ASSERT_EQ(combo->count(), 3);
  EXPECT_EQ(combo->itemText(0), QStringLiteral("Tab"));
  EXPECT_EQ(combo->itemText(1), QStringLiteral("\\"));
  EXPECT_EQ(combo->itemText(2), QStringLiteral("|"));
  EXPECT_EQ(combo->currentText(), QStringLiteral("Tab"));

  // A typed delimiter is used, not added to the list.
  write_file(dir.file("in.txt"), "a::b\r\n");
  type_into_combo(window.get(), "Delimiterlist", "::");
  execute_with(window.get(), dir.file("in.txt"), dir.file("out.txt"));
  EXPECT_EQ(read_file(dir.file("out.txt")), "\"a\",\"b\"\r\n");
  EXPECT_EQ(combo->count(), 3);
}

// Each answer script: the boxes in order with the answer given, and whether the run
// then happens (a destination that did not exist is created only by the run).
TEST_F(MiscconTest, DelimiterChecksAskInOrderAndOnlyYesGoesOn) {
  write_file(dir.file("in.txt"), "a;b\r\n");
  struct Asked {
    ShownBox box;
    BoxAnswer answer;
  };
  struct Case {
    const char* name;
    std::string delimiter;
    std::vector<Asked> asked;
    bool runs;
  } cases[] = {
      {"empty", "", {{kSpecify, BoxAnswer::Ok}}, false},
      {"blanks-no", "   ", {{kSpecifyBlanks, BoxAnswer::No}}, false},
      {"blanks-cancel", "   ", {{kSpecifyBlanks, BoxAnswer::Cancel}}, false},
      {"blanks-yes-no",
       "   ",
       {{kSpecifyBlanks, BoxAnswer::Yes}, {kIncludesSpaces, BoxAnswer::No}},
       false},
      {"blanks-yes-yes",
       "   ",
       {{kSpecifyBlanks, BoxAnswer::Yes}, {kIncludesSpaces, BoxAnswer::Yes}},
       true},
      {"one-blank-yes-cancel",
       " ",
       {{kSpecifyBlanks, BoxAnswer::Yes}, {kIncludesSpaces, BoxAnswer::Cancel}},
       false},
      {"leading-cancel", " ;", {{kIncludesSpaces, BoxAnswer::Cancel}}, false},
      {"leading-no", " ;", {{kIncludesSpaces, BoxAnswer::No}}, false},
      {"trailing-yes", "; ", {{kIncludesSpaces, BoxAnswer::Yes}}, true},
      {"inner-blank", "; ;", {}, true},
      {"no-blank", ";", {}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string out = dir.file(std::string(c.name) + ".txt");
    type_into_combo(window.get(), "Delimiterlist", c.delimiter);
    platform.boxes.clear();
    std::vector<ShownBox> expected;
    for (const Asked& a : c.asked) {
      platform.answer(a.answer);
      expected.push_back(a.box);
    }
    execute_with(window.get(), dir.file("in.txt"), out);
    EXPECT_EQ(platform.boxes, expected);
    EXPECT_EQ(std::filesystem::exists(out), c.runs);
  }
  EXPECT_EQ(read_file(dir.file("no-blank.txt")), "\"a\",\"b\"\r\n");
}

TEST_F(MiscconTest, DelimiterChecksComeAfterTheAppendQuestion) {
  write_file(dir.file("in.txt"), "a;b\r\n");
  write_file(dir.file("out.txt"), "old\r\n");
  const ShownBox append = box("Destionation file is not empty.  OK to append to the file?",
                              BoxIcon::Question, BoxButtons::OkCancel);
  type_into_combo(window.get(), "Delimiterlist", "");

  platform.answer(BoxAnswer::Cancel);
  execute_with(window.get(), dir.file("in.txt"), dir.file("out.txt"));
  EXPECT_EQ(platform.boxes, std::vector<ShownBox>{append});

  platform.boxes.clear();
  platform.answer(BoxAnswer::Ok);
  platform.answer(BoxAnswer::Ok);
  execute_with(window.get(), dir.file("in.txt"), dir.file("out.txt"));
  EXPECT_EQ(platform.boxes, (std::vector<ShownBox>{append, kSpecify}));
  EXPECT_EQ(read_file(dir.file("out.txt")), "old\r\n");
}

// The text shown in the box at Execute is the delimiter, however it got there, and the
// window writes what the command line writes for that text.
TEST_F(MiscconTest, TheDelimiterShownIsUsedWithTheCommandLinesBytes) {
  // The first line has each case's delimiter once; the others try the edges.
  write_file(dir.file("in.txt"),
             std::string("1\t2\\3|4::5tab6 ; 7   8\r\n\r\na||b|\r\n|lead\r\n::x:::y::\r\n"
                         "Tab\ttab\tTAB\r\nlf\nin|line\r\n\"q\",x\t\"\r\nno terminator | end"));
  struct Case {
    const char* name;
    int item;           // chosen from the list; -1: none
    const char* typed;  // typed afterwards; null: nothing
    std::vector<BoxAnswer> answers;
    const char* first_record;
  } cases[] = {
      {"Tab", -1, nullptr, {}, R"("1","2\3|4::5tab6 ; 7   8")"},
      {"\\", 1, nullptr, {}, "\"1\t2\",\"3|4::5tab6 ; 7   8\""},
      {"|", 2, nullptr, {}, "\"1\t2\\3\",\"4::5tab6 ; 7   8\""},
      {"::", 2, "::", {}, "\"1\t2\\3|4\",\"5tab6 ; 7   8\""},
      {"tab", 0, "tab", {}, "\"1\t2\\3|4::5\",\"6 ; 7   8\""},
      {" ; ", -1, " ; ", {BoxAnswer::Yes}, "\"1\t2\\3|4::5tab6\",\"7   8\""},
      {"   ", -1, "   ", {BoxAnswer::Yes, BoxAnswer::Yes}, "\"1\t2\\3|4::5tab6 ; 7\",\"8\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("delimiter '") + c.name + "'");
    std::unique_ptr<Misccon> w = open();
    if (c.item >= 0) list(w.get())->setCurrentIndex(c.item);
    if (c.typed) type_into_combo(w.get(), "Delimiterlist", c.typed);
    ASSERT_EQ(list(w.get())->currentText(), QString::fromLatin1(c.name));
    for (BoxAnswer a : c.answers) platform.answer(a);
    const std::string gui = dir.file("gui.txt");
    const std::string cli = dir.file("cli.txt");
    std::filesystem::remove(gui);
    std::filesystem::remove(cli);
    execute_with(w.get(), dir.file("in.txt"), gui);
    ASSERT_TRUE(run_cli({"misc-to-comma", "--delimiter", c.name, dir.file("in.txt"), cli}));
    const std::string out = read_file(gui);
    EXPECT_EQ(out, read_file(cli));
    EXPECT_EQ(out.substr(0, out.find("\r\n")), c.first_record);
    EXPECT_EQ(named<QLabel>(w.get(), "Statusbox")->text(), QStringLiteral("9"));
  }
}

TEST_F(MiscconTest, EveryByteValueComesThrough) {
  // "::" occurs once, between two copies of every byte value: two fields, each whole.
  const std::string bytes = all_bytes_but_cr();
  write_file(dir.file("in.txt"), bytes + "::" + bytes);
  type_into_combo(window.get(), "Delimiterlist", "::");
  execute_with(window.get(), dir.file("in.txt"), dir.file("gui.txt"));
  ASSERT_TRUE(
      run_cli({"misc-to-comma", "--delimiter", "::", dir.file("in.txt"), dir.file("cli.txt")}));
  const std::string out = read_file(dir.file("gui.txt"));
  EXPECT_EQ(out, read_file(dir.file("cli.txt")));
  EXPECT_GT(out.size(), 2 * bytes.size());
  for (char b : bytes) EXPECT_NE(out.find(b), std::string::npos) << "byte " << int(uint8_t(b));
}

// Every character of the delimiter stands for one byte of the data; a character that
// has no 8-bit value matches nothing rather than some other byte.
TEST_F(MiscconTest, ADelimiterCharacterIsItsLatin1Byte) {
  write_file(dir.file("in.txt"), "x\xe9y?z\r\n");
  struct Case {
    const char* typed;  // UTF-8
    const char* record;
  } cases[] = {
      {"\xc3\xa9", "\"x\",\"y?z\""},      // e acute: the byte E9
      {"\xe2\x82\xac", "\"x\xe9y?z\""},   // the euro sign has no such byte
      {"?\xe2\x82\xac", "\"x\xe9y?z\""},  // nor has a delimiter that holds one
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const std::string out = dir.file("out.txt");
    std::filesystem::remove(out);
    type_into_combo(window.get(), "Delimiterlist", c.typed);
    execute_with(window.get(), dir.file("in.txt"), out);
    EXPECT_EQ(read_file(out), std::string(c.record) + "\r\n");
  }
}

}  // namespace
}  // namespace textmill::test
