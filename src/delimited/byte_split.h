#pragma once
// The common core of the one-byte separator conversions: a line split at every
// occurrence of one byte, each field written as quoted text.

#include <cstddef>
#include <string_view>

namespace textmill {

// The most bytes split_at_byte writes for a line of `n` bytes: every byte a separator.
[[nodiscard]] constexpr std::size_t split_record_max(std::size_t n) {
  return 3 * n + 2;
}

// Writes a double quote, `line` with every `sep` turned into quote-comma-quote, and a
// double quote at `out`, which has room for split_record_max(line.size()) bytes plus
// OutputFile::kSlack; returns the length. The LineReader::kReadSlack bytes after the
// line must be readable, as a LineReader's lines are.
std::size_t split_at_byte(std::string_view line, char sep, char* out);

}  // namespace textmill
