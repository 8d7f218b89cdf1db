#include "copying_dart_port.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstring>
#include <memory>

#include "dart_api_dl.h"
#include "dart_version.h"
#include "internal/dart_api_dl_impl.h"

namespace copying_dart_port {
namespace {

std::atomic<Accepts> accepts_{Accepts::kEverything};

// Whether the bytes are well-formed UTF-8: no stray continuation bytes, no
// overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(const char* text) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
  while (*p != 0) {
    const unsigned char c = *p;
    int more;
    unsigned code;
    if (c < 0x80) {
      ++p;
      continue;
    } else if (c >= 0xc2 && c < 0xe0) {
      more = 1;
      code = c & 0x1fu;
    } else if (c >= 0xe0 && c < 0xf0) {
      more = 2;
      code = c & 0x0fu;
    } else if (c >= 0xf0 && c < 0xf5) {
      more = 3;
      code = c & 0x07u;
    } else {
      return false;
    }
    ++p;
    for (int i = 0; i < more; ++i, ++p) {
      if ((*p & 0xc0) != 0x80) return false;
      code = (code << 6) | (*p & 0x3fu);
    }
    if ((more == 2 && code < 0x800) || (more == 3 && (code < 0x10000 || code > 0x10ffff)) ||
        (code >= 0xd800 && code < 0xe000)) {
      return false;
    }
  }
  return true;
}

bool Takes(const char* text) {
  switch (accepts_.load(std::memory_order_relaxed)) {
    case Accepts::kEverything:
      return true;
    case Accepts::kValidUtf8:
      return IsValidUtf8(text);
    case Accepts::kErrorEnvelopesOnly:
      return std::strstr(text, "\"code\":6131") != nullptr;
  }
  return false;
}

bool PostCObject(Dart_Port, Dart_CObject* message) {
  if (message->type != Dart_CObject_kString) return false;
  const char* const text = message->value.as_string;
  if (!Takes(text)) return false;
  const std::size_t size = std::strlen(text) + 1;
  const std::unique_ptr<char[]> copy(new char[size]);
  std::memcpy(copy.get(), text, size);
  benchmark::DoNotOptimize(copy.get());
  benchmark::ClobberMemory();
  return true;
}

const DartApiEntry kEntries[] = {
    {"Dart_PostCObject", reinterpret_cast<void (*)(void)>(&PostCObject)},
    {nullptr, nullptr},
};

}  // namespace

void SetAccepts(Accepts accepts) { accepts_.store(accepts, std::memory_order_relaxed); }

void* ApiData() {
  static DartApi api = {DART_API_DL_MAJOR_VERSION, DART_API_DL_MINOR_VERSION, kEntries};
  return &api;
}

}  // namespace copying_dart_port
