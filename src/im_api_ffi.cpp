// Delivery to Dart: the registry of Dart receive ports, posting of envelopes
// with the base64 and error-envelope fallbacks, and the log line that reports
// each delivery failure into the SDK's own log.

#include <atomic>
#include <cstdint>
#include <cstring>
#include <limits>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "dart_api_dl.h"
#include "dart_delivery.h"
#include "dart_version.h"
#include "envelope_storage.h"
#include "internal/dart_api_dl_impl.h"
#include "json/json.h"
#include "json/serialize_into.h"
#include "json/text_buffer.h"
#include "sdk/zel_sdk.h"
#include "thread_slot.h"
#include "zelbridge.h"

namespace {

// Created once and never destroyed: SDK threads may still deliver while the
// process exits, after static destructors have run.
std::vector<Dart_Port>& send_port_list_ = *new std::vector<Dart_Port>();
std::mutex& send_port_mutex_ = *new std::mutex();

const char* const base64_chars[2] = {
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/",
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_",
};
const char base64_pad[2] = {'=', '.'};

// The length of the base64 form of length bytes: four characters for each
// group of three, the last one padded.
std::size_t Base64Length(std::size_t length) {
  const std::size_t groups = length / 3 + (length % 3 != 0 ? 1 : 0);
  if (groups > std::numeric_limits<std::size_t>::max() / 4) throw std::length_error("base64 text");
  return groups * 4;
}

// Writes the base64 of in's length bytes at out, the last group first, so
// that out may lie at or behind in: the text is then encoded where it lies.
// Each group's bytes are read before its characters are written.
void WriteBase64(const unsigned char* in, std::size_t length, char* out, bool url) {
  const char* const alphabet = base64_chars[url ? 1 : 0];
  const char pad = base64_pad[url ? 1 : 0];
  std::size_t whole = length / 3;
  const unsigned char* group = in + whole * 3;
  char* o = out + whole * 4;
  if (length % 3 == 2) {
    const unsigned b0 = group[0];
    const unsigned b1 = group[1];
    o[0] = alphabet[b0 >> 2];
    o[1] = alphabet[((b0 & 0x03) << 4) | (b1 >> 4)];
    o[2] = alphabet[(b1 & 0x0f) << 2];
    o[3] = pad;
  } else if (length % 3 == 1) {
    const unsigned b0 = group[0];
    o[0] = alphabet[b0 >> 2];
    o[1] = alphabet[(b0 & 0x03) << 4];
    o[2] = pad;
    o[3] = pad;
  }
  while (whole-- > 0) {
    group -= 3;
    o -= 4;
    const unsigned b0 = group[0];
    const unsigned b1 = group[1];
    const unsigned b2 = group[2];
    o[0] = alphabet[b0 >> 2];
    o[1] = alphabet[((b0 & 0x03) << 4) | (b1 >> 4)];
    o[2] = alphabet[((b1 & 0x0f) << 2) | (b2 >> 6)];
    o[3] = alphabet[b2 & 0x3f];
  }
}

bool PostText(Dart_Port port, const char* text) {
  Dart_CObject message;
  message.type = Dart_CObject_kString;
  // Dart SDKs before the member became const declare it char*; the VM only
  // reads the text, whichever declaration the bridge is built against.
  message.value.as_string = const_cast<char*>(text);
  return Dart_PostCObject_DL(port, &message);
}

// Posts the NUL-terminated text to every registered port, never stopping
// early; true when at least one port accepted it. With drop_refusing_ports, a
// port whose post fails is removed from the registry.
bool PostToEveryPort(const char* text, bool drop_refusing_ports) {
  std::lock_guard<std::mutex> lock(send_port_mutex_);
  // Before the Dart API is bound nothing can be posted. That is the bridge's
  // state, not the ports' fault: they stay registered and receive what comes
  // once it is bound.
  if (Dart_PostCObject_DL == nullptr) return false;
  bool accepted = false;
  for (auto port = send_port_list_.begin(); port != send_port_list_.end();) {
    const bool posted = PostText(*port, text);
    accepted = accepted || posted;
    if (!posted && drop_refusing_ports) {
      port = send_port_list_.erase(port);
    } else {
      ++port;
    }
  }
  return accepted;
}

bool NoPortRegistered() {
  std::lock_guard<std::mutex> lock(send_port_mutex_);
  return send_port_list_.empty();
}

// Runs make; false when it threw (memory ran out).
template <typename Make>
bool Made(Make make) noexcept {
  try {
    make();
    return true;
  } catch (...) {
    return false;
  }
}

// The envelope's "user_data" text for log lines; empty when it is missing or
// not a string.
const char* UserDataForLog(const json::Object& envelope) {
  const auto member = envelope.find("user_data");
  if (member == envelope.end() || member->second.GetValueType() != json::StringType) return "";
  return member->second.ToString().c_str();
}

// A line that cannot be made (out of memory) is lost.
void LogFailure(const char* step_text, const char* user_data) noexcept {
  std::string line;
  if (Made([&] { line = std::string(step_text) + user_data; })) writeLogToVexlog(line.c_str());
}

// Carries the envelope's routing members, whatever their type; missing ones
// are created as null in both objects.
json::Object ErrorEnvelopeFor(json::Object& envelope) {
  json::Object error;
  error["code"] = json::Value(6131);
  error["desc"] = json::Value("IM ffi data error");
  error["callback"] = envelope["callback"];
  error["callbackType"] = envelope["callbackType"];
  error["user_data"] = envelope["user_data"];
  return error;
}

// The text of the error envelope for the envelope's routing members.
std::string ErrorTextFor(json::Object& envelope) {
  return json::Serialize(json::Value(ErrorEnvelopeFor(envelope)));
}

// The same text for an envelope that stays as it is: its routing members are
// copied into an object of their own, where the missing ones are created.
std::string ErrorTextLeaving(const json::Object& envelope) {
  json::Object routing;
  for (const char* key : {"callback", "callbackType", "user_data"}) {
    const auto member = envelope.find(key);
    if (member != envelope.end()) routing[key] = member->second;
  }
  return ErrorTextFor(routing);
}

// Step 3: posts the error text to every port and drops the ports that refuse
// it. An error text that could not be made (empty) counts as refused.
void PostErrorText(const std::string& error_text, const char* user_data) {
  if (!error_text.empty() && PostToEveryPort(error_text.c_str(), true)) return;
  LogFailure("[Step3] Posting error message failed. user_data: ", user_data);
}

// make_error_text makes the text of step 3, the error envelope.
template <typename MakeErrorText>
void Deliver(const json::Object& envelope, const json_internal::ObjectLayout* layout,
             json_internal::TextBuffer* given_text, MakeErrorText make_error_text) {
  if (NoPortRegistered()) {
    writeLogToVexlog("Serious error, no Dart_Port registered.");
    return;
  }

  // The text is the serializer's, written into the buffer the caller gives,
  // else into the thread's kept buffer, or into one of this delivery's own
  // while the thread's is in use (delivery entered again on the same thread)
  // or cannot be had. A text that cannot be made (out of memory) fails its
  // step as if no port had accepted it.
  struct DeliveryText {
    explicit DeliveryText(json_internal::TextBuffer* given_buffer) : given(given_buffer) {}
    json_internal::TextBuffer* const given;
    json_internal::TextBuffer* const kept = given != nullptr ? nullptr : AcquireThreadText();
    json_internal::TextBuffer own;
    ~DeliveryText() {
      if (kept != nullptr) ReleaseThreadText();
    }
    json_internal::TextBuffer& Get() {
      return given != nullptr ? *given : kept != nullptr ? *kept : own;
    }
  } text(given_text);
  std::size_t length = 0;
  const bool serialized = Made([&] {
    length = layout != nullptr ? layout->SerializeInto(text.Get())
                               : json_internal::SerializeInto(envelope, text.Get());
  });
  if (serialized && PostToEveryPort(text.Get().data(), false)) return;
  // Only the failure lines need the user_data text; the envelope is as it
  // was when delivery began.
  LogFailure("[Step1] Posting message without base64 failed. user_data: ",
             UserDataForLog(envelope));

  // The VM refuses texts it cannot take as a string (invalid UTF-8); base64
  // always can be. The plain text is not needed any more, so its buffer
  // takes its base64 form, and no second large buffer is held.
  const bool encoded = serialized && Made([&] { EncodeBase64InPlace(text.Get(), length); });
  if (encoded && PostToEveryPort(text.Get().data(), false)) return;
  LogFailure("[Step2] Posting message with base64 failed. user_data: ", UserDataForLog(envelope));

  std::string error_text;
  Made([&] { error_text = make_error_text(); });
  PostErrorText(error_text, UserDataForLog(envelope));
}

// Log lines are not written from inside another log line of the same
// thread. The SDK may raise events from inside callExperimentalAPI, and an
// SDK that reports its own log activity to the app's log listener does: that
// event fails to deliver when no port takes it, and its failure line would
// raise the next event, and so on until the stack overflows. The nested
// envelopes are still delivered; only their failure lines are dropped, and
// counted, so that the thread's or another thread's next line tells how many.
std::atomic<std::uint64_t> nested_log_lines_dropped_{0};

void NoThreadExitAction(void*) {}

// The slot that marks a thread writing a log line; created once, on first
// use. Never destroyed: SDK threads may still log while the process exits.
struct WritingSlot {
  ThreadSlot slot;
  bool created;
};

const WritingSlot& TheWritingSlot() noexcept {
  static const WritingSlot writing_slot = [] {
    WritingSlot w{};
    w.created = w.slot.Create<&NoThreadExitAction>();
    return w;
  }();
  return writing_slot;
}

// Threads that write a log line without a mark of their own (no slot could
// be had): while one does, every other line is dropped, so that re-entry
// stays bounded even then.
std::atomic<int> unmarked_writers_{0};

// Marks the calling thread as writing a log line for the guard's lifetime,
// if it is not writing one already.
class LogLineGuard {
 public:
  LogLineGuard() noexcept {
    static char writing;
    const WritingSlot& w = TheWritingSlot();
    if (w.created && w.slot.Get() != nullptr) return;  // nested on this thread
    if (w.created && w.slot.Set(&writing)) {
      marked_ = &w.slot;
    } else if (unmarked_writers_.fetch_add(1) == 0) {
      unmarked_ = true;
    } else {
      unmarked_writers_.fetch_sub(1);
    }
  }
  ~LogLineGuard() {
    if (marked_ != nullptr) marked_->Set(nullptr);
    if (unmarked_) unmarked_writers_.fetch_sub(1);
  }
  LogLineGuard(const LogLineGuard&) = delete;
  LogLineGuard& operator=(const LogLineGuard&) = delete;

