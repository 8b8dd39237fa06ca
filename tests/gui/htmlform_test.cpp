// HTML Table Tags: its Browse buttons, rows of three lines with a counter of rows, and
// the same bytes as the command-line program.

#include <QLabel>
#include <memory>

#include "delimited/HTMLform.h"
#include "gui/gui_support.h"
#include "test_support.h"

namespace textmill::test {
namespace {

class HTMLformTest : public testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<HTMLform>(platform);
    show_active(window.get());
  }
  [[nodiscard]] QString status() const { return named<QLabel>(window.get(), "Statusbox")->text(); }

  ScriptedPlatform platform;  // outlives the window
  TempDir dir;
  std::unique_ptr<HTMLform> window;
};

TEST_F(HTMLformTest, TheBrowseButtonsStandLeftOfTheStandardPlace) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("HTML Table Tags"));
  struct Button {
    const char* name;
    int top;
  } buttons[] = {{"Command1", 360}, {"Command2", 990}};
  for (const Button& b : buttons) {
    SCOPED_TRACE(b.name);
    EXPECT_EQ(named(window.get(), b.name)->geometry(),
              QRect(platform.twips_x(4140), platform.twips_y(b.top), platform.twips_x(855),
                    platform.twips_y(285)));
  }
}

TEST_F(HTMLformTest, ARecordIsOneRowAlsoWhenAQuotedFieldSpansLines) {
  write_file(dir.file("in.txt"), "a,\"b\r\nc\",d\r\ne\r\n");
  execute_with(window.get(), dir.file("in.txt"), dir.file("out.txt"));
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_EQ(read_file(dir.file("out.txt")),
            "<TR>\r\n\t<TD>a</TD><TD>b\r\nc</TD><TD>d</TD>\r\n</TR>\r\n"
            "<TR>\r\n\t<TD>e</TD>\r\n</TR>\r\n");
  EXPECT_EQ(status(), QStringLiteral("2"));  // rows, not the three source lines
}

TEST_F(HTMLformTest, WritesTheCommandLinesBytesWithEveryByteValue) {
  // Inside a quoted field every byte value but CR stays in its cell: the field's quote
  // is followed by '#' and its comma by '-', so neither ends it.
  const std::string bytes = all_bytes_but_cr();
  write_file(dir.file("in.txt"), "a,b,c\r\n\r\n,\r\n x ,\"say \"hi\", ok\",<b>&amp;</b>\r\n\"" +
                                     bytes + "\",next\r\n\"open\r\n\r\nstill open\",x\r\n" +
                                     "\"never closed");
  execute_with(window.get(), dir.file("in.txt"), dir.file("gui.txt"));
  ASSERT_TRUE(run_cli({"html-table", dir.file("in.txt"), dir.file("cli.txt")}));
  const std::string out = read_file(dir.file("gui.txt"));
  EXPECT_EQ(out, read_file(dir.file("cli.txt")));
  EXPECT_NE(out.find("<TD>" + bytes + "</TD><TD>next</TD>"), std::string::npos);
  EXPECT_EQ(status(), QStringLiteral("7"));
}

}  // namespace
}  // namespace textmill::test
