// Delivery end to end: an SDK completion enters DartZelCommonCallback, which
// builds the envelope and hands it to SendDataToDart, which serialises it,
// takes the port lock and posts the text to one registered port of a Dart
// stand-in that copies the text as the VM does.
//
//   delivery/sdk_threads_1/...   one SDK thread completing operations
//   delivery/sdk_threads_4/...   four at once (wall-clock rate, all threads)
//   delivery/build/...           building and destroying the envelope alone,
//                                by the callback's own steps
//   delivery/serialize/...       json::Serialize of the built envelope alone
//
// The summary splits the one-thread time into building, serialising, and
// the rest (taking the lock, posting, the port's copy), and compares what
// delivery costs beyond serialising with the serialisation itself.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench_groups.h"
#include "completion.h"
#include "copying_dart_port.h"
#include "json/json.h"
#include "sdk_documents.h"
#include "zelbridge.h"

namespace {

using bench_documents::Desc;
using bench_documents::UserData;

constexpr int kCode = 0;
constexpr int64_t kPort = 1;

std::string Payload(std::size_t size) {
  return bench_documents::Generate(bench_documents::Kind::kMessageList, size);
}

void Connect() {
  static const bool connected = [] {
    DartInitDartApiDL(copying_dart_port::ApiData());
    DartRegisterSendPort(kPort);
    return true;
  }();
  benchmark::DoNotOptimize(connected);
}

void Count(benchmark::State& state, std::size_t payload_size) {
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(payload_size));
}

void Deliver(benchmark::State& state, std::size_t size) {
  Connect();
  const std::string payload = Payload(size);
  for (auto _ : state) {
    DartZelCommonCallback(kCode, Desc(), payload.c_str(), UserData());
  }
  Count(state, payload.size());
}

void Build(benchmark::State& state, std::size_t size) {
  const std::string payload = Payload(size);
  for (auto _ : state) {
    json::Object envelope = bench_documents::CompletionEnvelope(payload.c_str());
    benchmark::DoNotOptimize(envelope);
  }
  Count(state, payload.size());
}

void Serialize(benchmark::State& state, std::size_t size) {
  const std::string payload = Payload(size);
  const json::Value envelope(bench_documents::CompletionEnvelope(payload.c_str()));
  for (auto _ : state) {
    const std::string text = json::Serialize(envelope);
    benchmark::DoNotOptimize(text.data());
  }
  Count(state, payload.size());
}

benchmark::internal::Benchmark* Register(const char* variant, std::size_t size,
                                         void (*run)(benchmark::State&, std::size_t)) {
  return benchmark::RegisterBenchmark(
             bench_groups::Name("delivery", variant, "zelbridge", size).c_str(),
             [size, run](benchmark::State& state) { run(state, size); })
      ->Unit(benchmark::kNanosecond);
}

}  // namespace

namespace bench_groups {

void RegisterDelivery() {
  for (const std::size_t size : {100, 4096, 65536}) {
    Register("sdk_threads_1", size, Deliver);
    Register("sdk_threads_4", size, Deliver)->Threads(4)->UseRealTime();
    Register("build", size, Build);
    Register("serialize", size, Serialize);
  }
}

}  // namespace bench_groups
