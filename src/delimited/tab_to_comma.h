#pragma once
// Tab-separated to comma-delimited: every source line becomes one record whose fields,
// split at tab characters, are all written as quoted text. A double quote in the source
// is ordinary text. One trailing tab adds no field; an empty line gives an empty record.

#include <cstddef>
#include <string>
#include <string_view>

#include "framework/run.h"

namespace textmill {

// The most bytes the record of a line of `n` bytes can take: every byte a tab.
[[nodiscard]] constexpr std::size_t tab_record_max(std::size_t n) {
  return 3 * n + 2;
}

// Writes the record text of one tab-separated line (without CR LF) at `out`, which has
// room for tab_record_max(line.size()) bytes plus OutputFile::kSlack; returns its length.
// The LineReader::kReadSlack bytes after the line must be readable, as a LineReader's
// lines are.
std::size_t tab_line_to_record(std::string_view line, char* out);

// The same, into a string.
void tab_line_to_record(std::string_view line, std::string& out);

class TabToComma final : public LineMethod {
 public:
  void line(std::string_view text, LineReader& source, RecordSink& out) override;
};

}  // namespace textmill
