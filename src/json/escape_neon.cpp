// The string writer's loop for arm64: NEON, which every arm64 processor has.
#include "escape_kernels.h"

#if ZELJSON_SIMD_NEON

#include <cstdint>

namespace json_internal {
namespace {

constexpr std::size_t kBlock = 16;

// The 16 bytes of x, whose bytes marked in the 8-bit masks (" / \ only) get
// a backslash, written at out; returns the end. Each half is expanded by one
// table lookup from a register that holds its 8 bytes followed by 8
// backslashes.
inline char* ExpandBackslashesNeon(uint8x16_t x, unsigned low_mask, unsigned high_mask, char* out) {
  const uint8x8_t backslashes = vdup_n_u8('\\');
  const uint8x16_t low = vcombine_u8(vget_low_u8(x), backslashes);
  const uint8x16_t high = vcombine_u8(vget_high_u8(x), backslashes);
  vst1q_u8(reinterpret_cast<std::uint8_t*>(out),
           vqtbl1q_u8(low, vld1q_u8(kBackslashShuffle.shuffle[low_mask])));
  out += kBackslashShuffle.length[low_mask];
  vst1q_u8(reinterpret_cast<std::uint8_t*>(out),
           vqtbl1q_u8(high, vld1q_u8(kBackslashShuffle.shuffle[high_mask])));
  return out + kBackslashShuffle.length[high_mask];
}

// A block with nothing to escape is stored whole; one whose only escapes are
// " / \ is expanded from its masks; one with a control character, which is
// rare, goes through the table. Keeps limit - out >= end - in, so that a
// block with nothing to escape always fits; only blocks with escapes check
// for room.
EscapeCursor EscapeBlocksNeon(const char* in, const char* end, char* out, const char* limit) {
  constexpr std::ptrdiff_t kMaxOut = static_cast<std::ptrdiff_t>(MaxBlockOutput(kBlock));
  const uint8x16_t quote = vdupq_n_u8('"');
  const uint8x16_t slash = vdupq_n_u8('/');
  const uint8x16_t backslash = vdupq_n_u8('\\');
  const uint8x16_t space = vdupq_n_u8(0x20);
  // Bit i of each half's mask, for its byte i.
  const uint8x16_t bit = {1, 2, 4, 8, 16, 32, 64, 128, 1, 2, 4, 8, 16, 32, 64, 128};
  if (limit - out < end - in) return {in, out};
  while (end - in >= static_cast<std::ptrdiff_t>(kBlock)) {
    const uint8x16_t x = vld1q_u8(reinterpret_cast<const std::uint8_t*>(in));
    const uint8x16_t control = vcltq_u8(x, space);
    const uint8x16_t two_byte =
        vorrq_u8(vorrq_u8(vceqq_u8(x, quote), vceqq_u8(x, slash)), vceqq_u8(x, backslash));
    const uint8x16_t escapes = vorrq_u8(control, two_byte);
    if (vmaxvq_u8(escapes) == 0) {
      vst1q_u8(reinterpret_cast<std::uint8_t*>(out), x);
      out += kBlock;
      in += kBlock;
      continue;
    }
    if ((limit - out) - (end - in) < kMaxOut) break;
    if (vmaxvq_u8(control) != 0) {
      out = EscapeEachByte(in, kBlock, out);
    } else {
      const uint8x16_t bits = vandq_u8(two_byte, bit);
      out =
          ExpandBackslashesNeon(x, vaddv_u8(vget_low_u8(bits)), vaddv_u8(vget_high_u8(bits)), out);
    }
    in += kBlock;
  }
  return {in, out};
}

}  // namespace

const StringEscaper kNeonEscaper = {EscapePath::kNeon, &EscapeBlocksNeon, kBlock, kBlock,
                                    MaxBlockOutput(kBlock)};

}  // namespace json_internal

#endif  // ZELJSON_SIMD_NEON
