// The stand-in's worker thread, which completes operations and raises events
// later, as the real SDK does from its network thread. Tasks run one at a
// time, each at its due time: in order of due time, and those due at the
// same time in the order they were posted. A task that waits for its time
// holds up no task due before it, so many delays run at once.
#ifndef ZELBRIDGE_SDK_STANDIN_WORKER_H_
#define ZELBRIDGE_SDK_STANDIN_WORKER_H_

#include <chrono>
#include <functional>

namespace zel_standin {
namespace worker {

using Clock = std::chrono::steady_clock;

// Runs task once everything due by now and posted before it has run.
void Post(std::function<void()> task);
// Runs task at due, or as soon as the worker is free after it.
void PostAt(Clock::time_point due, std::function<void()> task);
// Blocks until every task posted so far has run, waiting for the due time of
// those still ahead.
void WaitIdle();

}  // namespace worker
}  // namespace zel_standin

#endif  // ZELBRIDGE_SDK_STANDIN_WORKER_H_
