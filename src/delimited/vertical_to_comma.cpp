#include "delimited/vertical_to_comma.h"

namespace textmill {

void VerticalToComma::flush(RecordSink& out) {
  if (pending_.size() > 1) out.write_record(std::string_view(pending_).substr(1));
  pending_.clear();
}

void VerticalToComma::line(std::string_view text, LineReader& /*source*/, RecordSink& out) {
  if (text.empty()) {
    flush(out);
    return;
  }
  pending_ += ",\"";
  pending_ += text;
  pending_ += '"';
}

void VerticalToComma::finish(RecordSink& out) {
  flush(out);
}

}  // namespace textmill
