#include "framework/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace textmill {

OutputFile::OutputFile(std::size_t buffer) : buf_(buffer == 0 ? 1 : buffer) {}

OutputFile::~OutputFile() {
  close();
}

bool OutputFile::open_with(const std::string& path, int flags) {
  close();
  name_ = path;
  error_.reset();
  int fd = ::open(path.c_str(), flags | O_WRONLY | O_CLOEXEC, 0666);
  if (fd < 0) {
    fail(errno);
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    fail(EISDIR);
    return false;
  }
  regular_ = S_ISREG(st.st_mode);
  fd_ = fd;
  owns_fd_ = true;
  return true;
}

bool OutputFile::open_append(const std::string& path) {
  return open_with(path, O_CREAT | O_APPEND);
}

bool OutputFile::create_new(const std::string& path) {
  return open_with(path, O_CREAT | O_EXCL);
}

void OutputFile::open_fd(int fd, std::string name) {
  close();
  name_ = std::move(name);
  error_.reset();
  fd_ = fd;
  owns_fd_ = false;
  struct stat st {};
  regular_ = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

void OutputFile::fail(int code) {
  error_ = make_io_error(name_, code);
}

void OutputFile::write(std::string_view bytes) {
  if (fd_ < 0) return;
  while (!bytes.empty()) {
    if (used_ == buf_.size()) {
      if (line_start_ > 0) {
        flush();  // the complete lines; the open line moves to the front
      } else {
        buf_.resize(buf_.size() * 2);  // one line longer than the buffer
      }
    }
    std::size_t n = std::min(bytes.size(), buf_.size() - used_);
    std::memcpy(buf_.data() + used_, bytes.data(), n);
    used_ += n;
    bytes.remove_prefix(n);
  }
}

void OutputFile::write_line(std::string_view text) {
  if (fd_ < 0) return;
  if (used_ + text.size() + 2 > buf_.size() && line_start_ > 0) flush();
  write(text);
  end_line();
  line_start_ = used_;
}

char* OutputFile::line_space(std::size_t max) {
  if (fd_ < 0) {
    scratch_.resize(max + 2 + kSlack);  // a closed file swallows the line
    return scratch_.data();
  }
  const std::size_t need = max + 2 + kSlack;
  if (used_ + need > buf_.size() && line_start_ > 0) flush();
  if (used_ + need > buf_.size()) buf_.resize(used_ + need);
  return buf_.data() + used_;
}

void OutputFile::finish_line(std::size_t n) {
  if (fd_ < 0) return;
  used_ += n;
  buf_[used_++] = '\r';
  buf_[used_++] = '\n';
  line_start_ = used_;
}

// Writes the complete lines in the buffer. When a write fails part-way in a regular
// file, the file is cut back to where this flush began, so it never ends inside a line.
void OutputFile::flush() {
  std::size_t n = line_start_;
  if (n == 0 || fd_ < 0) return;
  off_t start = -1;
  if (regular_) {
    struct stat st {};
    if (::fstat(fd_, &st) == 0) start = st.st_size;
  }
  std::size_t done = 0;
  while (done < n) {
    ssize_t w = ::write(fd_, buf_.data() + done, n - done);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) {
      fail(w < 0 ? errno : EIO);
      if (done > 0 && start >= 0 && ::ftruncate(fd_, start) != 0) fail(errno);
      break;
    }
    done += static_cast<std::size_t>(w);
  }
  std::memmove(buf_.data(), buf_.data() + n, used_ - n);
  used_ -= n;
  line_start_ = 0;
}

bool OutputFile::close() {
  if (fd_ < 0) return !error_.has_value();
  // A line left open by write() is completed data too: write it.
  line_start_ = used_;
  flush();
  if (owns_fd_ && ::close(fd_) != 0) fail(errno);
  fd_ = -1;
  owns_fd_ = false;
  used_ = line_start_ = 0;
  return !error_.has_value();
}

}  // namespace textmill
