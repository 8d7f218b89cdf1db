// A minimal stand-in for the Dart runtime's side of the native API, for
// benchmarks: its Dart_PostCObject accepts string messages and copies the
// text into a fresh allocation, as the VM copies a posted string into its
// message, then frees it. It records nothing, so it stays the same cost
// however long a benchmark runs.
#ifndef ZELBRIDGE_BENCH_COPYING_DART_PORT_H_
#define ZELBRIDGE_BENCH_COPYING_DART_PORT_H_

namespace copying_dart_port {

// The Dart API data to hand DartInitDartApiDL.
void* ApiData();

// Which texts the port takes; the others it refuses, as the VM refuses a
// text that is not valid UTF-8 and a closed port refuses everything. Set by
// a benchmark for its run, while no other benchmark posts.
enum class Accepts {
  kEverything,
  kValidUtf8,           // the VM's own check: the bridge falls back to base64
  kErrorEnvelopesOnly,  // neither the text nor its base64: the error envelope
};
void SetAccepts(Accepts accepts);

}  // namespace copying_dart_port

#endif  // ZELBRIDGE_BENCH_COPYING_DART_PORT_H_
