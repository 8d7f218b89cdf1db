// Delivery of envelopes to the registered Dart ports.
#ifndef ZELBRIDGE_DART_DELIVERY_H_
#define ZELBRIDGE_DART_DELIVERY_H_

#include <optional>
#include <string>

#include "json/json.h"

// Posts the envelope as compact JSON text to every registered port, falling
// back to base64 text and then to an error envelope when no port accepts it.
// A text that cannot be made (out of memory) fails its step like a refused
// one. Failures are written to the SDK's log; nothing is reported to the
// caller and nothing is thrown.
void SendDataToDart(json::Object& envelope) noexcept;

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
std::string base64_encode(const unsigned char* data, unsigned long length, bool url);

#endif  // ZELBRIDGE_DART_DELIVERY_H_
