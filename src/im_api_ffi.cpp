// Delivery to Dart: the registry of Dart receive ports, posting of envelopes
// with the base64 and error-envelope fallbacks, and the log line that reports
// each delivery failure into the SDK's own log.

#include <cstring>
#include <mutex>
#include <optional>
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
#include "sdk/zel_sdk.h"
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

bool PostText(Dart_Port port, const char* text) {
  Dart_CObject message;
  message.type = Dart_CObject_kString;
  message.value.as_string = text;
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

// Step 3: posts the error text to every port and drops the ports that refuse
// it. An error text that could not be made (empty) counts as refused.
void PostErrorText(const std::string& error_text, const char* user_data) {
  if (!error_text.empty() && PostToEveryPort(error_text.c_str(), true)) return;
  LogFailure("[Step3] Posting error message failed. user_data: ", user_data);
}

void Deliver(json::Object& envelope) {
  if (NoPortRegistered()) {
    writeLogToVexlog("Serious error, no Dart_Port registered.");
    return;
  }

  // The text is the serializer's, written into the thread's kept buffer, or
  // into one of this delivery's own while the thread's is in use (delivery
  // entered again on the same thread) or cannot be had. A text that cannot
  // be made (out of memory) fails its step as if no port had accepted it.
  struct TextBuffer {
    std::string* const kept = AcquireThreadText();
    std::string own;
    ~TextBuffer() {
      if (kept != nullptr) ReleaseThreadText();
    }
    std::string& Get() { return kept != nullptr ? *kept : own; }
  } buffer;
  std::size_t length = 0;
  const bool serialized =
      Made([&] { length = json_internal::SerializeInto(envelope, buffer.Get()); });
  const char* const text = buffer.Get().c_str();
  if (serialized && PostToEveryPort(text, false)) return;
  // Only the failure lines need the user_data text; the envelope is as it
  // was when delivery began.
  LogFailure("[Step1] Posting message without base64 failed. user_data: ",
             UserDataForLog(envelope));

  // The VM refuses texts it cannot take as a string (invalid UTF-8); base64
  // always can be.
  std::string base64_text;
  const bool encoded =
      serialized && Made([&] {
        base64_text =
            "base64:" + base64_encode(reinterpret_cast<const unsigned char*>(text), length, false);
      });
  if (encoded && PostToEveryPort(base64_text.c_str(), false)) return;
  LogFailure("[Step2] Posting message with base64 failed. user_data: ", UserDataForLog(envelope));

  std::string error_text;
  Made([&] { error_text = ErrorTextFor(envelope); });
  PostErrorText(error_text, UserDataForLog(envelope));
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
    Deliver(envelope);
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
    json::Object request;
    request["request_internal_operation"] = json::Value("internal_operation_write_log");
    request["request_write_log_log_level_param"] = json::Value(6);
    request["request_write_log_file_name_param"] = json::Value(__FILE__);
    request["request_write_log_func_name_param"] = json::Value("writeLogToVexlog");
    request["request_write_log_line_number_param"] = json::Value(53);
    std::string content = "im ffi: ";
    if (text != nullptr) content += text;
    request["request_write_log_log_content_param"] = json::Value(std::move(content));
    callExperimentalAPI(json::Serialize(json::Value(std::move(request))).c_str(), nullptr, nullptr);
  } catch (...) {
  }
}

std::string base64_encode(const unsigned char* data, unsigned long length, bool url) {
  const char* const alphabet = base64_chars[url ? 1 : 0];
  const char pad = base64_pad[url ? 1 : 0];
  std::string encoded;
  encoded.reserve((length + 2) / 3 * 4);
  unsigned long i = 0;
  for (; i + 3 <= length; i += 3) {
    encoded += alphabet[data[i] >> 2];
    encoded += alphabet[((data[i] & 0x03) << 4) | (data[i + 1] >> 4)];
    encoded += alphabet[((data[i + 1] & 0x0f) << 2) | (data[i + 2] >> 6)];
    encoded += alphabet[data[i + 2] & 0x3f];
  }
  if (length - i == 2) {
    encoded += alphabet[data[i] >> 2];
    encoded += alphabet[((data[i] & 0x03) << 4) | (data[i + 1] >> 4)];
    encoded += alphabet[(data[i + 1] & 0x0f) << 2];
    encoded += pad;
  } else if (length - i == 1) {
    encoded += alphabet[data[i] >> 2];
    encoded += alphabet[(data[i] & 0x03) << 4];
    encoded += pad;
    encoded += pad;
  }
  return encoded;
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
