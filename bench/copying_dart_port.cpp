#include "copying_dart_port.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "dart_api_dl.h"
#include "dart_version.h"
#include "internal/dart_api_dl_impl.h"

namespace copying_dart_port {
namespace {

bool PostCObject(Dart_Port, Dart_CObject* message) {
  if (message->type != Dart_CObject_kString) return false;
  const char* const text = message->value.as_string;
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

void* ApiData() {
  static DartApi api = {DART_API_DL_MAJOR_VERSION, DART_API_DL_MINOR_VERSION, kEntries};
  return &api;
}

}  // namespace copying_dart_port
