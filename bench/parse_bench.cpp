// Parsing SDK documents of 1 KiB to 2 MiB into a document object model:
// ours through json::Deserialize, RapidJSON through Document::Parse,
// nlohmann through json::parse, and simdjson (for reference) through a
// dom::parser that is reused across iterations, as that library intends.
// Each benchmark checks once that its parse succeeds and that the top-level
// array has as many elements as ours.
#include <benchmark/benchmark.h>
#include <rapidjson/document.h>
#include <simdjson.h>

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

#include "bench_groups.h"
#include "json.h"
#include "sdk_documents.h"

namespace {

using bench_documents::Kind;

std::size_t OurElementCount(const std::string& doc) {
  const json::Value value = json::Deserialize(doc);
  return value.GetValueType() == json::ArrayType ? value.size() : 0;
}

// parse() parses the document once and returns its top-level element count,
// or 0 when the parse failed.
template <typename Parse>
void Run(benchmark::State& state, const std::string& doc, Parse parse) {
  const std::size_t expected = OurElementCount(doc);
  if (expected == 0) {
    state.SkipWithError("json::Deserialize does not read the generated document");
    return;
  }
  if (parse() != expected) {
    state.SkipWithError("the parse fails or disagrees with ours");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(parse());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(doc.size()));
}

void Register(Kind kind, const std::string& library, std::size_t size,
              void (*run)(benchmark::State&, const std::string&)) {
  benchmark::RegisterBenchmark(
      bench_groups::Name("parse", bench_documents::KindName(kind), library, size).c_str(),
      [kind, size, run](benchmark::State& state) {
        run(state, bench_documents::Generate(kind, size));
      })
      ->Unit(benchmark::kMicrosecond);
}

}  // namespace

namespace bench_groups {

void RegisterParse() {
  const Kind kinds[] = {Kind::kMessageList, Kind::kConversationList, Kind::kProfileArray};
  const std::size_t sizes[] = {1024, 16384, 262144, 2097152};
  for (const Kind kind : kinds) {
    for (const std::size_t size : sizes) {
      Register(kind, kOurs, size, [](benchmark::State& state, const std::string& doc) {
        Run(state, doc, [&] {
          const json::Value value = json::Deserialize(doc);
          return value.GetValueType() == json::ArrayType ? value.size() : 0;
        });
      });
      Register(kind, "rapidjson", size, [](benchmark::State& state, const std::string& doc) {
        Run(state, doc, [&]() -> std::size_t {
          rapidjson::Document value;
          value.Parse(doc.data(), doc.size());
          return !value.HasParseError() && value.IsArray() ? value.Size() : 0;
        });
      });
      Register(kind, "nlohmann", size, [](benchmark::State& state, const std::string& doc) {
        Run(state, doc, [&]() -> std::size_t {
          const nlohmann::json value = nlohmann::json::parse(doc, nullptr, false);
          return value.is_array() ? value.size() : 0;
        });
      });
      Register(kind, "simdjson", size, [](benchmark::State& state, const std::string& doc) {
        simdjson::dom::parser parser;
        const simdjson::padded_string padded(doc);
        Run(state, doc, [&]() -> std::size_t {
          simdjson::dom::array array;
          if (parser.parse(padded).get_array().get(array) != simdjson::SUCCESS) return 0;
          return array.size();
        });
      });
    }
  }
}

}  // namespace bench_groups
