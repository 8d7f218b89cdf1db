// The completion callbacks that operation exports hand to the SDK.
#ifndef ZELBRIDGE_COMPLETION_H_
#define ZELBRIDGE_COMPLETION_H_

#include <cstdint>

// Posts an "apiCallback" envelope with the operation's code, desc, result
// text and the caller's user_data text.
void DartZelCommonCallback(int32_t code, const char* desc, const char* json_params,
                           const void* user_data);

// Completion of DartGetGroupMessageReadMemberList, whose SDK callback carries
// no code or desc: the envelope always reads as a success.
void DartGetGroupMessageReadMemberListCallback(const char* json_group_member_array,
                                               uint64_t next_seq, bool is_finished,
                                               const void* user_data);

#endif  // ZELBRIDGE_COMPLETION_H_
