// Keeping and printing the bridge's log lines.

#include "bridge_log.h"

#include <cstdio>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "json/json.h"
#include "standin_control.h"

namespace zel_standin {
namespace bridge_log {
namespace {

constexpr char kPrintedPrefix[] = "ZelSDK stand-in log: ";

struct Lines {
  std::mutex mutex;
  std::vector<std::string> contents;
};

Lines& lines() {
  static Lines* const instance = new Lines();
  return *instance;
}

std::optional<std::string> StringMember(const json::Object& object, const char* key) {
  const auto member = object.find(key);
  if (member == object.end() || member->second.GetValueType() != json::StringType) {
    return std::nullopt;
  }
  return member->second.ToString();
}

// The content of a log-line request, or nothing for any other request.
std::optional<std::string> ContentOf(const char* request) {
  if (request == nullptr) return std::nullopt;
  const json::Value document = json::Deserialize(request);
  if (document.GetValueType() != json::ObjectType) return std::nullopt;
  const json::Object& members = document.ToObject();
  if (StringMember(members, "request_internal_operation") != "internal_operation_write_log") {
    return std::nullopt;
  }
  return StringMember(members, "request_write_log_log_content_param");
}

// One line on stderr, whatever the content holds: line breaks are escaped.
// A single write, so that lines of several threads do not interleave.
void Print(const std::string& content) {
  std::string line = kPrintedPrefix;
  for (const char c : content) {
    if (c == '\n') {
      line += "\\n";
    } else if (c == '\r') {
      line += "\\r";
    } else {
      line += c;
    }
  }
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), stderr);
}

}  // namespace

void Take(const char* request, bool printing) {
  std::optional<std::string> content = ContentOf(request);
  if (!content) return;
  if (printing) Print(*content);
  std::lock_guard<std::mutex> lock(lines().mutex);
  lines().contents.push_back(std::move(*content));
}

void Clear() {
  std::lock_guard<std::mutex> lock(lines().mutex);
  lines().contents.clear();
}

}  // namespace bridge_log

std::vector<std::string> BridgeLogLines() {
  std::lock_guard<std::mutex> lock(bridge_log::lines().mutex);
  return bridge_log::lines().contents;
}

}  // namespace zel_standin
