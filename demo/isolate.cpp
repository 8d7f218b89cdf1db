// Routing posted envelopes to the calls and waits of the demo.

#include "isolate.h"

#include "event_names.h"

namespace demo {

const char* Isolate::NewCall(const std::string& export_name) {
  user_data_texts_.push_back("call-" + std::to_string(user_data_texts_.size() + 1));
  calls_[user_data_texts_.back()].export_name = export_name;
  return user_data_texts_.back().c_str();
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
    unclaimed_events_.push_back(std::move(envelope));
    return;
  }
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

}  // namespace demo
