// The app of the Flutter-shaped hosts. It opens the bridge by the bare name
// that Dart opens it with, so the platform's loader must find it where the
// app's bundle put it, then looks up every export that the public header
// declares, and makes two calls that reach past the bridge: one refused for
// want of a Dart API table, and the SDK's version from the SDK library
// bundled beside the bridge. Names given on the command line are looked up
// too: the checks give one that does not exist, to see a miss fail the run.
//
// Exit status: 0 when every name was found, 1 when one is missing, 2 when
// the library cannot be opened.
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

const char* const kExportNames[] = {
#include "export_names.inc"
};

#if defined(_WIN32)
constexpr char kLibraryName[] = "zelbridge.dll";
using Library = HMODULE;
Library OpenLibrary() { return LoadLibraryA(kLibraryName); }
void* FindSymbol(Library library, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(library, name));
}
std::string LoaderError() { return "Windows error " + std::to_string(GetLastError()); }
#else
constexpr char kLibraryName[] = "libzelbridge.so";
using Library = void*;
Library OpenLibrary() { return dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL); }
void* FindSymbol(Library library, const char* name) { return dlsym(library, name); }
std::string LoaderError() {
  const char* error = dlerror();
  return error != nullptr ? error : "no error text";
}
#endif

using InitDartApi = intptr_t (*)(void*);
using GetSdkVersion = const char* (*)();

}  // namespace

int main(int argc, char** argv) {
  Library library = OpenLibrary();
  if (library == nullptr) {
    std::fprintf(stderr, "cannot open %s: %s\n", kLibraryName, LoaderError().c_str());
    return 2;
  }
  std::vector<const char*> names(std::begin(kExportNames), std::end(kExportNames));
  names.insert(names.end(), argv + 1, argv + argc);
  size_t missing = 0;
  for (const char* name : names) {
    if (FindSymbol(library, name) == nullptr) {
      std::fprintf(stderr, "missing export: %s\n", name);
      ++missing;
    }
  }
  std::printf("%s: %zu of %zu exports found\n", kLibraryName, names.size() - missing, names.size());
  if (missing != 0) {
    return 1;
  }

  auto init_dart_api = reinterpret_cast<InitDartApi>(FindSymbol(library, "DartInitDartApiDL"));
  auto get_sdk_version = reinterpret_cast<GetSdkVersion>(FindSymbol(library, "DartGetSDKVersion"));
  const intptr_t refused = init_dart_api(nullptr);
  const char* version = get_sdk_version();
  std::printf("DartInitDartApiDL(NULL) = %ld; SDK version \"%s\"\n", static_cast<long>(refused),
              version != nullptr ? version : "(null)");
  return refused == -1 && version != nullptr ? 0 : 1;
}
