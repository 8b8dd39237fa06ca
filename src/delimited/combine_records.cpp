#include "delimited/combine_records.h"

#include <cmath>
#include <string>

#include "framework/number_value.h"

namespace textmill {

std::optional<std::uint64_t> group_size_of(std::string_view text) {
  // The number rules of every box (blanks ignored anywhere), but the whole text must be
  // the number: "3 lines" or "abc" are no group size.
  bool digit = false;
  bool point = false;
  bool first = true;
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == '\n') continue;
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else if (c == '+' && first) {
      // a leading plus sign is allowed
    } else {
      return std::nullopt;
    }
    first = false;
  }
  if (!digit) return std::nullopt;
  const double value = std::floor(number_value(text));
  if (!(value >= 1)) return std::nullopt;
  constexpr double kMost = 9.0e18;  // more lines than any file holds
  return static_cast<std::uint64_t>(value < kMost ? value : kMost);
}

RunResult run_combine_records(LineReader& source, OutputFile& dest,
                              const std::function<std::uint64_t()>& group_size, RunHost& host) {
  RunResult result;
  std::string out;
  std::string_view line;
  bool more = true;
  while (more) {
    out.clear();
    std::uint64_t n = group_size();
    if (n < 1) n = 1;
    bool complete = true;
    for (std::uint64_t i = 0; i < n; ++i) {
      if (!source.read_line(line)) {
        complete = false;
        break;
      }
      ++result.lines;
      if (i > 0) out += ',';
      out += line;
    }
    if (!complete) {
      more = false;
      // A failed read ends the run at once; the source's end writes what was gathered.
      if (source.error() || source.interrupted()) break;
    }
    dest.write_line(out);
    if (complete) ++result.records;
    host.progress(result.records);
    if (dest.failed()) break;
    if (!more) break;
    if (host.abandoned()) {
      result.end = RunEnd::Abandoned;
      break;
    }
    if (host.stop_requested() && host.confirm_stop()) {
      result.end = RunEnd::Stopped;
      break;
    }
  }
  if (result.end == RunEnd::Exhausted && source.interrupted()) result.end = RunEnd::Stopped;
  const std::optional<IoError> read_error = source.error();
  source.close();
  dest.close();
  result.last_error = latest(read_error, dest.error());
  return result;
}

}  // namespace textmill
