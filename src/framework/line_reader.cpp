#include "framework/line_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

namespace textmill {

// Read-ahead for regular files: a helper thread reads the next block while the run
// converts the current one. It reads behind a headroom, so the unread end of the
// current block (the start of a line) is put in front of the new one and the buffers
// are swapped instead of copied. Pipes and terminals are read directly, where Ctrl-C
// must interrupt the read.
struct LineReader::Prefetch {
  static constexpr std::size_t kHeadroom = 4096;

  std::mutex mutex;
  std::condition_variable changed;
  std::vector<char> chunk;  // the thread's while !ready; bytes at kHeadroom
  std::size_t len = 0;
  int err = 0;
  bool ready = false;
  bool quit = false;
  int fd = -1;
  std::size_t block = 0;
  std::thread thread;

  void loop() {
    std::unique_lock lock(mutex);
    for (;;) {
      changed.wait(lock, [this] { return !ready || quit; });
      if (quit) return;
      lock.unlock();
      if (chunk.size() < kHeadroom + block + kReadSlack)
        chunk.resize(kHeadroom + block + kReadSlack);
      ssize_t n = 0;
      do {
        n = ::read(fd, chunk.data() + kHeadroom, block);
      } while (n < 0 && errno == EINTR);
      const int code = n < 0 ? errno : 0;
      lock.lock();
      len = n > 0 ? static_cast<std::size_t>(n) : 0;
      err = code;
      ready = true;
      changed.notify_all();
      if (n <= 0) {
        changed.wait(lock, [this] { return quit; });
        return;
      }
    }
  }
};

LineReader::LineReader(std::size_t block) : block_(block == 0 ? 1 : block) {}

LineReader::~LineReader() {
  close();
}

bool LineReader::open(const std::string& path) {
  close();
  name_ = path;
  error_.reset();
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error_ = make_io_error(path, errno);
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    error_ = make_io_error(path, EISDIR);
    return false;
  }
  size_ = S_ISREG(st.st_mode) ? static_cast<std::uint64_t>(st.st_size) : 0;
  fd_ = fd;
  owns_fd_ = true;
  if (S_ISREG(st.st_mode)) {
    prefetch_ = std::make_unique<Prefetch>();
    prefetch_->fd = fd;
    prefetch_->block = block_;
    prefetch_->thread = std::thread([p = prefetch_.get()] { p->loop(); });
  }
  return true;
}

void LineReader::open_fd(int fd, std::string name) {
  close();
  name_ = std::move(name);
  error_.reset();
  fd_ = fd;
  owns_fd_ = false;
}

void LineReader::close() {
  if (prefetch_) {
    {
      std::lock_guard lock(prefetch_->mutex);
      prefetch_->quit = true;
    }
    prefetch_->changed.notify_all();
    prefetch_->thread.join();
    prefetch_.reset();
  }
  if (fd_ >= 0 && owns_fd_) ::close(fd_);
  fd_ = -1;
  owns_fd_ = false;
  eof_ = false;
  interrupted_ = false;
  begin_ = end_ = 0;
  consumed_ = size_ = lines_ = 0;
}

bool LineReader::fill() {
  if (eof_ || fd_ < 0) return false;
  if (prefetch_) return take_prefetched();
  // Keep the unread bytes; move them to the front so the buffer never grows past the
  // longest line plus one block.
  if (begin_ > 0) {
    std::memmove(buf_.data(), buf_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (buf_.size() - end_ < block_ + kReadSlack) buf_.resize(end_ + block_ + kReadSlack);
  for (;;) {
    ssize_t n = ::read(fd_, buf_.data() + end_, buf_.size() - end_ - kReadSlack);
    if (n > 0) {
      end_ += static_cast<std::size_t>(n);
      return true;
    }
    if (n < 0 && errno == EINTR) {
      if (interrupt_ == nullptr || *interrupt_ == 0) continue;
      interrupted_ = true;
      eof_ = true;
      return false;
    }
    if (n < 0) error_ = make_io_error(name_, errno);
    eof_ = true;
    return false;
  }
}

bool LineReader::take_prefetched() {
  Prefetch& p = *prefetch_;
  std::unique_lock lock(p.mutex);
  p.changed.wait(lock, [&p] { return p.ready; });
  if (p.len == 0) {
    if (p.err != 0) error_ = make_io_error(name_, p.err);
    eof_ = true;
    return false;
  }
  const std::size_t unread = end_ - begin_;
  if (unread <= Prefetch::kHeadroom) {
    const std::size_t start = Prefetch::kHeadroom - unread;
    if (unread > 0) std::memcpy(p.chunk.data() + start, buf_.data() + begin_, unread);
    std::swap(buf_, p.chunk);
    begin_ = start;
    end_ = Prefetch::kHeadroom + p.len;
  } else {
    // A line longer than the headroom: it grows in this buffer, as without read-ahead.
    if (begin_ > 0) {
      std::memmove(buf_.data(), buf_.data() + begin_, unread);
      end_ = unread;
      begin_ = 0;
    }
    if (buf_.size() < end_ + p.len + kReadSlack) buf_.resize(end_ + p.len + kReadSlack);
    std::memcpy(buf_.data() + end_, p.chunk.data() + Prefetch::kHeadroom, p.len);
    end_ += p.len;
  }
  p.ready = false;
  lock.unlock();
  p.changed.notify_all();
  return true;
}

bool LineReader::at_end() {
  if (begin_ < end_) return false;
  return !fill();
}

bool LineReader::read_line(std::string_view& line) {
  if (at_end()) return false;
  std::size_t scan = begin_;
  for (;;) {
    // memchr rather than a byte loop: the lines are long compared with the terminators.
    const void* hit = std::memchr(buf_.data() + scan, '\r', end_ - scan);
    if (hit != nullptr) {
      std::size_t cr = static_cast<std::size_t>(static_cast<const char*>(hit) - buf_.data());
      // A CR at the end of the bytes read so far may be followed by an LF in the next
      // block: look before deciding.
      if (cr + 1 == end_ && !eof_) {
        std::size_t keep = cr - begin_;
        if (fill()) {
          scan = begin_ + keep;  // the CR is still unread, at the same offset
          continue;
        }
        cr = begin_ + keep;
      }
      std::size_t after = cr + 1;
      if (after < end_ && buf_[after] == '\n') ++after;
      line = std::string_view(buf_.data() + begin_, cr - begin_);
      consumed_ += after - begin_;
      begin_ = after;
      ++lines_;
      return true;
    }
    std::size_t scanned = end_ - begin_;
    if (!fill()) {
      // Last line without terminator.
      line = std::string_view(buf_.data() + begin_, end_ - begin_);
      consumed_ += end_ - begin_;
      begin_ = end_;
      ++lines_;
      return true;
    }
    scan = begin_ + scanned;
  }
}

}  // namespace textmill
