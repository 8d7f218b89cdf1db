// Completion envelopes: the five members callback, code, desc, json_param and
// user_data, whose json_param is an SDK message list of 100 B to 1 MiB.
//
//   envelope/write/...        an envelope that already exists is written out:
//                             ours serialises a json::Value holding it,
//                             nlohmann dumps a json object holding it, and
//                             RapidJSON's Writer, which has no object to
//                             build, writes the members from the texts.
//   envelope/build_write/...  the envelope is built from the SDK's texts and
//                             written, as a completion callback does:
//                             ours through json::Object and json::Serialize,
//                             nlohmann through its json object, RapidJSON
//                             through its Writer alone (the same work as its
//                             write) and through a Document ("rapidjson_dom").
//
// Ours escapes every slash as the bridge's text format requires; none of the
// peers offers that, so their texts are shorter by one byte per slash. Each
// benchmark checks once that its text equals ours with "\/" read as "/".
// Bytes per second count the envelope text each library writes.
#include <benchmark/benchmark.h>
#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

#include "bench_groups.h"
#include "json.h"
#include "rapidjson_completion.h"
#include "sdk_documents.h"

namespace {

using bench_documents::Desc;
using bench_documents::UserData;

constexpr int kCode = 0;

std::string WithoutSlashEscapes(const std::string& text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '/') continue;
    plain += text[i];
    if (text[i] == '\\' && i + 1 < text.size()) plain += text[++i];
  }
  return plain;
}

// ----------------------------------------------------------------- ours

std::string OurBuildWrite(const char* json_param) {
  return json::Serialize(json::Value(bench_documents::CompletionEnvelope(json_param)));
}

// -------------------------------------------------------------- RapidJSON

std::size_t RapidJsonWrite(const char* json_param, std::string* text) {
  rapidjson::StringBuffer buffer;
  rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
  rapidjson_peer::WriteCompletion(writer, kCode, Desc(), json_param, UserData());
  benchmark::DoNotOptimize(buffer.GetString());
  if (text != nullptr) text->assign(buffer.GetString(), buffer.GetSize());
  return buffer.GetSize();
}

std::size_t RapidJsonDomBuildWrite(const char* json_param, std::string* text) {
  rapidjson::Document envelope(rapidjson::kObjectType);
  auto& allocator = envelope.GetAllocator();
  envelope.AddMember("callback", "apiCallback", allocator);
  envelope.AddMember("code", kCode, allocator);
  envelope.AddMember("desc", rapidjson::Value(Desc(), allocator), allocator);
  envelope.AddMember("json_param", rapidjson::Value(json_param, allocator), allocator);
  envelope.AddMember("user_data", rapidjson::Value(UserData(), allocator), allocator);
  rapidjson::StringBuffer buffer;
  rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
  envelope.Accept(writer);
  benchmark::DoNotOptimize(buffer.GetString());
  if (text != nullptr) text->assign(buffer.GetString(), buffer.GetSize());
  return buffer.GetSize();
}

// --------------------------------------------------------------- nlohmann

nlohmann::json NlohmannEnvelope(const char* json_param) {
  nlohmann::json envelope;
  envelope["code"] = kCode;
  envelope["desc"] = Desc();
  envelope["user_data"] = UserData();
  envelope["callback"] = "apiCallback";
  envelope["json_param"] = json_param;
  return envelope;
}

// ------------------------------------------------------------ benchmarks

// Runs write() each iteration; write returns the text's length and, when
// given a string, the text itself for the one check against ours.
template <typename Write>
void Run(benchmark::State& state, const std::string& payload, Write write) {
  const std::string expected = WithoutSlashEscapes(OurBuildWrite(payload.c_str()));
  std::string text;
  write(&text);
  if (WithoutSlashEscapes(text) != expected) {
    state.SkipWithError("the envelope text differs from ours");
    return;
  }
  std::size_t bytes = 0;
  for (auto _ : state) bytes += write(nullptr);
  state.SetBytesProcessed(static_cast<int64_t>(bytes));
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}

std::size_t Keep(std::string&& produced, std::string* text) {
  benchmark::DoNotOptimize(produced.data());
  const std::size_t size = produced.size();
  if (text != nullptr) *text = std::move(produced);
  return size;
}

void Register(const std::string& variant, const std::string& library, std::size_t size,
              void (*run)(benchmark::State&, const std::string&)) {
  benchmark::RegisterBenchmark(
      bench_groups::Name("envelope", variant, library, size).c_str(),
      [size, run](benchmark::State& state) {
        run(state, bench_documents::Generate(bench_documents::Kind::kMessageList, size));
      })
      ->Unit(size >= 65536 ? benchmark::kMicrosecond : benchmark::kNanosecond);
}

}  // namespace

namespace bench_groups {

void RegisterEnvelope() {
  const std::size_t sizes[] = {100, 4096, 65536, 1048576};
  for (const std::size_t size : sizes) {
    Register("write", kOurs, size, [](benchmark::State& state, const std::string& payload) {
      const json::Value envelope(bench_documents::CompletionEnvelope(payload.c_str()));
      Run(state, payload, [&](std::string* text) { return Keep(json::Serialize(envelope), text); });
    });
    Register("write", "rapidjson", size, [](benchmark::State& state, const std::string& payload) {
      Run(state, payload, [&](std::string* text) { return RapidJsonWrite(payload.c_str(), text); });
    });
    Register("write", "nlohmann", size, [](benchmark::State& state, const std::string& payload) {
      const nlohmann::json envelope = NlohmannEnvelope(payload.c_str());
      Run(state, payload, [&](std::string* text) { return Keep(envelope.dump(), text); });
    });
  }
  for (const std::size_t size : sizes) {
    Register("build_write", kOurs, size, [](benchmark::State& state, const std::string& payload) {
      Run(state, payload,
          [&](std::string* text) { return Keep(OurBuildWrite(payload.c_str()), text); });
    });
    Register("build_write", "rapidjson", size,
             [](benchmark::State& state, const std::string& payload) {
               Run(state, payload,
                   [&](std::string* text) { return RapidJsonWrite(payload.c_str(), text); });
             });
    Register("build_write", "rapidjson_dom", size,
             [](benchmark::State& state, const std::string& payload) {
               Run(state, payload, [&](std::string* text) {
                 return RapidJsonDomBuildWrite(payload.c_str(), text);
               });
             });
    Register("build_write", "nlohmann", size,
             [](benchmark::State& state, const std::string& payload) {
               Run(state, payload, [&](std::string* text) {
                 return Keep(NlohmannEnvelope(payload.c_str()).dump(), text);
               });
             });
  }
}

}  // namespace bench_groups
