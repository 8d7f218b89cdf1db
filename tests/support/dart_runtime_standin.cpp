#include "dart_runtime_standin.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <tuple>

#include "dart_api_dl.h"
#include "internal/dart_api_dl_impl.h"

namespace dart_standin {
namespace {

struct State {
  std::mutex mutex;
  std::vector<Post> posts;
  std::map<int64_t, std::function<bool(const std::string&)>> rules;
};

State& state() {
  static State* const instance = new State();
  return *instance;
}

bool RecordPost(Dart_Port port, Dart_CObject* message) {
  Post post;
  post.port = port;
  post.type = message->type;
  if (message->type == Dart_CObject_kString) post.text = message->value.as_string;
  std::lock_guard<std::mutex> lock(state().mutex);
  post.accepted = message->type == Dart_CObject_kString && IsValidUtf8(post.text);
  const auto rule = state().rules.find(port);
  if (post.accepted && rule != state().rules.end()) post.accepted = rule->second(post.text);
  state().posts.push_back(post);
  return post.accepted;
}

std::atomic<int> hand_made_scopes{0};

// The file named by ZELBRIDGE_RECORD_POSTS, opened once; null when none is named.
std::FILE* RecordingFile() {
  static std::FILE* const file = [] {
    const char* const path = std::getenv("ZELBRIDGE_RECORD_POSTS");
    return path != nullptr && *path != '\0' ? std::fopen(path, "ab") : nullptr;
  }();
  return file;
}

// Allocates nothing through operator new, so that tests which make the nth
// allocation fail see the same allocations with and without a recording.
void AppendToRecording(const Dart_CObject* message, bool accepted) noexcept {
  std::FILE* const file = RecordingFile();
  if (file == nullptr) return;
  const char* const text = message->type == Dart_CObject_kString && message->value.as_string
                               ? message->value.as_string
                               : "";
  const size_t length = std::strlen(text);
  static std::mutex mutex;
  std::lock_guard<std::mutex> lock(mutex);
  std::fprintf(file, "post %s %d %d %lu\n", hand_made_scopes > 0 ? "hand-made" : "bridge",
               static_cast<int>(message->type), accepted ? 1 : 0,
               static_cast<unsigned long>(length));
  std::fwrite(text, 1, length, file);
  std::fputc('\n', file);
  std::fflush(file);
}

// A C function, like the VM's: a post that cannot be recorded (out of memory)
// is refused, as the VM refuses a message it cannot copy.
bool PostCObject(Dart_Port port, Dart_CObject* message) noexcept {
  bool accepted = false;
  try {
    accepted = RecordPost(port, message);
  } catch (...) {
  }
  AppendToRecording(message, accepted);
  return accepted;
}

const DartApiEntry kEntries[] = {
    {"Dart_PostCObject", reinterpret_cast<void (*)(void)>(&PostCObject)},
    {nullptr, nullptr},
};
bool PostInteger(Dart_Port, int64_t) { return true; }

const DartApiEntry kEntriesWithoutPost[] = {
    {"Dart_PostInteger", reinterpret_cast<void (*)(void)>(&PostInteger)},
    {nullptr, nullptr},
};
const DartApiEntry kEntriesWithNullPost[] = {
    {"Dart_PostInteger", reinterpret_cast<void (*)(void)>(&PostInteger)},
    {"Dart_PostCObject", nullptr},
    {nullptr, nullptr},
};

}  // namespace

void* ApiData(int major_version, int minor_version) {
  // One table per version asked for, alive for the process like the VM's.
  static std::mutex mutex;
  static std::map<std::pair<int, int>, DartApi>& tables =
      *new std::map<std::pair<int, int>, DartApi>();
  std::lock_guard<std::mutex> lock(mutex);
  const auto version = std::make_pair(major_version, minor_version);
  return &tables.try_emplace(version, DartApi{major_version, minor_version, kEntries})
              .first->second;
}

void* ApiDataWithUnreadableEntries(int major_version, int minor_version, UnreadableEntries how) {
  // Three bytes: reading one entry's name pointer runs past them.
  static const char too_short[3] = {'x', 'y', 'z'};
  const auto* const entries = how == UnreadableEntries::kTooShort
                                  ? reinterpret_cast<const DartApiEntry*>(too_short)
                                  : reinterpret_cast<const DartApiEntry*>(uintptr_t{8});
  static std::mutex mutex;
  static std::map<std::tuple<int, int, UnreadableEntries>, DartApi>& tables =
      *new std::map<std::tuple<int, int, UnreadableEntries>, DartApi>();
  std::lock_guard<std::mutex> lock(mutex);
  return &tables
              .try_emplace(std::make_tuple(major_version, minor_version, how),
                           DartApi{major_version, minor_version, entries})
              .first->second;
}

void* ApiDataWithoutPost(MissingPost how) {
  static DartApi no_entry = {2, 5, kEntriesWithoutPost};
  static DartApi null_function = {2, 5, kEntriesWithNullPost};
  static DartApi no_entry_list = {2, 5, nullptr};
  switch (how) {
    case MissingPost::kNullFunction:
      return &null_function;
    case MissingPost::kNoEntryList:
      return &no_entry_list;
    case MissingPost::kNoEntry:
      break;
  }
  return &no_entry;
}

void Reset() {
  std::lock_guard<std::mutex> lock(state().mutex);
  state().posts.clear();
  state().rules.clear();
}

std::vector<Post> Posts() {
  std::lock_guard<std::mutex> lock(state().mutex);
  return state().posts;
}

std::vector<std::string> Received(int64_t port) {
  std::vector<std::string> texts;
  for (const Post& post : Posts()) {
    if (post.port == port && post.accepted) texts.push_back(post.text);
  }
  return texts;
}

void SetPortRule(int64_t port, std::function<bool(const std::string&)> accepts) {
  std::lock_guard<std::mutex> lock(state().mutex);
  state().rules[port] = std::move(accepts);
}

void RefuseAllPosts(int64_t port) {
  SetPortRule(port, [](const std::string&) { return false; });
}

HandMadeEnvelopes::HandMadeEnvelopes() { ++hand_made_scopes; }
HandMadeEnvelopes::~HandMadeEnvelopes() { --hand_made_scopes; }

bool IsValidUtf8(const std::string& text) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const size_t size = text.size();
  for (size_t i = 0; i < size;) {
    const unsigned char lead = bytes[i];
    size_t length;
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
    if (i + length > size) return false;
    for (size_t k = 1; k < length; ++k) {
      if ((bytes[i + k] & 0xC0) != 0x80) return false;
      code_point = (code_point << 6) | (bytes[i + k] & 0x3F);
    }
    static const uint32_t kMinimum[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (code_point < kMinimum[length] || code_point > 0x10FFFF ||
        (code_point >= 0xD800 && code_point <= 0xDFFF)) {
      return false;
    }
    i += length;
  }
  return true;
}

}  // namespace dart_standin
