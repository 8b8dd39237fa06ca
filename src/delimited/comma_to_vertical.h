#pragma once
// Comma-delimited to vertical listing: every field of a record on a line of its own,
// each record's block followed by an empty line. Each source line has its blanks cut at
// both ends before it is split; with `compress` empty fields are left out, and a record
// that leaves no line writes nothing at all.
//
// The run is its own: the stop flag is tested before every field and the host gets a
// turn after every field, since one record may hold very many.

#include <string>
#include <string_view>

#include "framework/run.h"

namespace textmill {

// The block of one source line (its field lines, each with CR LF; the empty line after
// them is the writer's CR LF), or empty when it gives no line. `host` (may be null) is
// asked before every field and told after it; returns how the line ended: Exhausted
// when all its fields were taken.
RunEnd vertical_block(std::string_view line, LineSource* joins, bool compress, RunHost* host,
                      std::uint64_t blocks, std::string& block);

// Runs over every line of `source` into `dest` (both open), then closes both. A failing
// write does not stop the run; RunResult::records counts the blocks written.
RunResult run_comma_to_vertical(LineReader& source, OutputFile& dest, bool compress, RunHost& host);

}  // namespace textmill
