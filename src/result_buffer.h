// The 128-byte text buffers that the SDK fills for the four exports that
// return a text (user id, message id, invitation ids). Each calling thread
// has its own buffer per export, so the text that a call returns stays valid
// until the same thread calls the same export again.
#ifndef ZELBRIDGE_RESULT_BUFFER_H_
#define ZELBRIDGE_RESULT_BUFFER_H_

#include <cstddef>
#include <cstring>

constexpr std::size_t kResultBufferSize = 128;

enum ResultBufferId {
  kLoginUserIdBuffer,
  kMessageIdBuffer,
  kInviteIdBuffer,
  kGroupInviteIdBuffer,
  kResultBufferCount,
};

// The calling thread's buffer for one export, or null when none can be had
// (out of memory); a later call tries again. Never freed: a thread's buffers
// pass to a new thread once it has exited.
char* ThreadResultBuffer(ResultBufferId id) noexcept;

// The SDK promises a terminator within the 128 bytes. When it wrote none (it
// filled the whole buffer), ends the text within the buffer: at 127 bytes, or
// before, at the start of the character that the 128th byte would have cut,
// so that the text never ends inside a multi-byte UTF-8 character (a strict
// decoder in Dart throws on one). A text that keeps the promise is left
// unchanged, whatever its bytes.
void TerminateFilledBuffer(char* buffer) noexcept;

// Zeroes the calling thread's buffer, has fill_buffer pass it to the SDK and
// returns the text the SDK wrote. Without a buffer the SDK is still called,
// with a zeroed buffer of this call's own, and this call returns "".
template <typename FillBuffer>
const char* ResultText(ResultBufferId id, FillBuffer fill_buffer) noexcept {
  char* const buffer = ThreadResultBuffer(id);
  if (buffer == nullptr) {
    char scratch[kResultBufferSize] = {};
    fill_buffer(scratch);
    return "";
  }
  std::memset(buffer, 0, kResultBufferSize);
  fill_buffer(buffer);
  TerminateFilledBuffer(buffer);
  return buffer;
}

#endif  // ZELBRIDGE_RESULT_BUFFER_H_
