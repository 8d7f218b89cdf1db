// Delivery end to end: an SDK completion or event enters the bridge's
// callback or adapter, which builds the envelope and hands it to
// SendDataToDart, which serialises it, takes the port lock and posts the text
// to one registered port of a Dart stand-in that copies the text as the VM
// does.
//
//   delivery/sdk_threads_1/...   one SDK thread completing operations
//   delivery/sdk_threads_4/...   four at once (wall-clock rate, all threads)
//   delivery/event_1/...         one SDK thread raising new-message events
//   delivery/build/...           building the envelope alone, by the
//                                callback's own steps, in the thread's storage
//   delivery/serialize/...       serializing the built envelope alone, into a
//                                kept buffer as delivery does
//
// Next to ours, delivery/sdk_threads_1/rapidjson is a completion callback
// written with RapidJSON's Writer: it writes the same members in the same
// order into a StringBuffer (without escaping slashes, which RapidJSON does
// not offer) and posts the text to the same port under a lock of its own,
// taken as ours takes it (once to see that a port is registered, once for the
// posting pass).
//
// Each benchmark reports the allocations per envelope of its thread; the
// port's copy of the text is one of them.
//
// The summary splits the one-thread time into building, serialising, and
// the rest (taking the lock, posting, the port's copy), and compares what
// delivery costs beyond serialising with the serialisation itself.
#include <benchmark/benchmark.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "allocation_counter.h"
#include "bench_groups.h"
#include "completion.h"
#include "copying_dart_port.h"
#include "dart_api_dl.h"
#include "envelope_storage.h"
#include "json/json.h"
#include "json/serialize_into.h"
#include "rapidjson_completion.h"
#include "sdk/zel_sdk.h"
#include "sdk_documents.h"
#include "standin_control.h"
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

// Runs deliver each iteration and reports the thread's allocations per
// envelope.
template <typename DeliverOne>
void DeliverEach(benchmark::State& state, std::size_t payload_size, DeliverOne deliver) {
  const long allocations_before = allocation_counter::ThisThread();
  for (auto _ : state) deliver();
  state.counters["allocs"] =
      benchmark::Counter(static_cast<double>(allocation_counter::ThisThread() - allocations_before),
                         benchmark::Counter::kAvgIterations);
  Count(state, payload_size);
}

void Deliver(benchmark::State& state, std::size_t size) {
  Connect();
  const std::string payload = Payload(size);
  DeliverEach(state, payload.size(),
              [&] { DartZelCommonCallback(kCode, Desc(), payload.c_str(), UserData()); });
}

// New-message events through the adapter that the SDK calls, registered by
// the export as an app does.
void DeliverEvent(benchmark::State& state, std::size_t size) {
  Connect();
  static const ZelRecvNewMsgCallback adapter = [] {
    DartAddReceiveNewMsgCallback(UserData());
    const auto listener = zel_standin::RegisteredListener("ZelAddRecvNewMsgCallback");
    return listener ? reinterpret_cast<ZelRecvNewMsgCallback>(const_cast<void*>(listener->callback))
                    : nullptr;
  }();
  if (adapter == nullptr) {
    state.SkipWithError("the new-message adapter was not registered");
    return;
  }
  const std::string payload = Payload(size);
  DeliverEach(state, payload.size(), [&] { adapter(payload.c_str(), UserData()); });
}

// ------------------------------------------------- a RapidJSON Writer bridge

std::mutex rapidjson_port_mutex;
const std::vector<Dart_Port> rapidjson_ports = {kPort};

void RapidJsonCommonCallback(int32_t code, const char* desc, const char* json_params,
                             const void* user_data) {
  rapidjson::StringBuffer buffer;
  rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
  rapidjson_peer::WriteCompletion(writer, code, desc, json_params != nullptr ? json_params : "",
                                  static_cast<const char*>(user_data));
  {
    std::lock_guard<std::mutex> lock(rapidjson_port_mutex);
    if (rapidjson_ports.empty()) return;
  }
  std::lock_guard<std::mutex> lock(rapidjson_port_mutex);
  for (const Dart_Port port : rapidjson_ports) {
    Dart_CObject message;
    message.type = Dart_CObject_kString;
    message.value.as_string = buffer.GetString();
    Dart_PostCObject_DL(port, &message);
  }
}

void DeliverWithRapidJson(benchmark::State& state, std::size_t size) {
  Connect();
  const std::string payload = Payload(size);
  DeliverEach(state, payload.size(),
              [&] { RapidJsonCommonCallback(kCode, Desc(), payload.c_str(), UserData()); });
}

// The completion callback's steps up to SendDataToDart, in the thread's kept
// storage as the callback builds.
void Build(benchmark::State& state, std::size_t size) {
  const std::string payload = Payload(size);
  for (auto _ : state) {
    const ReusedEnvelope reused = BeginReusedEnvelope(kCommonCompletionEnvelope);
    json::Object* const envelope = reused.object;
    if (envelope == nullptr) {
      state.SkipWithError("the thread's envelope storage is not available");
      return;
    }
    (*envelope)["code"] = json::Value(kCode);
    (*envelope)["desc"] = EnvelopeText(Desc());
    (*envelope)["user_data"] = EnvelopeText(UserData());
    (*envelope)["callback"] = json::Value("apiCallback");
    (*envelope)["json_param"] = EnvelopeText(payload.c_str());
    EndFillingReusedEnvelope(*reused.storage);
    benchmark::DoNotOptimize(envelope);
    EndReusedEnvelope(*reused.storage, true);
  }
  Count(state, payload.size());
}

// Serializing the envelope into a kept buffer, as delivery does.
void Serialize(benchmark::State& state, std::size_t size) {
  const std::string payload = Payload(size);
  const json::Object envelope = bench_documents::CompletionEnvelope(payload.c_str());
  std::string buffer;
  for (auto _ : state) {
    const std::size_t length = json_internal::SerializeInto(envelope, buffer);
    benchmark::DoNotOptimize(buffer.data());
    benchmark::DoNotOptimize(length);
  }
  Count(state, payload.size());
}

benchmark::internal::Benchmark* Register(const char* variant, std::size_t size,
                                         void (*run)(benchmark::State&, std::size_t),
                                         const char* library = "zelbridge") {
  return benchmark::RegisterBenchmark(
             bench_groups::Name("delivery", variant, library, size).c_str(),
             [size, run](benchmark::State& state) { run(state, size); })
      ->Unit(benchmark::kNanosecond);
}

}  // namespace

namespace bench_groups {

void RegisterDelivery() {
  for (const std::size_t size : {100, 4096, 65536, 1048576}) {
    Register("sdk_threads_1", size, Deliver);
    Register("sdk_threads_1", size, DeliverWithRapidJson, "rapidjson");
    Register("event_1", size, DeliverEvent);
    Register("sdk_threads_4", size, Deliver)->Threads(4)->UseRealTime();
    Register("build", size, Build);
    Register("serialize", size, Serialize);
  }
}

}  // namespace bench_groups
