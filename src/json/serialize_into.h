// Serializing into a buffer that is kept from one text to the next, for the
// bridge's delivery, which posts each text and then has no more use for it.
// Internal to the library: not part of the JSON interface and never exported.
#ifndef ZELJSON_SERIALIZE_INTO_H_
#define ZELJSON_SERIALIZE_INTO_H_

#include <cstddef>
#include <string>

#include "internal_visibility.h"
#include "json.h"
#include "text_buffer.h"

namespace json_internal {

// The text that json::Serialize gives for the object, written into buffer's
// first bytes and followed by a NUL; returns its length. The buffer keeps
// its size, so a text no longer than an earlier one allocates nothing.
ZELJSON_INTERNAL std::size_t SerializeInto(const json::Object& object, TextBuffer& buffer);

}  // namespace json_internal

#endif  // ZELJSON_SERIALIZE_INTO_H_
