// libFuzzer target: the same bytes through every string-escaping path that
// this build has and this processor runs (plain, SSE2, AVX2, NEON), as a
// string value is written. Every path must write exactly the bytes of the
// escaping table, one byte at a time, into a fresh string and into a buffer
// reused from input to input. libFuzzer hands the input in an allocation of
// exactly its size, so AddressSanitizer reports any read past its end.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "escape_paths.h"

namespace {

std::string Reference(const char* data, std::size_t size) {
  std::string out = "\"";
  for (std::size_t i = 0; i < size; ++i) {
    const unsigned char c = static_cast<unsigned char>(data[i]);
    const char* const two_byte = c == 0x08   ? "\\b"
                                 : c == 0x09 ? "\\t"
                                 : c == 0x0A ? "\\n"
                                 : c == 0x0C ? "\\f"
                                 : c == 0x0D ? "\\r"
                                 : c == '"'  ? "\\\""
                                 : c == '/'  ? "\\/"
                                 : c == '\\' ? "\\\\"
                                             : nullptr;
    if (two_byte != nullptr) {
      out += two_byte;
    } else if (c < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04X", c);
      out += escape;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

void Check(bool condition, json_internal::EscapePath path, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "path %s: %s\n", json_internal::EscapePathName(path), what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  static const std::vector<json_internal::EscapePath> paths = json_internal::AvailableEscapePaths();
  static std::string reused;
  const char* const data = reinterpret_cast<const char*>(bytes);
  const std::string expected = Reference(data, size);
  for (const json_internal::EscapePath path : paths) {
    json_internal::UseEscapePath(path);
    Check(json_internal::EscapedString(data, size) == expected, path, "fresh string differs");
    const std::size_t length = json_internal::WriteEscapedString(data, size, reused);
    Check(length == expected.size() && reused.compare(0, length, expected) == 0 &&
              reused[length] == '\0',
          path, "reused buffer differs");
  }
  return 0;
}
