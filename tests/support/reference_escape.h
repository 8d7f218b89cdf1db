// The string writer's escaping, written out one byte at a time as the JSON
// text rules and the bridge's choices (slashes escaped, other control
// characters as \u00XX in capitals) have it: what every escaping path must
// write, byte for byte. Shared by the escaping tests and their fuzzer.
#ifndef ZELBRIDGE_TESTS_SUPPORT_REFERENCE_ESCAPE_H_
#define ZELBRIDGE_TESTS_SUPPORT_REFERENCE_ESCAPE_H_

#include <cstddef>
#include <cstdio>
#include <string>

// The quoted, escaped text of size bytes at data.
inline std::string ReferenceEscapedString(const char* data, std::size_t size) {
  std::string out = "\"";
  for (std::size_t i = 0; i < size; ++i) {
    const unsigned char c = static_cast<unsigned char>(data[i]);
    switch (c) {
      case 0x08:
        out += "\\b";
        break;
      case 0x09:
        out += "\\t";
        break;
      case 0x0A:
        out += "\\n";
        break;
      case 0x0C:
        out += "\\f";
        break;
      case 0x0D:
        out += "\\r";
        break;
      case '"':
        out += "\\\"";
        break;
      case '/':
        out += "\\/";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        if (c < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04X", c);
          out += escape;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

#endif  // ZELBRIDGE_TESTS_SUPPORT_REFERENCE_ESCAPE_H_
