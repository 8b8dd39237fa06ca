#include "shell/program_values.h"

#include <filesystem>

namespace textmill {

std::string with_trailing_separator(std::string dir) {
  const char sep = static_cast<char>(std::filesystem::path::preferred_separator);
  if (dir.empty() || dir.back() != sep) dir.push_back(sep);
  return dir;
}

ProgramValues program_values_for(std::string_view executable_path) {
  std::filesystem::path exe(executable_path);
  ProgramValues v;
  v.directory = with_trailing_separator(exe.parent_path().string());
  v.help_file = v.directory + exe.stem().string() + ".hlp";
  return v;
}

std::string techinfo_text() {
  return "Application: " + std::string(kApplicationTitle) + " " + std::string(kReleaseDate);
}

}  // namespace textmill
