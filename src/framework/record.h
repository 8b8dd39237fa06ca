#pragma once
// The comma-delimited record: how the program writes one and how it splits one.

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/line_reader.h"

namespace textmill {

// Builds one record line: fields joined by single commas, text fields between double
// quotes with nothing inside escaped or doubled, numeric fields bare. A record without
// fields is an empty line. The CR LF is the writer's business.
class RecordBuilder {
 public:
  void clear() {
    text_.clear();
    fields_ = 0;
  }
  void add_text(std::string_view field);
  void add_numeric(std::string_view field);
  [[nodiscard]] const std::string& str() const { return text_; }
  [[nodiscard]] std::size_t field_count() const { return fields_; }

 private:
  void separate();
  std::string text_;
  std::size_t fields_ = 0;
};

struct Field {
  std::string_view text;
  bool quoted = false;  // came from the quoted branch
};

// Splits the text of one record into fields, in order.
//
// A quoted field ends only at a double quote followed by a comma, or at a double quote
// that ends the record; any other double quote is part of the field. A field that
// starts with a blank is unquoted even when a quote follows. A record that ends with a
// comma has no empty last field. A quoted field that is still open at the end of the
// record continues on the next line of `joins` (a line join): the field then holds CR
// LF between the joined lines. When the source ends inside a quoted field, the record
// ends there and the text read so far is its last field.
class FieldSplitter {
 public:
  // `record` must stay valid until the first line join (after which the splitter keeps
  // its own copy). `joins` may be null: then an open quoted field ends the record.
  FieldSplitter(std::string_view record, LineSource* joins);

  // Gives the next field; false when the record has no more. The field's text is
  // valid until the next call.
  [[nodiscard]] bool next(Field& field);

  // The text not yet given as fields (after line joins, with the joined lines).
  [[nodiscard]] std::string_view remaining() const { return rest(); }

  // Lines pulled from the source by line joins so far.
  [[nodiscard]] std::uint64_t joins() const { return joins_; }

 private:
  std::string_view rest() const;
  void consume(std::size_t n);

  std::string_view view_;  // the rest, while no join has happened
  std::string own_;        // the record with its joined lines, after the first join
  std::size_t pos_ = 0;    // start of the rest inside own_
  bool owned_ = false;
  LineSource* source_;
  std::uint64_t joins_ = 0;
};

}  // namespace textmill
