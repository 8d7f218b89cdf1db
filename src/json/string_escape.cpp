// The choice of the string writer's loop: the fastest one that this build
// has and this processor runs, found once, on first use; tests and
// benchmarks may replace it (escape_paths.h).
#include <atomic>

#include "escape_kernels.h"

namespace json_internal {
namespace {

// The loop of a path; null when this build lacks it or the processor cannot
// run it.
const StringEscaper* EscaperOf(EscapePath path) {
  switch (path) {
    case EscapePath::kPlain:
      return &kPlainEscaper;
#if ZELJSON_SIMD_SSE2
    case EscapePath::kSse2:
      return &kSse2Escaper;
#endif
#if ZELJSON_SIMD_AVX2
    case EscapePath::kAvx2:
      return ProcessorHasAvx2() ? &kAvx2Escaper : nullptr;
#endif
#if ZELJSON_SIMD_NEON
    case EscapePath::kNeon:
      return &kNeonEscaper;
#endif
    default:
      return nullptr;
  }
}

const StringEscaper& Fastest() {
  for (const EscapePath path : {EscapePath::kAvx2, EscapePath::kSse2, EscapePath::kNeon}) {
    if (const StringEscaper* escaper = EscaperOf(path)) return *escaper;
  }
  return kPlainEscaper;
}

// Null until the first string is written.
std::atomic<const StringEscaper*> current_escaper_{nullptr};

}  // namespace

const StringEscaper& CurrentEscaper() {
  const StringEscaper* escaper = current_escaper_.load(std::memory_order_relaxed);
  if (escaper != nullptr) return *escaper;
  // A path forced meanwhile by another thread stays.
  const StringEscaper* chosen = &Fastest();
  current_escaper_.compare_exchange_strong(escaper, chosen, std::memory_order_relaxed);
  return escaper != nullptr ? *escaper : *chosen;
}

const char* EscapePathName(EscapePath path) {
  switch (path) {
    case EscapePath::kPlain:
      return "plain";
    case EscapePath::kSse2:
      return "sse2";
    case EscapePath::kAvx2:
      return "avx2";
    case EscapePath::kNeon:
      return "neon";
  }
  return "?";
}

std::vector<EscapePath> AvailableEscapePaths() {
  std::vector<EscapePath> paths;
  for (const EscapePath path :
       {EscapePath::kPlain, EscapePath::kSse2, EscapePath::kAvx2, EscapePath::kNeon}) {
    if (EscaperOf(path) != nullptr) paths.push_back(path);
  }
  return paths;
}

bool UseEscapePath(EscapePath path) {
  const StringEscaper* const escaper = EscaperOf(path);
  if (escaper == nullptr) return false;
  current_escaper_.store(escaper, std::memory_order_relaxed);
  return true;
}

void UseFastestEscapePath() { current_escaper_.store(&Fastest(), std::memory_order_relaxed); }

EscapePath CurrentEscapePath() { return CurrentEscaper().path; }

}  // namespace json_internal
