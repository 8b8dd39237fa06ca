#include "framework/record.h"

namespace textmill {

void RecordBuilder::separate() {
  if (fields_++ > 0) text_.push_back(',');
}

void RecordBuilder::add_text(std::string_view field) {
  separate();
  text_.push_back('"');
  text_.append(field);
  text_.push_back('"');
}

void RecordBuilder::add_numeric(std::string_view field) {
  separate();
  text_.append(field);
}

FieldSplitter::FieldSplitter(std::string_view record, LineSource* joins)
    : view_(record), source_(joins) {}

std::string_view FieldSplitter::rest() const {
  return owned_ ? std::string_view(own_).substr(pos_) : view_;
}

void FieldSplitter::consume(std::size_t n) {
  if (owned_) {
    pos_ += n;
  } else {
    view_.remove_prefix(n);
  }
}

bool FieldSplitter::next(Field& field) {
  std::string_view r = rest();
  if (r.empty()) return false;

  if (r.front() != '"') {
    std::size_t comma = r.find(',');
    field = {r.substr(0, comma), false};
    consume(comma == std::string_view::npos ? r.size() : comma + 1);
    return true;
  }

  // Quoted field. `scan` is where the search for `",` resumes after a line join: the
  // text before it is known to hold none, and a join never creates one across the
  // seam (the old rest did not end with a quote).
  std::size_t scan = 1;
  for (;;) {
    r = rest();
    std::size_t close = r.find("\",", scan);
    if (close != std::string_view::npos) {
      field = {r.substr(1, close - 1), true};
      consume(close + 2);
      return true;
    }
    if (r.size() >= 2 && r.back() == '"') {
      field = {r.substr(1, r.size() - 2), true};
      consume(r.size());
      return true;
    }
    if (source_ != nullptr) {
      // Copied before the source reads on: the record may be the source's previous
      // line, which the next read may overwrite.
      if (!owned_) {
        own_.assign(view_);
        pos_ = 0;
        owned_ = true;
      } else if (pos_ > 0) {
        own_.erase(0, pos_);  // drop the fields already given, once per join
        pos_ = 0;
      }
      r = rest();
    }
    std::string_view line;
    if (source_ == nullptr || !source_->read_line(line)) {
      // The source ended inside the field: the text read so far is the last field.
      field = {r.substr(1), true};
      consume(r.size());
      return true;
    }
    scan = own_.size() > 0 ? own_.size() - 1 : 1;
    if (scan < 1) scan = 1;
    own_.append("\r\n");
    own_.append(line);
    ++joins_;
  }
}

}  // namespace textmill
