// The bridge's exports that the demo uses, each bound by name from the loaded
// library as dart:ffi binds them. The signatures come from the public header;
// nothing of the bridge is linked.
#ifndef ZELBRIDGE_DEMO_BRIDGE_API_H_
#define ZELBRIDGE_DEMO_BRIDGE_API_H_

#include <string>
#include <vector>

#include "shared_library.h"
#include "zelbridge.h"

namespace demo {

struct BridgeApi {
  decltype(&::DartInitDartApiDL) DartInitDartApiDL = nullptr;
  decltype(&::DartRegisterSendPort) DartRegisterSendPort = nullptr;
  decltype(&::DartUnregisterSendPort) DartUnregisterSendPort = nullptr;
  decltype(&::DartGetSDKVersion) DartGetSDKVersion = nullptr;
  decltype(&::DartInitSDK) DartInitSDK = nullptr;
  decltype(&::DartUnitSDK) DartUnitSDK = nullptr;
  decltype(&::DartLogin) DartLogin = nullptr;
  decltype(&::DartLogout) DartLogout = nullptr;
  decltype(&::DartGetLoginUserID) DartGetLoginUserID = nullptr;
  decltype(&::DartSendMessage) DartSendMessage = nullptr;
  decltype(&::DartCreateGroup) DartCreateGroup = nullptr;
  decltype(&::DartInviteUserToGroup) DartInviteUserToGroup = nullptr;
  decltype(&::DartGetConversationList) DartGetConversationList = nullptr;
  decltype(&::DartInvite) DartInvite = nullptr;
  // Every listener registration export has this shape.
  using Registration = decltype(&::DartAddReceiveNewMsgCallback);
  Registration DartSetNetworkStatusListenerCallback = nullptr;
  Registration DartSetKickedOfflineCallback = nullptr;
  Registration DartAddReceiveNewMsgCallback = nullptr;
  Registration DartSetGroupTipsEventCallback = nullptr;
  Registration DartSetConvEventCallback = nullptr;
  Registration DartSetConvTotalUnreadMessageCountChangedCallback = nullptr;
  Registration DartSetSignalingReceiveNewInvitationCallback = nullptr;
  Registration DartSetSignalingInviteeAcceptedCallback = nullptr;
  Registration DartSetSignalingInviteeRejectedCallback = nullptr;
};

// Binds every member of api from library; returns the names that are missing.
std::vector<std::string> BindBridgeApi(const SharedLibrary& library, BridgeApi* api);

}  // namespace demo

#endif  // ZELBRIDGE_DEMO_BRIDGE_API_H_
