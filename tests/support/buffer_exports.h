// The four exports that return a result buffer, each with the SDK function
// that fills it and a call with fixed arguments.
#ifndef ZELBRIDGE_TESTS_SUPPORT_BUFFER_EXPORTS_H_
#define ZELBRIDGE_TESTS_SUPPORT_BUFFER_EXPORTS_H_

#include "zelbridge.h"

struct BufferExport {
  const char* name;
  const char* sdk_function;
  const char* (*call)();
};

inline const BufferExport kBufferExports[] = {
    {"DartGetLoginUserID", "ZelGetLoginUserID", [] { return DartGetLoginUserID(); }},
    {"DartSendMessage", "ZelMsgSendMessage",
     [] { return DartSendMessage("conv", 1, "{}", "ud send"); }},
    {"DartInvite", "ZelSignalingInvite",
     [] { return DartInvite("invitee", "data", true, "{}", 30, "p6", "ud invite"); }},
    {"DartInviteInGroup", "ZelSignalingInviteInGroup",
     [] { return DartInviteInGroup("group", "[]", "data", false, 30, "p6", "ud group"); }},
};

#endif  // ZELBRIDGE_TESTS_SUPPORT_BUFFER_EXPORTS_H_
