// Where an envelope and its text live between two envelopes of the same
// thread. Each SDK thread that delivers keeps, in storage of its own, the
// objects of its last envelopes (their members, map nodes and text buffers),
// where each member lies, the layout of their text, and the buffer of the
// serialized text; its next envelope of the same kind sets its members where
// they lie and is written from the layout, instead of allocating, looking
// members up and walking the object. Nothing is shared between threads.
// When the storage is busy (an envelope posted on a thread while that thread
// delivers another one, as when the SDK raises an event from inside the
// bridge's log line) or cannot be had (out of memory), an envelope is built
// in an object of its own by the same fill and serialized as always.
#ifndef ZELBRIDGE_ENVELOPE_STORAGE_H_
#define ZELBRIDGE_ENVELOPE_STORAGE_H_

#include "dart_delivery.h"
#include "envelope_members.h"
#include "json/json.h"
#include "json/text_buffer.h"

// Kinds of envelope. Envelopes of one kind have the same members; an event's
// kind is its callbackType (0 and up), completions have kinds of their own.
constexpr int kCommonCompletionEnvelope = -1;
constexpr int kReadMemberListCompletionEnvelope = -2;

// A thread's storage and one envelope kept in it (envelope_storage.cpp).
struct ThreadEnvelopes;
struct KeptEnvelope;

// The envelope of kind kept in the calling thread's storage, with the
// storage it belongs to; both null when the storage is busy or cannot be had.
// Each envelope returned is given back through EndReusedEnvelope.
struct ReusedEnvelope {
  ThreadEnvelopes* storage;
  KeptEnvelope* kept;
};
ReusedEnvelope BeginReusedEnvelope(int kind) noexcept;
// The members of the kept envelope's next fill.
EnvelopeMembers StartFilling(KeptEnvelope& kept) noexcept;
// After a fill: true when the envelope is built. False when the fill did not
// match the kind's recorded members (it set others, or the object holds
// members the fill did not set), or when a recording fill left a member
// null: the envelope is then emptied and members set to record a fill by
// key from the start, which builds it unless that fill sets a member to
// null too.
bool FinishFilling(KeptEnvelope& kept, EnvelopeMembers& members) noexcept;
// Posts the envelope being built, once built, with SendKeptDataToDart,
// written from its layout into the thread's text buffer; delivery leaves it
// as it is.
void SendKeptEnvelope(ThreadEnvelopes& storage) noexcept;
// The envelope has been delivered, or could not be built: its members stay
// for the thread's next envelope of the kind, but for texts too large to
// keep; an envelope that could not be built is emptied.
void EndReusedEnvelope(ThreadEnvelopes& storage, bool built) noexcept;

// The calling thread's buffer for the serialized text of an envelope; null
// when it is in use (delivery entered again on the same thread) or cannot be
// had. Each buffer returned is given back through ReleaseThreadText.
json_internal::TextBuffer* AcquireThreadText() noexcept;
void ReleaseThreadText() noexcept;

// Builds an envelope of kind with fill, which sets its members through an
// EnvelopeMembers (and may be asked up to three times), and posts it with
// SendDataToDart: in the thread's storage when it is free, else, or if that
// fails, in an object of its own; build_failed() when neither could be
// built. fill may throw (out of memory); nothing escapes.
//
// The fill is called through a pointer, from one function that every
// adapter shares, so that each adapter's members are set by one copy of its
// code rather than by one copy per place that asks for the fill.
using FillEnvelope = void (*)(void* fill, EnvelopeMembers& members);
using ReportBuildFailure = void (*)(void* build_failed) noexcept;
void PostFilledEnvelope(int kind, FillEnvelope fill_envelope, void* fill,
                        ReportBuildFailure report_build_failure, void* build_failed) noexcept;

template <typename Fill, typename BuildFailed>
void PostEnvelope(int kind, Fill fill, BuildFailed build_failed) noexcept {
  PostFilledEnvelope(
      kind, [](void* f, EnvelopeMembers& members) { (*static_cast<Fill*>(f))(members); }, &fill,
      [](void* b) noexcept { (*static_cast<BuildFailed*>(b))(); }, &build_failed);
}

#endif  // ZELBRIDGE_ENVELOPE_STORAGE_H_
