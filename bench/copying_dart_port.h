// A minimal stand-in for the Dart runtime's side of the native API, for
// benchmarks: its Dart_PostCObject accepts every string message and copies
// the text into a fresh allocation, as the VM copies a posted string into
// its message, then frees it. It records nothing, so it stays the same cost
// however long a benchmark runs.
#ifndef ZELBRIDGE_BENCH_COPYING_DART_PORT_H_
#define ZELBRIDGE_BENCH_COPYING_DART_PORT_H_

namespace copying_dart_port {

// The Dart API data to hand DartInitDartApiDL.
void* ApiData();

}  // namespace copying_dart_port

#endif  // ZELBRIDGE_BENCH_COPYING_DART_PORT_H_
