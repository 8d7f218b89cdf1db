// A shared library loaded at run time by path, its symbols looked up by name:
// the way the Dart VM opens the bridge for dart:ffi (DynamicLibrary.open and
// lookup), so the demo never links against the bridge.
#ifndef ZELBRIDGE_DEMO_SHARED_LIBRARY_H_
#define ZELBRIDGE_DEMO_SHARED_LIBRARY_H_

#include <memory>
#include <string>

namespace demo {

class SharedLibrary {
 public:
  // Null on failure, with the loader's message in error.
  // The library stays loaded for the life of the process, as in a Dart
  // process: SDK threads may still be running its code at exit.
  static std::unique_ptr<SharedLibrary> Open(const std::string& path, std::string* error);

  SharedLibrary(const SharedLibrary&) = delete;
  SharedLibrary& operator=(const SharedLibrary&) = delete;

  // The address of an exported symbol, or null.
  void* Symbol(const char* name) const;

 private:
  explicit SharedLibrary(void* handle) : handle_(handle) {}

  void* handle_;
};

}  // namespace demo

#endif  // ZELBRIDGE_DEMO_SHARED_LIBRARY_H_
