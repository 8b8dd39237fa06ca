#include "delimited/tab_to_comma.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace textmill {

// Equivalent to splitting at each tab and writing ,"field" per field, then dropping
// the leading comma: the record is a quote, the line with every tab turned into
// quote-comma-quote, and a quote; one trailing tab ends the last field and adds none.
std::size_t tab_line_to_record(std::string_view line, char* out) {
  if (line.empty()) return 0;
  if (line.back() == '\t') line.remove_suffix(1);
  const char* p = line.data();
  char* o = out;
  *o++ = '"';
#if defined(__SSE2__)
  // 16 bytes at a time at a fixed stride, so no block waits for the one before: store
  // the block, then for each tab in it write the separator and store the bytes that
  // follow the tab after it (later stores overwrite the tail of earlier ones). The
  // first two tabs of a block are handled without a branch on the data: a missing tab
  // writes behind the block, where the next block's stores overwrite it. Loads and
  // stores run up to 48 bytes past the line and the record: the callers' slack.
  const __m128i tab = _mm_set1_epi8('\t');
  const std::size_t n = line.size();
  auto separator = [p](char* shifted, std::size_t i, unsigned m) {
    const unsigned k = static_cast<unsigned>(__builtin_ctz(m | 0x10000u));
    char* sep = shifted + k;
    sep[0] = '"';
    sep[1] = ',';
    sep[2] = '"';
    _mm_storeu_si128(reinterpret_cast<__m128i*>(sep + 3),
                     _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + k + 1)));
  };
  for (std::size_t i = 0; i < n; i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
    unsigned m = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, tab)));
    const std::size_t take = n - i < 16 ? n - i : 16;
    if (take < 16) m &= (1u << take) - 1;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(o), v);
    char* shifted = o;  // where byte 0 of the block would go with the tabs so far
    separator(shifted, i, m);
    shifted += m != 0 ? 2 : 0;
    m &= m - 1;
    separator(shifted, i, m);
    shifted += m != 0 ? 2 : 0;
    m &= m - 1;
    for (; m != 0; m &= m - 1) {
      separator(shifted, i, m);
      shifted += 2;
    }
    o = shifted + take;
  }
#else
  for (const char* end = p + line.size(); p < end; ++p) {
    if (*p == '\t') {
      o[0] = '"';
      o[1] = ',';
      o[2] = '"';
      o += 3;
    } else {
      *o++ = *p;
    }
  }
#endif
  *o++ = '"';
  return static_cast<std::size_t>(o - out);
}

void tab_line_to_record(std::string_view line, std::string& out) {
  std::string padded(line);  // the readable slack after the line
  padded.append(LineReader::kReadSlack, '\0');
  out.resize(tab_record_max(line.size()) + OutputFile::kSlack);
  out.resize(tab_line_to_record(std::string_view(padded).substr(0, line.size()), out.data()));
}

void TabToComma::line(std::string_view text, LineReader& /*source*/, RecordSink& out) {
  char* room = out.record_space(tab_record_max(text.size()));
  out.finish_record(tab_line_to_record(text, room));
}

}  // namespace textmill
