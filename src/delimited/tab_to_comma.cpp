#include "delimited/tab_to_comma.h"

#include <cstring>

namespace textmill {

void tab_line_to_record(std::string_view line, std::string& out) {
  out.clear();
  out.reserve(line.size() + 16);
  const char* p = line.data();
  const char* end = p + line.size();
  while (p < end) {
    const char* tab =
        static_cast<const char*>(std::memchr(p, '\t', static_cast<std::size_t>(end - p)));
    const char* field_end = tab != nullptr ? tab : end;
    if (!out.empty()) out.push_back(',');
    out.push_back('"');
    out.append(p, field_end);
    out.push_back('"');
    p = tab != nullptr ? tab + 1 : end;
  }
}

void TabToComma::line(std::string_view text, LineReader& /*source*/, RecordSink& out) {
  tab_line_to_record(text, record_);
  out.write_record(record_);
}

}  // namespace textmill
