#include "delimited/comma_to_vertical.h"

#include "framework/record.h"

namespace textmill {

namespace {

bool all_blanks(std::string_view s) {
  return s.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace

RunEnd vertical_block(std::string_view line, LineSource* joins, bool compress, RunHost* host,
                      std::uint64_t blocks, std::string& block) {
  block.clear();
  FieldSplitter fields(trim_blanks(line), joins);
  Field field;
  while (!fields.remaining().empty()) {
    if (host != nullptr) {
      if (host->abandoned()) return RunEnd::Abandoned;
      if (host->stop_requested() && host->confirm_stop()) return RunEnd::Stopped;
    }
    if (all_blanks(fields.remaining())) break;
    if (!fields.next(field)) break;
    if (!compress || !field.text.empty()) {
      block += field.text;
      block += "\r\n";
    }
    if (host != nullptr) host->progress(blocks);
  }
  return RunEnd::Exhausted;
}

RunResult run_comma_to_vertical(LineReader& source, OutputFile& dest, bool compress,
                                RunHost& host) {
  RunResult result;
  std::string block;
  std::string_view line;
  while (source.read_line(line)) {
    ++result.lines;
    result.end = vertical_block(line, &source, compress, &host, result.records, block);
    if (result.end != RunEnd::Exhausted) break;
    if (!block.empty()) {
      dest.write_line(block);
      ++result.records;
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
