// Process-owned user_data texts.

#include "native_texts.h"

#include <cstring>

namespace demo {

const char* NativeTexts::Allocate(const std::string& text) {
  std::unique_ptr<char[]> copy(new char[text.size() + 1]);
  std::memcpy(copy.get(), text.c_str(), text.size() + 1);
  const char* const address = copy.get();
  texts_.emplace(address, std::move(copy));
  return address;
}

void NativeTexts::Free(const char* text) { texts_.erase(text); }

}  // namespace demo
