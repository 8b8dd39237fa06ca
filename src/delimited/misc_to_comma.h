#pragma once
// Any delimiter to comma-delimited: every source line becomes one record whose fields,
// split at each occurrence of the delimiter, are all written as quoted text. The
// delimiter is one or more bytes, matched exactly and without overlap from the left.
// Nothing in the fields is changed; an empty line gives one empty field.

#include <cstddef>
#include <string>
#include <string_view>

#include "framework/run.h"

namespace textmill {

// The delimiter a box text stands for: exactly "Tab" is the tab character, any other
// text is itself.
[[nodiscard]] std::string delimiter_for(std::string_view box_text);

// The most bytes the record of a line of `n` bytes can take with a delimiter of
// `d` (>= 1) bytes: as many occurrences as fit, each turned into three bytes.
[[nodiscard]] constexpr std::size_t misc_record_max(std::size_t n, std::size_t d) {
  return n + 2 + (d < 3 ? (3 - d) * (n / d) : 0);
}

// The record of one line, into a string (without CR LF). An empty delimiter never
// matches.
void misc_line_to_record(std::string_view line, std::string_view delimiter, std::string& out);

class MiscToComma final : public LineMethod {
 public:
  explicit MiscToComma(std::string delimiter) : delimiter_(std::move(delimiter)) {}
  void line(std::string_view text, LineReader& source, RecordSink& out) override;

 private:
  std::string delimiter_;
};

}  // namespace textmill
