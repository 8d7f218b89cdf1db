// Completion envelopes: the outcome of an operation, posted to Dart as an
// "apiCallback" envelope that the Dart side matches to its call by user_data.

#include "completion.h"

#include "dart_delivery.h"
#include "envelope_members.h"
#include "envelope_storage.h"

namespace {

// Texts the SDK should never pass as null (desc, user_data) are read like the
// result text: null becomes the empty string instead of a crash.
MemberValue TextOrEmpty(const void* text) { return Text(static_cast<const char*>(text)); }

// Nothing may escape into the SDK's thread; an envelope that cannot be built
// (out of memory) reaches Dart as the error envelope.
void PostBuildFailure(const void* user_data) noexcept {
  SendBuildFailureToDart("apiCallback", std::nullopt, static_cast<const char*>(user_data));
}

}  // namespace

void DartZelCommonCallback(int32_t code, const char* desc, const char* json_params,
                           const void* user_data) {
  PostEnvelope(
      kCommonCompletionEnvelope,
      [&](EnvelopeMembers& envelope) {
        envelope["code"] = Int(code);
        envelope["desc"] = TextOrEmpty(desc);
        envelope["user_data"] = TextOrEmpty(user_data);
        envelope["callback"] = Constant("apiCallback");
        envelope["json_param"] = TextOrEmpty(json_params);
      },
      [&] { PostBuildFailure(user_data); });
}

void DartGetGroupMessageReadMemberListCallback(const char* json_group_member_array,
                                               uint64_t next_seq, bool is_finished,
                                               const void* user_data) {
  PostEnvelope(
      kReadMemberListCompletionEnvelope,
      [&](EnvelopeMembers& envelope) {
        envelope["code"] = Constant(0);
        envelope["desc"] = Constant("");
        envelope["user_data"] = TextOrEmpty(user_data);
        envelope["callback"] = Constant("apiCallback");
        envelope["next_seq"] = UInt64(next_seq);
        envelope["is_finished"] = Bool(is_finished);
        envelope["json_param"] = TextOrEmpty(json_group_member_array);
      },
      [&] { PostBuildFailure(user_data); });
}
