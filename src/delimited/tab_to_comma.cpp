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
  const char* end = p + line.size();
  char* o = out;
  *o++ = '"';
#if defined(__SSE2__)
  // 16 bytes at a time, without a branch on the data: store the whole block, keep
  // what lies before its first tab (or all 16 bytes), and write the separator
  // unconditionally; when there was no tab the next store overwrites it. The room's
  // slack makes the over-long stores safe.
  const __m128i tab = _mm_set1_epi8('\t');
  while (end - p >= 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, tab)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(o), v);
    const int k = __builtin_ctz(mask | 0x10000u);
    const int found = k < 16 ? 1 : 0;
    o += k;
    p += k;
    o[0] = '"';
    o[1] = ',';
    o[2] = '"';
    o += 3 * found;
    p += found;
  }
#endif
  for (; p < end; ++p) {
    if (*p == '\t') {
      o[0] = '"';
      o[1] = ',';
      o[2] = '"';
      o += 3;
    } else {
      *o++ = *p;
    }
  }
  *o++ = '"';
  return static_cast<std::size_t>(o - out);
}

void tab_line_to_record(std::string_view line, std::string& out) {
  out.resize(tab_record_max(line.size()) + 16);
  out.resize(tab_line_to_record(line, out.data()));
}

void TabToComma::line(std::string_view text, LineReader& /*source*/, RecordSink& out) {
  char* room = out.record_space(tab_record_max(text.size()));
  out.finish_record(tab_line_to_record(text, room));
}

}  // namespace textmill
