// The Dart isolate's side of the bridge, as an app writes it: one receive
// port, a table of pending calls keyed by their user_data text, and a message
// loop that routes every envelope by "callback" and "user_data", pairing each
// completion with its call and keeping events for whoever waits for them.
#ifndef ZELBRIDGE_DEMO_ISOLATE_H_
#define ZELBRIDGE_DEMO_ISOLATE_H_

#include <chrono>
#include <deque>
#include <map>
#include <optional>
#include <string>

#include "dart_vm.h"
#include "envelope.h"
#include "transcript.h"

namespace demo {

class Isolate {
 public:
  Isolate(ReceivePort& port, Transcript& transcript, std::chrono::milliseconds wait_bound)
      : port_(port), transcript_(transcript), wait_bound_(wait_bound) {}

  int64_t native_port() const { return port_.native_port(); }

  // A fresh user_data text for one call of export_name. It stays valid for
  // the isolate's lifetime, so certainly until the call's completion.
  const char* NewCall(const std::string& export_name);

  // Routes envelopes until the completion of the call arrives; nothing (and a
  // failure in the transcript) if it does not arrive within the wait bound.
  std::optional<Envelope> AwaitCompletion(const char* user_data);
  // The same for the next event of one callbackType not awaited before.
  std::optional<Envelope> AwaitEvent(int callback_type);

 private:
  // Receives and routes one text; false when none arrived by the deadline.
  bool Pump(ReceivePort::Clock::time_point deadline);
  void Route(const std::string& text);

  ReceivePort& port_;
  Transcript& transcript_;
  std::chrono::milliseconds wait_bound_;
  // Stable addresses: the bridge and the SDK hold these pointers.
  std::deque<std::string> user_data_texts_;
  struct Call {
    std::string export_name;
    bool completed = false;
  };
  std::map<std::string, Call> calls_;
  std::map<std::string, Envelope> unclaimed_completions_;
  std::deque<Envelope> unclaimed_events_;
};

}  // namespace demo

#endif  // ZELBRIDGE_DEMO_ISOLATE_H_
