// textmill-cli as a user runs it: real processes, real files.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "delimited/tab_to_comma.h"
#include "test_support.h"

extern char** environ;

namespace textmill {
namespace {

using test::read_file;
using test::TempDir;
using test::write_file;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

// Starts textmill-cli with `args`; standard input from `input_path` (or /dev/null).
pid_t spawn_cli(const std::vector<std::string>& args, const TempDir& dir,
                const std::string& input_path, int stdin_fd = -1) {
  std::vector<std::string> all = {TEXTMILL_CLI};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  if (stdin_fd >= 0) {
    posix_spawn_file_actions_adddup2(&fa, stdin_fd, 0);
  } else {
    posix_spawn_file_actions_addopen(&fa, 0, input_path.c_str(), O_RDONLY, 0);
  }
  const std::string out = dir.file(".stdout");
  const std::string err = dir.file(".stderr");
  posix_spawn_file_actions_addopen(&fa, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&fa, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = -1;
  EXPECT_EQ(posix_spawn(&pid, argv[0], &fa, nullptr, argv.data(), environ), 0);
  posix_spawn_file_actions_destroy(&fa);
  return pid;
}

Outcome wait_cli(pid_t pid, const TempDir& dir) {
  Outcome o;
  int status = 0;
  waitpid(pid, &status, 0);
  o.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  o.out = read_file(dir.file(".stdout"));
  o.err = read_file(dir.file(".stderr"));
  return o;
}

Outcome run_cli(const std::vector<std::string>& args, const TempDir& dir,
                const std::string& input_path = "/dev/null") {
  return wait_cli(spawn_cli(args, dir, input_path), dir);
}

TEST(CliTabToComma, ConvertsAndAppendsOnlyWhenAsked) {
  TempDir dir;
  const std::string src = dir.file("in.txt");
  const std::string dst = dir.file("out.txt");
  write_file(src, "a\tb\r\n\tc\r\nlast");
  Outcome first = run_cli({"tab-to-comma", src, dst}, dir);
  EXPECT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.err, "");
  const std::string once = "\"a\",\"b\"\r\n\"\",\"c\"\r\n\"last\"\r\n";
  EXPECT_EQ(read_file(dst), once);

  Outcome refused = run_cli({"tab-to-comma", src, dst}, dir);
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("Destionation file is not empty.  OK to append to the file?"),
            std::string::npos)
      << refused.err;
  EXPECT_EQ(read_file(dst), once);

  Outcome appended = run_cli({"tab-to-comma", "--append", src, dst}, dir);
  EXPECT_EQ(appended.status, 0) << appended.err;
  EXPECT_EQ(read_file(dst), once + once);
}

TEST(CliTabToComma, EmptyDestinationNeedsNoAppend) {
  TempDir dir;
  write_file(dir.file("in"), "x");
  write_file(dir.file("out"), "");
  EXPECT_EQ(run_cli({"tab-to-comma", dir.file("in"), dir.file("out")}, dir).status, 0);
  EXPECT_EQ(read_file(dir.file("out")), "\"x\"\r\n");
}

TEST(CliTabToComma, StandardInputAndOutput) {
  TempDir dir;
  write_file(dir.file("in"), "1\t2\r3");
  Outcome o = run_cli({"tab-to-comma", "-", "-"}, dir, dir.file("in"));
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out, "\"1\",\"2\"\r\n\"3\"\r\n");
}

struct RefusalCase {
  const char* name;
  // Builds the files in `dir` and gives SOURCE and DEST.
  std::function<std::pair<std::string, std::string>(const TempDir&)> setup;
  std::string message;
};

class CliRefusals : public ::testing::TestWithParam<RefusalCase> {};

