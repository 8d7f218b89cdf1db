// zelbridge_bench: our JSON library and the bridge's delivery next to the
// peer libraries, all in one process and one run. After the usual benchmark
// output it prints Markdown tables of ratios computed from this run's
// results: for each group, variant and size, our rate and each peer's time
// divided by ours (above 1: ours is faster). With --benchmark_repetitions the
// medians are used.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "bench_groups.h"

namespace bench_groups {

std::string Name(const std::string& group, const std::string& variant, const std::string& library,
                 std::size_t size) {
  return group + "/" + variant + "/" + library + "/" + std::to_string(size);
}

}  // namespace bench_groups

namespace {

struct Result {
  double seconds = 0;  // per iteration: CPU time, or wall-clock time for real-time runs
  double bytes_per_second = 0;
  double items_per_second = 0;
  double allocations = 0;  // per iteration, where the benchmark counts them
};

struct Key {
  std::string group, variant, library;
  std::size_t size;
  bool operator<(const Key& other) const {
    if (group != other.group) return group < other.group;
    if (variant != other.variant) return variant < other.variant;
    if (size != other.size) return size < other.size;
    return library < other.library;
  }
};

bool ParseKey(const std::string& name, Key* key) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (;;) {
    const std::size_t slash = name.find('/', from);
    parts.push_back(name.substr(from, slash - from));
    if (slash == std::string::npos) break;
    from = slash + 1;
  }
  if (parts.size() != 4) return false;
  *key = Key{parts[0], parts[1], parts[2], std::stoul(parts[3])};
  return true;
}

double Counter(const benchmark::BenchmarkReporter::Run& run, const char* name) {
  const auto counter = run.counters.find(name);
  return counter == run.counters.end() ? 0.0 : counter->second.value;
}

