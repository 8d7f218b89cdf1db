// Vector scanning inside the JSON library: SSE2 is part of every x86-64
// target, NEON of every arm64 target; anything else scans without vectors.
// On x86-64 with GCC or Clang, AVX2 code is compiled too, in functions of
// their own that run only on processors that have it (string_escape.cpp
// chooses at run time); nothing else is compiled for AVX2.
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

// Function-level target attributes and run-time CPU detection are what the
// AVX2 code needs; MSVC has neither in this form, so it keeps SSE2.
#if ZELJSON_SIMD_SSE2 && defined(__x86_64__) && defined(__GNUC__)
#define ZELJSON_SIMD_AVX2 1
#include <immintrin.h>
#else
#define ZELJSON_SIMD_AVX2 0
#endif

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