// Each refusal prints the program's message, exits 1 and leaves the destination as it
// was (or missing).
TEST_P(CliRefusals, PrintTheMessageAndTouchNothing) {
  TempDir dir;
  auto [src, dst] = GetParam().setup(dir);
  const bool existed = std::filesystem::exists(dst);
  const std::string before = existed && std::filesystem::is_regular_file(dst) ? read_file(dst) : "";
  Outcome o = run_cli({"tab-to-comma", src, dst}, dir);
  EXPECT_EQ(o.status, 1);
  EXPECT_NE(o.err.find(GetParam().message), std::string::npos) << o.err;
  EXPECT_EQ(std::filesystem::exists(dst), existed);
  if (existed && std::filesystem::is_regular_file(dst) && dst != "/dev/full") {
    EXPECT_EQ(read_file(dst), before);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, CliRefusals,
    ::testing::Values(RefusalCase{"MissingSource",
                                  [](const TempDir& d) {
                                    return std::pair{d.file("missing.txt"), d.file("out.txt")};
                                  },
                                  "Invalid Source File."},
                      RefusalCase{"SourceIsADirectory",
                                  [](const TempDir& d) {
                                    return std::pair{d.path().string(), d.file("o")};
                                  },
                                  "Invalid Source File."},
                      RefusalCase{"DestinationIsADirectory",
                                  [](const TempDir& d) {
                                    write_file(d.file("in"), "x");
                                    std::filesystem::create_directory(d.file("sub"));
                                    return std::pair{d.file("in"), d.file("sub")};
                                  },
                                  "Invalid Destination File."},
                      RefusalCase{"DestinationInMissingFolder",
                                  [](const TempDir& d) {
                                    write_file(d.file("in"), "x");
                                    return std::pair{d.file("in"), d.file("nope/out.txt")};
                                  },
                                  "Invalid Destination File."},
                      RefusalCase{
                          "SameNameOtherCase",
                          [](const TempDir& d) {
                            write_file(d.file("in.txt"), "x");
                            return std::pair{d.file("in.txt"), " " + d.file("IN.TXT") + " "};
                          },
                          "Destination and Source files must have different names."},
                      RefusalCase{"SameFileThroughALink",
                                  [](const TempDir& d) {
                                    write_file(d.file("in.txt"), "x\r\n");
                                    std::filesystem::create_symlink(d.file("in.txt"),
                                                                    d.file("link.txt"));
                                    return std::pair{d.file("in.txt"), d.file("link.txt")};
                                  },
                                  "Destination and Source files must have different names."},
                      RefusalCase{"FullDisk",
                                  [](const TempDir& d) {
                                    write_file(d.file("in"), "a\tb\r\n");
                                    return std::pair{d.file("in"), std::string("/dev/full")};
                                  },
                                  "No space left on device"}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

// Each delimited command on a small input read from standard input, written to
// standard output.
struct CommandCase {
  const char* name;
  std::vector<std::string> args;  // command and options, before SOURCE DEST
  std::string input;
  std::string output;
};

class CliCommands : public ::testing::TestWithParam<CommandCase> {};

TEST_P(CliCommands, ConvertStandardInput) {
  TempDir dir;
  write_file(dir.file("in"), GetParam().input);
  std::vector<std::string> args = GetParam().args;
  args.insert(args.end(), {"-", "-"});
  Outcome o = run_cli(args, dir, dir.file("in"));
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out, GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(
    Delimited, CliCommands,
    ::testing::Values(
        CommandCase{"MiscPipe",
                    {"misc-to-comma", "--delimiter", "|"},
                    "a|b|\r\n\r\nc",
                    "\"a\",\"b\",\"\"\r\n\"\"\r\n\"c\"\r\n"},
        // The word Tab is the tab character; a value may begin with a dash.
        CommandCase{"MiscTabWord",
                    {"misc-to-comma", "--delimiter", "Tab"},
                    "a\tb\ttab",
                    "\"a\",\"b\",\"tab\"\r\n"},
        CommandCase{"MiscDash",
                    {"misc-to-comma", "--delimiter", "--"},
                    "a--b---c",
                    "\"a\",\"b\",\"-c\"\r\n"},
        CommandCase{
            "Vertical", {"comma-to-vertical"}, " a,,\"b, c\" \r\n   \r\n", "a\r\n\r\nb, c\r\n\r\n"},
        CommandCase{"VerticalCompress",
                    {"comma-to-vertical", "--compress"},
                    "a,,c\r\n,,\r\n",
                    "a\r\nc\r\n\r\n"},
        CommandCase{"VerticalBack",
                    {"vertical-to-comma"},
                    "\r\na\r\nb\r\n\r\n\r\nc",
                    "\"a\",\"b\"\r\n\"c\"\r\n"},
        CommandCase{"Html",
                    {"html-table"},
                    "a,\"b\r\nc\",<&>\r\n",
                    "<TR>\r\n\t<TD>a</TD><TD>b\r\nc</TD><TD><&></TD>\r\n</TR>\r\n"},
        CommandCase{"CombineTwo",
                    {"combine-records", "--records", "2"},
                    "a\r\nb\r\nc\r\nd\r\ne",
                    "a,b\r\nc,d\r\ne\r\n"},
        CommandCase{"CombineEmpty", {"combine-records", "--records", "3"}, "", "\r\n"}),
    [](const ::testing::TestParamInfo<CommandCase>& info) { return std::string(info.param.name); });

// Where a command's own texts and checks differ from the standard ones.
TEST(CliDelimited, OwnMessagesAndRefusals) {
  TempDir dir;
  write_file(dir.file("in"), "a,b\r\n");
  write_file(dir.file("full"), "kept\r\n");
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string message;
  } cases[] = {
      {{"comma-to-vertical", dir.file("in"), dir.file("full")},
       1,
       dir.file("full") + " is not empty.  OK to append? "},
      {{"combine-records", "--records", "2", dir.file("missing"), dir.file("new")},
       1,
       "Invalid Source File\n"},
      {{"combine-records", "--records", "0", dir.file("in"), dir.file("new")},
       1,
       "Please specify the Number of Records: a whole number of 1 or more."},
      {{"combine-records", "--records", "two", dir.file("in"), dir.file("new")},
       1,
       "Please specify the Number of Records: a whole number of 1 or more."},
      {{"combine-records", dir.file("in"), dir.file("new")}, 2, "--records is required"},
      {{"misc-to-comma", "--delimiter", "", dir.file("in"), dir.file("new")},
       1,
       "Please specify the delimiter character(s)."},
      {{"misc-to-comma", dir.file("in"), dir.file("new")}, 2, "--delimiter is required"},
      {{"misc-to-comma", dir.file("in"), dir.file("new"), "--delimiter"}, 2, "needs a value"},
      {{"html-table", dir.file("in"), " " + dir.file("IN") + " "},
       1,
       "Destination and Source files must have different names."},
  };
  for (const Case& c : cases) {
    Outcome o = run_cli(c.args, dir);
    EXPECT_EQ(o.status, c.status) << c.args[0] << ": " << o.err;
    EXPECT_NE(o.err.find(c.message), std::string::npos) << c.args[0] << ": " << o.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("new"))) << c.args[0];
    EXPECT_EQ(read_file(dir.file("full")), "kept\r\n");
  }
}

// Combine Records ends at its first failing write and says why.
TEST(CliDelimited, CombineRecordsReportsAFullDisk) {
  TempDir dir;
  std::string lines;
  for (int i = 0; i < 100000; ++i) lines += "line\r\n";
  write_file(dir.file("in"), lines);
  Outcome o = run_cli({"combine-records", "--records", "2", dir.file("in"), "/dev/full"}, dir);
  EXPECT_EQ(o.status, 1);
  EXPECT_NE(o.err.find("No space left on device"), std::string::npos) << o.err;
}

TEST(CliUsage, HelpAndWrongCommandLines) {
  TempDir dir;
  Outcome help = run_cli({"--help"}, dir);
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("tab-to-comma"), std::string::npos);
  Outcome cmd_help = run_cli({"tab-to-comma", "--help"}, dir);
  EXPECT_EQ(cmd_help.status, 0);
  EXPECT_NE(cmd_help.out.find("SOURCE DEST"), std::string::npos);
  EXPECT_EQ(run_cli({}, dir).status, 2);
  EXPECT_EQ(run_cli({"no-such-command"}, dir).status, 2);
  EXPECT_EQ(run_cli({"tab-to-comma", "only-one"}, dir).status, 2);
  EXPECT_EQ(run_cli({"tab-to-comma", "--bogus", "a", "b"}, dir).status, 2);
}

