// Field splitter: any record with any continuation lines. It must end, never read past
// its input, and give quoted fields back exactly as the record builder wrote them.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The input is the record and its following lines, separated by CR.
  std::vector<std::string> parts(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\r') {
      parts.emplace_back();
    } else {
      parts.back().push_back(static_cast<char>(data[i]));
    }
  }
  const std::string record = parts.front();
  textmill::MemoryLines more(std::vector<std::string>(parts.begin() + 1, parts.end()));
  textmill::FieldSplitter splitter(record, &more);
  textmill::Field field;
  std::size_t total = 0;
  std::vector<std::string> fields;
  while (splitter.next(field)) {
    total += field.text.size();
    if (total > 2 * size + 16) std::abort();  // fields come from the input only
    fields.emplace_back(field.text);
  }

  // Fields that hold no `",` and do not end in a quote round-trip through the writer.
  textmill::RecordBuilder builder;
  std::vector<std::string> plain;
  for (const auto& f : fields) {
    if (f.find("\",") == std::string::npos && f.find('\r') == std::string::npos &&
        (f.empty() || f.back() != '"')) {
      builder.add_text(f);
      plain.push_back(f);
    }
  }
  textmill::FieldSplitter again(builder.str(), nullptr);
  std::size_t k = 0;
  while (again.next(field)) {
    if (k >= plain.size() || field.text != plain[k] || !field.quoted) std::abort();
    ++k;
  }
  if (k != plain.size()) std::abort();
  return 0;
}
