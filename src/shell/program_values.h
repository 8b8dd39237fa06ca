#pragma once
// Program-wide values, set once at start-up.

#include <string>
#include <string_view>

namespace textmill {

inline constexpr std::string_view kApplicationTitle = "Textmill 5.1";
inline constexpr std::string_view kReleaseDate = "(13-Apr-97)";
// Caption of every message box that names no title of its own.
inline constexpr std::string_view kProgramTitle = "Textmill";

struct ProgramValues {
  std::string directory;  // ends with exactly one separator
  std::string help_file;  // directory + executable base name + ".hlp"
};

// Derives the program directory and help file path from the executable's full path.
[[nodiscard]] ProgramValues program_values_for(std::string_view executable_path);

// Appends a separator unless `dir` already ends with one (a root keeps its one).
[[nodiscard]] std::string with_trailing_separator(std::string dir);

// The text of the technical-information message.
[[nodiscard]] std::string techinfo_text();

}  // namespace textmill
