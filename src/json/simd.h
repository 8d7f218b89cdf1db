// Vector scanning inside the JSON library: SSE2 is part of every x86-64
// target, NEON of every arm64 target; anything else scans without vectors.
// ZELJSON_NO_SIMD forces the plain scans, so that tests can cover them.
// Internal to the library's sources; not part of its interface.
#ifndef ZELJSON_SIMD_H_
#define ZELJSON_SIMD_H_

#if defined(ZELJSON_NO_SIMD)
#define ZELJSON_SIMD_SSE2 0
#define ZELJSON_SIMD_NEON 0
#elif defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define ZELJSON_SIMD_SSE2 1
#define ZELJSON_SIMD_NEON 0
#include <emmintrin.h>
#if defined(_MSC_VER)
#include <intrin.h>
#endif
#elif (defined(__ARM_NEON) && defined(__aarch64__)) || defined(_M_ARM64)
#define ZELJSON_SIMD_SSE2 0
#define ZELJSON_SIMD_NEON 1
#include <arm_neon.h>
#else
#define ZELJSON_SIMD_SSE2 0
#define ZELJSON_SIMD_NEON 0
#endif
#define ZELJSON_SIMD_NONE (!ZELJSON_SIMD_SSE2 && !ZELJSON_SIMD_NEON)

#if ZELJSON_SIMD_SSE2
namespace {

// The index of the lowest set bit of a non-zero mask.
inline unsigned LowestSetBit(unsigned mask) {
#if defined(_MSC_VER)
  unsigned long index;
  _BitScanForward(&index, mask);
  return static_cast<unsigned>(index);
#else
  return static_cast<unsigned>(__builtin_ctz(mask));
#endif
}

}  // namespace
#endif

#endif  // ZELJSON_SIMD_H_