// Ctrl-C while the CLI waits on a pipe ends the run; the records already converted
// are kept, whole.
TEST(CliTabToComma, InterruptKeepsTheRecordsSoFar) {
  TempDir dir;
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  pid_t pid = spawn_cli({"tab-to-comma", "-", dir.file("out")}, dir, "", fds[0]);
  ::close(fds[0]);
  const std::string lines = "a\tb\r\nc\r\n";
  ASSERT_EQ(::write(fds[1], lines.data(), lines.size()), static_cast<ssize_t>(lines.size()));
  // Wait until the CLI has created its destination, then until it has read the lines.
  for (int i = 0; i < 500 && !std::filesystem::exists(dir.file("out")); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  kill(pid, SIGINT);
  Outcome o = wait_cli(pid, dir);
  ::close(fds[1]);
  EXPECT_EQ(o.status, 1);
  EXPECT_NE(o.err.find("Stopped after 2 records"), std::string::npos) << o.err;
  EXPECT_EQ(read_file(dir.file("out")), "\"a\",\"b\"\r\n\"c\"\r\n");
}

// Large inputs: one 100 MB line and a million empty lines both convert exactly.
TEST(CliTabToComma, HugeLineAndManyEmptyLines) {
  TempDir dir;
  {
    std::string big(100u << 20, 'x');
    big[50u << 20] = '\t';
    write_file(dir.file("big"), big);
    Outcome o = run_cli({"tab-to-comma", dir.file("big"), dir.file("big.out")}, dir);
    ASSERT_EQ(o.status, 0) << o.err;
    std::string want;
    tab_line_to_record(big, want);
    want += "\r\n";
    EXPECT_TRUE(read_file(dir.file("big.out")) == want);
  }
  std::string empties;
  for (int i = 0; i < 1'000'000; ++i) empties += "\r\n";
  write_file(dir.file("empty"), empties);
  Outcome o = run_cli({"tab-to-comma", dir.file("empty"), dir.file("empty.out")}, dir);
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_TRUE(read_file(dir.file("empty.out")) == empties);
}

}  // namespace
}  // namespace textmill