  bool Writes() const noexcept { return marked_ != nullptr || unmarked_; }

 private:
  const ThreadSlot* marked_ = nullptr;
  bool unmarked_ = false;
};

// Tells in the line how many nested lines were dropped since the last one
// that did.
void AppendDroppedCount(std::string& content) {
  const std::uint64_t dropped = nested_log_lines_dropped_.exchange(0, std::memory_order_relaxed);
  if (dropped == 0) return;
  content += " (" + std::to_string(dropped) +
             (dropped == 1 ? " nested log line dropped)" : " nested log lines dropped)");
}

// True when the runtime's table offers the posting function, without which
// the bridge could deliver nothing.
bool OffersPostFunction(const DartApi& api) {
  if (api.functions == nullptr) return false;
  for (const DartApiEntry* entry = api.functions; entry->name != nullptr; ++entry) {
    if (std::strcmp(entry->name, "Dart_PostCObject") == 0) return entry->function != nullptr;
  }
  return false;
}

}  // namespace

void SendDataToDart(json::Object& envelope) noexcept {
  // Runs on SDK threads: nothing may escape.
  try {
    Deliver(envelope, nullptr, nullptr, [&] { return ErrorTextFor(envelope); });
  } catch (...) {
  }
}

void SendKeptDataToDart(const json::Object& envelope, const json_internal::ObjectLayout* layout,
                        json_internal::TextBuffer* text) noexcept {
  try {
    Deliver(envelope, layout, text, [&] { return ErrorTextLeaving(envelope); });
  } catch (...) {
  }
}

