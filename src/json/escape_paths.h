// Which loop writes the escaped bytes of string values. The serializer picks
// the fastest one that this build has and this processor runs, once; tests,
// the fuzz target and the benchmarks make it use each one in turn. Internal to
// the library: not part of the JSON interface and never exported.
#ifndef ZELJSON_ESCAPE_PATHS_H_
#define ZELJSON_ESCAPE_PATHS_H_

#include <cstddef>
#include <string>
#include <vector>

#include "internal_visibility.h"
#include "text_buffer.h"

namespace json_internal {

enum class EscapePath { kPlain, kSse2, kAvx2, kNeon };

ZELJSON_INTERNAL const char* EscapePathName(EscapePath path);

// The paths this build has and this processor runs, plain first.
ZELJSON_INTERNAL std::vector<EscapePath> AvailableEscapePaths();

// Makes every later string value, in every thread, go through path; false,
// and nothing changed, when the path is not available.
ZELJSON_INTERNAL bool UseEscapePath(EscapePath path);
// Back to the fastest available path.
ZELJSON_INTERNAL void UseFastestEscapePath();
ZELJSON_INTERNAL EscapePath CurrentEscapePath();

// The bytes as the serializer writes a string value: quoted and escaped.
ZELJSON_INTERNAL std::string EscapedString(const char* data, std::size_t size);
// The same into buffer, which is reused from one call to the next: the text
// is buffer's first bytes, followed by a NUL; returns its length.
ZELJSON_INTERNAL std::size_t WriteEscapedString(const char* data, std::size_t size,
                                                TextBuffer& buffer);

}  // namespace json_internal

#endif  // ZELJSON_ESCAPE_PATHS_H_
