// zelbridge-demo: plays the Dart application's part against the built bridge.
// It loads the library by path, binds the exports by name, hands the bridge a
// Dart API table of its own, and walks a session while it routes every posted
// envelope as an isolate would, printing a transcript. Two more runs show the
// hard cases of the integration guide: a hot restart, and several isolates.
//
// Exit status: 0 when every expected completion and event arrived in time,
// 1 when the walk failed, 2 when the library could not be loaded or bound.

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "bridge_api.h"
#include "dart_vm.h"
#include "hot_restart.h"
#include "isolate.h"
#include "native_texts.h"
#include "session.h"
#include "several_isolates.h"
#include "shared_library.h"
#include "transcript.h"

namespace {

// Long enough for a loaded CI machine or a sanitizer build; the stand-in
// world answers within a fraction of a second.
constexpr std::chrono::milliseconds kWaitBound(5000);

struct Options {
  std::string library = ZELBRIDGE_DEMO_LIBRARY;
  bool raw = false;
  bool hot_restart = false;
  int isolates = 1;
};

void PrintUsage(std::ostream& out) {
  out << "usage: zelbridge-demo [--raw] [--library PATH] [--hot-restart | --isolates N]\n"
         "  --raw           print the texts posted by the bridge as they arrived\n"
         "  --library PATH  the bridge to load (default: " ZELBRIDGE_DEMO_LIBRARY
         ")\n"
         "  --hot-restart   play a hot restart: two generations of the app's isolate\n"
         "  --isolates N    play N isolates (2 to 9) that use the bridge at once\n";
}

// The number in text if it is a whole number from low to high, else 0.
int Count(const char* text, int low, int high) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  return *end == '\0' && value >= low && value <= high ? static_cast<int>(value) : 0;
}

// False when the arguments are not understood.
bool ParseOptions(int argc, char** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--raw") == 0) {
      options->raw = true;
    } else if (std::strcmp(argv[i], "--library") == 0 && i + 1 < argc) {
      options->library = argv[++i];
    } else if (std::strcmp(argv[i], "--hot-restart") == 0) {
      options->hot_restart = true;
    } else if (std::strcmp(argv[i], "--isolates") == 0 && i + 1 < argc) {
      options->isolates = Count(argv[++i], demo::kMinIsolates, demo::kMaxIsolates);
      if (options->isolates == 0) return false;
    } else {
      return false;
    }
  }
  return !(options->hot_restart && options->isolates > 1);
}

bool Walk(const demo::BridgeApi& api, const Options& options) {
  if (options.hot_restart) return demo::RunHotRestart(api, std::cout, options.raw, kWaitBound);
  if (options.isolates > 1) {
    return demo::RunSeveralIsolates(api, options.isolates, std::cout, options.raw, kWaitBound);
  }
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
