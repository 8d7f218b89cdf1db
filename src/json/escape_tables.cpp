// The tables of escape_kernels.h, computed at compile time.
#include "escape_kernels.h"

namespace json_internal {

constexpr EscapeTable::EscapeTable() : entry{} {
  const char hex[] = "0123456789ABCDEF";
  for (int c = 0; c < 256; ++c) {
    EscapeEntry& e = entry[c];
    char short_form = 0;
    // clang-format off
    switch (c) {
      case 0x08: short_form = 'b'; break;
      case 0x09: short_form = 't'; break;
      case 0x0A: short_form = 'n'; break;
      case 0x0C: short_form = 'f'; break;
      case 0x0D: short_form = 'r'; break;
      case 0x22: short_form = '"'; break;
      case 0x2F: short_form = '/'; break;
      case 0x5C: short_form = '\\'; break;
      default: break;
    }
    // clang-format on
    if (short_form != 0) {
      e.bytes[0] = '\\';
      e.bytes[1] = short_form;
      e.length = 2;
    } else if (c < 0x20) {
      e.bytes[0] = '\\';
      e.bytes[1] = 'u';
      e.bytes[2] = '0';
      e.bytes[3] = '0';
      e.bytes[4] = hex[c >> 4];
      e.bytes[5] = hex[c & 0x0F];
      e.length = 6;
    } else {
      e.bytes[0] = static_cast<char>(c);
      e.length = 1;
    }
  }
}

// Lanes 8 to 15 of the shuffled register hold backslashes; an index with
// its top bit set gives a zero byte.
constexpr unsigned char kBackslashLane = 8;
constexpr unsigned char kZeroLane = 0x80;

constexpr BackslashShuffleTable::BackslashShuffleTable() : shuffle{}, length{} {
  for (int mask = 0; mask < 256; ++mask) {
    int out = 0;
    for (int i = 0; i < 8; ++i) {
      if ((mask >> i) & 1) shuffle[mask][out++] = kBackslashLane;
      shuffle[mask][out++] = static_cast<unsigned char>(i);
    }
    length[mask] = static_cast<unsigned char>(out);
    while (out < 16) shuffle[mask][out++] = kZeroLane;
  }
}

constexpr EscapeTable kEscapeTable;
constexpr BackslashShuffleTable kBackslashShuffle;

}  // namespace json_internal
