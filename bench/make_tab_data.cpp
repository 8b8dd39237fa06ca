// Deterministic data for the benchmarks: the same bytes on every machine.
//   make_tab_data tsv       PATH MB   about 10 tab-separated fields a line, CR LF
//   make_tab_data short     PATH MB   short lines ("abc\tde" and CR LF)
//   make_tab_data line      PATH MB   one single line of MB megabytes, tabs inside
//   make_tab_data pipe      PATH MB   as tsv, with '|' between the fields
//   make_tab_data colons    PATH MB   as tsv, with "::" between the fields
//   make_tab_data csv       PATH MB   about 10 comma-delimited fields a line, CR LF: bare
//                                     text, numbers, empty fields, quoted text (some with
//                                     commas inside)
//   make_tab_data vertical  PATH MB   a vertical listing: groups of 8-12 one-field lines,
//                                     an empty line after each, CR LF
//   make_tab_data lines     PATH MB   short lines of 3-12 characters, CR LF
//   make_tab_data csvline   PATH MB   one single line of csv fields
//   make_tab_data miscline  PATH MB   one single line of fields between '|' or "::"
//   make_tab_data group     PATH MB   a vertical listing of one single group (one record),
//                                     ended by an empty line
//   make_tab_data longlines PATH MB   lines of 32 MB each (CR LF included)
// tsv, short and line fill exactly MB megabytes, cutting the last line. The other modes
// end at the last whole line, group line or field that fits, so files end cleanly.

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

constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJ0123456789.,-\"";
// Text that is never special in a comma-delimited field: no comma, no quote.
constexpr char kPlain[] = "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJ0123456789.-";

void text(Rng& rng, std::string& out, const char* chars, std::size_t count, int least, int spread) {
  const int len = least + static_cast<int>(rng.next() % static_cast<std::uint64_t>(spread));
  for (int i = 0; i < len; ++i) out.push_back(chars[rng.next() % count]);
}

// One line of fields with `sep` between them.
void separated_line(Rng& rng, std::string& out, const char* sep) {
  const int fields = 8 + static_cast<int>(rng.next() % 5);
  for (int f = 0; f < fields; ++f) {
    if (f > 0) out += sep;
    text(rng, out, kChars, sizeof kChars - 1, 2, 14);
  }
  out += "\r\n";
}

// One comma-delimited field as a program exporting a table would write it.
void csv_field(Rng& rng, std::string& out) {
  const std::uint64_t kind = rng.next() % 10;
  if (kind == 0) return;  // empty
  if (kind <= 2) {        // quoted, with a comma inside
    out.push_back('"');
    text(rng, out, kPlain, sizeof kPlain - 1, 2, 10);
    out += ", ";
    text(rng, out, kPlain, sizeof kPlain - 1, 2, 10);
    out.push_back('"');
  } else if (kind <= 4) {  // quoted text
    out.push_back('"');
    text(rng, out, kPlain, sizeof kPlain - 1, 2, 14);
    out.push_back('"');
  } else if (kind <= 6) {  // a number
    text(rng, out, "0123456789", 10, 1, 7);
    if (kind == 6) {
      out.push_back('.');
      text(rng, out, "0123456789", 10, 1, 3);
    }
  } else {
    text(rng, out, kPlain, sizeof kPlain - 1, 2, 14);
  }
}

void csv_line(Rng& rng, std::string& out) {
  const int fields = 8 + static_cast<int>(rng.next() % 5);
  for (int f = 0; f < fields; ++f) {
    if (f > 0) out.push_back(',');
    csv_field(rng, out);
  }
  out += "\r\n";
}

void vertical_group(Rng& rng, std::string& out) {
  const int fields = 8 + static_cast<int>(rng.next() % 5);
  for (int f = 0; f < fields; ++f) {
    text(rng, out, kChars, sizeof kChars - 1, 2, 14);
    out += "\r\n";
  }
  out += "\r\n";
}

constexpr std::size_t kLongLine = std::size_t{32} << 20;

bool known(const std::string& mode) {
  for (const char* m : {"tsv", "short", "line", "pipe", "colons", "csv", "vertical", "lines",
                        "csvline", "miscline", "group", "longlines"}) {
    if (mode == m) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || !known(argv[1])) {
    std::fprintf(stderr,
                 "usage: make_tab_data tsv|short|line|pipe|colons|csv|vertical|lines|"
                 "csvline|miscline|group|longlines PATH MB\n");
    return 2;
  }
  const std::string mode = argv[1];
  const std::uint64_t total = std::strtoull(argv[3], nullptr, 10) << 20;
  // The first modes cut the last line at the exact size; the others keep pieces whole.
  const bool whole = mode != "tsv" && mode != "short" && mode != "line";
  // Bytes kept back for the end of the file.
  const std::string tail = mode == "group" ? "\r\n" : "";
  std::FILE* f = std::fopen(argv[2], "wb");
  if (f == nullptr) {
    std::perror(argv[2]);
    return 1;
  }
  Rng rng;
  std::string chunk;
  std::uint64_t written = 0;
  bool first = true;  // no delimiter before the first field of a single-line mode
  bool done = false;
  while (!done && written < total) {
    chunk.clear();
    while (chunk.size() < (1u << 20)) {
      const std::size_t before = chunk.size();
      if (mode == "tsv") {
        separated_line(rng, chunk, "\t");
      } else if (mode == "short") {
        chunk += "abc\tde\r\n";
      } else if (mode == "line") {
        chunk += "field one\tfield two\tthree";
      } else if (mode == "pipe") {
        separated_line(rng, chunk, "|");
      } else if (mode == "colons") {
        separated_line(rng, chunk, "::");
      } else if (mode == "csv") {
        csv_line(rng, chunk);
      } else if (mode == "vertical") {
        vertical_group(rng, chunk);
      } else if (mode == "lines") {
        text(rng, chunk, kPlain, sizeof kPlain - 1, 3, 10);
        chunk += "\r\n";
      } else if (mode == "csvline") {
        if (!first) chunk.push_back(',');
        csv_field(rng, chunk);
      } else if (mode == "miscline") {
        if (!first) chunk += rng.next() % 2 == 0 ? "|" : "::";
        text(rng, chunk, kChars, sizeof kChars - 1, 2, 14);
      } else if (mode == "group") {
        text(rng, chunk, kChars, sizeof kChars - 1, 2, 14);
        chunk += "\r\n";
      } else {  // longlines
        const std::size_t start = chunk.size();
        text(rng, chunk, kChars, sizeof kChars - 1, 2, 14);
        while (chunk.size() - start < kLongLine - 2) {
          chunk.push_back('\t');
          text(rng, chunk, kChars, sizeof kChars - 1, 2, 14);
        }
        chunk.resize(start + kLongLine - 2);
        chunk += "\r\n";
      }
      first = false;
      if (whole && written + chunk.size() + tail.size() > total) {
        chunk.resize(before);
        chunk += tail;
        done = true;
        break;
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
