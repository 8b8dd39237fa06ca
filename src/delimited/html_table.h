#pragma once
// HTML table rows: every comma-delimited record becomes one row of three lines, "<TR>",
// a tab followed by one <TD>field</TD> cell per field, and "</TR>". Field texts pass
// unchanged (no HTML escaping); a quoted field open at the end of a line continues on
// the next lines, which then belong to the same row.

#include <string>
#include <string_view>

#include "framework/run.h"

namespace textmill {

// The row of one record (the three lines, with CR LF between them but not after).
void html_row(std::string_view record, LineSource* joins, std::string& out);

class HtmlTable final : public LineMethod {
 public:
  void line(std::string_view text, LineReader& source, RecordSink& out) override;

 private:
  std::string row_;
};

}  // namespace textmill
