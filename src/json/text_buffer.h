// A byte buffer for texts that are written, used and written over again, as
// the bridge does with the text of each envelope it delivers. Unlike a
// std::string it never fills the room it makes (the writer overwrites it
// anyway), and it grows with realloc, which can move a large buffer's pages
// instead of copying them, so that growing does not hold the old buffer and
// the new one at once. Internal to the library: not part of the JSON
// interface and never exported.
#ifndef ZELJSON_TEXT_BUFFER_H_
#define ZELJSON_TEXT_BUFFER_H_

#include <cstddef>
#include <cstdlib>
#include <new>

namespace json_internal {

class TextBuffer {
 public:
  TextBuffer() noexcept = default;
  ~TextBuffer() { std::free(data_); }
  TextBuffer(const TextBuffer&) = delete;
  TextBuffer& operator=(const TextBuffer&) = delete;

  char* data() noexcept { return data_; }
  const char* data() const noexcept { return data_; }
  std::size_t capacity() const noexcept { return capacity_; }

  // Room for at least size bytes, of which the first kept keep their
  // content; the rest is left as it comes. Throws std::bad_alloc when the
  // memory cannot be had; the kept bytes are then still there.
  void Reserve(std::size_t size, std::size_t kept) {
    if (size <= capacity_) return;
    void* grown;
    if (kept == 0) {
      // Nothing to carry over: no copy of the old bytes, and the old memory
      // goes back before the new is taken.
      Release();
      grown = std::malloc(size);
    } else {
      grown = std::realloc(data_, size);
    }
    if (grown == nullptr) throw std::bad_alloc();
    data_ = static_cast<char*>(grown);
    capacity_ = size;
  }

  // Gives the memory back.
  void Release() noexcept {
    std::free(data_);
    data_ = nullptr;
    capacity_ = 0;
  }

 private:
  char* data_ = nullptr;
  std::size_t capacity_ = 0;
};

}  // namespace json_internal

#endif  // ZELJSON_TEXT_BUFFER_H_
