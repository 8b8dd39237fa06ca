#include "framework/run.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "test_support.h"

namespace textmill {
namespace {

using test::read_file;
using test::TempDir;
using test::write_file;

// Copies each line; on "pair" writes two records, on "skip" none; finish() writes END.
class Echo final : public LineMethod {
 public:
  void line(std::string_view text, LineReader&, RecordSink& out) override {
    if (text == "skip") return;
    out.write_record(text);
    if (text == "pair") out.write_record(text);
  }
  void finish(RecordSink& out) override { out.write_record("END"); }
};

// A host that presses Stop after a given line and answers the questions from a list.
class ScriptHost final : public RunHost {
 public:
  std::size_t stop_after_line = 0;  // 0: never
  std::vector<bool> answers;        // confirm_stop answers, in order
  std::size_t abandon_after_line = 0;
  std::vector<std::uint64_t> counts;
  std::vector<std::size_t> asked_after_line;

  void progress(std::uint64_t records) override { counts.push_back(records); }
  bool stop_requested() override {
    return stop_after_line != 0 && counts.size() >= stop_after_line;
  }
  bool confirm_stop() override {
    asked_after_line.push_back(counts.size());
    bool yes = answers.at(asked_after_line.size() - 1);
    return yes;
  }
  bool abandoned() override {
    return abandon_after_line != 0 && counts.size() >= abandon_after_line;
  }
};

struct Files {
  TempDir dir;
  LineReader src{2};
  OutputFile dst{8};
  explicit Files(std::string_view input) {
    write_file(dir.file("in"), input);
    EXPECT_TRUE(src.open(dir.file("in")));
    EXPECT_TRUE(dst.open_append(dir.file("out")));
  }
  std::string out() const { return read_file(dir.file("out")); }
};

TEST(StandardRun, CountsRecordsAfterEveryLineAndFinishesAtTheEnd) {
  Files f("a\r\npair\r\nskip\r\nb");
  ScriptHost host;
  Echo method;
  RunResult r = run_lines(f.src, f.dst, method, host);
  EXPECT_EQ(r.end, RunEnd::Exhausted);
  EXPECT_EQ(r.lines, 4u);
  EXPECT_EQ(r.records, 5u);
  EXPECT_EQ(host.counts, (std::vector<std::uint64_t>{1, 3, 3, 4}));
  EXPECT_EQ(f.out(), "a\r\npair\r\npair\r\nb\r\nEND\r\n");
}

TEST(StandardRun, EmptySourceWritesOnlyTheFinish) {
  Files f("");
  ScriptHost host;
  Echo method;
  RunResult r = run_lines(f.src, f.dst, method, host);
  EXPECT_EQ(r.lines, 0u);
  EXPECT_TRUE(host.counts.empty());
  EXPECT_EQ(f.out(), "END\r\n");
}

// No asks again after the next line; Yes ends the run with what was written kept and
// without the final output of an exhausted source.
TEST(StandardRun, StopQuestionRepeatsUntilYes) {
  Files f("1\r\n2\r\n3\r\n4\r\n5\r\n");
  ScriptHost host;
  host.stop_after_line = 2;
  host.answers = {false, false, true};
  Echo method;
  RunResult r = run_lines(f.src, f.dst, method, host);
  EXPECT_EQ(r.end, RunEnd::Stopped);
  EXPECT_EQ(host.asked_after_line, (std::vector<std::size_t>{2, 3, 4}));
  EXPECT_EQ(r.records, 4u);
  EXPECT_EQ(f.out(), "1\r\n2\r\n3\r\n4\r\n");
}

TEST(StandardRun, StopAnsweredNoToTheEndRunsOut) {
  Files f("1\r\n2\r\n");
  ScriptHost host;
  host.stop_after_line = 1;
  host.answers = {false, false};
  Echo method;
  RunResult r = run_lines(f.src, f.dst, method, host);
  EXPECT_EQ(r.end, RunEnd::Exhausted);
  EXPECT_EQ(f.out(), "1\r\n2\r\nEND\r\n");
}

TEST(StandardRun, AbandonedRunEndsWithoutAskingAndKeepsRecords) {
  Files f("1\r\n2\r\n3\r\n");
  ScriptHost host;
  host.stop_after_line = 1;
  host.abandon_after_line = 2;
  host.answers = {false};
  Echo method;
  RunResult r = run_lines(f.src, f.dst, method, host);
  EXPECT_EQ(r.end, RunEnd::Abandoned);
  EXPECT_EQ(host.asked_after_line.size(), 1u);
  EXPECT_EQ(f.out(), "1\r\n2\r\n");
  EXPECT_FALSE(f.dst.is_open());
}

TEST(StandardRun, FailingWritesDoNotStopTheRunAndAreReported) {
  TempDir dir;
  write_file(dir.file("in"), "1\r\n2\r\n3\r\n");
  LineReader src;
  OutputFile dst(4);
  ASSERT_TRUE(src.open(dir.file("in")));
  ASSERT_TRUE(dst.open_append("/dev/full"));
  ScriptHost host;
  Echo method;
  RunResult r = run_lines(src, dst, method, host);
  EXPECT_EQ(r.end, RunEnd::Exhausted);
  EXPECT_EQ(r.lines, 3u);
  ASSERT_TRUE(r.last_error.has_value());
  EXPECT_EQ(r.last_error->description(), "No space left on device");
}

TEST(Latest, PicksTheMoreRecentFailure) {
  IoError first = make_io_error("a", 1);
  IoError second = make_io_error("b", 2);
  EXPECT_EQ(latest(first, second)->path, "b");
  EXPECT_EQ(latest(second, first)->path, "b");
  EXPECT_EQ(latest(std::nullopt, first)->path, "a");
  EXPECT_FALSE(latest(std::nullopt, std::nullopt).has_value());
}

}  // namespace
}  // namespace textmill
