// zelbridge-demo: plays the Dart application's part against the built bridge.
// It loads the library by path, binds the exports by name, hands the bridge a
// Dart API table of its own, and walks a session while it routes every posted
// envelope as an isolate would, printing a transcript: a smoke test of the
// library that needs no Dart VM (the Dart suite plays the hard cases, a hot
// restart and several isolates, on a real one).
//
// Exit status: 0 when every expected completion and event arrived in time,
// 1 when the walk failed, 2 when the library could not be loaded or bound.

#include <chrono>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "bridge_api.h"
#include "dart_vm.h"
#include "isolate.h"
#include "native_texts.h"
#include "session.h"
#include "shared_library.h"
#include "transcript.h"

namespace {

// Long enough for a loaded CI machine or a sanitizer build; the stand-in
// world answers within a fraction of a second.
constexpr std::chrono::milliseconds kWaitBound(5000);

struct Options {
  std::string library = ZELBRIDGE_DEMO_LIBRARY;
  bool raw = false;
};

void PrintUsage(std::ostream& out) {
  out << "usage: zelbridge-demo [--raw] [--library PATH]\n"
         "  --raw           print the texts posted by the bridge as they arrived\n"
         "  --library PATH  the bridge to load (default: " ZELBRIDGE_DEMO_LIBRARY ")\n";
}

// False when the arguments are not understood.
bool ParseOptions(int argc, char** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--raw") == 0) {
      options->raw = true;
    } else if (std::strcmp(argv[i], "--library") == 0 && i + 1 < argc) {
      options->library = argv[++i];
    } else {
      return false;
    }
  }
  return true;
}

bool Walk(const demo::BridgeApi& api, const Options& options) {
  demo::NativeTexts memory;
  demo::Transcript transcript(std::cout, options.raw);
  demo::ReceivePort port;
  demo::Isolate isolate(port, transcript, kWaitBound, memory);
  return demo::Session(api, isolate, transcript).Run();
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, &options)) {
    PrintUsage(std::cerr);
    return 2;
  }

  std::string error;
  const std::unique_ptr<demo::SharedLibrary> library =
      demo::SharedLibrary::Open(options.library, &error);
  if (!library) {
    std::cerr << "zelbridge-demo: cannot load " << options.library << ": " << error << "\n";
    return 2;
  }
  demo::BridgeApi api;
  const std::vector<std::string> missing = demo::BindBridgeApi(*library, &api);
  if (!missing.empty()) {
    std::cerr << "zelbridge-demo: " << options.library << " does not export:";
    for (const std::string& name : missing) std::cerr << " " << name;
    std::cerr << "\n";
    return 2;
  }
  std::cout << "zelbridge-demo: loaded " << options.library << "\n";

  const bool walked = Walk(api, options);

  std::cout << (walked ? "zelbridge-demo: every expected completion and event arrived\n"
                       : "zelbridge-demo: FAILED, see the lines marked !!\n");
  std::cout.flush();
  return walked ? 0 : 1;
}
