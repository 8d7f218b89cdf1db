// Receive ports and the posting entry of the demo's Dart VM stand-in.

#include "dart_vm.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>

#include "dart_api_dl.h"
#include "dart_version.h"
#include "internal/dart_api_dl_impl.h"

namespace demo {

struct ReceivePort::Queue {
  std::mutex mutex;
  std::condition_variable arrived;
  std::deque<std::string> texts;
};

namespace {

// Open ports by native port id. Never destroyed: SDK threads may post while
// the process exits.
struct PortTable {
  std::mutex mutex;
  std::map<int64_t, std::shared_ptr<ReceivePort::Queue>> open;
  std::map<int64_t, int> refused;  // by port id, posts to no open port
  int64_t next_id = 1001;
};

PortTable& ports() {
  static PortTable* const table = new PortTable();
  return *table;
}

// Whether text is well-formed UTF-8: the VM refuses a string message that is
// not, and the bridge then falls back to its base64 form.
bool IsUtf8(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    std::size_t length;
    uint32_t code_point;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2;
      code_point = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
      code_point = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4;
      code_point = lead & 0x07;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const unsigned char next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code_point = (code_point << 6) | (next & 0x3F);
    }
    static const uint32_t kShortest[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (code_point < kShortest[length] || code_point > 0x10FFFF ||
        (code_point >= 0xD800 && code_point <= 0xDFFF)) {
      return false;
    }
    i += length;
  }
  return true;
}

// Takes a copy of the text: the bridge's buffer is gone once this returns.
bool Deliver(Dart_Port port, Dart_CObject* message) {
  if (message == nullptr || message->type != Dart_CObject_kString ||
      message->value.as_string == nullptr) {
    return false;
  }
  std::string text(message->value.as_string);
  if (!IsUtf8(text)) return false;
  std::shared_ptr<ReceivePort::Queue> queue;
  {
    std::lock_guard<std::mutex> lock(ports().mutex);
    const auto found = ports().open.find(port);
    if (found == ports().open.end()) {
      ++ports().refused[port];
      return false;
    }
    queue = found->second;
  }
  {
    std::lock_guard<std::mutex> lock(queue->mutex);
    queue->texts.push_back(std::move(text));
  }
  queue->arrived.notify_one();
  return true;
}

// Called by the bridge on SDK threads, as a C function of the VM: a post that
// cannot be taken (out of memory) is refused, and nothing escapes.
bool PostCObject(Dart_Port port, Dart_CObject* message) noexcept {
  try {
    return Deliver(port, message);
  } catch (...) {
    return false;
  }
}

const DartApiEntry kEntries[] = {
    {"Dart_PostCObject", reinterpret_cast<void (*)(void)>(&PostCObject)},
    {nullptr, nullptr},
};

}  // namespace

void* DartApiData() {
  static DartApi api = {DART_API_DL_MAJOR_VERSION, DART_API_DL_MINOR_VERSION, kEntries};
  return &api;
}

int RefusedPosts(int64_t native_port) {
  std::lock_guard<std::mutex> lock(ports().mutex);
  const auto found = ports().refused.find(native_port);
  return found == ports().refused.end() ? 0 : found->second;
}

ReceivePort::ReceivePort() : queue_(std::make_shared<Queue>()) {
  std::lock_guard<std::mutex> lock(ports().mutex);
  native_port_ = ports().next_id++;
  ports().open[native_port_] = queue_;
}

ReceivePort::~ReceivePort() {
  std::lock_guard<std::mutex> lock(ports().mutex);
  ports().open.erase(native_port_);
}

std::optional<std::string> ReceivePort::Receive(Clock::time_point deadline) {
  std::unique_lock<std::mutex> lock(queue_->mutex);
  if (!queue_->arrived.wait_until(lock, deadline, [&] { return !queue_->texts.empty(); })) {
    return std::nullopt;
  }
  std::string text = std::move(queue_->texts.front());
  queue_->texts.pop_front();
  return text;
}

}  // namespace demo
