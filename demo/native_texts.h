// user_data texts in memory that belongs to the process, not to an isolate,
// as an app allocates them with malloc through dart:ffi. Such memory survives
// a hot restart: a call still in flight when its isolate ends keeps a valid
// user_data until the SDK completes it.
#ifndef ZELBRIDGE_DEMO_NATIVE_TEXTS_H_
#define ZELBRIDGE_DEMO_NATIVE_TEXTS_H_

#include <cstddef>
#include <map>
#include <memory>
#include <string>

namespace demo {

class NativeTexts {
 public:
  NativeTexts() = default;
  NativeTexts(const NativeTexts&) = delete;
  NativeTexts& operator=(const NativeTexts&) = delete;

  // A NUL-terminated copy of text, valid until Free or the end of the process.
  const char* Allocate(const std::string& text);
  void Free(const char* text);
  std::size_t allocated() const { return texts_.size(); }

 private:
  std::map<const char*, std::unique_ptr<char[]>> texts_;
};

}  // namespace demo

#endif  // ZELBRIDGE_DEMO_NATIVE_TEXTS_H_
