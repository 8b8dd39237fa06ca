// Tab to Comma-Delimited end to end: bytes through the window, and the same bytes as
// the command-line program.

#include <QApplication>
#include <cstdlib>

#include "delimited/Tabform.h"
#include "delimited/tab_to_comma.h"
#include "framework/line_reader.h"
#include "gui/gui_support.h"
#include "test_support.h"

namespace textmill::test {
namespace {

// Runs a Tabform over `source` into `dest`; fails on any box.
void run_window(const std::string& source, const std::string& dest) {
  ScriptedPlatform platform;
  Tabform window(platform);
  window.show();
  type_into(&window, "Sourcebox", source);
  type_into(&window, "Destbox", dest);
  click(&window, "OKButton_0");
  EXPECT_TRUE(platform.boxes.empty());
}

// What the engine's line conversion makes of every line of `path`.
std::string engine_output(const std::string& path) {
  LineReader reader;
  EXPECT_TRUE(reader.open(path));
  std::string out, record;
  std::string_view line;
  while (reader.read_line(line)) {
    tab_line_to_record(line, record);
    out += record + "\r\n";
  }
  return out;
}

TEST(TabformTest, EveryByteValueComesThroughUnchanged) {
  TempDir dir;
  // Every byte value once, then again after a tab and with an LF-only line end inside.
  write_file(dir.file("in.txt"), all_bytes() + "\t" + all_bytes() + "\n" + all_bytes());
  run_window(dir.file("in.txt"), dir.file("out.txt"));
  const std::string out = read_file(dir.file("out.txt"));
  EXPECT_EQ(out, engine_output(dir.file("in.txt")));
  for (int b = 0; b < 256; ++b) {
    if (b == '\t' || b == '\r') continue;  // the field separator and the line end
    EXPECT_NE(out.find(static_cast<char>(b)), std::string::npos) << "byte " << b;
  }
}

TEST(TabformTest, WritesTheSameBytesAsTheCommandLine) {
  TempDir dir;
  write_file(dir.file("in.txt"),
             std::string("a\tb\tc\r\n\r\n\tlead\r\ntrail\t\r\ntwo\t\t\r\nsay \"hi\", ok\r"
                         "lf\nonly\r\n \xe9t\xe9 \t\xff\x01\r\nno terminator"));
  run_window(dir.file("in.txt"), dir.file("gui.txt"));
  const std::string command = std::string("'") + TEXTMILL_CLI + "' tab-to-comma '" +
                              dir.file("in.txt") + "' '" + dir.file("cli.txt") + "'";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  EXPECT_EQ(read_file(dir.file("gui.txt")), read_file(dir.file("cli.txt")));
  EXPECT_FALSE(read_file(dir.file("gui.txt")).empty());
}

}  // namespace
}  // namespace textmill::test
