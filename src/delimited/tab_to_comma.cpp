#include "delimited/tab_to_comma.h"

#include "delimited/byte_split.h"

namespace textmill {

std::size_t tab_line_to_record(std::string_view line, char* out) {
  if (line.empty()) return 0;
  if (line.back() == '\t') line.remove_suffix(1);
  return split_at_byte(line, '\t', out);
}

void tab_line_to_record(std::string_view line, std::string& out) {
  std::string padded(line);  // the readable slack after the line
  padded.append(LineReader::kReadSlack, '\0');
  out.resize(tab_record_max(line.size()) + OutputFile::kSlack);
  out.resize(tab_line_to_record(std::string_view(padded).substr(0, line.size()), out.data()));
}

void TabToComma::line(std::string_view text, LineReader& /*source*/, RecordSink& out) {
  char* room = out.record_space(tab_record_max(text.size()));
  out.finish_record(tab_line_to_record(text, room));
}

}  // namespace textmill
