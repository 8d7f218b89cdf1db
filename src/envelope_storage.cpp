// Per-thread envelope storage. A thread's storage is made on its first
// envelope and deleted when the thread exits (thread_slot.h); storage that
// cannot be had only sends envelopes down the ordinary path.

#include "envelope_storage.h"

#include <climits>
#include <new>
#include <string>
#include <vector>

#include "json/object_layout.h"
#include "json/value_in_place.h"
#include "thread_slot.h"

namespace {

constexpr int kNoKind = INT_MIN;
// Envelope objects a thread keeps: its completions and the events it
// delivers most.
constexpr std::size_t kKeptEnvelopes = 4;

}  // namespace

struct KeptEnvelope {
  json::Object object;
  // Where each member lies, in the order the kind's fill sets them; valid
  // while shaped.
  std::vector<MemberSlot> slots;
  bool shaped = false;
  // How many members the object holds once filled (a key set twice is one
  // member); valid while shaped. An object that holds others is filled again.
  std::size_t member_count = 0;
  // The text's layout; empty when the text is written from the object (the
  // layout's memory could not be had).
  json_internal::ObjectLayout layout;
  bool large_text = false;
  int kind = kNoKind;
  unsigned long last_use = 0;
};

struct ThreadEnvelopes {
  KeptEnvelope envelopes[kKeptEnvelopes];
  // The envelope being built and delivered, while there is one.
  KeptEnvelope* building = nullptr;
  json_internal::TextBuffer text;
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
  if (!storage_slot.slot.Set(storage)) {
    delete storage;
    return nullptr;
  }
  Enlist(storage);
  return storage;
}

// Drops every member, slot and layout of the envelope.
void Empty(KeptEnvelope& kept) noexcept {
  kept.layout.Clear();
  kept.slots.clear();
  kept.shaped = false;
  kept.object.Clear();
}

bool EveryMemberSet(const json::Object& envelope) noexcept {
  for (const auto& member : envelope) {
    if (member.second.GetValueType() == json::NullType) return false;
  }
  return true;
}

// Lays out the text of a shaped envelope: the members set from constants
// are written into it once; the others are written at each text. Without
// the memory for it, the text is written from the object.
void MakeLayout(KeptEnvelope& kept) noexcept {
  try {
    std::vector<const json::Value*> changing;
    changing.reserve(kept.slots.size());
    for (const MemberSlot& slot : kept.slots) {
      if (!slot.set_to.constant) changing.push_back(slot.value);
    }
    kept.layout.Make(kept.object, changing.data(), changing.size());
  } catch (...) {
    kept.layout.Clear();
  }
}

// Texts too large to keep give their memory back; their members hold the
// empty string until the next envelope of the kind sets them.
void ReleaseLargeTexts(KeptEnvelope& kept) noexcept {
  for (const MemberSlot& slot : kept.slots) {
    std::string& text = json::ValueInPlace::StringOf(*slot.value);
    if (text.capacity() > kLargestKeptText) std::string().swap(text);
  }
}

// Gives the thread's text buffer back; a buffer too large to keep gives its
// memory back too.
void ReleaseText(ThreadEnvelopes& storage) noexcept {
  if (storage.text.capacity() > kLargestKeptText) storage.text.Release();
  storage.text_in_use = false;
}

}  // namespace

void EnvelopeMembers::SetByKey(const char* key, const MemberValue& value) {
  if (mode_ == Mode::kShaped || mode_ == Mode::kMismatched) {
    // The rest of this fill is of no use: the envelope is filled again.
    mode_ = Mode::kMismatched;
    return;
  }
  json::Value& member = (*object_)[key];
  SetInPlace(member, value);
  if (mode_ == Mode::kRecording) slots_->push_back(MemberSlot{key, &member, value});
}

void EnvelopeMembers::SetInPlace(json::Value& member, const MemberValue& value) {
  switch (value.type) {
    case json::StringType:
      SetText(member, value.text);
      break;
    case json::IntType:
      json::ValueInPlace::SetInt(member, static_cast<int>(value.SignedNumber()));
      break;
    case json::UIntType:
      json::ValueInPlace::SetUInt(member, static_cast<unsigned int>(value.number));
      break;
    case json::Int64Type:
      json::ValueInPlace::SetInt64(member, value.SignedNumber());
      break;
    case json::UInt64Type:
      json::ValueInPlace::SetUInt64(member, value.number);
      break;
    case json::BoolType:
      json::ValueInPlace::SetBool(member, value.truth);
      break;
    default:
      member.Clear();
      break;
  }
}

