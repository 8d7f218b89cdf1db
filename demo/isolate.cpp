// Routing posted envelopes to the calls and waits of the demo.

#include "isolate.h"

#include "event_names.h"

namespace demo {

Isolate::~Isolate() {
  for (const auto& call : calls_) {
    if (call.second.completed) memory_.Free(call.second.user_data);
  }
}

void Isolate::KnowSibling(const std::string& prefix, const std::string& name) {
  siblings_[prefix] = name;
}

const char* Isolate::NewCall(const std::string& export_name) {
  const std::string text = prefix_ + "call-" + std::to_string(next_call_++);
  Call& call = calls_[text];
  call.export_name = export_name;
  call.user_data = memory_.Allocate(text);
  return call.user_data;
}

std::optional<Envelope> Isolate::AwaitCompletion(const char* user_data) {
  const auto deadline = ReceivePort::Clock::now() + wait_bound_;
  for (;;) {
    const auto found = unclaimed_completions_.find(user_data);
    if (found != unclaimed_completions_.end()) {
      Envelope completion = std::move(found->second);
      unclaimed_completions_.erase(found);
      return completion;
    }
    if (!Pump(deadline)) break;
  }
  transcript_.Failure("no completion of " + calls_[user_data].export_name + " [" + user_data +
                      "] within " + std::to_string(wait_bound_.count()) + " ms");
  return std::nullopt;
}

std::optional<Envelope> Isolate::AwaitEvent(int callback_type) {
  const auto deadline = ReceivePort::Clock::now() + wait_bound_;
  for (;;) {
    for (auto event = unclaimed_events_.begin(); event != unclaimed_events_.end(); ++event) {
      if (event->callback_type != callback_type) continue;
      Envelope found = std::move(*event);
      unclaimed_events_.erase(event);
      return found;
    }
    if (!Pump(deadline)) break;
  }
  transcript_.Failure("no event " + std::to_string(callback_type) + " " + EventName(callback_type) +
                      " within " + std::to_string(wait_bound_.count()) + " ms");
  return std::nullopt;
}

int Isolate::EventsRouted(int callback_type) const {
  const auto found = events_routed_.find(callback_type);
  return found == events_routed_.end() ? 0 : found->second;
}

bool Isolate::Pump(ReceivePort::Clock::time_point deadline) {
  const std::optional<std::string> text = port_.Receive(deadline);
  if (!text) return false;
  Route(*text);
  return true;
}

void Isolate::Route(const std::string& text) {
  transcript_.Posted(text);
  Envelope envelope;
  std::string error;
  if (!DecodeEnvelope(text, &envelope, &error)) {
    transcript_.Failure("undecodable envelope (" + error + "): " + Shortened(text));
    return;
  }
  if (envelope.kind == Envelope::Kind::kEvent) {
    transcript_.Event(envelope);
    ++events_routed_[envelope.callback_type];
    unclaimed_events_.push_back(std::move(envelope));
    return;
  }
  if (!Claim(envelope)) return;
  const auto call = calls_.find(envelope.user_data);
  if (call == calls_.end()) {
    transcript_.Failure("completion for no pending call: " + Shortened(text));
    return;
  }
  Call& pending = call->second;
  transcript_.Completion(pending.export_name, envelope);
  if (pending.completed) {
    transcript_.Failure("second completion of " + pending.export_name + " [" + envelope.user_data +
                        "]");
    return;
  }
  pending.completed = true;
  unclaimed_completions_.emplace(envelope.user_data, std::move(envelope));
}

bool Isolate::Claim(const Envelope& completion) {
  const std::string& user_data = completion.user_data;
  if (user_data.compare(0, prefix_.size(), prefix_) == 0) return true;
  for (const auto& sibling : siblings_) {
    if (user_data.compare(0, sibling.first.size(), sibling.first) != 0) continue;
    ++dropped_from_siblings_;
    transcript_.Dropped(completion, sibling.second + "'s call, not this isolate's: dropped");
    return false;
  }
  ++dropped_as_stale_;
  transcript_.Dropped(completion,
                      "stale: no living isolate's, started before a hot restart: dropped");
  return false;
}

}  // namespace demo
