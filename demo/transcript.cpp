// Printing the transcript.

#include "transcript.h"

#include "event_names.h"

namespace demo {
namespace {

constexpr std::size_t kShownLength = 96;

bool IsRoutingMember(const std::string& key) {
  return key == "user_data" || key == "callback" || key == "callbackType";
}

// Payload members as they read best: JSON documents carried as strings bare,
// other strings quoted.
std::string Shown(const json::Value& value) {
  switch (value.GetValueType()) {
    case json::StringType: {
      const std::string& text = value.ToString();
      const bool document = !text.empty() && (text[0] == '{' || text[0] == '[');
      return document ? Shortened(text) : Quoted(Shortened(text));
    }
    case json::BoolType:
      return value.ToBool() ? "true" : "false";
    case json::NullType:
      return "null";
    case json::IntType:
    case json::Int64Type:
      return std::to_string(value.ToInt64());
    case json::UIntType:
    case json::UInt64Type:
      return std::to_string(value.ToUInt64());
    default:
      return Shortened(json::Serialize(value));
  }
}

}  // namespace

std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

std::string Shortened(const std::string& text) {
  return text.size() <= kShownLength ? text : text.substr(0, kShownLength) + "...";
}

std::string Times(int count) {
  if (count == 1) return "once";
  if (count == 2) return "twice";
  return std::to_string(count) + " times";
}

std::ostream& Transcript::Line() { return out_ << label_; }

void Heading(std::ostream& out, const std::string& text) { out << "== " << text << "\n"; }

void Transcript::Call(const std::string& export_name, const std::vector<std::string>& arguments,
                      const std::string& result) {
  Line() << "-> " << export_name << "(";
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    out_ << (i == 0 ? "" : ", ") << arguments[i];
  }
  out_ << ")";
  if (!result.empty()) out_ << " = " << result;
  out_ << "\n";
}

void Transcript::Posted(const std::string& text) {
  if (raw_) Line() << "<< " << text << "\n";
}

void Transcript::Completion(const std::string& export_name, const Envelope& completion) {
  if (raw_) return;
  Line() << "<- completion of " << export_name << " [" << completion.user_data << "]: ";
  if (completion.delivery_error) {
    out_ << "lost in delivery, code " << completion.code() << " " << Quoted(completion.desc());
  } else {
    out_ << "code " << completion.code() << " " << Quoted(completion.desc());
    if (!completion.json_param().empty()) {
      out_ << " json_param " << Shortened(completion.json_param());
    }
  }
  out_ << (completion.was_base64 ? " (came as base64)" : "") << "\n";
}

void Transcript::Event(const Envelope& event) {
  if (raw_) return;
  Line() << "<- event " << event.callback_type << " " << EventName(event.callback_type) << " ["
         << event.user_data << "]";
  if (event.delivery_error) {
    out_ << ": lost in delivery, code " << event.code() << " " << Quoted(event.desc());
  } else {
    const char* separator = ": ";
    for (const auto& member : event.members) {
      if (IsRoutingMember(member.first)) continue;
      out_ << separator << member.first << "=" << Shown(member.second);
      separator = " ";
    }
  }
  out_ << (event.was_base64 ? " (came as base64)" : "") << "\n";
}

void Transcript::Dropped(const Envelope& completion, const std::string& reason) {
  if (raw_) return;
  Line() << "<- completion [" << completion.user_data << "]: " << reason << "\n";
}

void Transcript::Note(const std::string& text) { Line() << "   " << text << "\n"; }

void Transcript::Failure(const std::string& text) {
  ++failures_;
  Line() << "!! " << text << "\n";
}

}  // namespace demo
