// Delivery of envelopes to the registered Dart ports.
#ifndef ZELBRIDGE_DART_DELIVERY_H_
#define ZELBRIDGE_DART_DELIVERY_H_

#include <cstddef>
#include <optional>
#include <string>

#include "json/json.h"
#include "json/object_layout.h"
#include "json/text_buffer.h"

// Posts the envelope as compact JSON text to every registered port, falling
// back to base64 text and then to an error envelope when no port accepts it.
// A text that cannot be made (out of memory) fails its step like a refused
// one. Failures are written to the SDK's log; nothing is reported to the
// caller and nothing is thrown. The error envelope's routing members that
// the envelope lacks are created in it, as null.
void SendDataToDart(json::Object& envelope) noexcept;

// The same for an envelope that outlives its delivery (a thread's kept
// envelope, whose next fill finds exactly its own members): it is left as it
// is, and its error envelope is the same. With a layout of the envelope, its
// text is written from the layout (the same text); with a text buffer, which
// the caller holds, into that buffer, else into the thread's own.
void SendKeptDataToDart(const json::Object& envelope, const json_internal::ObjectLayout* layout,
                        json_internal::TextBuffer* text) noexcept;

// For an envelope that could not be built (out of memory): logs the failure
// and posts the error envelope with the routing members alone, as the last
// step of SendDataToDart does. callback_type is empty for a completion, whose
// error envelope carries a null "callbackType". What still lacks memory is
// skipped without notice.
void SendBuildFailureToDart(const char* callback, std::optional<int> callback_type,
                            const char* user_data) noexcept;

// Writes "im ffi: " followed by text into the SDK's log.
void writeLogToVexlog(const char* text);

// Base64 of the bytes; url selects the URL-safe alphabet with "." as padding.
// Sizes are size_t throughout: a 32-bit length (unsigned long on Windows)
// would encode a text of 4 GiB or more cut short.
std::string base64_encode(const unsigned char* data, std::size_t length, bool url);

// Replaces the first length bytes of text with "base64:" and their base64
// (standard alphabet), followed by a NUL, in the same buffer. Throws
// std::bad_alloc or std::length_error when the room cannot be had; the text
// is then as it was.
void EncodeBase64InPlace(json_internal::TextBuffer& text, std::size_t length);

#endif  // ZELBRIDGE_DART_DELIVERY_H_
