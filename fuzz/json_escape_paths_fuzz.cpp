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
#include "reference_escape.h"

namespace {

void Check(bool condition, json_internal::EscapePath path, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "path %s: %s\n", json_internal::EscapePathName(path), what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  static const std::vector<json_internal::EscapePath> paths = json_internal::AvailableEscapePaths();
  static json_internal::TextBuffer reused;
  const char* const data = reinterpret_cast<const char*>(bytes);
  const std::string expected = ReferenceEscapedString(data, size);
  for (const json_internal::EscapePath path : paths) {
    json_internal::UseEscapePath(path);
    Check(json_internal::EscapedString(data, size) == expected, path, "fresh string differs");
    const std::size_t length = json_internal::WriteEscapedString(data, size, reused);
    Check(length == expected.size() && expected.compare(0, length, reused.data(), length) == 0 &&
              reused.data()[length] == '\0',
          path, "reused buffer differs");
  }
  return 0;
}
