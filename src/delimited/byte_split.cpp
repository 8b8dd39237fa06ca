#include "delimited/byte_split.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace textmill {

std::size_t split_at_byte(std::string_view line, char sep, char* out) {
  const char* p = line.data();
  char* o = out;
  *o++ = '"';
#if defined(__SSE2__)
  // 16 bytes at a time at a fixed stride, so no block waits for the one before: store
  // the block, then for each separator byte in it write quote-comma-quote and store the
  // bytes that follow it after them (later stores overwrite the tail of earlier ones).
  // The first two separators of a block are handled without a branch on the data: a
  // missing one writes behind the block, where the next block's stores overwrite it.
  // Loads and stores run up to 48 bytes past the line and the record: the callers'
  // slack.
  const __m128i wanted = _mm_set1_epi8(sep);
  const std::size_t n = line.size();
  auto separator = [p](char* shifted, std::size_t i, unsigned m) {
    const unsigned k = static_cast<unsigned>(__builtin_ctz(m | 0x10000u));
    char* at = shifted + k;
    at[0] = '"';
    at[1] = ',';
    at[2] = '"';
    _mm_storeu_si128(reinterpret_cast<__m128i*>(at + 3),
                     _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + k + 1)));
  };
  for (std::size_t i = 0; i < n; i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
    unsigned m = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, wanted)));
    const std::size_t take = n - i < 16 ? n - i : 16;
    if (take < 16) m &= (1u << take) - 1;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(o), v);
    char* shifted = o;  // where byte 0 of the block would go with the separators so far
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
    if (*p == sep) {
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

}  // namespace textmill
