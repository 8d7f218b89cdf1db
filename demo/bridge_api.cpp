// Binding the bridge's exports by name.

#include "bridge_api.h"

namespace demo {
namespace {

template <typename Function>
void Bind(const SharedLibrary& library, const char* name, Function* function,
          std::vector<std::string>* missing) {
  *function = reinterpret_cast<Function>(library.Symbol(name));
  if (*function == nullptr) missing->push_back(name);
}

}  // namespace

std::vector<std::string> BindBridgeApi(const SharedLibrary& library, BridgeApi* api) {
  std::vector<std::string> missing;
#define ZELBRIDGE_DEMO_BIND(name) Bind(library, #name, &api->name, &missing)
  ZELBRIDGE_DEMO_BIND(DartInitDartApiDL);
  ZELBRIDGE_DEMO_BIND(DartRegisterSendPort);
  ZELBRIDGE_DEMO_BIND(DartUnregisterSendPort);
  ZELBRIDGE_DEMO_BIND(DartGetSDKVersion);
  ZELBRIDGE_DEMO_BIND(DartInitSDK);
  ZELBRIDGE_DEMO_BIND(DartUnitSDK);
  ZELBRIDGE_DEMO_BIND(DartLogin);
  ZELBRIDGE_DEMO_BIND(DartLogout);
  ZELBRIDGE_DEMO_BIND(DartGetLoginUserID);
  ZELBRIDGE_DEMO_BIND(DartSendMessage);
  ZELBRIDGE_DEMO_BIND(DartCreateGroup);
  ZELBRIDGE_DEMO_BIND(DartInviteUserToGroup);
  ZELBRIDGE_DEMO_BIND(DartGetConversationList);
  ZELBRIDGE_DEMO_BIND(DartInvite);
  ZELBRIDGE_DEMO_BIND(DartSetNetworkStatusListenerCallback);
  ZELBRIDGE_DEMO_BIND(DartSetKickedOfflineCallback);
  ZELBRIDGE_DEMO_BIND(DartAddReceiveNewMsgCallback);
  ZELBRIDGE_DEMO_BIND(DartSetGroupTipsEventCallback);
  ZELBRIDGE_DEMO_BIND(DartSetConvEventCallback);
  ZELBRIDGE_DEMO_BIND(DartSetConvTotalUnreadMessageCountChangedCallback);
  ZELBRIDGE_DEMO_BIND(DartSetSignalingReceiveNewInvitationCallback);
  ZELBRIDGE_DEMO_BIND(DartSetSignalingInviteeAcceptedCallback);
  ZELBRIDGE_DEMO_BIND(DartSetSignalingInviteeRejectedCallback);
#undef ZELBRIDGE_DEMO_BIND
  return missing;
}

}  // namespace demo
