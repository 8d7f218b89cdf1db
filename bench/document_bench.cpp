// Serialising a whole SDK document held as a document object model, the
// case of many small values rather than one large string: a message list of
// 4 KiB to 1 MiB, parsed once by each library, is written back to text:
// ours through json::Serialize, RapidJSON through Document::Accept with its
// Writer, nlohmann through dump(). Members come out in key order from ours
// and nlohmann, in document order from RapidJSON, so each benchmark checks
// the length of its text against ours.
#include <benchmark/benchmark.h>
#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

#include "bench_groups.h"
#include "json.h"
#include "sdk_documents.h"

namespace {

std::size_t SlashEscapes(const std::string& text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '\\') {
      if (text[i + 1] == '/') ++count;
      ++i;
    }
  }
  return count;
}

// write() writes the document once and returns the length of the text,
// which is checked once against ours: the same less one byte per slash that
// ours escapes and the peer does not, give or take a hundredth for doubles,
// which ours writes with 16 significant digits and the peers in their
// shortest exact form.
template <typename Write>
void Run(benchmark::State& state, const std::string& doc, bool escapes_slashes, Write write) {
  const std::string ours = json::Serialize(json::Deserialize(doc));
  const std::size_t expected = ours.size() - (escapes_slashes ? 0 : SlashEscapes(ours));
  const std::size_t length = write();
  const std::size_t difference = length > expected ? length - expected : expected - length;
  if (ours.empty() || difference > expected / 100) {
    state.SkipWithError("the document text differs from ours");
    return;
  }
  std::size_t bytes = 0;
  for (auto _ : state) bytes += write();
  state.SetBytesProcessed(static_cast<int64_t>(bytes));
}

std::size_t Written(const std::string& text) {
  benchmark::DoNotOptimize(text.data());
  return text.size();
}

void Register(const std::string& library, std::size_t size,
              void (*run)(benchmark::State&, const std::string&)) {
  benchmark::RegisterBenchmark(
      bench_groups::Name("document", "write", library, size).c_str(),
      [size, run](benchmark::State& state) {
        run(state, bench_documents::Generate(bench_documents::Kind::kMessageList, size));
      })
      ->Unit(benchmark::kMicrosecond);
}

}  // namespace

namespace bench_groups {

void RegisterDocument() {
  for (const std::size_t size : {4096, 65536, 1048576}) {
    Register(kOurs, size, [](benchmark::State& state, const std::string& doc) {
      const json::Value value = json::Deserialize(doc);
      Run(state, doc, true, [&] { return Written(json::Serialize(value)); });
    });
    Register("rapidjson", size, [](benchmark::State& state, const std::string& doc) {
      rapidjson::Document value;
      value.Parse(doc.data(), doc.size());
      Run(state, doc, false, [&] {
        rapidjson::StringBuffer buffer;
        rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
        value.Accept(writer);
        benchmark::DoNotOptimize(buffer.GetString());
        return buffer.GetSize();
      });
    });
    Register("nlohmann", size, [](benchmark::State& state, const std::string& doc) {
      const nlohmann::json value = nlohmann::json::parse(doc);
      Run(state, doc, false, [&] { return Written(value.dump()); });
    });
  }
}

}  // namespace bench_groups
