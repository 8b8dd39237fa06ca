#include "framework/output_file.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <csignal>

#include "test_support.h"

namespace textmill {
namespace {

using test::read_file;
using test::TempDir;
using test::write_file;

TEST(OutputFile, AppendsLinesWithCrLfAfterExistingContent) {
  TempDir dir;
  const std::string path = dir.file("out.txt");
  write_file(path, "old");
  OutputFile out(4);  // smaller than a line: lines longer than the buffer still come out
  ASSERT_TRUE(out.open_append(path));
  out.write_line("first line");
  out.write_line("");
  out.write("pie");
  out.write("ces");
  out.end_line();
  EXPECT_TRUE(out.close());
  EXPECT_EQ(read_file(path), "oldfirst line\r\n\r\npieces\r\n");
}

TEST(OutputFile, CreatesMissingFileAndRefusesBadTargets) {
  TempDir dir;
  OutputFile out;
  ASSERT_TRUE(out.open_append(dir.file("new.txt")));
  EXPECT_TRUE(out.close());
  EXPECT_EQ(read_file(dir.file("new.txt")), "");

  EXPECT_FALSE(out.open_append(dir.path().string()));
  ASSERT_TRUE(out.error().has_value());
  EXPECT_EQ(out.error()->description(), "Is a directory");

  EXPECT_FALSE(out.open_append(dir.file("no/such/folder.txt")));
  ASSERT_TRUE(out.error().has_value());
  EXPECT_EQ(out.error()->description(), "No such file or directory");

  EXPECT_FALSE(out.create_new(dir.file("new.txt")));
  EXPECT_EQ(out.error()->description(), "File exists");
}

TEST(OutputFile, FullDeviceIsRememberedNotThrown) {
  OutputFile out(16);
  ASSERT_TRUE(out.open_append("/dev/full"));
  for (int i = 0; i < 10; ++i) out.write_line("0123456789");
  EXPECT_FALSE(out.close());
  ASSERT_TRUE(out.error().has_value());
  EXPECT_EQ(out.error()->description(), "No space left on device");
  EXPECT_EQ(out.error()->path, "/dev/full");
}

// A write that runs out of room part-way must not leave half a line behind: the file
// size limit makes the kernel accept only part of the flush.
TEST(OutputFile, ShortWriteLeavesOnlyWholeLines) {
  TempDir dir;
  const std::string path = dir.file("limited.txt");
  struct rlimit old {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit lim = old;
  lim.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &lim), 0);
  OutputFile out(64);
  ASSERT_TRUE(out.open_append(path));
  for (int i = 0; i < 20; ++i) out.write_line("abcdefgh");  // 10 bytes a line
  bool closed = out.close();
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, previous);
  EXPECT_FALSE(closed);
  ASSERT_TRUE(out.error().has_value());
  EXPECT_EQ(out.error()->description(), "File too large");
  const std::string got = read_file(path);
  EXPECT_EQ(got.size() % 10, 0u) << got.size();
  EXPECT_LE(got.size(), 100u);
}

}  // namespace
}  // namespace textmill
