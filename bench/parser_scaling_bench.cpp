// How json::Deserialize scales with the size of the document.
//
// Each benchmark parses generated documents from 10 KiB to 2 MiB of one shape
// and reports bytes per second and the time per byte (the "time/byte"
// counter, in seconds: 2.5n is 2.5 ns). A parser that is linear in the size of
// its input shows about the same time per byte at every size; what still
// grows with the size is the cost of memory, as the values built for a 2 MiB
// document (152 bytes each) no longer fit in any cache. The time covers the
// parse, not the release of its result.
//
// Shapes:
//   FlatArray     one array of numbers, strings, literals and small containers
//   FlatObject    one object of members of the same kinds
//   Nested        the array's elements wrapped 56 containers deep, so each
//                 level's bracket matching would cover almost the whole text
//   StringsThenContainer
//                 strings separated by spaces, then one object, in one array:
//                 each string is an element, and a naive search for the end of
//                 each element would run on to the object every time
//   SpaceBeforeBrace
//                 an object whose members are followed by as much whitespace
//                 as they take themselves, which every member's value would
//                 otherwise trim again
//   SpacedLiterals
//                 an array of true followed by a blank, whose element ends a
//                 scan for whitespace could run past
//   SpacedMembers
//                 an object of numbers followed by a blank before their comma,
//                 whose scalar scans must stop at that comma
#include <benchmark/benchmark.h>

#include <cstddef>
#include <optional>
#include <random>
#include <string>

#include "json.h"

namespace {

// One element or member value; random but the same on every run.
std::string Element(std::mt19937& rng) {
  switch (rng() % 8) {
    case 0:
      return std::to_string(static_cast<int>(rng() % 2000001) - 1000000);
    case 1:
      return std::to_string(rng() % 1000) + "." + std::to_string(rng() % 1000);
    case 2:
      return "-1.25e-" + std::to_string(rng() % 30);
    case 3:
      return "\"message " + std::to_string(rng()) + " with \\\"quotes\\\" and \\u00e9\"";
    case 4:
      return rng() % 2 ? "true" : "null";
    case 5:
      return std::to_string(4000000000ULL + rng());
    case 6:
      return "{\"id\":" + std::to_string(rng() % 100000) + ",\"name\":\"n\",\"tags\":[1,2,3]}";
    default:
      return "[\"a\",\"b\",{\"k\":false}]";
  }
}

std::string MemberKey(std::size_t index) { return "\"key_" + std::to_string(index) + "\":"; }

// Appends elements (or members) to `open` until one more would take the
// document past `size` bytes, then closes it with `close`.
std::string Fill(std::string open, const std::string& close, std::size_t size, bool members) {
  std::mt19937 rng(12345);
  std::string doc = std::move(open);
  for (std::size_t index = 0;; ++index) {
    std::string next = (index ? "," : "") + (members ? MemberKey(index) : "") + Element(rng);
    if (doc.size() + next.size() + close.size() > size) break;
    doc += next;
  }
  return doc + close;
}

std::string FlatArray(std::size_t size) { return Fill("[", "]", size, false); }

std::string FlatObject(std::size_t size) { return Fill("{", "}", size, true); }

std::string Nested(std::size_t size) {
  constexpr int kLevels = 56;
  std::string open, close;
  for (int level = 0; level < kLevels; ++level) {
    open += level % 2 ? "[" : "{\"level\":";
    close = (level % 2 ? "]" : "}") + close;
  }
  return Fill(open + "[", "]" + close, size, false);
}

std::string StringsThenContainer(std::size_t size) {
  const std::string tail = " {\"end\":true}]";
  const std::string element = "\"a string of some length\" ";
  std::string doc = "[";
  while (doc.size() + element.size() + tail.size() <= size) doc += element;
  return doc + tail;
}

std::string SpaceBeforeBrace(std::size_t size) {
  std::string doc = Fill("{", "", size / 2, true);
  return doc + std::string(size - doc.size() - 1, ' ') + "}";
}

// Copies of `item` separated by commas inside open and close.
std::string Repeated(const std::string& open, const std::string& item, const std::string& close,
                     std::size_t size) {
  std::string doc = open + item;
  while (doc.size() + 1 + item.size() + close.size() <= size) doc += "," + item;
  return doc + close;
}

std::string SpacedLiterals(std::size_t size) { return Repeated("[", "true ", "]", size); }

std::string SpacedMembers(std::size_t size) { return Repeated("{", "\"k\":1 ", "}", size); }

void Run(benchmark::State& state, std::string (*generate)(std::size_t)) {
  const std::string doc = generate(static_cast<std::size_t>(state.range(0)));
  if (json::Deserialize(doc).GetValueType() == json::NullType) {
    state.SkipWithError("the generated document does not parse");
    return;
  }
  std::optional<json::Value> value;
  for (auto _ : state) {
    value.emplace(json::Deserialize(doc));
    benchmark::DoNotOptimize(*value);
    // Releasing the result is the value library's work, not the parser's,
    // and at 2 MiB it is tens of megabytes of values: keep it out of the time.
    state.PauseTiming();
    value.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(doc.size()));
  state.counters["time/byte"] = benchmark::Counter(
      static_cast<double>(doc.size()),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void Sizes(benchmark::internal::Benchmark* b) {
  for (int kib : {10, 40, 160, 640, 2048}) b->Arg(kib << 10);
  b->Unit(benchmark::kMicrosecond);
}

}  // namespace

BENCHMARK_CAPTURE(Run, FlatArray, FlatArray)->Apply(Sizes);
BENCHMARK_CAPTURE(Run, FlatObject, FlatObject)->Apply(Sizes);
BENCHMARK_CAPTURE(Run, Nested, Nested)->Apply(Sizes);
BENCHMARK_CAPTURE(Run, StringsThenContainer, StringsThenContainer)->Apply(Sizes);
BENCHMARK_CAPTURE(Run, SpaceBeforeBrace, SpaceBeforeBrace)->Apply(Sizes);
BENCHMARK_CAPTURE(Run, SpacedLiterals, SpacedLiterals)->Apply(Sizes);
BENCHMARK_CAPTURE(Run, SpacedMembers, SpacedMembers)->Apply(Sizes);

BENCHMARK_MAIN();
