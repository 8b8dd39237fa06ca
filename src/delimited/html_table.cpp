#include "delimited/html_table.h"

#include "framework/record.h"

namespace textmill {

void html_row(std::string_view record, LineSource* joins, std::string& out) {
  out.assign("<TR>\r\n\t");
  FieldSplitter fields(record, joins);
  Field field;
  while (fields.next(field)) {
    out += "<TD>";
    out += field.text;
    out += "</TD>";
  }
  out += "\r\n</TR>";
}

void HtmlTable::line(std::string_view text, LineReader& source, RecordSink& out) {
  html_row(text, &source, row_);
  out.write_record(row_);
}

}  // namespace textmill
