// Generated documents shaped like what the messaging SDK hands the bridge:
// message lists, conversation lists and profile arrays. Every document is
// valid JSON with integers of every width (small, negative, above 2^31, above
// 2^32, above 2^63), a few doubles, strings with escapes (\" \\ \/ \n \t
// \u00e9) and raw non-ASCII UTF-8, and nested objects and arrays. The same
// size always gives the same text.
#ifndef ZELBRIDGE_BENCH_SDK_DOCUMENTS_H_
#define ZELBRIDGE_BENCH_SDK_DOCUMENTS_H_

#include <cstddef>
#include <string>

#include "json.h"

namespace bench_documents {

enum class Kind { kMessageList, kConversationList, kProfileArray };

const char* KindName(Kind kind);

// A document of the kind, as close to size bytes as whole elements allow and
// never longer. A size too small for one element gives the smallest document
// of that kind that still has one element.
std::string Generate(Kind kind, std::size_t size);

// The user_data and desc texts of a completion, as the Dart side sends them.
inline const char* UserData() { return "req_1700000000123_42"; }
inline const char* Desc() { return ""; }

// A completion envelope of a successful operation whose result is
// json_param, built by the completion callback's own steps.
json::Object CompletionEnvelope(const char* json_param);

}  // namespace bench_documents

#endif  // ZELBRIDGE_BENCH_SDK_DOCUMENTS_H_
