// Per-thread envelope storage. A thread's storage is made on its first
// envelope and deleted when the thread exits (thread_slot.h); storage that
// cannot be had only sends envelopes down the ordinary path.

#include "envelope_storage.h"

#include <climits>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

#include "json/value_string_slot.h"
#include "thread_slot.h"

namespace {

constexpr int kNoKind = INT_MIN;
// Envelope objects a thread keeps: its completions and the events it
// delivers most.
constexpr std::size_t kKeptEnvelopes = 4;
// String buffers a thread keeps for the members of its next envelopes.
constexpr std::size_t kKeptTexts = 16;
// A larger buffer is released after its envelope, so that a thread does not
// hold on to the memory of a rare large document.
constexpr std::size_t kLargestKeptBuffer = 256 * 1024;

}  // namespace

struct ThreadEnvelopes {
  struct KeptEnvelope {
    json::Object object;
    int kind = kNoKind;
    unsigned long last_use = 0;
  };
  KeptEnvelope envelopes[kKeptEnvelopes];
  // The envelope being built and delivered, while there is one.
  KeptEnvelope* building = nullptr;
  bool filling = false;
  // Buffers taken from delivered envelopes' string members; reserved to
  // kKeptTexts when the storage is made, so keeping one never allocates.
  std::vector<std::string> texts;
  std::string text;
  bool text_in_use = false;
  unsigned long uses = 0;
  // Neighbours in the list of every thread's storage.
  ThreadEnvelopes* previous = nullptr;
  ThreadEnvelopes* next = nullptr;
};

namespace {

// The storage of every thread that has one. Threads that still run when the
// process exits (an SDK's own threads) keep theirs, which this list keeps
// reachable, so that leak checkers do not report it as lost. The list and its
// lock are initialised as constants and never destroyed.
ThreadEnvelopes* every_storage_ = nullptr;
ConstantLock every_storage_lock_;

void Enlist(ThreadEnvelopes* storage) {
  every_storage_lock_.Lock();
  storage->next = every_storage_;
  if (every_storage_ != nullptr) every_storage_->previous = storage;
  every_storage_ = storage;
  every_storage_lock_.Unlock();
}

void DeleteStorage(ThreadEnvelopes* storage) {
  every_storage_lock_.Lock();
  if (storage->previous != nullptr) {
    storage->previous->next = storage->next;
  } else {
    every_storage_ = storage->next;
  }
  if (storage->next != nullptr) storage->next->previous = storage->previous;
  every_storage_lock_.Unlock();
  delete storage;
}

void DeleteStorageOfExitingThread(void* storage) {
  DeleteStorage(static_cast<ThreadEnvelopes*>(storage));
}

// Created once, on first use. If the process is out of slots, every envelope
// takes the ordinary path.
struct StorageSlot {
  ThreadSlot slot;
  bool created;
};

const StorageSlot& TheStorageSlot() {
  static const StorageSlot storage_slot = [] {
    StorageSlot s{};
    s.created = s.slot.Create<&DeleteStorageOfExitingThread>();
    return s;
  }();
  return storage_slot;
}

// The calling thread's storage; with make, made if it has none yet. Null
// when there is none.
ThreadEnvelopes* ThreadEnvelopesOf(bool make) noexcept {
  const StorageSlot& storage_slot = TheStorageSlot();
  if (!storage_slot.created) return nullptr;
  ThreadEnvelopes* storage = static_cast<ThreadEnvelopes*>(storage_slot.slot.Get());
  if (storage != nullptr || !make) return storage;
  storage = new (std::nothrow) ThreadEnvelopes;
  if (storage == nullptr) return nullptr;
  try {
    storage->texts.reserve(kKeptTexts);
  } catch (...) {
    delete storage;
    return nullptr;
  }
  if (!storage_slot.slot.Set(storage)) {
    delete storage;
    return nullptr;
  }
  Enlist(storage);
  return storage;
}

// Moves the buffers of the object's string members into the kept ones, and
// sets the members to null. Buffers that short texts fit in without one,
// buffers beyond the number kept and large buffers are left, or released.
void KeepTexts(ThreadEnvelopes& storage, json::Object& object) noexcept {
  const std::size_t inline_capacity = std::string().capacity();
  for (auto& member : object) {
    member.second.Clear();
    std::string& text = json::ValueStringSlot::Of(member.second);
    if (text.capacity() <= inline_capacity) continue;
    if (text.capacity() > kLargestKeptBuffer || storage.texts.size() == kKeptTexts) {
      std::string().swap(text);
    } else {
      storage.texts.push_back(std::move(text));
    }
  }
}

}  // namespace