void SendBuildFailureToDart(const char* callback, std::optional<int> callback_type,
                            const char* user_data) noexcept {
  try {
    if (NoPortRegistered()) {
      writeLogToVexlog("Serious error, no Dart_Port registered.");
      return;
    }
    const char* const user_data_text = user_data != nullptr ? user_data : "";
    LogFailure("Building message failed. user_data: ", user_data_text);
    std::string error_text;
    Made([&] {
      json::Object routing;
      routing["callback"] = json::Value(callback);
      routing["callbackType"] = callback_type ? json::Value(*callback_type) : json::Value();
      routing["user_data"] = json::Value(user_data_text);
      error_text = ErrorTextFor(routing);
    });
    PostErrorText(error_text, user_data_text);
  } catch (...) {
  }
}

void writeLogToVexlog(const char* text) {
  try {
    const LogLineGuard guard;
    if (!guard.Writes()) {
      nested_log_lines_dropped_.fetch_add(1, std::memory_order_relaxed);
      return;
    }
    json::Object request;
    request["request_internal_operation"] = json::Value("internal_operation_write_log");
    request["request_write_log_log_level_param"] = json::Value(6);
    // A fixed name: the compiler's path of this file would carry the build
    // machine's folders into every shipped library and every SDK log file.
    request["request_write_log_file_name_param"] = json::Value("src/im_api_ffi.cpp");
    request["request_write_log_func_name_param"] = json::Value("writeLogToVexlog");
    request["request_write_log_line_number_param"] = json::Value(53);
    std::string content = "im ffi: ";
    if (text != nullptr) content += text;
    AppendDroppedCount(content);
    request["request_write_log_log_content_param"] = json::Value(std::move(content));
    callExperimentalAPI(json::Serialize(json::Value(std::move(request))).c_str(), nullptr, nullptr);
  } catch (...) {
  }
}

