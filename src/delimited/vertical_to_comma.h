#pragma once
// Vertical listing to comma-delimited: every run of non-empty lines becomes one record
// of quoted fields, one field per line, written when the empty line after it comes (or
// the source ends). Empty lines only separate; they never make an empty record. A line
// of blanks is a field.

#include <string>
#include <string_view>

#include "framework/run.h"

namespace textmill {

class VerticalToComma final : public LineMethod {
 public:
  void line(std::string_view text, LineReader& source, RecordSink& out) override;
  // The last group, when the listing does not end with an empty line.
  void finish(RecordSink& out) override;

 private:
  void flush(RecordSink& out);
  // The record gathered so far, each field as ,"line" (so it begins with a comma).
  std::string pending_;
};

}  // namespace textmill
