// The demo's stand-in for the Dart VM's side of the native API: the table of
// functions that an app hands to DartInitDartApiDL (its "Dart_PostCObject"
// entry delivers to receive ports), and the receive ports themselves, which
// queue a copy of every text posted to them, as the VM does.
#ifndef ZELBRIDGE_DEMO_DART_VM_H_
#define ZELBRIDGE_DEMO_DART_VM_H_

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace demo {

// The Dart API data for DartInitDartApiDL (a DartApi table, major version 2).
void* DartApiData();

// How many posts to native_port were refused because no open port has that
// id, as the VM refuses posts to a port that was closed.
int RefusedPosts(int64_t native_port);

class ReceivePort {
 public:
  using Clock = std::chrono::steady_clock;

  // Opens a port with a fresh native port id.
  ReceivePort();
  // Closes the port: later posts to its id are refused.
  ~ReceivePort();

  ReceivePort(const ReceivePort&) = delete;
  ReceivePort& operator=(const ReceivePort&) = delete;

  int64_t native_port() const { return native_port_; }

  // The next posted text, or nothing if none arrives before the deadline.
  std::optional<std::string> Receive(Clock::time_point deadline);

  struct Queue;

 private:
  int64_t native_port_;
  std::shared_ptr<Queue> queue_;
};

}  // namespace demo

#endif  // ZELBRIDGE_DEMO_DART_VM_H_
