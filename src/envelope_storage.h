// Where an envelope and its text live between two envelopes of the same
// thread. Each SDK thread that delivers keeps, in storage of its own, the
// objects of its last envelopes (their members and map nodes), the buffers
// of their string members and the buffer of the serialized text; its next
// envelope of the same kind overwrites them instead of allocating. Nothing
// is shared between threads. When the storage is busy (an envelope posted on
// a thread while that thread delivers another one, as when the SDK raises an
// event from inside the bridge's log line) or cannot be had (out of memory),
// an envelope is built and serialized in storage of its own, as always.
#ifndef ZELBRIDGE_ENVELOPE_STORAGE_H_
#define ZELBRIDGE_ENVELOPE_STORAGE_H_

#include <string>

#include "dart_delivery.h"
#include "json/json.h"

// Kinds of envelope. Envelopes of one kind have the same members; an event's
// kind is its callbackType (0 and up), completions have kinds of their own.
constexpr int kCommonCompletionEnvelope = -1;
constexpr int kReadMemberListCompletionEnvelope = -2;

// A thread's storage (envelope_storage.cpp).
struct ThreadEnvelopes;

// The object in the calling thread's storage to build an envelope of kind
// in, with the storage it belongs to: the members of the last envelope of
// that kind, each null. Both null when the storage is busy or cannot
// be had. Each object returned is given back through EndReusedEnvelope.
struct ReusedEnvelope {
  ThreadEnvelopes* storage;
  json::Object* object;
};
ReusedEnvelope BeginReusedEnvelope(int kind) noexcept;
// The envelope's members are set: EnvelopeText hands out no more buffers.
void EndFillingReusedEnvelope(ThreadEnvelopes& storage) noexcept;
// The envelope has been delivered, or could not be built: its string
// buffers are kept for the thread's next envelopes and its members set to
// null, and an object that could not be built is emptied.
void EndReusedEnvelope(ThreadEnvelopes& storage, bool built) noexcept;
// Whether no member is null: a null member was set by the last envelope of
// the kind and not by this one.
bool EveryMemberSet(const json::Object& envelope) noexcept;

// A string value for an envelope's member. While an envelope is built in
// the thread's storage, the text goes into a buffer kept from an earlier
// envelope when one is large enough.
json::Value EnvelopeText(const char* text);

// The calling thread's buffer for the serialized text of an envelope; null
// when it is in use (delivery entered again on the same thread) or cannot be
// had. Each buffer returned is given back through ReleaseThreadText.
std::string* AcquireThreadText() noexcept;
void ReleaseThreadText() noexcept;

// Builds an envelope of kind with fill (which sets its members through
// operator[] and the json::Value constructors) and posts it with
// SendDataToDart: in the thread's storage when it is free, else, or if that
// fails, in an object of its own; build_failed() when neither could be built.
template <typename Fill, typename BuildFailed>
void PostEnvelope(int kind, Fill fill, BuildFailed build_failed) noexcept {
  const ReusedEnvelope reused = BeginReusedEnvelope(kind);
  if (reused.object != nullptr) {
    bool built = false;
    try {
      fill(*reused.object);
      if (!EveryMemberSet(*reused.object)) {
        reused.object->Clear();
        fill(*reused.object);
      }
      built = true;
    } catch (...) {
    }
    EndFillingReusedEnvelope(*reused.storage);
    if (built) SendDataToDart(*reused.object);
    EndReusedEnvelope(*reused.storage, built);
    if (built) return;
  }
  try {
    json::Object envelope;
    fill(envelope);
    SendDataToDart(envelope);
  } catch (...) {
    build_failed();
  }
}

#endif  // ZELBRIDGE_ENVELOPE_STORAGE_H_
