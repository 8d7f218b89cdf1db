// Writing one string value, the serializer's inner loop, through each
// escaping path that this build has and this processor runs, next to
// RapidJSON's Writer::String and a plain memcpy of the same bytes (the floor).
// Three texts:
//
//   string/messages/...   a generated SDK message list, as SDK documents
//                         travel inside the envelopes: a quote, slash or
//                         backslash every ninth or tenth byte
//   string/clean/...      the same bytes with each of those replaced by a
//                         letter: nothing to escape
//   string/escapes/...    half of the bytes are quotes, slashes or backslashes
//
// Ours writes into a buffer that is kept from one iteration to the next, as
// delivery does; RapidJSON into a StringBuffer that it clears each time. Each
// of our paths checks once that its text equals the plain path's. RapidJSON
// escapes no slash, so its text is shorter by one byte per slash; that is
// checked too. Bytes per second count the input text.
#include <benchmark/benchmark.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>

#include "bench_groups.h"
#include "escape_paths.h"
#include "sdk_documents.h"

namespace {

using json_internal::EscapePath;

enum class Text { kMessages, kClean, kEscapes };

const char* TextName(Text text) {
  switch (text) {
    case Text::kMessages:
      return "messages";
    case Text::kClean:
      return "clean";
    case Text::kEscapes:
      return "escapes";
  }
  return "?";
}

std::string Make(Text text, std::size_t size) {
  std::string s = bench_documents::Generate(bench_documents::Kind::kMessageList, size);
  if (text == Text::kClean) {
    for (char& c : s) {
      if (c == '"' || c == '/' || c == '\\') c = 'q';
    }
  } else if (text == Text::kEscapes) {
    std::mt19937 rng(17);
    for (char& c : s) {
      if (rng() % 2 == 0) c = "\"/\\"[rng() % 3];
    }
  }
  return s;
}

std::string Expected(const std::string& text) {
  json_internal::UseEscapePath(EscapePath::kPlain);
  std::string expected = json_internal::EscapedString(text.data(), text.size());
  json_internal::UseFastestEscapePath();
  return expected;
}

std::size_t Slashes(const std::string& text) {
  std::size_t n = 0;
  for (const char c : text) n += c == '/';
  return n;
}

void Count(benchmark::State& state, std::size_t size) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(size));
}

void Ours(benchmark::State& state, Text kind, std::size_t size, EscapePath path) {
  const std::string text = Make(kind, size);
  const std::string expected = Expected(text);
  if (!json_internal::UseEscapePath(path)) {
    state.SkipWithError("path not available");
    return;
  }
  json_internal::TextBuffer buffer;
  std::size_t length = json_internal::WriteEscapedString(text.data(), text.size(), buffer);
  if (length != expected.size() || expected.compare(0, length, buffer.data(), length) != 0) {
    json_internal::UseFastestEscapePath();
    state.SkipWithError("the text differs from the plain path's");
    return;
  }
  for (auto _ : state) {
    length = json_internal::WriteEscapedString(text.data(), text.size(), buffer);
    benchmark::DoNotOptimize(buffer.data());
    benchmark::DoNotOptimize(length);
  }
  json_internal::UseFastestEscapePath();
  Count(state, text.size());
}

void RapidJson(benchmark::State& state, Text kind, std::size_t size) {
  const std::string text = Make(kind, size);
  const std::size_t expected = Expected(text).size() - Slashes(text);
  rapidjson::StringBuffer buffer;
  rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
  const auto write = [&] {
    buffer.Clear();
    writer.Reset(buffer);
    writer.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
    benchmark::DoNotOptimize(buffer.GetString());
    return buffer.GetSize();
  };
  if (write() != expected) {
    state.SkipWithError("RapidJSON's text is not ours less the slash escapes");
    return;
  }
  for (auto _ : state) write();
  Count(state, text.size());
}

void Memcpy(benchmark::State& state, Text kind, std::size_t size) {
  const std::string text = Make(kind, size);
  std::string buffer(text.size(), '\0');
  for (auto _ : state) {
    std::memcpy(&buffer[0], text.data(), text.size());
    benchmark::DoNotOptimize(buffer.data());
    benchmark::ClobberMemory();
  }
  Count(state, text.size());
}

}  // namespace

namespace bench_groups {

void RegisterString() {
  for (const Text kind : {Text::kMessages, Text::kClean, Text::kEscapes}) {
    for (const std::size_t size : {100, 4096, 65536, 1048576}) {
      const benchmark::TimeUnit unit =
          size >= 65536 ? benchmark::kMicrosecond : benchmark::kNanosecond;
      for (const EscapePath path : json_internal::AvailableEscapePaths()) {
        benchmark::RegisterBenchmark(
            Name("string", TextName(kind), json_internal::EscapePathName(path), size).c_str(),
            [=](benchmark::State& state) { Ours(state, kind, size, path); })
            ->Unit(unit);
      }
      benchmark::RegisterBenchmark(Name("string", TextName(kind), "rapidjson", size).c_str(),
                                   [=](benchmark::State& state) { RapidJson(state, kind, size); })
          ->Unit(unit);
      benchmark::RegisterBenchmark(Name("string", TextName(kind), "memcpy", size).c_str(),
                                   [=](benchmark::State& state) { Memcpy(state, kind, size); })
          ->Unit(unit);
    }
  }
}

}  // namespace bench_groups
