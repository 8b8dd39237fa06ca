#include "delimited/misc_to_comma.h"

#include <cstring>

#include "delimited/byte_split.h"

namespace textmill {

namespace {

// The record at `out` (room for misc_record_max bytes); a delimiter of two or more bytes.
std::size_t split_at_text(std::string_view line, std::string_view delimiter, char* out) {
  char* o = out;
  *o++ = '"';
  for (;;) {
    const std::size_t at = line.find(delimiter);
    const std::size_t take = at == std::string_view::npos ? line.size() : at;
    std::memcpy(o, line.data(), take);
    o += take;
    if (at == std::string_view::npos) break;
    o[0] = '"';
    o[1] = ',';
    o[2] = '"';
    o += 3;
    line.remove_prefix(at + delimiter.size());
  }
  *o++ = '"';
  return static_cast<std::size_t>(o - out);
}

// `line` has LineReader::kReadSlack readable bytes after it when `padded`.
std::size_t to_record(std::string_view line, std::string_view delimiter, char* out) {
  if (line.empty() || delimiter.empty()) {
    out[0] = '"';
    std::memcpy(out + 1, line.data(), line.size());
    out[line.size() + 1] = '"';
    return line.size() + 2;
  }
  if (delimiter.size() == 1) return split_at_byte(line, delimiter[0], out);
  return split_at_text(line, delimiter, out);
}

std::size_t record_max(std::size_t n, std::string_view delimiter) {
  return delimiter.size() == 1 ? split_record_max(n)
                               : misc_record_max(n, delimiter.empty() ? 3 : delimiter.size());
}

}  // namespace

std::string delimiter_for(std::string_view box_text) {
  return box_text == "Tab" ? std::string("\t") : std::string(box_text);
}

void misc_line_to_record(std::string_view line, std::string_view delimiter, std::string& out) {
  std::string padded(line);  // the readable slack after the line
  padded.append(LineReader::kReadSlack, '\0');
  out.resize(record_max(line.size(), delimiter) + OutputFile::kSlack);
  out.resize(to_record(std::string_view(padded).substr(0, line.size()), delimiter, out.data()));
}

void MiscToComma::line(std::string_view text, LineReader& /*source*/, RecordSink& out) {
  char* room = out.record_space(record_max(text.size(), delimiter_));
  out.finish_record(to_record(text, delimiter_, room));
}

}  // namespace textmill
