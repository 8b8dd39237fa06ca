#pragma once
// Temporary directories and whole-file helpers for tests.

#include <filesystem>
#include <string>
#include <string_view>

namespace textmill::test {

// A fresh directory, removed with everything in it when the object dies.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  [[nodiscard]] const std::filesystem::path& path() const { return path_; }
  // Full path of `name` inside the directory, as a string.
  [[nodiscard]] std::string file(std::string_view name) const;

 private:
  std::filesystem::path path_;
};

void write_file(const std::string& path, std::string_view bytes);
[[nodiscard]] std::string read_file(const std::string& path);

// Every byte value 0..255 once, in order.
[[nodiscard]] std::string all_bytes();

}  // namespace textmill::test
