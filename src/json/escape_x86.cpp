// The string writer's loops for x86-64: SSE2, which every x86-64 processor
// has, and AVX2, compiled into functions of their own (target attributes)
// that run only where the processor reports it.
//
// Both loops keep limit - out >= end - in, so that a block with nothing to
// escape, which writes as many bytes as it reads, always fits; only blocks
// with escapes check for room.
#include "escape_kernels.h"

#if ZELJSON_SIMD_SSE2

namespace json_internal {
namespace {

// ------------------------------------------------------------------- SSE2

constexpr std::size_t kSse2Block = 16;
// The most escapes for which a block is written run by run.
constexpr unsigned kMaxRuns = 4;

// Escapes in the block, from the expansion table's lengths (8 + escapes per
// 8 bytes): SSE2 has no population count instruction.
inline unsigned EscapeCount(unsigned mask) {
  return kBackslashShuffle.length[mask & 0xFF] + kBackslashShuffle.length[mask >> 8] - 16u;
}

// SSE2 has no byte shuffle, so a block whose only escapes are " / \ is
// stored whole and then, for each escape in turn, a backslash is written
// where it stands and the input from that byte on is stored again one byte
// further on: one load and one store per escape, and no block is scanned
// twice. Those stores read up to 15 bytes past the block, hence the read
// span of 32. A block with more escapes, or with a control character, goes
// through the table, which costs the same whatever their number.
EscapeCursor EscapeBlocksSse2(const char* in, const char* end, char* out, const char* limit) {
  constexpr std::ptrdiff_t kReadSpan = 2 * kSse2Block;
  constexpr std::ptrdiff_t kMaxOut = static_cast<std::ptrdiff_t>(MaxBlockOutput(kSse2Block));
  const __m128i quote = _mm_set1_epi8('"');
  const __m128i slash = _mm_set1_epi8('/');
  const __m128i backslash = _mm_set1_epi8('\\');
  const __m128i max_control = _mm_set1_epi8(0x1F);
  if (limit - out < end - in) return {in, out};
  while (end - in >= kReadSpan) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
    const __m128i control = _mm_cmpeq_epi8(_mm_min_epu8(x, max_control), x);
    const __m128i two_byte =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(x, quote), _mm_cmpeq_epi8(x, slash)),
                     _mm_cmpeq_epi8(x, backslash));
    const unsigned escapes =
        static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(control, two_byte)));
    // Stored before anything is known: a clean block is then done, and the
    // runs of a block with escapes start from it.
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), x);
    if (escapes == 0) {
      out += kSse2Block;
      in += kSse2Block;
      continue;
    }
    if ((limit - out) - (end - in) < kMaxOut) break;
    if (EscapeCount(escapes) > kMaxRuns || _mm_movemask_epi8(control) != 0) {
      out = EscapeEachByte(in, kSse2Block, out);
    } else {
      for (unsigned rest = escapes; rest != 0; rest &= rest - 1) {
        const unsigned at = LowestSetBit(rest);
        out[at] = '\\';
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at + 1),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + at)));
        ++out;
      }
      out += kSse2Block;
    }
    in += kSse2Block;
  }
  return {in, out};
}

}  // namespace

const StringEscaper kSse2Escaper = {EscapePath::kSse2, &EscapeBlocksSse2, kSse2Block,
                                    2 * kSse2Block, MaxBlockOutput(kSse2Block)};

}  // namespace json_internal

#endif  // ZELJSON_SIMD_SSE2

#if ZELJSON_SIMD_AVX2

#include <cpuid.h>

namespace json_internal {
namespace {

// ------------------------------------------------------------------- AVX2

constexpr std::size_t kAvx2Block = 32;

#define ZELJSON_AVX2 __attribute__((target("avx2")))

inline __m128i ShuffleRow(unsigned mask) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(kBackslashShuffle.shuffle[mask]));
}

