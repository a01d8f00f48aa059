#pragma once
// Tests of sixteen bytes at once, for the scans that read every byte of every page a build
// writes: a chunk that holds none of the bytes a scan stops at is passed in one step. Each
// mask has bit k for the byte at p[k]. SSE2, which every x86-64 processor has, does it in
// a few instructions; elsewhere the bytes are tested one by one, with the same result.

#include <cstddef>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace kvx::chunks {

inline constexpr std::size_t kWidth = 16;

template <class Test>
unsigned MaskOf(const char* p, Test test) {
  unsigned mask = 0;
  for (std::size_t k = 0; k < kWidth; ++k)
    if (test(static_cast<unsigned char>(p[k]))) mask |= 1u << k;
  return mask;
}

// What a JavaScript string literal cannot hold as it stands: bytes below 0x20, from 0x7F
// on, the quote and the backslash.
inline bool NeedsJsEscape(unsigned char c) {
  return c < 0x20 || c >= 0x7F || c == '"' || c == '\\';
}

// The start of markup ('<', '&') and the control bytes, blanks among them.
inline bool MayEndRun(unsigned char c) {
  return c == '<' || c == '&' || c < 0x20;
}

inline bool IsSpace(unsigned char c) {
  return c == ' ';
}

#ifdef __SSE2__
inline __m128i Load(const char* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
inline unsigned Bits(__m128i m) {
  return static_cast<unsigned>(_mm_movemask_epi8(m));
}
inline __m128i Equal(__m128i x, char c) {
  return _mm_cmpeq_epi8(x, _mm_set1_epi8(c));
}
// The byte comparisons are signed: bytes from 0x80 on are below 0.
inline __m128i Within(__m128i x, char low, char high) {
  return _mm_and_si128(_mm_cmpgt_epi8(x, _mm_set1_epi8(static_cast<char>(low - 1))),
                       _mm_cmplt_epi8(x, _mm_set1_epi8(static_cast<char>(high + 1))));
}
#endif

inline unsigned JsEscapeMask(const char* p) {
#ifdef __SSE2__
  const __m128i x = Load(p);
  const __m128i special = _mm_or_si128(Equal(x, '"'), Equal(x, '\\'));
  return ~Bits(_mm_andnot_si128(special, Within(x, 0x20, 0x7E))) & 0xFFFF;
#else
  return MaskOf(p, NeedsJsEscape);
#endif
}

inline unsigned RunEndMask(const char* p) {
#ifdef __SSE2__
  const __m128i x = Load(p);
  return Bits(_mm_or_si128(_mm_or_si128(Equal(x, '<'), Equal(x, '&')), Within(x, 0, 0x1F)));
#else
  return MaskOf(p, MayEndRun);
#endif
}

inline unsigned SpaceMask(const char* p) {
#ifdef __SSE2__
  return Bits(Equal(Load(p), ' '));
#else
  return MaskOf(p, IsSpace);
#endif
}

}  // namespace kvx::chunks
