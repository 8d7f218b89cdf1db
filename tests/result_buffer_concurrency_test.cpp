// Buffer exports called on several threads at once: each thread reads back
// exactly the text the SDK wrote for its own call, in a buffer of its own.

#include <gtest/gtest.h>

#include <condition_variable>
#include <cstddef>
#include <iterator>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "bridge_fixture.h"
#include "buffer_exports.h"

namespace {

constexpr int kThreads = 4;
constexpr int kCallsPerExport = 2000;
constexpr std::size_t kExports = std::size(kBufferExports);

// What the stand-in SDK wrote on this thread last: a text no other call gets.
thread_local int thread_index = 0;
thread_local int calls_on_this_thread = 0;
thread_local std::string written_on_this_thread;

std::string NextTextOfThisThread() {
  written_on_this_thread =
      "id " + std::to_string(thread_index) + "-" + std::to_string(++calls_on_this_thread);
  return written_on_this_thread;
}

// Blocks until every one of count threads has arrived.
class Barrier {
 public:
  explicit Barrier(int count) : waiting_(count) {}
  void ArriveAndWait() {
    std::unique_lock<std::mutex> lock(mutex_);
    if (--waiting_ == 0) all_arrived_.notify_all();
    all_arrived_.wait(lock, [this] { return waiting_ == 0; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable all_arrived_;
  int waiting_;
};

struct ThreadResult {
  int wrong = 0;
  int empty = 0;
  int moved = 0;  // calls whose buffer was not the one the thread had before
  const char* buffers[kExports] = {};
};

class ResultBufferConcurrencyTest : public BridgeTest {};

TEST_F(ResultBufferConcurrencyTest, EachThreadReadsBackItsOwnText) {
  zel_standin::SetBufferTextSource(&NextTextOfThisThread);
  std::vector<ThreadResult> results(kThreads);
  Barrier started(kThreads);
  Barrier finished(kThreads);  // no thread exits, and passes its buffers on, early
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      thread_index = t;
      ThreadResult& result = results[static_cast<std::size_t>(t)];
      started.ArriveAndWait();
      for (int i = 0; i < kCallsPerExport; ++i) {
        for (std::size_t e = 0; e < kExports; ++e) {
          const char* const text = kBufferExports[e].call();
          if (text[0] == '\0') {
            ++result.empty;
          } else if (written_on_this_thread != text) {
            ++result.wrong;
          }
          if (result.buffers[e] != nullptr && result.buffers[e] != text) ++result.moved;
          result.buffers[e] = text;
        }
      }
      finished.ArriveAndWait();
    });
  }
  for (auto& thread : threads) thread.join();

  std::set<const char*> distinct;
  for (int t = 0; t < kThreads; ++t) {
    SCOPED_TRACE("thread " + std::to_string(t));
    const ThreadResult& result = results[static_cast<std::size_t>(t)];
    EXPECT_EQ(result.wrong, 0);
    EXPECT_EQ(result.empty, 0);
    EXPECT_EQ(result.moved, 0);
    distinct.insert(std::begin(result.buffers), std::end(result.buffers));
  }
  EXPECT_EQ(distinct.size(), kThreads * kExports);
}

}  // namespace