ReusedEnvelope BeginReusedEnvelope(int kind) noexcept {
  ThreadEnvelopes* const storage = ThreadEnvelopesOf(true);
  if (storage == nullptr || storage->building != nullptr) return {nullptr, nullptr};
  ThreadEnvelopes::KeptEnvelope* chosen = nullptr;
  for (ThreadEnvelopes::KeptEnvelope& kept : storage->envelopes) {
    if (kept.kind == kind) chosen = &kept;
  }
  if (chosen == nullptr) {
    // The envelope used longest ago makes room for this kind.
    chosen = &storage->envelopes[0];
    for (ThreadEnvelopes::KeptEnvelope& kept : storage->envelopes) {
      if (kept.last_use < chosen->last_use) chosen = &kept;
    }
    KeepTexts(*storage, chosen->object);
    chosen->object.Clear();
    chosen->kind = kind;
  }
  chosen->last_use = ++storage->uses;
  storage->building = chosen;
  storage->filling = true;
  return {storage, &chosen->object};
}

void EndFillingReusedEnvelope(ThreadEnvelopes& storage) noexcept { storage.filling = false; }

void EndReusedEnvelope(ThreadEnvelopes& storage, bool built) noexcept {
  ThreadEnvelopes::KeptEnvelope& kept = *storage.building;
  KeepTexts(storage, kept.object);
  if (!built) {
    kept.object.Clear();
    kept.kind = kNoKind;
  }
  storage.building = nullptr;
  storage.filling = false;
}

bool EveryMemberSet(const json::Object& envelope) noexcept {
  for (const auto& member : envelope) {
    if (member.second.GetValueType() == json::NullType) return false;
  }
  return true;
}

json::Value EnvelopeText(const char* text) {
  ThreadEnvelopes* const storage = ThreadEnvelopesOf(false);
  const std::size_t length = std::strlen(text);
  if (storage == nullptr || !storage->filling || length <= std::string().capacity()) {
    return json::Value(std::string(text, length));
  }
  // The smallest kept buffer that holds the text.
  std::vector<std::string>& texts = storage->texts;
  std::string* fitting = nullptr;
  for (std::string& kept : texts) {
    if (kept.capacity() >= length &&
        (fitting == nullptr || kept.capacity() < fitting->capacity())) {
      fitting = &kept;
    }
  }
  if (fitting == nullptr) return json::Value(std::string(text, length));
  std::string buffer = std::move(*fitting);
  if (fitting != &texts.back()) *fitting = std::move(texts.back());
  texts.pop_back();
  buffer.assign(text, length);
  return json::Value(std::move(buffer));
}

std::string* AcquireThreadText() noexcept {
  ThreadEnvelopes* const storage = ThreadEnvelopesOf(true);
  if (storage == nullptr || storage->text_in_use) return nullptr;
  storage->text_in_use = true;
  return &storage->text;
}

void ReleaseThreadText() noexcept {
  ThreadEnvelopes* const storage = ThreadEnvelopesOf(false);
  if (storage == nullptr) return;
  if (storage->text.capacity() > kLargestKeptBuffer) std::string().swap(storage->text);
  storage->text_in_use = false;
}
