#pragma once
// The destination of a run: buffered, opened for appending (a missing file is
// created) or created new. A failure is remembered, not thrown: the run goes on and
// the most recent failure is reported once the files are closed.
//
// Full buffers are written by a helper thread while the run fills the next one, so
// converting and writing overlap; the object itself is used from one thread.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/file_status.h"

namespace textmill {

class OutputFile {
 public:
  static constexpr std::size_t kDefaultBuffer = std::size_t{256} << 10;

  explicit OutputFile(std::size_t buffer = kDefaultBuffer);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Opens `path` for appending, creating it when missing. A directory cannot be opened.
  [[nodiscard]] bool open_append(const std::string& path);
  // Creates `path`; fails when it already exists.
  [[nodiscard]] bool create_new(const std::string& path);
  // Writes to an already open descriptor (standard output); it is not closed.
  void open_fd(int fd, std::string name);

  // Appends `text` and CR LF. Lines are only ever flushed whole, so a failing write
  // leaves no part of a line behind in a regular file.
  void write_line(std::string_view text);
  // Appends bytes with no terminator (for methods that write a line in pieces).
  void write(std::string_view bytes);
  // Marks the end of a line written in pieces with write(): adds CR LF.
  void end_line() { write(std::string_view("\r\n", 2)); }

  // Slack after the room line_space() gives, so writers may store whole vectors
  // vectors past the end of what they keep.
  static constexpr std::size_t kSlack = 64;
  // Room for writing a line of at most `max` bytes in place (with CR LF and kSlack
  // bytes beyond); finish it with finish_line(n). Saves a copy on hot paths.
  [[nodiscard]] char* line_space(std::size_t max);
  // Ends the line begun with line_space(): keeps its first `n` bytes and adds CR LF.
  void finish_line(std::size_t n);

  // Flushes and closes; false when this or an earlier write failed.
  bool close();
  [[nodiscard]] bool is_open() const { return fd_ >= 0; }

  // The most recent failure since opening (open failures included). Failures of
  // writing are known for certain after close().
  [[nodiscard]] const std::optional<IoError>& error() const { return error_; }
  // True as soon as any write has failed, also one the helper thread has not yet
  // reported through error(): for runs that end at their first failure.
  [[nodiscard]] bool failed() const;

 private:
  struct Writer;
  bool open_with(const std::string& path, int flags);
  void start_writer();
  void flush();
  void fail(int code);

  std::vector<char> buf_;
  std::vector<char> scratch_;
  std::size_t buffer_size_;
  std::size_t used_ = 0;
  std::size_t line_start_ = 0;  // where the line being written began in buf_
  int fd_ = -1;
  bool owns_fd_ = false;
  bool regular_ = false;
  std::string name_;
  std::optional<IoError> error_;
  std::unique_ptr<Writer> writer_;
};

}  // namespace textmill
