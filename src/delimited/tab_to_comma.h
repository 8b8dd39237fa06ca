#pragma once
// Tab-separated to comma-delimited: every source line becomes one record whose fields,
// split at tab characters, are all written as quoted text. A double quote in the source
// is ordinary text. One trailing tab adds no field; an empty line gives an empty record.

#include <string>
#include <string_view>

#include "framework/run.h"

namespace textmill {

// Converts one tab-separated line into its record text (without CR LF), into `out`.
void tab_line_to_record(std::string_view line, std::string& out);

class TabToComma final : public LineMethod {
 public:
  void line(std::string_view text, LineReader& source, RecordSink& out) override;

 private:
  std::string record_;
};

}  // namespace textmill
