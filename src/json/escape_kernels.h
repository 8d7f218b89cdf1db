// The inner loops of the string writer, one per instruction set, and the
// tables they share. A loop escapes whole blocks of a string value's bytes;
// the serializer gives it room, escapes the last bytes from a padded copy and
// uses the loop that string_escape.cpp chose. Internal to the library.
#ifndef ZELJSON_ESCAPE_KERNELS_H_
#define ZELJSON_ESCAPE_KERNELS_H_

#include <cstddef>
#include <cstring>

#include "escape_paths.h"
#include "simd.h"

namespace json_internal {

struct EscapeCursor {
  const char* in;
  char* out;
};

// escape_blocks escapes blocks of `block` bytes from in on, as long as at
// least read_span bytes of input are left at the block's start (read_span is
// at most 2 * block) and there is room; it returns where it stopped. It
// reads nothing outside [in, end). It keeps limit - out >= end - in, so a
// block with nothing to escape always fits, and stops before a block with
// escapes when there is less than max_out bytes of room beyond that.
struct StringEscaper {
  EscapePath path;
  EscapeCursor (*escape_blocks)(const char* in, const char* end, char* out, const char* limit);
  std::size_t block;
  std::size_t read_span;
  std::size_t max_out;
};

// What each byte becomes inside a string value: the byte itself, a two-byte
// escape, or \u00XX with uppercase hexadecimal digits. Each entry is padded
// to 8 bytes, so that it is written with one fixed-size copy whatever its
// length; what follows overwrites the padding.
struct EscapeEntry {
  char bytes[7];
  unsigned char length;
};
static_assert(sizeof(EscapeEntry) == 8, "escape entries are written as 8 bytes");
struct EscapeTable {
  constexpr EscapeTable();
  EscapeEntry entry[256];
};
ZELJSON_INTERNAL extern const EscapeTable kEscapeTable;

// The two-byte escapes (" / \) are the byte with a backslash before it, so a
// block that has no other escape is its bytes with backslashes inserted.
// kBackslashShuffle.shuffle[m] expands 8 bytes, of which those whose bit is set in m
// get a backslash, with one byte shuffle: its indices point into a register
// that holds the 8 bytes in lanes 0 to 7 and backslashes in lanes 8 to 15,
// and are 0x80 (zero) past the output, which is length[m] bytes long.
struct BackslashShuffleTable {
  constexpr BackslashShuffleTable();
  unsigned char shuffle[256][16];
  unsigned char length[256];
};
ZELJSON_INTERNAL extern const BackslashShuffleTable kBackslashShuffle;

// The most that one block may write: six bytes per input byte, and the
// padding of the last table entry.
constexpr std::size_t MaxBlockOutput(std::size_t block) { return block * 6 + sizeof(EscapeEntry); }

// The longest read_span of any loop.
constexpr std::size_t kMaxReadSpan = 32;

// Each of n bytes through the table, with no branch per byte; writes at most
// MaxBlockOutput(n) bytes and returns the end of the escaped bytes.
inline char* EscapeEachByte(const char* in, std::size_t n, char* out) {
  for (std::size_t i = 0; i < n; ++i) {
    const EscapeEntry& entry = kEscapeTable.entry[static_cast<unsigned char>(in[i])];
    std::memcpy(out, &entry, sizeof entry);
    out += entry.length;
  }
  return out;
}

ZELJSON_INTERNAL extern const StringEscaper kPlainEscaper;
#if ZELJSON_SIMD_SSE2
ZELJSON_INTERNAL extern const StringEscaper kSse2Escaper;
#endif
#if ZELJSON_SIMD_AVX2
ZELJSON_INTERNAL extern const StringEscaper kAvx2Escaper;
ZELJSON_INTERNAL bool ProcessorHasAvx2();
#endif
#if ZELJSON_SIMD_NEON
ZELJSON_INTERNAL extern const StringEscaper kNeonEscaper;
#endif

// The loop in use (string_escape.cpp).
ZELJSON_INTERNAL const StringEscaper& CurrentEscaper();

}  // namespace json_internal

#endif  // ZELJSON_ESCAPE_KERNELS_H_
