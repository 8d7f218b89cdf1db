// Delivery end to end: an SDK completion or event enters the bridge's
// callback or adapter, which builds the envelope and hands it to
// SendDataToDart, which serialises it, takes the port lock and posts the text
// to one registered port of a Dart stand-in that copies the text as the VM
// does.
//
//   delivery/sdk_threads_1/...    one SDK thread completing operations
//   delivery/sdk_threads_4/...    four at once (wall-clock rate, all threads)
//   delivery/event_1/...          one SDK thread raising new-message events
//   delivery/read_member_list/... the read-member-list completion, seven
//                                 members
//   delivery/base64/...           a completion whose payload holds a byte
//                                 that is not UTF-8: the port refuses the
//                                 text, and its base64 form is posted
//   delivery/error/...            a completion whose text and base64 form the
//                                 port both refuse: the error envelope
//   delivery/build/...            building the envelope alone, by the
//                                 callback's own steps, in the thread's storage
//   delivery/serialize/...        serializing the built envelope alone, from
//                                 its layout into a kept buffer, as delivery
//                                 does
//
// sdk_threads_1 and event_1 run with the fastest escaping path the processor
// has ("zelbridge") and, where that is not SSE2, with SSE2 forced
// ("zelbridge_sse2"), the path of every x86-64 processor.
//
// Next to ours, delivery/sdk_threads_1/rapidjson and delivery/event_1/rapidjson
// are a completion callback and a new-message adapter written with
// RapidJSON's Writer: each writes the same members in the same order into a
// StringBuffer (without escaping slashes, which RapidJSON does not offer) and
// posts the text to the same port under a lock of its own, taken as ours
// takes it (once to see that a port is registered, once for the posting
// pass). They are kept out of line, as ours are, so that an instruction
// count can be taken of each call alone (bench/count_instructions.sh).
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
#include "json/escape_paths.h"
#include "json/json.h"
#include "json/object_layout.h"
#include "rapidjson_completion.h"
#include "sdk/zel_sdk.h"
#include "sdk_documents.h"
#include "standin_control.h"
#include "zelbridge.h"

