// The string writer's loop without vector instructions: 8 bytes at a time as
// one word. A word with nothing to escape is copied whole; one with
// something to escape goes through the table byte by byte.
#include <cstdint>
#include <cstring>

#include "escape_kernels.h"

namespace json_internal {
namespace {

constexpr std::size_t kBlock = 8;

// Whether any of the 8 bytes in x needs escaping: below 0x20, or one of
// " / \. The word tricks answer "some byte is zero" and "some byte is below
// n" (n <= 128) exactly, which is all that is asked here.
inline bool AnyToEscape(std::uint64_t x) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kHighs = 0x8080808080808080ull;
  const std::uint64_t below_space = (x - kOnes * 0x20) & ~x;
  const std::uint64_t q = x ^ (kOnes * '"');
  const std::uint64_t s = x ^ (kOnes * '/');
  const std::uint64_t b = x ^ (kOnes * '\\');
  const std::uint64_t zero = ((q - kOnes) & ~q) | ((s - kOnes) & ~s) | ((b - kOnes) & ~b);
  return ((below_space | zero) & kHighs) != 0;
}

// Keeps limit - out >= end - in, so that a word with nothing to escape
// always fits; only words with escapes check for room.
EscapeCursor EscapeBlocksPlain(const char* in, const char* end, char* out, const char* limit) {
  constexpr std::ptrdiff_t kMaxOut = static_cast<std::ptrdiff_t>(MaxBlockOutput(kBlock));
  if (limit - out < end - in) return {in, out};
  while (end - in >= static_cast<std::ptrdiff_t>(kBlock)) {
    std::uint64_t x;
    std::memcpy(&x, in, sizeof x);
    if (!AnyToEscape(x)) {
      std::memcpy(out, &x, sizeof x);
      out += kBlock;
    } else {
      if ((limit - out) - (end - in) < kMaxOut) break;
      out = EscapeEachByte(in, kBlock, out);
    }
    in += kBlock;
  }
  return {in, out};
}

}  // namespace

const StringEscaper kPlainEscaper = {EscapePath::kPlain, &EscapeBlocksPlain, kBlock, kBlock,
                                     MaxBlockOutput(kBlock)};

}  // namespace json_internal