ReusedEnvelope BeginReusedEnvelope(int kind) noexcept {
  ThreadEnvelopes* const storage = ThreadEnvelopesOf(true);
  if (storage == nullptr || storage->building != nullptr) return {nullptr, nullptr};
  KeptEnvelope* chosen = nullptr;
  for (KeptEnvelope& kept : storage->envelopes) {
    if (kept.kind == kind) chosen = &kept;
  }
  if (chosen == nullptr) {
    // The envelope used longest ago makes room for this kind.
    chosen = &storage->envelopes[0];
    for (KeptEnvelope& kept : storage->envelopes) {
      if (kept.last_use < chosen->last_use) chosen = &kept;
    }
    Empty(*chosen);
    chosen->kind = kind;
  }
  chosen->last_use = ++storage->uses;
  storage->building = chosen;
  return {storage, chosen};
}

EnvelopeMembers StartFilling(KeptEnvelope& kept) noexcept {
  if (!kept.shaped) {
    // A recording fill finds every member it sets by key; one that it does
    // not set stays null, and shows.
    kept.slots.clear();
    for (auto& member : kept.object) member.second.Clear();
  }
  kept.large_text = false;
  return EnvelopeMembers(kept.object, kept.slots, kept.shaped);
}

bool FinishFilling(KeptEnvelope& kept, EnvelopeMembers& members) noexcept {
  kept.large_text = kept.large_text || members.SetLargeText();
  // A shaped fill adds no member: one that the object holds beyond those it
  // recorded is not the kind's, and neither its layout nor its text may
  // carry it.
  const bool built = members.MatchedSlots() ? kept.object.size() == kept.member_count
                                            : members.Recorded() && EveryMemberSet(kept.object);
  if (built) {
    kept.shaped = true;
    kept.member_count = kept.object.size();
    if (kept.layout.Empty()) MakeLayout(kept);
    return true;
  }
  // The fill set other members than the kind's last one, or fewer, or the
  // object holds others: it is asked again, by key, into an empty object.
  Empty(kept);
  members = EnvelopeMembers(kept.object, kept.slots, false);
  return false;
}

void SendKeptEnvelope(ThreadEnvelopes& storage) noexcept {
  KeptEnvelope& kept = *storage.building;
  const json_internal::ObjectLayout* const layout = kept.layout.Empty() ? nullptr : &kept.layout;
  // The thread's text buffer is in use when an envelope on the ordinary path
  // is being delivered around this one.
  if (storage.text_in_use) {
    SendKeptDataToDart(kept.object, layout, nullptr);
    return;
  }
  storage.text_in_use = true;
  SendKeptDataToDart(kept.object, layout, &storage.text);
  ReleaseText(storage);
}

void EndReusedEnvelope(ThreadEnvelopes& storage, bool built) noexcept {
  KeptEnvelope& kept = *storage.building;
  if (!built) {
    Empty(kept);
    kept.kind = kNoKind;
  } else if (kept.large_text) {
    ReleaseLargeTexts(kept);
  }
  storage.building = nullptr;
}

json_internal::TextBuffer* AcquireThreadText() noexcept {
  ThreadEnvelopes* const storage = ThreadEnvelopesOf(true);
  if (storage == nullptr || storage->text_in_use) return nullptr;
  storage->text_in_use = true;
  return &storage->text;
}

void ReleaseThreadText() noexcept {
  ThreadEnvelopes* const storage = ThreadEnvelopesOf(false);
  if (storage != nullptr) ReleaseText(*storage);
}

void PostFilledEnvelope(int kind, FillEnvelope fill_envelope, void* fill,
                        ReportBuildFailure report_build_failure, void* build_failed) noexcept {
  const ReusedEnvelope reused = BeginReusedEnvelope(kind);
  if (reused.kept != nullptr) {
    bool built = false;
    try {
      EnvelopeMembers members = StartFilling(*reused.kept);
      fill_envelope(fill, members);
      built = FinishFilling(*reused.kept, members);
      if (!built) {
        // A fill by key from the start that still does not build the
        // envelope (it set a member to null) is built in an object of its
        // own instead.
        fill_envelope(fill, members);
        built = FinishFilling(*reused.kept, members);
      }
    } catch (...) {
    }
    if (built) SendKeptEnvelope(*reused.storage);
    EndReusedEnvelope(*reused.storage, built);
    if (built) return;
  }
  try {
    json::Object envelope;
    EnvelopeMembers members(envelope);
    fill_envelope(fill, members);
    SendDataToDart(envelope);
  } catch (...) {
    report_build_failure(build_failed);
  }
}