// The 32 bytes of x, whose bytes marked in mask (" / \ only) get a
// backslash, written at out; returns the end. Each 8 bytes are expanded by
// one byte shuffle (which works within 128-bit lanes): `low` holds bytes 0-7
// in its first lane and 16-23 in its second, each followed by 8 backslashes;
// `high` holds bytes 8-15 and 24-31 the same way.
ZELJSON_AVX2 inline char* ExpandBackslashesAvx2(__m256i x, unsigned mask, char* out) {
  const __m256i backslash = _mm256_set1_epi8('\\');
  const __m256i low = _mm256_unpacklo_epi64(x, backslash);
  const __m256i high = _mm256_unpackhi_epi64(x, backslash);
  const unsigned m0 = mask & 0xFF;
  const unsigned m1 = (mask >> 8) & 0xFF;
  const unsigned m2 = (mask >> 16) & 0xFF;
  const unsigned m3 = mask >> 24;
  const __m256i low_out = _mm256_shuffle_epi8(
      low, _mm256_inserti128_si256(_mm256_castsi128_si256(ShuffleRow(m0)), ShuffleRow(m2), 1));
  const __m256i high_out = _mm256_shuffle_epi8(
      high, _mm256_inserti128_si256(_mm256_castsi128_si256(ShuffleRow(m1)), ShuffleRow(m3), 1));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm256_castsi256_si128(low_out));
  out += kBackslashShuffle.length[m0];
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm256_castsi256_si128(high_out));
  out += kBackslashShuffle.length[m1];
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm256_extracti128_si256(low_out, 1));
  out += kBackslashShuffle.length[m2];
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm256_extracti128_si256(high_out, 1));
  return out + kBackslashShuffle.length[m3];
}

// A block with nothing to escape is stored whole; one whose only escapes are
// " / \ is expanded from its mask, with no branch per escape; one with a
// control character, which is rare, goes through the table.
ZELJSON_AVX2 EscapeCursor EscapeBlocksAvx2(const char* in, const char* end, char* out,
                                           const char* limit) {
  constexpr std::ptrdiff_t kBlock = static_cast<std::ptrdiff_t>(kAvx2Block);
  constexpr std::ptrdiff_t kMaxOut = static_cast<std::ptrdiff_t>(MaxBlockOutput(kAvx2Block));
  const __m256i quote = _mm256_set1_epi8('"');
  const __m256i slash = _mm256_set1_epi8('/');
  const __m256i backslash = _mm256_set1_epi8('\\');
  const __m256i max_control = _mm256_set1_epi8(0x1F);
  if (limit - out < end - in) return {in, out};
  while (end - in >= kBlock) {
    const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in));
    const __m256i control = _mm256_cmpeq_epi8(_mm256_min_epu8(x, max_control), x);
    const __m256i two_byte =
        _mm256_or_si256(_mm256_or_si256(_mm256_cmpeq_epi8(x, quote), _mm256_cmpeq_epi8(x, slash)),
                        _mm256_cmpeq_epi8(x, backslash));
    const unsigned escapes =
        static_cast<unsigned>(_mm256_movemask_epi8(_mm256_or_si256(control, two_byte)));
    if (escapes == 0) {
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), x);
      out += kBlock;
      in += kBlock;
      continue;
    }
    if ((limit - out) - (end - in) < kMaxOut) break;
    if (_mm256_movemask_epi8(control) != 0) {
      out = EscapeEachByte(in, kAvx2Block, out);
    } else {
      out = ExpandBackslashesAvx2(x, escapes, out);
    }
    in += kBlock;
  }
  return {in, out};
}

#undef ZELJSON_AVX2

}  // namespace

const StringEscaper kAvx2Escaper = {EscapePath::kAvx2, &EscapeBlocksAvx2, kAvx2Block, kAvx2Block,
                                    MaxBlockOutput(kAvx2Block)};

// Asked of the processor itself rather than through __builtin_cpu_supports,
// whose answer lives in the compiler's runtime library (libgcc, compiler-rt):
// not every toolchain that builds the library links one in. AVX2 is usable
// when the processor has it and the operating system saves the YMM registers
// across context switches (XCR0 bits 1 and 2, readable once OSXSAVE is set).
bool ProcessorHasAvx2() {
  unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
  if (__get_cpuid(1, &eax, &ebx, &ecx, &edx) == 0) return false;
  constexpr unsigned kOsxsave = 1u << 27, kAvx = 1u << 28;
  if ((ecx & (kOsxsave | kAvx)) != (kOsxsave | kAvx)) return false;
  unsigned xcr0_low = 0, xcr0_high = 0;
  __asm__ volatile("xgetbv" : "=a"(xcr0_low), "=d"(xcr0_high) : "c"(0));
  constexpr unsigned kSseAndYmmState = 0x6;
  if ((xcr0_low & kSseAndYmmState) != kSseAndYmmState) return false;
  if (__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx) == 0) return false;
  constexpr unsigned kAvx2 = 1u << 5;
  return (ebx & kAvx2) != 0;
}

}  // namespace json_internal

#endif  // ZELJSON_SIMD_AVX2
