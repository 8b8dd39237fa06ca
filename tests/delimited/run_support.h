#pragma once
// What the run tests of the delimited conversions share: a source file and its
// destination opened with tiny blocks, and a host that logs every call made to it.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/run.h"
#include "test_support.h"

namespace textmill::test {

// `input` as a source file and an empty destination, both open. The tiny read block
// and buffer make lines and records cross block boundaries.
struct RunFiles {
  TempDir dir;
  LineReader src;
  OutputFile dst;
  explicit RunFiles(std::string_view input, std::size_t block = 3, std::size_t buffer = 7)
      : src(block), dst(buffer) {
    write_file(dir.file("in"), input);
    EXPECT_TRUE(src.open(dir.file("in")));
    EXPECT_TRUE(dst.open_append(dir.file("out")));
  }
  [[nodiscard]] std::string out() const { return read_file(dir.file("out")); }
};

// Logs every call in order: 'a' abandoned, 's' stop_requested, 'c' confirm_stop,
// 'p' progress. Stop is pressed once `stop_after` progress calls were made, the window
// closes after `abandon_after` (0: never); the stop question is answered from
// `answers` (running out of answers fails the test).
class LogHost final : public RunHost {
 public:
  std::size_t stop_after = 0;
  std::size_t abandon_after = 0;
  std::vector<bool> answers;
  std::string calls;
  std::vector<std::uint64_t> counts;  // the records reported by progress()

  void progress(std::uint64_t records) override {
    calls += 'p';
    counts.push_back(records);
  }
  bool stop_requested() override {
    calls += 's';
    return stop_after != 0 && counts.size() >= stop_after;
  }
  bool confirm_stop() override {
    calls += 'c';
    const bool yes = asked_ < answers.size() && answers[asked_];
    EXPECT_LT(asked_, answers.size()) << "stop question not expected";
    ++asked_;
    return yes;
  }
  bool abandoned() override {
    calls += 'a';
    return abandon_after != 0 && counts.size() >= abandon_after;
  }

 private:
  std::size_t asked_ = 0;
};

// `bytes` without the byte values in `left_out`.
[[nodiscard]] inline std::string without(std::string bytes, std::string_view left_out) {
  std::erase_if(bytes, [left_out](char c) { return left_out.find(c) != std::string_view::npos; });
  return bytes;
}

}  // namespace textmill::test
