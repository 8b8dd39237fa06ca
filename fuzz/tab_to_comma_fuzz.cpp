// Tab conversion: the vector path must agree with the plain definition (split at
// tabs, quote each field, one trailing tab adds no field) for any line.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "delimited/tab_to_comma.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  std::string fast;
  textmill::tab_line_to_record(line, fast);
  std::string plain;
  std::string_view rest = line;
  while (!rest.empty()) {
    const std::size_t tab = rest.find('\t');
    plain += ",\"";
    plain += rest.substr(0, tab);
    plain += '"';
    rest = tab == std::string_view::npos ? std::string_view() : rest.substr(tab + 1);
  }
  if (!plain.empty()) plain.erase(0, 1);
  if (fast != plain) std::abort();
  return 0;
}
