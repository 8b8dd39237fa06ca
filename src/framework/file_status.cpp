#include "framework/file_status.h"

#include <sys/stat.h>

#include <atomic>
#include <cstring>

namespace textmill {

namespace {
std::atomic<std::uint64_t> g_error_stamp{0};
}

std::string IoError::description() const {
  return system_description(code);
}

IoError make_io_error(std::string path, int code) {
  return IoError{std::move(path), code, ++g_error_stamp};
}

std::optional<IoError> latest(const std::optional<IoError>& a, const std::optional<IoError>& b) {
  if (!a) return b;
  if (!b) return a;
  return a->stamp > b->stamp ? a : b;
}

std::string system_description(int code) {
  char buf[256];
  // GNU strerror_r may return a static string instead of filling buf.
#if defined(__GLIBC__) && defined(_GNU_SOURCE)
  return strerror_r(code, buf, sizeof buf);
#else
  if (strerror_r(code, buf, sizeof buf) != 0) return "Unknown error " + std::to_string(code);
  return buf;
#endif
}

std::optional<std::uint64_t> file_size(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return std::nullopt;
  return static_cast<std::uint64_t>(st.st_size);
}

bool file_exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

bool same_file(const std::string& a, const std::string& b) {
  struct stat sa {};
  struct stat sb {};
  if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

std::string_view trim_blanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

bool same_name(std::string_view a, std::string_view b) {
  a = trim_blanks(a);
  b = trim_blanks(b);
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto up = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; };
    if (up(a[i]) != up(b[i])) return false;
  }
  return true;
}

}  // namespace textmill
