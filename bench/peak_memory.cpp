// zelbridge_peak_memory: how much memory the bridge adds at its peak to
// deliver one completion whose SDK text is large, as the process's maximum
// resident set size (getrusage) after the delivery less the one before it.
// The SDK's text is made, and its pages touched, before the first reading,
// so only what the bridge allocates counts. The maximum is a high-water mark
// of the whole process, so each case runs in a process of its own:
//
//   zelbridge_peak_memory plain|quotes|control|base64 [MiB, default 100]
//
//   plain    letters, copied as they are
//   quotes   double quotes, each written as two bytes
//   control  the byte 0x01, each written as \u0001 (six bytes)
//   base64   control, posted to a port that refuses the plain text, as the
//            VM refuses text that is not UTF-8: the base64 form is posted
//
// The port checks each text's length and keeps no copy (the Dart VM copies
// the text into its own heap, which is the VM's memory, not the bridge's).
// Prints one line: the case, the text's size, the peak added, in MiB.
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "completion.h"
#include "dart_api_dl.h"
#include "dart_version.h"
#include "internal/dart_api_dl_impl.h"
#include "zelbridge.h"

namespace {

bool refuse_plain_text = false;
std::size_t posted_length = 0;

bool PostCObject(Dart_Port, Dart_CObject* message) {
  if (message->type != Dart_CObject_kString) return false;
  const char* const text = message->value.as_string;
  if (refuse_plain_text && std::strncmp(text, "base64:", 7) != 0) return false;
  posted_length = std::strlen(text);
  return true;
}

const DartApiEntry kEntries[] = {
    {"Dart_PostCObject", reinterpret_cast<void (*)(void)>(&PostCObject)},
    {nullptr, nullptr},
};

double MaxResidentMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s plain|quotes|control|base64 [MiB]\n", argv[0]);
    return 2;
  }
  const std::string kind = argv[1];
  const std::size_t mebibytes = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 100;
  char byte;
  if (kind == "plain") {
    byte = 'a';
  } else if (kind == "quotes") {
    byte = '"';
  } else if (kind == "control" || kind == "base64") {
    byte = '\x01';
  } else {
    std::fprintf(stderr, "unknown case %s\n", kind.c_str());
    return 2;
  }
  refuse_plain_text = kind == "base64";

  static DartApi api = {DART_API_DL_MAJOR_VERSION, DART_API_DL_MINOR_VERSION, kEntries};
  if (DartInitDartApiDL(&api) != 0) return 1;
  DartRegisterSendPort(1);

  const std::string sdk_text(mebibytes << 20, byte);
  // A small completion first, so that the thread's storage exists.
  DartZelCommonCallback(0, "", "[]", "warm-up");
  const double before = MaxResidentMiB();
  DartZelCommonCallback(0, "", sdk_text.c_str(), "large");
  const double added = MaxResidentMiB() - before;

  std::printf("%-8s %zu MiB text: %zu MiB posted, peak +%.0f MiB\n", kind.c_str(), mebibytes,
              posted_length >> 20, added);
  return posted_length > sdk_text.size() ? 0 : 1;
}