std::string base64_encode(const unsigned char* data, std::size_t length, bool url) {
  std::string encoded(Base64Length(length), '\0');
  WriteBase64(data, length, &encoded[0], url);
  return encoded;
}

void EncodeBase64InPlace(json_internal::TextBuffer& text, std::size_t length) {
  static const char kPrefix[] = "base64:";
  constexpr std::size_t kPrefixLength = sizeof kPrefix - 1;
  const std::size_t encoded = Base64Length(length);
  if (encoded > std::numeric_limits<std::size_t>::max() - kPrefixLength - 1) {
    throw std::length_error("base64 text");
  }
  text.Reserve(kPrefixLength + encoded + 1, length);
  char* const out = text.data();
  // Each group of four lands behind the three bytes it encodes, so writing
  // the last group first overwrites only bytes already encoded.
  WriteBase64(reinterpret_cast<const unsigned char*>(out), length, out + kPrefixLength, false);
  std::memcpy(out, kPrefix, kPrefixLength);
  out[kPrefixLength + encoded] = '\0';
}

ZELBRIDGE_EXPORT intptr_t DartInitDartApiDL(void* data) {
  // A null table would be read by the binder; refuse it like a wrong version.
  if (data == nullptr) return -1;
  const DartApi& api = *static_cast<const DartApi*>(data);
  // The major version is the only field every table layout shares. A table of
  // another major version may hold something else where this one keeps its
  // entry list, so nothing past the version is read: it is refused and an
  // earlier binding stays in place.
  if (api.major != DART_API_DL_MAJOR_VERSION) return -1;
  // Binding writes the function that posting passes call, so it holds their
  // lock. A table without that function is refused before anything is bound.
  std::lock_guard<std::mutex> lock(send_port_mutex_);
  if (!OffersPostFunction(api)) return -1;
  return Dart_InitializeApiDL(data);
}

ZELBRIDGE_EXPORT void DartRegisterSendPort(int64_t port) {
  std::lock_guard<std::mutex> lock(send_port_mutex_);
  for (const Dart_Port registered : send_port_list_) {
    if (registered == port) return;
  }
  // Out of memory leaves the port unregistered rather than throwing into Dart.
  try {
    send_port_list_.push_back(port);
  } catch (...) {
  }
}

ZELBRIDGE_EXPORT void DartUnregisterSendPort(int64_t port) {
  std::lock_guard<std::mutex> lock(send_port_mutex_);
  for (auto registered = send_port_list_.begin(); registered != send_port_list_.end();
       ++registered) {
    if (*registered == port) {
      send_port_list_.erase(registered);
      return;
    }
  }
}
