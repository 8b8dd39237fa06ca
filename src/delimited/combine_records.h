#pragma once
// Combine Records: every n consecutive source lines joined into one output line with a
// comma between them, exactly as they are. The group size is asked afresh at the start
// of every group, so a change during a run takes effect at the next group.
//
// The run is its own: only complete groups are counted; when the source ends inside or
// at the start of a group, the lines gathered so far are written as one more line (an
// empty one when there are none). The first failing read or write ends the run.

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "framework/run.h"

namespace textmill {

// Said when a text is no group size.
inline constexpr std::string_view kGroupSizeMessage =
    "Please specify the Number of Records: a whole number of 1 or more.";

// The group size a box text gives: a number (blanks ignored, a fraction cut off) of at
// least 1; nothing for any other text.
[[nodiscard]] std::optional<std::uint64_t> group_size_of(std::string_view text);

// Runs over `source` into `dest` (both open), then closes both. `group_size` is called
// at the start of every group and must give at least 1 (a smaller value counts as 1).
RunResult run_combine_records(LineReader& source, OutputFile& dest,
                              const std::function<std::uint64_t()>& group_size, RunHost& host);

}  // namespace textmill
