// The 128-byte text buffers that the SDK fills for the exports that return a
// text (user id, message id, invitation ids). Each such export owns one,
// allocated on its first call and kept for the life of the process.
#ifndef ZELBRIDGE_RESULT_BUFFER_H_
#define ZELBRIDGE_RESULT_BUFFER_H_

#include <cstddef>
#include <cstring>
#include <new>

constexpr std::size_t kResultBufferSize = 128;

// Null only when memory is exhausted; the export then returns "".
inline char* NewResultBuffer() { return new (std::nothrow) char[kResultBufferSize]; }

inline void ClearResultBuffer(char* buffer) { std::memset(buffer, 0, kResultBufferSize); }

// The SDK promises a terminator within the 128 bytes; the last byte is forced
// to NUL anyway so an SDK that fills the whole buffer cannot make the caller
// read past it. A text that keeps the promise is left unchanged.
inline const char* TerminatedResultBuffer(char* buffer) {
  buffer[kResultBufferSize - 1] = '\0';
  return buffer;
}

#endif  // ZELBRIDGE_RESULT_BUFFER_H_
