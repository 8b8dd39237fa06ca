// Line reader: any bytes, any block size. The lines plus their terminators must give
// the input back, and no line may hold a CR.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/line_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t block = 1 + data[0] % 17;
  const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
  int fds[2];
  if (pipe(fds) != 0) return 0;
  if (input.size() > 60000) return 0;  // stay below the pipe's capacity
  if (!input.empty() && write(fds[1], input.data(), input.size()) < 0) std::abort();
  close(fds[1]);
  textmill::LineReader reader(block);
  reader.open_fd(fds[0], "fuzz");
  std::string rebuilt;
  std::string_view line;
  while (reader.read_line(line)) {
    if (line.find('\r') != std::string_view::npos) std::abort();
    rebuilt.append(line);
    // Put back the terminator the input had here: CR LF, CR, or none at the end.
    const std::size_t at = rebuilt.size();
    if (at < input.size()) {
      if (input[at] != '\r') std::abort();
      rebuilt.push_back('\r');
      if (at + 1 < input.size() && input[at + 1] == '\n') rebuilt.push_back('\n');
    }
  }
  close(fds[0]);
  if (rebuilt != input) std::abort();
  return 0;
}
