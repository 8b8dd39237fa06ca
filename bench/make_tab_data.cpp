// Deterministic data for the benchmarks: the same bytes on every machine.
//   make_tab_data tsv   PATH MB   about 10 tab-separated fields a line, CR LF
//   make_tab_data short PATH MB   short lines ("abc\tde" and CR LF)
//   make_tab_data line  PATH MB   one single line of MB megabytes, tabs inside

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// xorshift: fast, and fixed by its seed.
struct Rng {
  std::uint64_t s = 0x9E3779B97F4A7C15ull;
  std::uint64_t next() {
    s ^= s << 13;
    s ^= s >> 7;
    s ^= s << 17;
    return s;
  }
};

void tsv_line(Rng& rng, std::string& out) {
  static const char kChars[] = "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJ0123456789.,-\"";
  const int fields = 8 + static_cast<int>(rng.next() % 5);
  for (int f = 0; f < fields; ++f) {
    if (f > 0) out.push_back('\t');
    const int len = 2 + static_cast<int>(rng.next() % 14);
    for (int i = 0; i < len; ++i) out.push_back(kChars[rng.next() % (sizeof kChars - 1)]);
  }
  out += "\r\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: make_tab_data tsv|short|line PATH MB\n");
    return 2;
  }
  const std::string mode = argv[1];
  const std::uint64_t total = std::strtoull(argv[3], nullptr, 10) << 20;
  std::FILE* f = std::fopen(argv[2], "wb");
  if (f == nullptr) {
    std::perror(argv[2]);
    return 1;
  }
  Rng rng;
  std::string chunk;
  std::uint64_t written = 0;
  while (written < total) {
    chunk.clear();
    while (chunk.size() < (1u << 20)) {
      if (mode == "tsv") {
        tsv_line(rng, chunk);
      } else if (mode == "short") {
        chunk += "abc\tde\r\n";
      } else {
        chunk += "field one\tfield two\tthree";
      }
    }
    if (written + chunk.size() > total) chunk.resize(total - written);
    if (std::fwrite(chunk.data(), 1, chunk.size(), f) != chunk.size()) {
      std::perror(argv[2]);
      return 1;
    }
    written += chunk.size();
  }
  return std::fclose(f) == 0 ? 0 : 1;
}
