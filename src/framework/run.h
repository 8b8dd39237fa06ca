#pragma once
// The standard run: read a line, hand it to the method, write what it gives, count,
// yield, test the stop flag; at the end close both files and report the most recent
// failure. GUI, CLI and tests drive it through a RunHost.

#include <cstdint>
#include <optional>
#include <string_view>

#include "framework/file_status.h"
#include "framework/line_reader.h"
#include "framework/output_file.h"

namespace textmill {

// What a run needs from whoever shows it.
class RunHost {
 public:
  virtual ~RunHost() = default;
  // Called after every source line with the records written so far. The host decides
  // how often it really refreshes the counter and lets events through (time-sliced).
  virtual void progress(std::uint64_t records) = 0;
  // The stop flag, tested after every source line.
  [[nodiscard]] virtual bool stop_requested() = 0;
  // The stop question; true (Yes) ends the run with the output so far kept. The flag
  // stays set after No, so the question comes back after the next line.
  [[nodiscard]] virtual bool confirm_stop() = 0;
  // The window is closing or the program ends: finish at this record boundary without
  // asking.
  [[nodiscard]] virtual bool abandoned() { return false; }
};

// Where a method writes its output records; counts them.
class RecordSink {
 public:
  explicit RecordSink(OutputFile& out) : out_(out) {}
  void write_record(std::string_view line) {
    out_.write_line(line);
    ++records_;
  }
  // Writing a record in place: room for `max` bytes (see OutputFile::line_space),
  // then finish_record with the bytes kept.
  [[nodiscard]] char* record_space(std::size_t max) { return out_.line_space(max); }
  void finish_record(std::size_t n) {
    out_.finish_line(n);
    ++records_;
  }
  [[nodiscard]] std::uint64_t records() const { return records_; }
  [[nodiscard]] OutputFile& file() { return out_; }

 private:
  OutputFile& out_;
  std::uint64_t records_ = 0;
};

// A method of the standard run: one source line in, any number of records out.
class LineMethod {
 public:
  virtual ~LineMethod() = default;
  // `source` is there for methods that read further lines (line joins).
  virtual void line(std::string_view text, LineReader& source, RecordSink& out) = 0;
  // Output owed when the source is exhausted (a pending record).
  virtual void finish(RecordSink& /*out*/) {}
};

enum class RunEnd { Exhausted, Stopped, Abandoned };

struct RunResult {
  std::uint64_t records = 0;
  std::uint64_t lines = 0;
  RunEnd end = RunEnd::Exhausted;
  // The most recent failure after the files were opened, if any.
  std::optional<IoError> last_error;
};

// Runs `method` over every line of `source` into `dest` (both already open), then
// closes both. A failing write does not stop the run; it is reported in the result.
RunResult run_lines(LineReader& source, OutputFile& dest, LineMethod& method, RunHost& host);

}  // namespace textmill
