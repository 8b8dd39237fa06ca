#include "framework/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

namespace textmill {

// The helper thread: writes one block at a time, handed over by flush().
struct OutputFile::Writer {
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<char> block;      // the block being written, while `pending`
  std::size_t size = 0;         // its bytes to write
  std::size_t normal_size = 0;  // the buffer size a block returns to
  bool pending = false;
  bool quit = false;
  int fd = -1;
  bool regular = false;
  std::string name;
  std::optional<IoError> error;  // guarded by `mutex`
  std::atomic<bool> failed{false};
  std::thread thread;

  void loop() {
    std::unique_lock lock(mutex);
    for (;;) {
      changed.wait(lock, [this] { return pending || quit; });
      if (!pending) return;
      lock.unlock();
      std::optional<IoError> failure = write_block();
      lock.lock();
      if (failure) {
        error = std::move(failure);
        failed.store(true, std::memory_order_relaxed);
      }
      if (block.size() > 4 * normal_size) std::vector<char>().swap(block);
      pending = false;
      changed.notify_all();
    }
  }

  // When a write fails part-way in a regular file, the file is cut back to where this
  // block began, so it never ends inside a line.
  std::optional<IoError> write_block() {
    off_t start = -1;
    if (regular) {
      struct stat st {};
      if (::fstat(fd, &st) == 0) start = st.st_size;
    }
    std::size_t done = 0;
    while (done < size) {
      ssize_t w = ::write(fd, block.data() + done, size - done);
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) {
        IoError e = make_io_error(name, w < 0 ? errno : EIO);
        if (done > 0 && start >= 0 && ::ftruncate(fd, start) != 0) e = make_io_error(name, errno);
        return e;
      }
      done += static_cast<std::size_t>(w);
    }
    return std::nullopt;
  }

  void wait_idle(std::unique_lock<std::mutex>& lock) {
    changed.wait(lock, [this] { return !pending; });
  }
};

OutputFile::OutputFile(std::size_t buffer)
    : buf_(buffer == 0 ? 1 : buffer), buffer_size_(buffer == 0 ? 1 : buffer) {}

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
  start_writer();
  return true;
}

void OutputFile::start_writer() {
  writer_ = std::make_unique<Writer>();
  writer_->fd = fd_;
  writer_->regular = regular_;
  writer_->name = name_;
  writer_->normal_size = buffer_size_;
  writer_->thread = std::thread([w = writer_.get()] { w->loop(); });
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
  start_writer();
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

// Hands the complete lines in the buffer to the writer (after it has finished the
// previous block) and keeps the open line.
void OutputFile::flush() {
  const std::size_t n = line_start_;
  if (n == 0 || fd_ < 0) return;
  Writer& w = *writer_;
  {
    std::unique_lock lock(w.mutex);
    w.wait_idle(lock);
    std::swap(w.block, buf_);
    w.size = n;
    w.pending = true;
  }
  w.changed.notify_all();
  // The writer only reads its block, so copying the open line out of it is safe.
  // A block grown for one very long line is not kept: the buffers return to their
  // normal size, so memory follows the longest line only while it is written.
  const std::size_t keep = std::max(used_ - n, buffer_size_);
  if (buf_.size() < keep) buf_.resize(keep);
  std::memcpy(buf_.data(), w.block.data() + n, used_ - n);
  used_ -= n;
  line_start_ = 0;
}

bool OutputFile::failed() const {
  return error_.has_value() || (writer_ && writer_->failed.load(std::memory_order_relaxed));
}

bool OutputFile::close() {
  if (fd_ < 0) return !error_.has_value();
  // A line left open by write() is completed data too: write it.
  line_start_ = used_;
  flush();
  {
    std::unique_lock lock(writer_->mutex);
    writer_->wait_idle(lock);
    writer_->quit = true;
    error_ = latest(error_, writer_->error);
  }
  writer_->changed.notify_all();
  writer_->thread.join();
  writer_.reset();
  if (owns_fd_ && ::close(fd_) != 0) fail(errno);
  fd_ = -1;
  owns_fd_ = false;
  used_ = line_start_ = 0;
  return !error_.has_value();
}

}  // namespace textmill