namespace {

using bench_documents::Desc;
using bench_documents::UserData;
using copying_dart_port::Accepts;
using json_internal::EscapePath;

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

// The new-message adapter that the SDK calls, registered by the export as an
// app does.
ZelRecvNewMsgCallback NewMessageAdapter() {
  static const ZelRecvNewMsgCallback adapter = [] {
    DartAddReceiveNewMsgCallback(UserData());
    const auto listener = zel_standin::RegisteredListener("ZelAddRecvNewMsgCallback");
    return listener ? reinterpret_cast<ZelRecvNewMsgCallback>(const_cast<void*>(listener->callback))
                    : nullptr;
  }();
  return adapter;
}

void DeliverEvent(benchmark::State& state, std::size_t size) {
  Connect();
  const ZelRecvNewMsgCallback adapter = NewMessageAdapter();
  if (adapter == nullptr) {
    state.SkipWithError("the new-message adapter was not registered");
    return;
  }
  const std::string payload = Payload(size);
  DeliverEach(state, payload.size(), [&] { adapter(payload.c_str(), UserData()); });
}

// The seven-member read-member-list completion.
void DeliverReadMemberList(benchmark::State& state, std::size_t size) {
  Connect();
  const std::string payload = Payload(size);
  DeliverEach(state, payload.size(), [&] {
    DartGetGroupMessageReadMemberListCallback(payload.c_str(), 1700000000123ull, false, UserData());
  });
}

// A completion through the fallback steps, with the port taking only what
// accepts lets through; payload is the message list with one byte in a
// string replaced by 0xff, which is not UTF-8.
void DeliverRefused(benchmark::State& state, std::size_t size, Accepts accepts) {
  Connect();
  std::string payload = Payload(size);
  const std::size_t quote = payload.find('"');
  if (quote != std::string::npos && quote + 1 < payload.size()) payload[quote + 1] = '\xff';
  copying_dart_port::SetAccepts(accepts);
  // Each failure line is a call that the stand-in SDK keeps in its journal;
  // emptied here, the journal holds only this run's lines, so that how many
  // ran before does not weigh on this run.
  zel_standin::Reset();
  DeliverEach(state, payload.size(),
              [&] { DartZelCommonCallback(kCode, Desc(), payload.c_str(), UserData()); });
  zel_standin::Reset();
  copying_dart_port::SetAccepts(Accepts::kEverything);
}

void DeliverBase64(benchmark::State& state, std::size_t size) {
  DeliverRefused(state, size, Accepts::kValidUtf8);
}

void DeliverError(benchmark::State& state, std::size_t size) {
  DeliverRefused(state, size, Accepts::kErrorEnvelopesOnly);
}

// ------------------------------------------------- a RapidJSON Writer bridge

std::mutex rapidjson_port_mutex;
const std::vector<Dart_Port> rapidjson_ports = {kPort};

void RapidJsonPost(const rapidjson::StringBuffer& buffer) {
  {
    std::lock_guard<std::mutex> lock(rapidjson_port_mutex);
    if (rapidjson_ports.empty()) return;
  }
  std::lock_guard<std::mutex> lock(rapidjson_port_mutex);
  for (const Dart_Port port : rapidjson_ports) {
    Dart_CObject message;
    message.type = Dart_CObject_kString;
    message.value.as_string = const_cast<char*>(buffer.GetString());
    Dart_PostCObject_DL(port, &message);
  }
}

[[gnu::noinline]] void RapidJsonCommonCallback(int32_t code, const char* desc,
                                               const char* json_params, const void* user_data) {
  rapidjson::StringBuffer buffer;
  rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
  rapidjson_peer::WriteCompletion(writer, code, desc, json_params != nullptr ? json_params : "",
                                  static_cast<const char*>(user_data));
  RapidJsonPost(buffer);
}

[[gnu::noinline]] void RapidJsonNewMessageCallback(const char* json_msg_array,
                                                   const void* user_data) {
  rapidjson::StringBuffer buffer;
  rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
  rapidjson_peer::WriteNewMessageEvent(writer, json_msg_array != nullptr ? json_msg_array : "",
                                       static_cast<const char*>(user_data));
  RapidJsonPost(buffer);
}

void DeliverWithRapidJson(benchmark::State& state, std::size_t size) {
  Connect();
  const std::string payload = Payload(size);
  DeliverEach(state, payload.size(),
              [&] { RapidJsonCommonCallback(kCode, Desc(), payload.c_str(), UserData()); });
}

void DeliverEventWithRapidJson(benchmark::State& state, std::size_t size) {
  Connect();
  const std::string payload = Payload(size);
  DeliverEach(state, payload.size(),
              [&] { RapidJsonNewMessageCallback(payload.c_str(), UserData()); });
}

// Runs a delivery benchmark with SSE2 forced for every string it writes.
template <void (*kRun)(benchmark::State&, std::size_t)>
void WithSse2(benchmark::State& state, std::size_t size) {
  if (!json_internal::UseEscapePath(EscapePath::kSse2)) {
    state.SkipWithError("SSE2 is not available");
    return;
  }
  kRun(state, size);
  json_internal::UseFastestEscapePath();
}

// Whether this processor has a path faster than SSE2, so that forcing SSE2
// measures something else than the default.
bool FastestIsBeyondSse2() {
  const std::vector<EscapePath> paths = json_internal::AvailableEscapePaths();
  return !paths.empty() && paths.back() == EscapePath::kAvx2;
}

// The completion callback's steps up to SendDataToDart, in the thread's kept
// storage as the callback builds.
void Build(benchmark::State& state, std::size_t size) {
  const std::string payload = Payload(size);
  for (auto _ : state) {
    const ReusedEnvelope reused = BeginReusedEnvelope(kCommonCompletionEnvelope);
    if (reused.kept == nullptr) {
      state.SkipWithError("the thread's envelope storage is not available");
      return;
    }
    EnvelopeMembers envelope = StartFilling(*reused.kept);
    envelope["code"] = Int(kCode);
    envelope["desc"] = Text(Desc());
    envelope["user_data"] = Text(UserData());
    envelope["callback"] = Constant("apiCallback");
    envelope["json_param"] = Text(payload.c_str());
    benchmark::DoNotOptimize(FinishFilling(*reused.kept, envelope));
    EndReusedEnvelope(*reused.storage, true);
  }
  Count(state, payload.size());
}

// Serializing the envelope into a kept buffer from its layout, as delivery
// does: the callback and its key written once, the other members each time.
void Serialize(benchmark::State& state, std::size_t size) {
  const std::string payload = Payload(size);
  const json::Object envelope = bench_documents::CompletionEnvelope(payload.c_str());
  std::vector<const json::Value*> changing;
  for (const auto& member : envelope) {
    if (member.first != "callback") changing.push_back(&member.second);
  }
  json_internal::ObjectLayout layout;
  layout.Make(envelope, changing.data(), changing.size());
  json_internal::TextBuffer buffer;
  for (auto _ : state) {
    const std::size_t length = layout.SerializeInto(buffer);
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
    Register("event_1", size, DeliverEventWithRapidJson, "rapidjson");
    if (FastestIsBeyondSse2()) {
      Register("sdk_threads_1", size, WithSse2<Deliver>, "zelbridge_sse2");
      Register("event_1", size, WithSse2<DeliverEvent>, "zelbridge_sse2");
    }
    Register("read_member_list", size, DeliverReadMemberList);
    Register("base64", size, DeliverBase64);
    Register("error", size, DeliverError);
    Register("sdk_threads_4", size, Deliver)->Threads(4)->UseRealTime();
    Register("build", size, Build);
    Register("serialize", size, Serialize);
  }
}

}  // namespace bench_groups
