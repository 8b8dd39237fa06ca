#include "framework/run.h"

namespace textmill {

RunResult run_lines(LineReader& source, OutputFile& dest, LineMethod& method, RunHost& host) {
  RunResult result;
  RecordSink sink(dest);
  std::string_view line;
  bool exhausted = true;
  while (source.read_line(line)) {
    method.line(line, source, sink);
    ++result.lines;
    host.progress(sink.records());
    if (host.abandoned()) {
      result.end = RunEnd::Abandoned;
      exhausted = false;
      break;
    }
    if (host.stop_requested() && host.confirm_stop()) {
      result.end = RunEnd::Stopped;
      exhausted = false;
      break;
    }
  }
  if (exhausted && source.interrupted()) {
    result.end = RunEnd::Stopped;  // Ctrl-C while waiting for input
    exhausted = false;
  }
  if (exhausted) method.finish(sink);
  result.records = sink.records();
  const std::optional<IoError> read_error = source.error();
  source.close();
  dest.close();
  result.last_error = latest(read_error, dest.error());
  return result;
}

}  // namespace textmill
