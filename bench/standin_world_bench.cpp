// The stand-in world's pacing, as an app that tests against it feels it: the
// wall-clock time from issuing 50 calls at once until the last of them has
// completed, or until the peer has answered the last of 50 messages. The
// world's network delay (the config's "standin_network_delay_ms") is 0 or
// 20 ms; the peer thinks 40 ms before an answer unless the delay is 0.
//
//   world/completions/delay_ms:<d>  50 ZelConvGetConvList, until 50 completions
//   world/answers/delay_ms:<d>      50 ZelMsgSendMessage to alice, until her 50
//                                   answers (new-message events)
//
// The calls go to the stand-in SDK directly: the bridge adds nothing to the
// pacing, which is the world's alone.
#include <benchmark/benchmark.h>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>

#include "sdk/zel_sdk.h"
#include "standin_control.h"

namespace {

constexpr int kCalls = 50;
constexpr char kMessageParam[] =
    R"({"message_elem_array":[{"elem_type":0,"text_elem_content":"ping"}]})";

// Counts completions and new-message events as they arrive on the world's
// worker thread.
struct Arrivals {
  std::mutex mutex;
  std::condition_variable arrived;
  int completions = 0;
  int answers = 0;

  void AwaitCompletions(int count) {
    std::unique_lock<std::mutex> lock(mutex);
    arrived.wait(lock, [&] { return completions >= count; });
  }
  void AwaitAnswers(int count) {
    std::unique_lock<std::mutex> lock(mutex);
    arrived.wait(lock, [&] { return answers >= count; });
  }
};

Arrivals arrivals;

void CountCompletion(int32_t, const char*, const char*, const void*) {
  std::lock_guard<std::mutex> lock(arrivals.mutex);
  ++arrivals.completions;
  arrivals.arrived.notify_all();
}

void CountAnswer(const char*, const void*) {
  std::lock_guard<std::mutex> lock(arrivals.mutex);
  ++arrivals.answers;
  arrivals.arrived.notify_all();
}

// A world with the given delay, the user logged in, and nothing counted.
void StartWorld(int64_t delay_ms) {
  zel_standin::Reset();
  const std::string config =
      R"({"standin_world":true,"standin_network_delay_ms":)" + std::to_string(delay_ms) + "}";
  ZelInit(1, config.c_str());
  ZelAddRecvNewMsgCallback(CountAnswer, nullptr);
  ZelLogin("bench-user", "sig", CountCompletion, nullptr);
  arrivals.AwaitCompletions(1);
  std::lock_guard<std::mutex> lock(arrivals.mutex);
  arrivals.completions = 0;
  arrivals.answers = 0;
}

void StopWorld() {
  ZelUninit();
  zel_standin::Reset();
}

void Completions(benchmark::State& state) {
  StartWorld(state.range(0));
  int expected = 0;
  for (auto _ : state) {
    for (int i = 0; i < kCalls; ++i) ZelConvGetConvList(CountCompletion, nullptr);
    expected += kCalls;
    arrivals.AwaitCompletions(expected);
  }
  StopWorld();
}

void Answers(benchmark::State& state) {
  StartWorld(state.range(0));
  int expected = 0;
  char message_id[128];
  for (auto _ : state) {
    for (int i = 0; i < kCalls; ++i) {
      ZelMsgSendMessage("alice", 1, kMessageParam, message_id, CountCompletion, nullptr);
    }
    expected += kCalls;
    arrivals.AwaitAnswers(expected);
  }
  StopWorld();
}

BENCHMARK(Completions)
    ->Name("world/completions")
    ->ArgName("delay_ms")
    ->Arg(0)
    ->Arg(20)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5);
BENCHMARK(Answers)
    ->Name("world/answers")
    ->ArgName("delay_ms")
    ->Arg(0)
    ->Arg(20)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5);

}  // namespace

BENCHMARK_MAIN();
