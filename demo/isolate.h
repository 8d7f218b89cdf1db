// The Dart isolate's side of the bridge, as an app writes it: one receive
// port, a table of pending calls keyed by their user_data text, and a message
// loop that routes every envelope by "callback" and "user_data", pairing each
// completion with its call and keeping events for whoever waits for them.
//
// Every user_data of the isolate's calls starts with its prefix, unique in
// the process. Every registered port receives every envelope, so a
// completion without the prefix is another isolate's, or one that an earlier
// generation of the app started before a hot restart: it is dropped.
#ifndef ZELBRIDGE_DEMO_ISOLATE_H_
#define ZELBRIDGE_DEMO_ISOLATE_H_

#include <chrono>
#include <deque>
#include <map>
#include <optional>
#include <string>

#include "dart_vm.h"
#include "envelope.h"
#include "native_texts.h"
#include "transcript.h"

namespace demo {

class Isolate {
 public:
  // The user_data texts live in memory, which belongs to the process. With
  // an empty prefix every completion counts as this isolate's.
  Isolate(ReceivePort& port, Transcript& transcript, std::chrono::milliseconds wait_bound,
          NativeTexts& memory, std::string prefix = "")
      : port_(port),
        transcript_(transcript),
        wait_bound_(wait_bound),
        memory_(memory),
        prefix_(std::move(prefix)) {}
  // Frees the user_data of each call whose completion arrived. Calls still in
  // flight keep theirs: the SDK holds the pointer and completes them later.
  ~Isolate();

  Isolate(const Isolate&) = delete;
  Isolate& operator=(const Isolate&) = delete;

  int64_t native_port() const { return port_.native_port(); }

  // Completions with this prefix belong to a living isolate called name.
  void KnowSibling(const std::string& prefix, const std::string& name);

  // A fresh user_data text for one call of export_name.
  const char* NewCall(const std::string& export_name);

  // Routes envelopes until the completion of the call arrives; nothing (and a
  // failure in the transcript) if it does not arrive within the wait bound.
  std::optional<Envelope> AwaitCompletion(const char* user_data);
  // The same for the next event of one callbackType not awaited before.
  std::optional<Envelope> AwaitEvent(int callback_type);

  // Events of one callbackType routed so far, awaited or not.
  int EventsRouted(int callback_type) const;
  int dropped_from_siblings() const { return dropped_from_siblings_; }
  int dropped_as_stale() const { return dropped_as_stale_; }

 private:
  // Receives and routes one text; false when none arrived by the deadline.
  bool Pump(ReceivePort::Clock::time_point deadline);
  void Route(const std::string& text);
  // False when the completion is not this isolate's and was dropped.
  bool Claim(const Envelope& completion);

  ReceivePort& port_;
  Transcript& transcript_;
  std::chrono::milliseconds wait_bound_;
  NativeTexts& memory_;
  std::string prefix_;
  std::map<std::string, std::string> siblings_;  // prefix -> name

  struct Call {
    std::string export_name;
    const char* user_data = nullptr;
    bool completed = false;
  };
  std::map<std::string, Call> calls_;
  int next_call_ = 1;
  std::map<std::string, Envelope> unclaimed_completions_;
  std::deque<Envelope> unclaimed_events_;
  std::map<int, int> events_routed_;
  int dropped_from_siblings_ = 0;
  int dropped_as_stale_ = 0;
};

}  // namespace demo

#endif  // ZELBRIDGE_DEMO_ISOLATE_H_