// Shows the usual console output and keeps one result per benchmark: the
// median when there are repetitions, else the single run.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      Key key;
      if (run.error_occurred || !ParseKey(run.run_name.function_name, &key)) continue;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Aggregate && !median) continue;
      if (!median && medians_.count(key)) continue;
      const bool real_time = run.run_name.time_type.find("real_time") != std::string::npos;
      Result result;
      result.seconds = (real_time ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime()) /
                       benchmark::GetTimeUnitMultiplier(run.time_unit);
      result.bytes_per_second = Counter(run, "bytes_per_second");
      result.items_per_second = Counter(run, "items_per_second");
      result.allocations = Counter(run, "allocs");
      results_[key] = result;
      if (median) medians_.insert(key);
    }
  }

  void PrintSummary() const {
    std::printf("\n");
    PrintStrings();
    PrintRatios("envelope");
    PrintRatios("document");
    PrintRatios("parse");
    PrintDelivery();
    PrintDeliveryPeers();
  }

 private:
  const Result* Find(const std::string& group, const std::string& variant,
                     const std::string& library, std::size_t size) const {
    const auto found = results_.find(Key{group, variant, library, size});
    return found == results_.end() ? nullptr : &found->second;
  }

  // One table per variant: rows are sizes, columns our rate and each peer's
  // time over ours.
  void PrintRatios(const std::string& group) const {
    const std::string ours = bench_groups::kOurs;
    std::map<std::string, std::set<std::string>> peers;
    std::map<std::string, std::set<std::size_t>> sizes;
    for (const auto& entry : results_) {
      if (entry.first.group != group) continue;
      sizes[entry.first.variant].insert(entry.first.size);
      if (entry.first.library != ours) peers[entry.first.variant].insert(entry.first.library);
    }
    for (const auto& variant : sizes) {
      std::printf("%s/%s: ours in MB/s; peers as their time / ours (above 1: ours faster)\n\n",
                  group.c_str(), variant.first.c_str());
      std::printf("| size | %s MB/s |", ours.c_str());
      for (const std::string& peer : peers[variant.first]) std::printf(" %s |", peer.c_str());
      std::printf("\n|---:|---:|");
      for (std::size_t i = 0; i < peers[variant.first].size(); ++i) std::printf("---:|");
      std::printf("\n");
      for (const std::size_t size : variant.second) {
        const Result* own = Find(group, variant.first, ours, size);
        std::printf("| %s |", SizeText(size).c_str());
        if (own == nullptr) {
          std::printf(" - |");
        } else {
          std::printf(" %.0f |", own->bytes_per_second / 1e6);
        }
        for (const std::string& peer : peers[variant.first]) {
          const Result* other = Find(group, variant.first, peer, size);
          if (own == nullptr || other == nullptr) {
            std::printf(" - |");
          } else {
            std::printf(" %.2f |", other->seconds / own->seconds);
          }
        }
        std::printf("\n");
      }
      std::printf("\n");
    }
  }

  // One table per text: rows are sizes, columns each library's (or escaping
  // path's) rate in GB/s.
  void PrintStrings() const {
    std::map<std::string, std::set<std::string>> libraries;
    std::map<std::string, std::set<std::size_t>> sizes;
    for (const auto& entry : results_) {
      if (entry.first.group != "string") continue;
      libraries[entry.first.variant].insert(entry.first.library);
      sizes[entry.first.variant].insert(entry.first.size);
    }
    for (const auto& variant : sizes) {
      std::printf("string/%s: GB/s of input text\n\n| size |", variant.first.c_str());
      for (const std::string& library : libraries[variant.first]) {
        std::printf(" %s |", library.c_str());
      }
      std::printf("\n|---:|");
      for (std::size_t i = 0; i < libraries[variant.first].size(); ++i) std::printf("---:|");
      std::printf("\n");
      for (const std::size_t size : variant.second) {
        std::printf("| %s |", SizeText(size).c_str());
        for (const std::string& library : libraries[variant.first]) {
          const Result* result = Find("string", variant.first, library, size);
          if (result == nullptr) {
            std::printf(" - |");
          } else {
            std::printf(" %.2f |", result->bytes_per_second / 1e9);
          }
        }
        std::printf("\n");
      }
      std::printf("\n");
    }
  }

  void PrintDelivery() const {
    std::set<std::size_t> sizes;
    for (const auto& entry : results_) {
      if (entry.first.group == "delivery") sizes.insert(entry.first.size);
    }
    if (sizes.empty()) return;
    std::printf(
        "delivery: envelopes per second; RapidJSON Writer bridge as its time / ours (above 1: "
        "ours faster); shares of the one-thread time; overhead = (delivery - serialize) / "
        "serialize; allocations per envelope (the port's copy is one of them)\n\n"
        "| payload | 1 thread /s | rapidjson | event /s | 4 threads /s | build | serialize | "
        "lock, post, rest | overhead | allocs | event allocs | rapidjson allocs |\n"
        "|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const std::size_t size : sizes) {
      const Result* one = Find("delivery", "sdk_threads_1", "zelbridge", size);
      const Result* rapidjson = Find("delivery", "sdk_threads_1", "rapidjson", size);
      const Result* event = Find("delivery", "event_1", "zelbridge", size);
      const Result* four = Find("delivery", "sdk_threads_4", "zelbridge", size);
      const Result* build = Find("delivery", "build", "zelbridge", size);
      const Result* serialize = Find("delivery", "serialize", "zelbridge", size);
      std::printf("| %s |", SizeText(size).c_str());
      std::printf(one ? " %.0f |" : " - |", one ? one->items_per_second : 0.0);
      std::printf(one && rapidjson ? " %.2f |" : " - |",
                  one && rapidjson ? rapidjson->seconds / one->seconds : 0.0);
      std::printf(event ? " %.0f |" : " - |", event ? event->items_per_second : 0.0);
      std::printf(four ? " %.0f |" : " - |", four ? four->items_per_second : 0.0);
      if (one && build && serialize) {
        const double rest = one->seconds - build->seconds - serialize->seconds;
        std::printf(" %.0f%% | %.0f%% | %.0f%% | %.2f |", 100 * build->seconds / one->seconds,
                    100 * serialize->seconds / one->seconds, 100 * rest / one->seconds,
                    (one->seconds - serialize->seconds) / serialize->seconds);
      } else {
        std::printf(" - | - | - | - |");
      }
      std::printf(one ? " %.2f |" : " - |", one ? one->allocations : 0.0);
      std::printf(event ? " %.2f |" : " - |", event ? event->allocations : 0.0);
      std::printf(rapidjson ? " %.2f |\n" : " - |\n", rapidjson ? rapidjson->allocations : 0.0);
    }
    std::printf("\n");
  }

  // Time per envelope of each delivery next to the RapidJSON bridge's for
  // the same envelope, by escaping path, and of the other envelopes and
  // fallback steps.
  void PrintDeliveryPeers() const {
    std::set<std::size_t> sizes;
    for (const auto& entry : results_) {
      if (entry.first.group == "delivery") sizes.insert(entry.first.size);
    }
    if (sizes.empty()) return;
    std::printf(
        "delivery: ns per envelope; x = the RapidJSON Writer bridge's time / ours for the same "
        "envelope (sse2: ours with SSE2 forced)\n\n"
        "| payload | completion | sse2 | rapidjson | x | x sse2 | event | sse2 | rapidjson | x | "
        "x sse2 | read_member_list | base64 | error |\n"
        "|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const std::size_t size : sizes) {
      std::printf("| %s |", SizeText(size).c_str());
      for (const char* variant : {"sdk_threads_1", "event_1"}) {
        const Result* ours = Find("delivery", variant, "zelbridge", size);
        const Result* sse2 = Find("delivery", variant, "zelbridge_sse2", size);
        const Result* rapidjson = Find("delivery", variant, "rapidjson", size);
        PrintNanoseconds(ours);
        PrintNanoseconds(sse2);
        PrintNanoseconds(rapidjson);
        PrintRatio(rapidjson, ours);
        PrintRatio(rapidjson, sse2);
      }
      for (const char* variant : {"read_member_list", "base64", "error"}) {
        PrintNanoseconds(Find("delivery", variant, "zelbridge", size));
      }
      std::printf("\n");
    }
    std::printf("\n");
  }

  static void PrintNanoseconds(const Result* result) {
    std::printf(result ? " %.0f |" : " - |", result ? result->seconds * 1e9 : 0.0);
  }

  static void PrintRatio(const Result* peer, const Result* ours) {
    std::printf(peer && ours ? " %.2f |" : " - |",
                peer && ours ? peer->seconds / ours->seconds : 0.0);
  }

  static std::string SizeText(std::size_t size) {
    if (size >= 1048576 && size % 1048576 == 0) return std::to_string(size / 1048576) + " MiB";
    if (size >= 1024 && size % 1024 == 0) return std::to_string(size / 1024) + " KiB";
    return std::to_string(size) + " B";
  }

  std::map<Key, Result> results_;
  std::set<Key> medians_;
};

}  // namespace

int main(int argc, char** argv) {
  bench_groups::RegisterString();
  bench_groups::RegisterEnvelope();
  bench_groups::RegisterDocument();
  bench_groups::RegisterParse();
  bench_groups::RegisterDelivery();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintSummary();
  benchmark::Shutdown();
  return 0;
}
