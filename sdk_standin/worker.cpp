// One worker thread and its queue of tasks ordered by due time. Detached and
// never destroyed, so late tasks at process exit find it alive.

#include "worker.h"

#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

namespace zel_standin {
namespace worker {
namespace {

class Worker {
 public:
  Worker() {
    std::thread([this] { Run(); }).detach();
  }

  void PostAt(Clock::time_point due, std::function<void()> task) {
    std::lock_guard<std::mutex> lock(mutex_);
    // The number posted so far orders tasks due at the same time.
    tasks_.emplace(Key{due, posted_++}, std::move(task));
    wake_.notify_all();
  }

  void WaitIdle() {
    std::unique_lock<std::mutex> lock(mutex_);
    const uint64_t target = posted_;
    idle_.wait(lock, [&] { return done_ >= target; });
  }

 private:
  using Key = std::pair<Clock::time_point, uint64_t>;

  void Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      wake_.wait(lock, [&] { return !tasks_.empty(); });
      const auto first = tasks_.begin();
      const Clock::time_point due = first->first.first;
      if (due > Clock::now()) {
        // Woken early when a task due sooner is posted.
        wake_.wait_until(lock, due);
        continue;
      }
      std::function<void()> task = std::move(first->second);
      tasks_.erase(first);
      lock.unlock();
      task();
      lock.lock();
      ++done_;
      idle_.notify_all();
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  std::map<Key, std::function<void()>> tasks_;
  uint64_t posted_ = 0;
  uint64_t done_ = 0;
};

Worker& TheWorker() {
  static Worker* const instance = new Worker();
  return *instance;
}

}  // namespace

void Post(std::function<void()> task) { TheWorker().PostAt(Clock::now(), std::move(task)); }

void PostAt(Clock::time_point due, std::function<void()> task) {
  TheWorker().PostAt(due, std::move(task));
}

void WaitIdle() { TheWorker().WaitIdle(); }

}  // namespace worker
}  // namespace zel_standin
