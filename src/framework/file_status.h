#pragma once
// Small file-system questions the Execute checks ask, and the error record that
// runs carry instead of throwing.

#include <cstdint>
#include <optional>
#include <string>

namespace textmill {

// A failed file operation: which file, the errno, and the order in which it happened
// (so a run can report the most recent of several).
struct IoError {
  std::string path;
  int code = 0;
  std::uint64_t stamp = 0;

  // The system's standard description of the error ("No space left on device").
  [[nodiscard]] std::string description() const;
};

// Makes an IoError for `code`, stamped later than every earlier one.
[[nodiscard]] IoError make_io_error(std::string path, int code);

// The later of two failures.
[[nodiscard]] std::optional<IoError> latest(const std::optional<IoError>& a,
                                            const std::optional<IoError>& b);

// The system's description of an errno value.
[[nodiscard]] std::string system_description(int code);

// Size in bytes of the file `path`, or nothing when it does not exist or cannot be
// examined. A directory has no size here.
[[nodiscard]] std::optional<std::uint64_t> file_size(const std::string& path);

// True when `path` names an existing file system object.
[[nodiscard]] bool file_exists(const std::string& path);

// True when both names exist and reach the same file (same device and inode), also
// through a relative path, a link or a second hard link.
[[nodiscard]] bool same_file(const std::string& a, const std::string& b);

// The name comparison of the Execute checks: leading and trailing blanks removed,
// letter case ignored (ASCII).
[[nodiscard]] bool same_name(std::string_view a, std::string_view b);

// Leading and trailing blanks removed (blanks only, as the boxes are tested).
[[nodiscard]] std::string_view trim_blanks(std::string_view s);

}  // namespace textmill
