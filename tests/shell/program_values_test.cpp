#include "shell/program_values.h"

#include <gtest/gtest.h>

namespace textmill {
namespace {

TEST(ProgramValues, DirectoryEndsWithOneSeparatorAndHelpFileFollowsTheExecutable) {
  ProgramValues v = program_values_for("/opt/textmill/bin/textmill");
  EXPECT_EQ(v.directory, "/opt/textmill/bin/");
  EXPECT_EQ(v.help_file, "/opt/textmill/bin/textmill.hlp");

  ProgramValues renamed = program_values_for("/usr/local/bin/tm.exe");
  EXPECT_EQ(renamed.help_file, "/usr/local/bin/tm.hlp");

  ProgramValues root = program_values_for("/textmill");
  EXPECT_EQ(root.directory, "/");
  EXPECT_EQ(root.help_file, "/textmill.hlp");
}

TEST(ProgramValues, TrailingSeparatorIsNeverDoubled) {
  EXPECT_EQ(with_trailing_separator("/a/b"), "/a/b/");
  EXPECT_EQ(with_trailing_separator("/a/b/"), "/a/b/");
  EXPECT_EQ(with_trailing_separator("/"), "/");
}

TEST(ProgramValues, TechInfoText) {
  EXPECT_EQ(techinfo_text(), "Application: Textmill 5.1 (13-Apr-97)");
}

}  // namespace
}  // namespace textmill
