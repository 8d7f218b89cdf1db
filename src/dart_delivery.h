// Delivery of envelopes to the registered Dart ports.
#ifndef ZELBRIDGE_DART_DELIVERY_H_
#define ZELBRIDGE_DART_DELIVERY_H_

#include <string>

#include "json/json.h"

// Posts the envelope as compact JSON text to every registered port, falling
// back to base64 text and then to an error envelope when no port accepts it.
// Failures are written to the SDK's log; nothing is reported to the caller and
// nothing is thrown.
void SendDataToDart(json::Object& envelope);

// Writes "im ffi: " followed by text into the SDK's log.
void writeLogToVexlog(const char* text);

// Base64 of the bytes; url selects the URL-safe alphabet with "." as padding.
std::string base64_encode(const unsigned char* data, unsigned long length, bool url);

#endif  // ZELBRIDGE_DART_DELIVERY_H_
