#pragma once
// Reads text lines from a file: a line ends at CR or CR LF, a lone LF is an ordinary
// character of the line, and the last line needs no terminator. Bytes are never
// translated.

#include <csignal>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/file_status.h"

namespace textmill {

// Where a field splitter pulls the continuation line of a quoted field from.
class LineSource {
 public:
  virtual ~LineSource() = default;
  // Reads the next line into `line` (valid until the next call); false at the end.
  [[nodiscard]] virtual bool read_line(std::string_view& line) = 0;
};

// Lines held in memory, given in order (continuation lines for a splitter that is not
// reading a file).
class MemoryLines final : public LineSource {
 public:
  explicit MemoryLines(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  [[nodiscard]] bool read_line(std::string_view& line) override {
    if (next_ == lines_.size()) return false;
    line = lines_[next_++];
    return true;
  }
  [[nodiscard]] std::size_t left() const { return lines_.size() - next_; }

 private:
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
};

class LineReader final : public LineSource {
 public:
  static constexpr std::size_t kDefaultBlock = std::size_t{128} << 10;
  // At least this many bytes after the end of every line given are readable (their
  // values are unspecified), so a method may load whole vectors past it.
  static constexpr std::size_t kReadSlack = 64;

  // `block` is the read size; tests use tiny blocks to cross block boundaries.
  explicit LineReader(std::size_t block = kDefaultBlock);
  ~LineReader() override;
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // Opens `path` for reading. A directory cannot be opened. On failure error() says why.
  [[nodiscard]] bool open(const std::string& path);
  // Reads from an already open descriptor (standard input); the reader does not close it.
  void open_fd(int fd, std::string name);
  void close();

  // True when no character is left to read (or reading failed).
  [[nodiscard]] bool at_end();
  [[nodiscard]] bool read_line(std::string_view& line) override;

  // Lines read so far, for messages that name a source line.
  [[nodiscard]] std::uint64_t line_number() const { return lines_; }
  // Bytes consumed so far and the file's size when opened (0 for a pipe).
  [[nodiscard]] std::uint64_t position() const { return consumed_; }
  [[nodiscard]] std::uint64_t size() const { return size_; }

  // A read interrupted by a signal while `*flag` is set ends the lines instead of being
  // retried, so Ctrl-C is seen even while waiting on a pipe.
  void set_interrupt_flag(const volatile std::sig_atomic_t* flag) { interrupt_ = flag; }
  // True when the lines ended that way.
  [[nodiscard]] bool interrupted() const { return interrupted_; }

  // The failure of open() or of a read; a read failure ends the lines.
  [[nodiscard]] const std::optional<IoError>& error() const { return error_; }

 private:
  struct Prefetch;
  // Reads more bytes after the unread ones; false when nothing more came.
  bool fill();
  bool take_prefetched();

  std::vector<char> buf_;
  std::size_t block_;
  std::size_t begin_ = 0;  // first unread byte
  std::size_t end_ = 0;    // one past the last byte read
  int fd_ = -1;
  bool owns_fd_ = false;
  bool eof_ = false;
  bool interrupted_ = false;
  const volatile std::sig_atomic_t* interrupt_ = nullptr;
  std::uint64_t consumed_ = 0;
  std::uint64_t size_ = 0;
  std::uint64_t lines_ = 0;
  std::string name_;
  std::optional<IoError> error_;
  std::unique_ptr<Prefetch> prefetch_;
};

}  // namespace textmill
