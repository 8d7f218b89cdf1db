// Generated from include/zelbridge.h by tools/dart/generate.py; do not edit.
//
// The exports of include/zelbridge.h, bound by name as ffigen binds them
// for flutter_plugin/ffigen.yaml.
// ignore_for_file: type=lint
import 'dart:ffi' as ffi;

/// Bindings of zelbridge's exports (include/zelbridge.h).
class ZelBridgeBindings {
  /// Holds the symbol lookup function.
  final ffi.Pointer<T> Function<T extends ffi.NativeType>(String symbolName)
      _lookup;

  /// The symbols are looked up in [dynamicLibrary].
  ZelBridgeBindings(ffi.DynamicLibrary dynamicLibrary)
      : _lookup = dynamicLibrary.lookup;

  /// The symbols are looked up with [lookup].
  ZelBridgeBindings.fromLookup(
    ffi.Pointer<T> Function<T extends ffi.NativeType>(String symbolName)
        lookup,
  ) : _lookup = lookup;

  /// Dart delivery. Bind the Dart API first (0 on success, -1 for null data,
  /// for Dart API data of another major version, whose table is not read past
  /// its version, or for a table without Dart_PostCObject; a refused table
  /// leaves an earlier binding in place), then register each receive port's
  /// native port id.
  int DartInitDartApiDL(ffi.Pointer<ffi.Void> data) {
    return _DartInitDartApiDL(data);
  }

  late final _DartInitDartApiDLPtr = _lookup<
    ffi.NativeFunction<
      ffi.IntPtr Function(ffi.Pointer<ffi.Void>)
    >
  >('DartInitDartApiDL');
  late final _DartInitDartApiDL = _DartInitDartApiDLPtr.asFunction<
    int Function(ffi.Pointer<ffi.Void>)
  >();

  void DartRegisterSendPort(int port) {
    return _DartRegisterSendPort(port);
  }

  late final _DartRegisterSendPortPtr = _lookup<
    ffi.NativeFunction<
      ffi.Void Function(ffi.Int64)
    >
  >('DartRegisterSendPort');
  late final _DartRegisterSendPort = _DartRegisterSendPortPtr.asFunction<
    void Function(int)
  >();

  void DartUnregisterSendPort(int port) {
    return _DartUnregisterSendPort(port);
  }

  late final _DartUnregisterSendPortPtr = _lookup<
    ffi.NativeFunction<
      ffi.Void Function(ffi.Int64)
    >
  >('DartUnregisterSendPort');
  late final _DartUnregisterSendPort = _DartUnregisterSendPortPtr.asFunction<
    void Function(int)
  >();

  int DartInitSDK(int sdk_app_id, ffi.Pointer<ffi.Char> json_sdk_config) {
    return _DartInitSDK(sdk_app_id, json_sdk_config);
  }

  late final _DartInitSDKPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Uint64, ffi.Pointer<ffi.Char>)
    >
  >('DartInitSDK');
  late final _DartInitSDK = _DartInitSDKPtr.asFunction<
    int Function(int, ffi.Pointer<ffi.Char>)
  >();

  int DartUnitSDK() {
    return _DartUnitSDK();
  }

  late final _DartUnitSDKPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function()
    >
  >('DartUnitSDK');
  late final _DartUnitSDK = _DartUnitSDKPtr.asFunction<int Function()>();

  ffi.Pointer<ffi.Char> DartGetSDKVersion() {
    return _DartGetSDKVersion();
  }

  late final _DartGetSDKVersionPtr = _lookup<
    ffi.NativeFunction<
      ffi.Pointer<ffi.Char> Function()
    >
  >('DartGetSDKVersion');
  late final _DartGetSDKVersion = _DartGetSDKVersionPtr.asFunction<
    ffi.Pointer<ffi.Char> Function()
  >();

  int DartGetServerTime() {
    return _DartGetServerTime();
  }

  late final _DartGetServerTimePtr = _lookup<
    ffi.NativeFunction<
      ffi.Uint64 Function()
    >
  >('DartGetServerTime');
  late final _DartGetServerTime = _DartGetServerTimePtr.asFunction<
    int Function()
  >();

  /// Never completes: the SDK is given no completion callback. user_data is
  /// handed to it unused; free it when the call returns.
  int DartSetConfig(
    ffi.Pointer<ffi.Char> json_config,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetConfig(json_config, user_data);
  }

  late final _DartSetConfigPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartSetConfig');
  late final _DartSetConfig = _DartSetConfigPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartLogin(
    ffi.Pointer<ffi.Char> user_id,
    ffi.Pointer<ffi.Char> user_sig,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartLogin(user_id, user_sig, user_data);
  }

  late final _DartLoginPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartLogin');
  late final _DartLogin = _DartLoginPtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartLogout(ffi.Pointer<ffi.Char> user_data) {
    return _DartLogout(user_data);
  }

  late final _DartLogoutPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartLogout');
  late final _DartLogout = _DartLogoutPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>)
  >();

  /// Returns the logged-in user id that the SDK wrote into this export's own
  /// buffer; valid until this thread calls it again. Never completes. Like the
  /// other three texts returned from a buffer, it holds at most 127 bytes: a
  /// longer id is cut at 127 bytes, and back to the start of a UTF-8 character
  /// that the cut would split, so the text is never cut inside a character.
  ffi.Pointer<ffi.Char> DartGetLoginUserID() {
    return _DartGetLoginUserID();
  }

  late final _DartGetLoginUserIDPtr = _lookup<
    ffi.NativeFunction<
      ffi.Pointer<ffi.Char> Function()
    >
  >('DartGetLoginUserID');
  late final _DartGetLoginUserID = _DartGetLoginUserIDPtr.asFunction<
    ffi.Pointer<ffi.Char> Function()
  >();

  int DartGetLoginStatus() {
    return _DartGetLoginStatus();
  }

  late final _DartGetLoginStatusPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function()
    >
  >('DartGetLoginStatus');
  late final _DartGetLoginStatus = _DartGetLoginStatusPtr.asFunction<
    int Function()
  >();

  int DartGetUsersInfo(
    ffi.Pointer<ffi.Char> json_get_user_profile_list_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetUsersInfo(json_get_user_profile_list_param, user_data);
  }

  late final _DartGetUsersInfoPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartGetUsersInfo');
  late final _DartGetUsersInfo = _DartGetUsersInfoPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartSetSelfInfo(
    ffi.Pointer<ffi.Char> json_modify_self_user_profile_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetSelfInfo(json_modify_self_user_profile_param, user_data);
  }

  late final _DartSetSelfInfoPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartSetSelfInfo');
  late final _DartSetSelfInfo = _DartSetSelfInfoPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartSubscribeUserInfo(
    ffi.Pointer<ffi.Char> json_user_id_list,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSubscribeUserInfo(json_user_id_list, user_data);
  }

  late final _DartSubscribeUserInfoPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartSubscribeUserInfo');
  late final _DartSubscribeUserInfo = _DartSubscribeUserInfoPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartUnsubscribeUserInfo(
    ffi.Pointer<ffi.Char> json_user_id_list,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartUnsubscribeUserInfo(json_user_id_list, user_data);
  }

  late final _DartUnsubscribeUserInfoPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartUnsubscribeUserInfo');
  late final _DartUnsubscribeUserInfo = _DartUnsubscribeUserInfoPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartSearchUsers(
    ffi.Pointer<ffi.Char> json_search_user_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSearchUsers(json_search_user_param, user_data);
  }

  late final _DartSearchUsersPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartSearchUsers');
  late final _DartSearchUsers = _DartSearchUsersPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartGetUserStatus(
    ffi.Pointer<ffi.Char> json_user_id_list,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetUserStatus(json_user_id_list, user_data);
  }

  late final _DartGetUserStatusPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartGetUserStatus');
  late final _DartGetUserStatus = _DartGetUserStatusPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartSetSelfStatus(
    ffi.Pointer<ffi.Char> json_user_status,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetSelfStatus(json_user_status, user_data);
  }

  late final _DartSetSelfStatusPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartSetSelfStatus');
  late final _DartSetSelfStatus = _DartSetSelfStatusPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartSubscribeUserStatus(
    ffi.Pointer<ffi.Char> json_user_id_list,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSubscribeUserStatus(json_user_id_list, user_data);
  }

  late final _DartSubscribeUserStatusPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartSubscribeUserStatus');
  late final _DartSubscribeUserStatus = _DartSubscribeUserStatusPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartUnsubscribeUserStatus(
    ffi.Pointer<ffi.Char> json_user_id_list,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartUnsubscribeUserStatus(json_user_id_list, user_data);
  }

  late final _DartUnsubscribeUserStatusPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartUnsubscribeUserStatus');
  late final _DartUnsubscribeUserStatus =
      _DartUnsubscribeUserStatusPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  /// Returns the id of the message being sent, written by the SDK into this
  /// export's own buffer (valid until this thread's next call); the outcome
  /// arrives as a completion, also when the id is empty (the SDK wrote none).
  /// The SDK's integer result is dropped. At most 127 bytes, cut as
  /// DartGetLoginUserID's.
  ffi.Pointer<ffi.Char> DartSendMessage(
    ffi.Pointer<ffi.Char> conv_id,
    int conv_type,
    ffi.Pointer<ffi.Char> json_msg_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSendMessage(conv_id, conv_type, json_msg_param, user_data);
  }

  late final _DartSendMessagePtr = _lookup<
    ffi.NativeFunction<
      ffi.Pointer<ffi.Char> Function(
        ffi.Pointer<ffi.Char>,
        ffi.Int32,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartSendMessage');
  late final _DartSendMessage = _DartSendMessagePtr.asFunction<
    ffi.Pointer<ffi.Char> Function(
      ffi.Pointer<ffi.Char>,
      int,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartDownloadElemToPath(
    ffi.Pointer<ffi.Char> json_download_elem_param,
    ffi.Pointer<ffi.Char> path,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartDownloadElemToPath(json_download_elem_param, path, user_data);
  }

  late final _DartDownloadElemToPathPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartDownloadElemToPath');
  late final _DartDownloadElemToPath = _DartDownloadElemToPathPtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartDownloadMergerMessage(
    ffi.Pointer<ffi.Char> json_single_msg,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartDownloadMergerMessage(json_single_msg, user_data);
  }

  late final _DartDownloadMergerMessagePtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartDownloadMergerMessage');
  late final _DartDownloadMergerMessage =
      _DartDownloadMergerMessagePtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  int DartSetLocalCustomData(
    ffi.Pointer<ffi.Char> json_msg_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetLocalCustomData(json_msg_param, user_data);
  }

  late final _DartSetLocalCustomDataPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartSetLocalCustomData');
  late final _DartSetLocalCustomData = _DartSetLocalCustomDataPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartGetHistoryMessageList(
    ffi.Pointer<ffi.Char> conv_id,
    int conv_type,
    ffi.Pointer<ffi.Char> json_get_msg_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetHistoryMessageList(
      conv_id,
      conv_type,
      json_get_msg_param,
      user_data,
    );
  }

  late final _DartGetHistoryMessageListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Int64,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartGetHistoryMessageList');
  late final _DartGetHistoryMessageList =
      _DartGetHistoryMessageListPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          int,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartGetMessageList(
    ffi.Pointer<ffi.Char> conv_id,
    int conv_type,
    ffi.Pointer<ffi.Char> json_get_msg_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetMessageList(
      conv_id,
      conv_type,
      json_get_msg_param,
      user_data,
    );
  }

  late final _DartGetMessageListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Int64,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartGetMessageList');
  late final _DartGetMessageList = _DartGetMessageListPtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      int,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartSetC2CReceiveMessageOpt(
    ffi.Pointer<ffi.Char> json_identifier_array,
    int opt,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetC2CReceiveMessageOpt(json_identifier_array, opt, user_data);
  }

  late final _DartSetC2CReceiveMessageOptPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Int64, ffi.Pointer<ffi.Char>)
    >
  >('DartSetC2CReceiveMessageOpt');
  late final _DartSetC2CReceiveMessageOpt =
      _DartSetC2CReceiveMessageOptPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, int, ffi.Pointer<ffi.Char>)
      >();

  int DartGetC2CReceiveMessageOpt(
    ffi.Pointer<ffi.Char> json_identifier_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetC2CReceiveMessageOpt(json_identifier_array, user_data);
  }

  late final _DartGetC2CReceiveMessageOptPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartGetC2CReceiveMessageOpt');
  late final _DartGetC2CReceiveMessageOpt =
      _DartGetC2CReceiveMessageOptPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  int DartSetGroupReceiveMessageOpt(
    ffi.Pointer<ffi.Char> group_id,
    int opt,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetGroupReceiveMessageOpt(group_id, opt, user_data);
  }

  late final _DartSetGroupReceiveMessageOptPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Int64, ffi.Pointer<ffi.Char>)
    >
  >('DartSetGroupReceiveMessageOpt');
  late final _DartSetGroupReceiveMessageOpt =
      _DartSetGroupReceiveMessageOptPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, int, ffi.Pointer<ffi.Char>)
      >();

  int DartSetAllReceiveMessageOpt(
    int opt,
    int start_hour,
    int start_minute,
    int start_second,
    int duration_seconds,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetAllReceiveMessageOpt(
      opt,
      start_hour,
      start_minute,
      start_second,
      duration_seconds,
      user_data,
    );
  }

  late final _DartSetAllReceiveMessageOptPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Int64,
        ffi.Int64,
        ffi.Int64,
        ffi.Int64,
        ffi.Int32,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartSetAllReceiveMessageOpt');
  late final _DartSetAllReceiveMessageOpt =
      _DartSetAllReceiveMessageOptPtr.asFunction<
        int Function(int, int, int, int, int, ffi.Pointer<ffi.Char>)
      >();

  int DartSetAllReceiveMessageOpt2(
    int opt,
    int start_time_stamp,
    int duration_seconds,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetAllReceiveMessageOpt2(
      opt,
      start_time_stamp,
      duration_seconds,
      user_data,
    );
  }

  late final _DartSetAllReceiveMessageOpt2Ptr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Int64, ffi.Uint64, ffi.Int64, ffi.Pointer<ffi.Char>)
    >
  >('DartSetAllReceiveMessageOpt2');
  late final _DartSetAllReceiveMessageOpt2 =
      _DartSetAllReceiveMessageOpt2Ptr.asFunction<
        int Function(int, int, int, ffi.Pointer<ffi.Char>)
      >();

  int DartGetAllReceiveMessageOpt(ffi.Pointer<ffi.Char> user_data) {
    return _DartGetAllReceiveMessageOpt(user_data);
  }

  late final _DartGetAllReceiveMessageOptPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartGetAllReceiveMessageOpt');
  late final _DartGetAllReceiveMessageOpt =
      _DartGetAllReceiveMessageOptPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartRevokeMessage(
    ffi.Pointer<ffi.Char> conv_id,
    int conv_type,
    ffi.Pointer<ffi.Char> json_msg_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartRevokeMessage(conv_id, conv_type, json_msg_param, user_data);
  }

  late final _DartRevokeMessagePtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Int64,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartRevokeMessage');
  late final _DartRevokeMessage = _DartRevokeMessagePtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      int,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartModifyMessage(
    ffi.Pointer<ffi.Char> json_msg_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartModifyMessage(json_msg_param, user_data);
  }

  late final _DartModifyMessagePtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartModifyMessage');
  late final _DartModifyMessage = _DartModifyMessagePtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartDeleteMessageFromLocalStorage(
    ffi.Pointer<ffi.Char> conv_id,
    int conv_type,
    ffi.Pointer<ffi.Char> json_msgdel_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartDeleteMessageFromLocalStorage(
      conv_id,
      conv_type,
      json_msgdel_param,
      user_data,
    );
  }

  late final _DartDeleteMessageFromLocalStoragePtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Int64,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartDeleteMessageFromLocalStorage');
  late final _DartDeleteMessageFromLocalStorage =
      _DartDeleteMessageFromLocalStoragePtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          int,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartDeleteMessages(
    ffi.Pointer<ffi.Char> conv_id,
    int conv_type,
    ffi.Pointer<ffi.Char> json_msg_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartDeleteMessages(conv_id, conv_type, json_msg_array, user_data);
  }

  late final _DartDeleteMessagesPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Int64,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartDeleteMessages');
  late final _DartDeleteMessages = _DartDeleteMessagesPtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      int,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartClearHistoryMessage(
    ffi.Pointer<ffi.Char> conv_id,
    int conv_type,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartClearHistoryMessage(conv_id, conv_type, user_data);
  }

  late final _DartClearHistoryMessagePtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Int64, ffi.Pointer<ffi.Char>)
    >
  >('DartClearHistoryMessage');
  late final _DartClearHistoryMessage = _DartClearHistoryMessagePtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, int, ffi.Pointer<ffi.Char>)
  >();

  int DartSaveMessage(
    ffi.Pointer<ffi.Char> conv_id,
    int conv_type,
    ffi.Pointer<ffi.Char> json_msg_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSaveMessage(conv_id, conv_type, json_msg_param, user_data);
  }

  late final _DartSaveMessagePtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Int64,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartSaveMessage');
  late final _DartSaveMessage = _DartSaveMessagePtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      int,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartFindMessages(
    ffi.Pointer<ffi.Char> json_message_id_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartFindMessages(json_message_id_array, user_data);
  }

  late final _DartFindMessagesPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartFindMessages');
  late final _DartFindMessages = _DartFindMessagesPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartSearchLocalMessages(
    ffi.Pointer<ffi.Char> json_search_message_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSearchLocalMessages(json_search_message_param, user_data);
  }

  late final _DartSearchLocalMessagesPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartSearchLocalMessages');
  late final _DartSearchLocalMessages = _DartSearchLocalMessagesPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartSearchCloudMessages(
    ffi.Pointer<ffi.Char> json_search_message_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSearchCloudMessages(json_search_message_param, user_data);
  }

  late final _DartSearchCloudMessagesPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartSearchCloudMessages');
  late final _DartSearchCloudMessages = _DartSearchCloudMessagesPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartSendMessageReadReceipts(
    ffi.Pointer<ffi.Char> json_msg_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSendMessageReadReceipts(json_msg_array, user_data);
  }

  late final _DartSendMessageReadReceiptsPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartSendMessageReadReceipts');
  late final _DartSendMessageReadReceipts =
      _DartSendMessageReadReceiptsPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  int DartGetMessageReadReceipts(
    ffi.Pointer<ffi.Char> json_msg_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetMessageReadReceipts(json_msg_array, user_data);
  }

  late final _DartGetMessageReadReceiptsPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartGetMessageReadReceipts');
  late final _DartGetMessageReadReceipts =
      _DartGetMessageReadReceiptsPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  /// Completes in a shape of its own, possibly more than once: "code" always 0,
  /// "desc" always empty, plus "next_seq" and "is_finished". Keep user_data
  /// until a completion with "is_finished": true.
  int DartGetGroupMessageReadMemberList(
    ffi.Pointer<ffi.Char> json_msg,
    int filter,
    int next_seq,
    int count,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetGroupMessageReadMemberList(
      json_msg,
      filter,
      next_seq,
      count,
      user_data,
    );
  }

  late final _DartGetGroupMessageReadMemberListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Int64,
        ffi.Uint64,
        ffi.Int64,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartGetGroupMessageReadMemberList');
  late final _DartGetGroupMessageReadMemberList =
      _DartGetGroupMessageReadMemberListPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          int,
          int,
          int,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartSetMessageExtensions(
    ffi.Pointer<ffi.Char> json_msg,
    ffi.Pointer<ffi.Char> json_extension_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetMessageExtensions(json_msg, json_extension_array, user_data);
  }

  late final _DartSetMessageExtensionsPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartSetMessageExtensions');
  late final _DartSetMessageExtensions =
      _DartSetMessageExtensionsPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartGetMessageExtensions(
    ffi.Pointer<ffi.Char> json_msg,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetMessageExtensions(json_msg, user_data);
  }

  late final _DartGetMessageExtensionsPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartGetMessageExtensions');
  late final _DartGetMessageExtensions =
      _DartGetMessageExtensionsPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  int DartDeleteMessageExtensions(
    ffi.Pointer<ffi.Char> json_msg,
    ffi.Pointer<ffi.Char> json_extension_key_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartDeleteMessageExtensions(
      json_msg,
      json_extension_key_array,
      user_data,
    );
  }

  late final _DartDeleteMessageExtensionsPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartDeleteMessageExtensions');
  late final _DartDeleteMessageExtensions =
      _DartDeleteMessageExtensionsPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartAddMessageReaction(
    ffi.Pointer<ffi.Char> json_msg,
    ffi.Pointer<ffi.Char> reaction_id,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartAddMessageReaction(json_msg, reaction_id, user_data);
  }

  late final _DartAddMessageReactionPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartAddMessageReaction');
  late final _DartAddMessageReaction = _DartAddMessageReactionPtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartRemoveMessageReaction(
    ffi.Pointer<ffi.Char> json_msg,
    ffi.Pointer<ffi.Char> reaction_id,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartRemoveMessageReaction(json_msg, reaction_id, user_data);
  }

  late final _DartRemoveMessageReactionPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartRemoveMessageReaction');
  late final _DartRemoveMessageReaction =
      _DartRemoveMessageReactionPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartGetMessageReactions(
    ffi.Pointer<ffi.Char> json_msg_array,
    int max_user_count_per_reaction,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetMessageReactions(
      json_msg_array,
      max_user_count_per_reaction,
      user_data,
    );
  }

  late final _DartGetMessageReactionsPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Int64, ffi.Pointer<ffi.Char>)
    >
  >('DartGetMessageReactions');
  late final _DartGetMessageReactions = _DartGetMessageReactionsPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, int, ffi.Pointer<ffi.Char>)
  >();

  int DartGetAllUserListOfMessageReaction(
    ffi.Pointer<ffi.Char> json_msg,
    ffi.Pointer<ffi.Char> reaction_id,
    int next_seq,
    int count,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetAllUserListOfMessageReaction(
      json_msg,
      reaction_id,
      next_seq,
      count,
      user_data,
    );
  }

  late final _DartGetAllUserListOfMessageReactionPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Uint64,
        ffi.Int64,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartGetAllUserListOfMessageReaction');
  late final _DartGetAllUserListOfMessageReaction =
      _DartGetAllUserListOfMessageReactionPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          int,
          int,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartTranslateText(
    ffi.Pointer<ffi.Char> json_source_text_array,
    ffi.Pointer<ffi.Char> source_language,
    ffi.Pointer<ffi.Char> target_language,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartTranslateText(
      json_source_text_array,
      source_language,
      target_language,
      user_data,
    );
  }

  late final _DartTranslateTextPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartTranslateText');
  late final _DartTranslateText = _DartTranslateTextPtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartConvertVoiceToText(
    ffi.Pointer<ffi.Char> url,
    ffi.Pointer<ffi.Char> language,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartConvertVoiceToText(url, language, user_data);
  }

  late final _DartConvertVoiceToTextPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartConvertVoiceToText');
  late final _DartConvertVoiceToText = _DartConvertVoiceToTextPtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartPinGroupMessage(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> json_msg,
    int is_pinned,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartPinGroupMessage(group_id, json_msg, is_pinned, user_data);
  }

  late final _DartPinGroupMessagePtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Int64,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartPinGroupMessage');
  late final _DartPinGroupMessage = _DartPinGroupMessagePtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      int,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartGetPinnedGroupMessageList(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetPinnedGroupMessageList(group_id, user_data);
  }

  late final _DartGetPinnedGroupMessageListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartGetPinnedGroupMessageList');
  late final _DartGetPinnedGroupMessageList =
      _DartGetPinnedGroupMessageListPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  int DartMsgStartTTS(
    ffi.Pointer<ffi.Char> json_msg,
    ffi.Pointer<ffi.Char> voice_id,
    int speed,
    int volume,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartMsgStartTTS(json_msg, voice_id, speed, volume, user_data);
  }

  late final _DartMsgStartTTSPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Int64,
        ffi.Int64,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartMsgStartTTS');
  late final _DartMsgStartTTS = _DartMsgStartTTSPtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      int,
      int,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartMsgStopTTS(
    ffi.Pointer<ffi.Char> json_msg,
    ffi.Pointer<ffi.Char> task_id,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartMsgStopTTS(json_msg, task_id, user_data);
  }

  late final _DartMsgStopTTSPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartMsgStopTTS');
  late final _DartMsgStopTTS = _DartMsgStopTTSPtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartMarkMessageAsRead(
    ffi.Pointer<ffi.Char> conv_id,
    int conv_type,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartMarkMessageAsRead(conv_id, conv_type, user_data);
  }

  late final _DartMarkMessageAsReadPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Int64, ffi.Pointer<ffi.Char>)
    >
  >('DartMarkMessageAsRead');
  late final _DartMarkMessageAsRead = _DartMarkMessageAsReadPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, int, ffi.Pointer<ffi.Char>)
  >();

  int DartMarkAllMessageAsRead(ffi.Pointer<ffi.Char> user_data) {
    return _DartMarkAllMessageAsRead(user_data);
  }

  late final _DartMarkAllMessageAsReadPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartMarkAllMessageAsRead');
  late final _DartMarkAllMessageAsRead =
      _DartMarkAllMessageAsReadPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetOfflinePushToken(
    ffi.Pointer<ffi.Char> json_token,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetOfflinePushToken(json_token, user_data);
  }

  late final _DartSetOfflinePushTokenPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartSetOfflinePushToken');
  late final _DartSetOfflinePushToken = _DartSetOfflinePushTokenPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartDoBackground(int unread_count, ffi.Pointer<ffi.Char> user_data) {
    return _DartDoBackground(unread_count, user_data);
  }

  late final _DartDoBackgroundPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Int64, ffi.Pointer<ffi.Char>)
    >
  >('DartDoBackground');
  late final _DartDoBackground = _DartDoBackgroundPtr.asFunction<
    int Function(int, ffi.Pointer<ffi.Char>)
  >();

  int DartDoForeground(ffi.Pointer<ffi.Char> user_data) {
    return _DartDoForeground(user_data);
  }

  late final _DartDoForegroundPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartDoForeground');
  late final _DartDoForeground = _DartDoForegroundPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>)
  >();

  int DartCallExperimentalAPI(
    ffi.Pointer<ffi.Char> json_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartCallExperimentalAPI(json_param, user_data);
  }

  late final _DartCallExperimentalAPIPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartCallExperimentalAPI');
  late final _DartCallExperimentalAPI = _DartCallExperimentalAPIPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartCreateGroup(
    ffi.Pointer<ffi.Char> json_group_create_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartCreateGroup(json_group_create_param, user_data);
  }

  late final _DartCreateGroupPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartCreateGroup');
  late final _DartCreateGroup = _DartCreateGroupPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartDeleteGroup(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartDeleteGroup(group_id, user_data);
  }

  late final _DartDeleteGroupPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartDeleteGroup');
  late final _DartDeleteGroup = _DartDeleteGroupPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartJoinGroup(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> hello_msg,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartJoinGroup(group_id, hello_msg, user_data);
  }

  late final _DartJoinGroupPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartJoinGroup');
  late final _DartJoinGroup = _DartJoinGroupPtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartQuitGroup(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartQuitGroup(group_id, user_data);
  }

  late final _DartQuitGroupPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartQuitGroup');
  late final _DartQuitGroup = _DartQuitGroupPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartGetJoinedGroupList(ffi.Pointer<ffi.Char> user_data) {
    return _DartGetJoinedGroupList(user_data);
  }

  late final _DartGetJoinedGroupListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartGetJoinedGroupList');
  late final _DartGetJoinedGroupList = _DartGetJoinedGroupListPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>)
  >();

  int DartGetGroupsInfo(
    ffi.Pointer<ffi.Char> json_group_id_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetGroupsInfo(json_group_id_array, user_data);
  }

  late final _DartGetGroupsInfoPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartGetGroupsInfo');
  late final _DartGetGroupsInfo = _DartGetGroupsInfoPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartSearchGroups(
    ffi.Pointer<ffi.Char> json_group_search_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSearchGroups(json_group_search_param, user_data);
  }

  late final _DartSearchGroupsPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartSearchGroups');
  late final _DartSearchGroups = _DartSearchGroupsPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartSearchCloudGroups(
    ffi.Pointer<ffi.Char> json_group_search_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSearchCloudGroups(json_group_search_param, user_data);
  }

  late final _DartSearchCloudGroupsPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartSearchCloudGroups');
  late final _DartSearchCloudGroups = _DartSearchCloudGroupsPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartSetGroupInfo(
    ffi.Pointer<ffi.Char> json_group_modify_info_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetGroupInfo(json_group_modify_info_param, user_data);
  }

  late final _DartSetGroupInfoPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartSetGroupInfo');
  late final _DartSetGroupInfo = _DartSetGroupInfoPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartInitGroupAttributes(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> json_group_attributes,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartInitGroupAttributes(group_id, json_group_attributes, user_data);
  }

  late final _DartInitGroupAttributesPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartInitGroupAttributes');
  late final _DartInitGroupAttributes = _DartInitGroupAttributesPtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartSetGroupAttributes(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> json_group_attributes,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetGroupAttributes(group_id, json_group_attributes, user_data);
  }

  late final _DartSetGroupAttributesPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartSetGroupAttributes');
  late final _DartSetGroupAttributes = _DartSetGroupAttributesPtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartDeleteGroupAttributes(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> json_key_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartDeleteGroupAttributes(group_id, json_key_array, user_data);
  }

  late final _DartDeleteGroupAttributesPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartDeleteGroupAttributes');
  late final _DartDeleteGroupAttributes =
      _DartDeleteGroupAttributesPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartGetGroupAttributes(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> json_key_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetGroupAttributes(group_id, json_key_array, user_data);
  }

  late final _DartGetGroupAttributesPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartGetGroupAttributes');
  late final _DartGetGroupAttributes = _DartGetGroupAttributesPtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartGetOnlineMemberCount(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetOnlineMemberCount(group_id, user_data);
  }

  late final _DartGetOnlineMemberCountPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartGetOnlineMemberCount');
  late final _DartGetOnlineMemberCount =
      _DartGetOnlineMemberCountPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  int DartSetGroupCounters(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> json_group_counter_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetGroupCounters(group_id, json_group_counter_array, user_data);
  }

  late final _DartSetGroupCountersPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartSetGroupCounters');
  late final _DartSetGroupCounters = _DartSetGroupCountersPtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartGetGroupCounters(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> json_group_counter_key_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetGroupCounters(
      group_id,
      json_group_counter_key_array,
      user_data,
    );
  }

  late final _DartGetGroupCountersPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartGetGroupCounters');
  late final _DartGetGroupCounters = _DartGetGroupCountersPtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartIncreaseGroupCounter(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> group_counter_key,
    int group_counter_value,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartIncreaseGroupCounter(
      group_id,
      group_counter_key,
      group_counter_value,
      user_data,
    );
  }

  late final _DartIncreaseGroupCounterPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Int64,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartIncreaseGroupCounter');
  late final _DartIncreaseGroupCounter =
      _DartIncreaseGroupCounterPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          int,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartDecreaseGroupCounter(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> group_counter_key,
    int group_counter_value,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartDecreaseGroupCounter(
      group_id,
      group_counter_key,
      group_counter_value,
      user_data,
    );
  }

  late final _DartDecreaseGroupCounterPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Int64,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartDecreaseGroupCounter');
  late final _DartDecreaseGroupCounter =
      _DartDecreaseGroupCounterPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          int,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartGetGroupMemberList(
    ffi.Pointer<ffi.Char> json_group_getmeminfos_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetGroupMemberList(json_group_getmeminfos_param, user_data);
  }

  late final _DartGetGroupMemberListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartGetGroupMemberList');
  late final _DartGetGroupMemberList = _DartGetGroupMemberListPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartSearchGroupMembers(
    ffi.Pointer<ffi.Char> json_group_member_search_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSearchGroupMembers(json_group_member_search_param, user_data);
  }

  late final _DartSearchGroupMembersPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartSearchGroupMembers');
  late final _DartSearchGroupMembers = _DartSearchGroupMembersPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartSearchCloudGroupMembers(
    ffi.Pointer<ffi.Char> json_group_member_search_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSearchCloudGroupMembers(
      json_group_member_search_param,
      user_data,
    );
  }

  late final _DartSearchCloudGroupMembersPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartSearchCloudGroupMembers');
  late final _DartSearchCloudGroupMembers =
      _DartSearchCloudGroupMembersPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  int DartModifyGroupMemberInfo(
    ffi.Pointer<ffi.Char> json_group_modifymeminfo_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartModifyGroupMemberInfo(
      json_group_modifymeminfo_param,
      user_data,
    );
  }

  late final _DartModifyGroupMemberInfoPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartModifyGroupMemberInfo');
  late final _DartModifyGroupMemberInfo =
      _DartModifyGroupMemberInfoPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  int DartInviteUserToGroup(
    ffi.Pointer<ffi.Char> json_group_invite_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartInviteUserToGroup(json_group_invite_param, user_data);
  }

  late final _DartInviteUserToGroupPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartInviteUserToGroup');
  late final _DartInviteUserToGroup = _DartInviteUserToGroupPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartKickGroupMember(
    ffi.Pointer<ffi.Char> json_group_delete_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartKickGroupMember(json_group_delete_param, user_data);
  }

  late final _DartKickGroupMemberPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartKickGroupMember');
  late final _DartKickGroupMember = _DartKickGroupMemberPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartMarkGroupMemberList(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> json_member_array,
    int mark_type,
    int enable_mark,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartMarkGroupMemberList(
      group_id,
      json_member_array,
      mark_type,
      enable_mark,
      user_data,
    );
  }

  late final _DartMarkGroupMemberListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Int64,
        ffi.Int64,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartMarkGroupMemberList');
  late final _DartMarkGroupMemberList = _DartMarkGroupMemberListPtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      int,
      int,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartGetGroupPendencyList(
    ffi.Pointer<ffi.Char> json_group_getpendence_list_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetGroupPendencyList(
      json_group_getpendence_list_param,
      user_data,
    );
  }

  late final _DartGetGroupPendencyListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartGetGroupPendencyList');
  late final _DartGetGroupPendencyList =
      _DartGetGroupPendencyListPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  int DartHandleGroupPendency(
    ffi.Pointer<ffi.Char> json_group_handle_pendency_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartHandleGroupPendency(
      json_group_handle_pendency_param,
      user_data,
    );
  }

  late final _DartHandleGroupPendencyPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartHandleGroupPendency');
  late final _DartHandleGroupPendency = _DartHandleGroupPendencyPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartMarkGroupPendencyRead(
    int time_stamp,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartMarkGroupPendencyRead(time_stamp, user_data);
  }

  late final _DartMarkGroupPendencyReadPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Uint64, ffi.Pointer<ffi.Char>)
    >
  >('DartMarkGroupPendencyRead');
  late final _DartMarkGroupPendencyRead =
      _DartMarkGroupPendencyReadPtr.asFunction<
        int Function(int, ffi.Pointer<ffi.Char>)
      >();

  int DartCreateCommunity(
    ffi.Pointer<ffi.Char> json_group_create_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartCreateCommunity(json_group_create_param, user_data);
  }

  late final _DartCreateCommunityPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartCreateCommunity');
  late final _DartCreateCommunity = _DartCreateCommunityPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartGetJoinedCommunityList(ffi.Pointer<ffi.Char> user_data) {
    return _DartGetJoinedCommunityList(user_data);
  }

  late final _DartGetJoinedCommunityListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartGetJoinedCommunityList');
  late final _DartGetJoinedCommunityList =
      _DartGetJoinedCommunityListPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartCreateTopicInCommunity(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> json_topic_info,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartCreateTopicInCommunity(group_id, json_topic_info, user_data);
  }

  late final _DartCreateTopicInCommunityPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartCreateTopicInCommunity');
  late final _DartCreateTopicInCommunity =
      _DartCreateTopicInCommunityPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartDeleteTopicFromCommunity(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> json_topic_id_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartDeleteTopicFromCommunity(
      group_id,
      json_topic_id_array,
      user_data,
    );
  }

  late final _DartDeleteTopicFromCommunityPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartDeleteTopicFromCommunity');
  late final _DartDeleteTopicFromCommunity =
      _DartDeleteTopicFromCommunityPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartSetTopicInfo(
    ffi.Pointer<ffi.Char> json_topic_info,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetTopicInfo(json_topic_info, user_data);
  }

  late final _DartSetTopicInfoPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartSetTopicInfo');
  late final _DartSetTopicInfo = _DartSetTopicInfoPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartGetTopicInfoList(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> json_topic_id_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetTopicInfoList(group_id, json_topic_id_array, user_data);
  }

  late final _DartGetTopicInfoListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartGetTopicInfoList');
  late final _DartGetTopicInfoList = _DartGetTopicInfoListPtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartSetTopicInheritMessageReceiveOptionFromCommunity(
    ffi.Pointer<ffi.Char> topic_id,
    int is_inherit,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetTopicInheritMessageReceiveOptionFromCommunity(
      topic_id,
      is_inherit,
      user_data,
    );
  }

  late final _DartSetTopicInheritMessageReceiveOptionFromCommunityPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Int64, ffi.Pointer<ffi.Char>)
    >
  >('DartSetTopicInheritMessageReceiveOptionFromCommunity');
  late final _DartSetTopicInheritMessageReceiveOptionFromCommunity =
      _DartSetTopicInheritMessageReceiveOptionFromCommunityPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, int, ffi.Pointer<ffi.Char>)
      >();

  int DartCreatePermissionGroupInCommunity(
    ffi.Pointer<ffi.Char> json_permission_group_info,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartCreatePermissionGroupInCommunity(
      json_permission_group_info,
      user_data,
    );
  }

  late final _DartCreatePermissionGroupInCommunityPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartCreatePermissionGroupInCommunity');
  late final _DartCreatePermissionGroupInCommunity =
      _DartCreatePermissionGroupInCommunityPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  int DartDeletePermissionGroupFromCommunity(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> json_permission_group_id_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartDeletePermissionGroupFromCommunity(
      group_id,
      json_permission_group_id_array,
      user_data,
    );
  }

  late final _DartDeletePermissionGroupFromCommunityPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartDeletePermissionGroupFromCommunity');
  late final _DartDeletePermissionGroupFromCommunity =
      _DartDeletePermissionGroupFromCommunityPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartModifyPermissionGroupInfoInCommunity(
    ffi.Pointer<ffi.Char> json_permission_group_info,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartModifyPermissionGroupInfoInCommunity(
      json_permission_group_info,
      user_data,
    );
  }

  late final _DartModifyPermissionGroupInfoInCommunityPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartModifyPermissionGroupInfoInCommunity');
  late final _DartModifyPermissionGroupInfoInCommunity =
      _DartModifyPermissionGroupInfoInCommunityPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  int DartGetJoinedPermissionGroupListInCommunity(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetJoinedPermissionGroupListInCommunity(group_id, user_data);
  }

  late final _DartGetJoinedPermissionGroupListInCommunityPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartGetJoinedPermissionGroupListInCommunity');
  late final _DartGetJoinedPermissionGroupListInCommunity =
      _DartGetJoinedPermissionGroupListInCommunityPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  int DartGetPermissionGroupListInCommunity(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> json_permission_group_id_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetPermissionGroupListInCommunity(
      group_id,
      json_permission_group_id_array,
      user_data,
    );
  }

  late final _DartGetPermissionGroupListInCommunityPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartGetPermissionGroupListInCommunity');
  late final _DartGetPermissionGroupListInCommunity =
      _DartGetPermissionGroupListInCommunityPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartAddCommunityMembersToPermissionGroup(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> permission_group_id,
    ffi.Pointer<ffi.Char> json_member_id_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartAddCommunityMembersToPermissionGroup(
      group_id,
      permission_group_id,
      json_member_id_array,
      user_data,
    );
  }

  late final _DartAddCommunityMembersToPermissionGroupPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartAddCommunityMembersToPermissionGroup');
  late final _DartAddCommunityMembersToPermissionGroup =
      _DartAddCommunityMembersToPermissionGroupPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartRemoveCommunityMembersFromPermissionGroup(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> permission_group_id,
    ffi.Pointer<ffi.Char> json_member_id_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartRemoveCommunityMembersFromPermissionGroup(
      group_id,
      permission_group_id,
      json_member_id_array,
      user_data,
    );
  }

  late final _DartRemoveCommunityMembersFromPermissionGroupPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartRemoveCommunityMembersFromPermissionGroup');
  late final _DartRemoveCommunityMembersFromPermissionGroup =
      _DartRemoveCommunityMembersFromPermissionGroupPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartGetCommunityMemberListInPermissionGroup(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> permission_group_id,
    ffi.Pointer<ffi.Char> next_cursor,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetCommunityMemberListInPermissionGroup(
      group_id,
      permission_group_id,
      next_cursor,
      user_data,
    );
  }

  late final _DartGetCommunityMemberListInPermissionGroupPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartGetCommunityMemberListInPermissionGroup');
  late final _DartGetCommunityMemberListInPermissionGroup =
      _DartGetCommunityMemberListInPermissionGroupPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartAddTopicPermissionToPermissionGroup(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> permission_group_id,
    ffi.Pointer<ffi.Char> json_topic_permission_map,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartAddTopicPermissionToPermissionGroup(
      group_id,
      permission_group_id,
      json_topic_permission_map,
      user_data,
    );
  }

  late final _DartAddTopicPermissionToPermissionGroupPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartAddTopicPermissionToPermissionGroup');
  late final _DartAddTopicPermissionToPermissionGroup =
      _DartAddTopicPermissionToPermissionGroupPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartDeleteTopicPermissionFromPermissionGroup(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> permission_group_id,
    ffi.Pointer<ffi.Char> json_topic_id_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartDeleteTopicPermissionFromPermissionGroup(
      group_id,
      permission_group_id,
      json_topic_id_array,
      user_data,
    );
  }

  late final _DartDeleteTopicPermissionFromPermissionGroupPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartDeleteTopicPermissionFromPermissionGroup');
  late final _DartDeleteTopicPermissionFromPermissionGroup =
      _DartDeleteTopicPermissionFromPermissionGroupPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartModifyTopicPermissionInPermissionGroup(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> permission_group_id,
    ffi.Pointer<ffi.Char> json_topic_permission_map,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartModifyTopicPermissionInPermissionGroup(
      group_id,
      permission_group_id,
      json_topic_permission_map,
      user_data,
    );
  }

  late final _DartModifyTopicPermissionInPermissionGroupPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartModifyTopicPermissionInPermissionGroup');
  late final _DartModifyTopicPermissionInPermissionGroup =
      _DartModifyTopicPermissionInPermissionGroupPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartGetTopicPermissionInPermissionGroup(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> permission_group_id,
    ffi.Pointer<ffi.Char> json_topic_id_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetTopicPermissionInPermissionGroup(
      group_id,
      permission_group_id,
      json_topic_id_array,
      user_data,
    );
  }

  late final _DartGetTopicPermissionInPermissionGroupPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartGetTopicPermissionInPermissionGroup');
  late final _DartGetTopicPermissionInPermissionGroup =
      _DartGetTopicPermissionInPermissionGroupPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartGetConversationList(ffi.Pointer<ffi.Char> user_data) {
    return _DartGetConversationList(user_data);
  }

  late final _DartGetConversationListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartGetConversationList');
  late final _DartGetConversationList = _DartGetConversationListPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>)
  >();

  int DartGetConversation(
    ffi.Pointer<ffi.Char> json_get_conv_list_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetConversation(json_get_conv_list_param, user_data);
  }

  late final _DartGetConversationPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartGetConversation');
  late final _DartGetConversation = _DartGetConversationPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartGetConversationListByFilter(
    ffi.Pointer<ffi.Char> json_filter,
    int next_seq,
    int count,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetConversationListByFilter(
      json_filter,
      next_seq,
      count,
      user_data,
    );
  }

  late final _DartGetConversationListByFilterPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Uint64,
        ffi.Int64,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartGetConversationListByFilter');
  late final _DartGetConversationListByFilter =
      _DartGetConversationListByFilterPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, int, int, ffi.Pointer<ffi.Char>)
      >();

  int DartDeleteConversation(
    ffi.Pointer<ffi.Char> conv_id,
    int conv_type,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartDeleteConversation(conv_id, conv_type, user_data);
  }

  late final _DartDeleteConversationPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Int64, ffi.Pointer<ffi.Char>)
    >
  >('DartDeleteConversation');
  late final _DartDeleteConversation = _DartDeleteConversationPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, int, ffi.Pointer<ffi.Char>)
  >();

  int DartDeleteConversationList(
    ffi.Pointer<ffi.Char> json_conversation_id_array,
    int clear_message,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartDeleteConversationList(
      json_conversation_id_array,
      clear_message,
      user_data,
    );
  }

  late final _DartDeleteConversationListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Int64, ffi.Pointer<ffi.Char>)
    >
  >('DartDeleteConversationList');
  late final _DartDeleteConversationList =
      _DartDeleteConversationListPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, int, ffi.Pointer<ffi.Char>)
      >();

  int DartSetConversationDraft(
    ffi.Pointer<ffi.Char> conv_id,
    int conv_type,
    ffi.Pointer<ffi.Char> json_draft_param,
  ) {
    return _DartSetConversationDraft(conv_id, conv_type, json_draft_param);
  }

  late final _DartSetConversationDraftPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Int64, ffi.Pointer<ffi.Char>)
    >
  >('DartSetConversationDraft');
  late final _DartSetConversationDraft =
      _DartSetConversationDraftPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, int, ffi.Pointer<ffi.Char>)
      >();

  int DartCancelConversationDraft(
    ffi.Pointer<ffi.Char> conv_id,
    int conv_type,
  ) {
    return _DartCancelConversationDraft(conv_id, conv_type);
  }

  late final _DartCancelConversationDraftPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Int64)
    >
  >('DartCancelConversationDraft');
  late final _DartCancelConversationDraft =
      _DartCancelConversationDraftPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, int)
      >();

  int DartSetConversationCustomData(
    ffi.Pointer<ffi.Char> json_conversation_id_array,
    ffi.Pointer<ffi.Char> custom_data,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetConversationCustomData(
      json_conversation_id_array,
      custom_data,
      user_data,
    );
  }

  late final _DartSetConversationCustomDataPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartSetConversationCustomData');
  late final _DartSetConversationCustomData =
      _DartSetConversationCustomDataPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartPinConversation(
    ffi.Pointer<ffi.Char> conv_id,
    int conv_type,
    int is_pinned,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartPinConversation(conv_id, conv_type, is_pinned, user_data);
  }

  late final _DartPinConversationPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Int64,
        ffi.Int64,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartPinConversation');
  late final _DartPinConversation = _DartPinConversationPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, int, int, ffi.Pointer<ffi.Char>)
  >();

  int DartMarkConversation(
    ffi.Pointer<ffi.Char> json_conversation_id_array,
    int mark_type,
    int enable_mark,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartMarkConversation(
      json_conversation_id_array,
      mark_type,
      enable_mark,
      user_data,
    );
  }

  late final _DartMarkConversationPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Int64,
        ffi.Int64,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartMarkConversation');
  late final _DartMarkConversation = _DartMarkConversationPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, int, int, ffi.Pointer<ffi.Char>)
  >();

  int DartGetTotalUnreadMessageCount(ffi.Pointer<ffi.Char> user_data) {
    return _DartGetTotalUnreadMessageCount(user_data);
  }

  late final _DartGetTotalUnreadMessageCountPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartGetTotalUnreadMessageCount');
  late final _DartGetTotalUnreadMessageCount =
      _DartGetTotalUnreadMessageCountPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartGetUnreadMessageCountByFilter(
    ffi.Pointer<ffi.Char> json_filter,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetUnreadMessageCountByFilter(json_filter, user_data);
  }

  late final _DartGetUnreadMessageCountByFilterPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartGetUnreadMessageCountByFilter');
  late final _DartGetUnreadMessageCountByFilter =
      _DartGetUnreadMessageCountByFilterPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  int DartSubscribeUnreadMessageCountByFilter(
    ffi.Pointer<ffi.Char> json_filter,
  ) {
    return _DartSubscribeUnreadMessageCountByFilter(json_filter);
  }

  late final _DartSubscribeUnreadMessageCountByFilterPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSubscribeUnreadMessageCountByFilter');
  late final _DartSubscribeUnreadMessageCountByFilter =
      _DartSubscribeUnreadMessageCountByFilterPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartUnsubscribeUnreadMessageCountByFilter(
    ffi.Pointer<ffi.Char> json_filter,
  ) {
    return _DartUnsubscribeUnreadMessageCountByFilter(json_filter);
  }

  late final _DartUnsubscribeUnreadMessageCountByFilterPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartUnsubscribeUnreadMessageCountByFilter');
  late final _DartUnsubscribeUnreadMessageCountByFilter =
      _DartUnsubscribeUnreadMessageCountByFilterPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartCleanConversationUnreadMessageCount(
    ffi.Pointer<ffi.Char> conversation_id,
    int clean_timestamp,
    int clean_sequence,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartCleanConversationUnreadMessageCount(
      conversation_id,
      clean_timestamp,
      clean_sequence,
      user_data,
    );
  }

  late final _DartCleanConversationUnreadMessageCountPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Uint64,
        ffi.Uint64,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartCleanConversationUnreadMessageCount');
  late final _DartCleanConversationUnreadMessageCount =
      _DartCleanConversationUnreadMessageCountPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, int, int, ffi.Pointer<ffi.Char>)
      >();

  int DartCreateConversationGroup(
    ffi.Pointer<ffi.Char> group_name,
    ffi.Pointer<ffi.Char> json_conversation_id_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartCreateConversationGroup(
      group_name,
      json_conversation_id_array,
      user_data,
    );
  }

  late final _DartCreateConversationGroupPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartCreateConversationGroup');
  late final _DartCreateConversationGroup =
      _DartCreateConversationGroupPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartGetConversationGroupList(ffi.Pointer<ffi.Char> user_data) {
    return _DartGetConversationGroupList(user_data);
  }

  late final _DartGetConversationGroupListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartGetConversationGroupList');
  late final _DartGetConversationGroupList =
      _DartGetConversationGroupListPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartDeleteConversationGroup(
    ffi.Pointer<ffi.Char> group_name,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartDeleteConversationGroup(group_name, user_data);
  }

  late final _DartDeleteConversationGroupPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartDeleteConversationGroup');
  late final _DartDeleteConversationGroup =
      _DartDeleteConversationGroupPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  int DartRenameConversationGroup(
    ffi.Pointer<ffi.Char> old_name,
    ffi.Pointer<ffi.Char> new_name,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartRenameConversationGroup(old_name, new_name, user_data);
  }

  late final _DartRenameConversationGroupPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartRenameConversationGroup');
  late final _DartRenameConversationGroup =
      _DartRenameConversationGroupPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartAddConversationsToGroup(
    ffi.Pointer<ffi.Char> group_name,
    ffi.Pointer<ffi.Char> json_conversation_id_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartAddConversationsToGroup(
      group_name,
      json_conversation_id_array,
      user_data,
    );
  }

  late final _DartAddConversationsToGroupPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartAddConversationsToGroup');
  late final _DartAddConversationsToGroup =
      _DartAddConversationsToGroupPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartDeleteConversationsFromGroup(
    ffi.Pointer<ffi.Char> group_name,
    ffi.Pointer<ffi.Char> json_conversation_id_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartDeleteConversationsFromGroup(
      group_name,
      json_conversation_id_array,
      user_data,
    );
  }

  late final _DartDeleteConversationsFromGroupPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartDeleteConversationsFromGroup');
  late final _DartDeleteConversationsFromGroup =
      _DartDeleteConversationsFromGroupPtr.asFunction<
        int Function(
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
          ffi.Pointer<ffi.Char>,
        )
      >();

  int DartGetFriendList(ffi.Pointer<ffi.Char> user_data) {
    return _DartGetFriendList(user_data);
  }

  late final _DartGetFriendListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartGetFriendList');
  late final _DartGetFriendList = _DartGetFriendListPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>)
  >();

  int DartGetFriendsInfo(
    ffi.Pointer<ffi.Char> json_get_friends_info_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetFriendsInfo(json_get_friends_info_param, user_data);
  }

  late final _DartGetFriendsInfoPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartGetFriendsInfo');
  late final _DartGetFriendsInfo = _DartGetFriendsInfoPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartSetFriendInfo(
    ffi.Pointer<ffi.Char> json_modify_friend_info_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetFriendInfo(json_modify_friend_info_param, user_data);
  }

  late final _DartSetFriendInfoPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartSetFriendInfo');
  late final _DartSetFriendInfo = _DartSetFriendInfoPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartSearchFriends(
    ffi.Pointer<ffi.Char> json_search_friends_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSearchFriends(json_search_friends_param, user_data);
  }

  late final _DartSearchFriendsPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartSearchFriends');
  late final _DartSearchFriends = _DartSearchFriendsPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartAddFriend(
    ffi.Pointer<ffi.Char> json_add_friend_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartAddFriend(json_add_friend_param, user_data);
  }

  late final _DartAddFriendPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartAddFriend');
  late final _DartAddFriend = _DartAddFriendPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartDeleteFromFriendList(
    ffi.Pointer<ffi.Char> json_delete_friend_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartDeleteFromFriendList(json_delete_friend_param, user_data);
  }

  late final _DartDeleteFromFriendListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartDeleteFromFriendList');
  late final _DartDeleteFromFriendList =
      _DartDeleteFromFriendListPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  int DartCheckFriend(
    ffi.Pointer<ffi.Char> json_check_friend_list_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartCheckFriend(json_check_friend_list_param, user_data);
  }

  late final _DartCheckFriendPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartCheckFriend');
  late final _DartCheckFriend = _DartCheckFriendPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartGetFriendApplicationList(
    ffi.Pointer<ffi.Char> json_get_pendency_list_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetFriendApplicationList(
      json_get_pendency_list_param,
      user_data,
    );
  }

  late final _DartGetFriendApplicationListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartGetFriendApplicationList');
  late final _DartGetFriendApplicationList =
      _DartGetFriendApplicationListPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  int DartHandleFriendAddRequest(
    ffi.Pointer<ffi.Char> json_handle_friend_add_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartHandleFriendAddRequest(json_handle_friend_add_param, user_data);
  }

  late final _DartHandleFriendAddRequestPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartHandleFriendAddRequest');
  late final _DartHandleFriendAddRequest =
      _DartHandleFriendAddRequestPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  int DartDeleteFriendApplication(
    ffi.Pointer<ffi.Char> json_delete_pendency_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartDeleteFriendApplication(json_delete_pendency_param, user_data);
  }

  late final _DartDeleteFriendApplicationPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartDeleteFriendApplication');
  late final _DartDeleteFriendApplication =
      _DartDeleteFriendApplicationPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  int DartSetFriendApplicationRead(
    int time_stamp,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetFriendApplicationRead(time_stamp, user_data);
  }

  late final _DartSetFriendApplicationReadPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Uint64, ffi.Pointer<ffi.Char>)
    >
  >('DartSetFriendApplicationRead');
  late final _DartSetFriendApplicationRead =
      _DartSetFriendApplicationReadPtr.asFunction<
        int Function(int, ffi.Pointer<ffi.Char>)
      >();

  int DartGetBlackList(ffi.Pointer<ffi.Char> user_data) {
    return _DartGetBlackList(user_data);
  }

  late final _DartGetBlackListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartGetBlackList');
  late final _DartGetBlackList = _DartGetBlackListPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>)
  >();

  int DartAddToBlackList(
    ffi.Pointer<ffi.Char> json_add_to_blacklist_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartAddToBlackList(json_add_to_blacklist_param, user_data);
  }

  late final _DartAddToBlackListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartAddToBlackList');
  late final _DartAddToBlackList = _DartAddToBlackListPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartDeleteFromBlackList(
    ffi.Pointer<ffi.Char> json_delete_from_blacklist_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartDeleteFromBlackList(
      json_delete_from_blacklist_param,
      user_data,
    );
  }

  late final _DartDeleteFromBlackListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartDeleteFromBlackList');
  late final _DartDeleteFromBlackList = _DartDeleteFromBlackListPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartCreateFriendGroup(
    ffi.Pointer<ffi.Char> json_create_friend_group_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartCreateFriendGroup(json_create_friend_group_param, user_data);
  }

  late final _DartCreateFriendGroupPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartCreateFriendGroup');
  late final _DartCreateFriendGroup = _DartCreateFriendGroupPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartGetFriendGroupList(
    ffi.Pointer<ffi.Char> json_get_friend_group_list_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetFriendGroupList(json_get_friend_group_list_param, user_data);
  }

  late final _DartGetFriendGroupListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartGetFriendGroupList');
  late final _DartGetFriendGroupList = _DartGetFriendGroupListPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartDeleteFriendGroup(
    ffi.Pointer<ffi.Char> json_delete_friend_group_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartDeleteFriendGroup(json_delete_friend_group_param, user_data);
  }

  late final _DartDeleteFriendGroupPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartDeleteFriendGroup');
  late final _DartDeleteFriendGroup = _DartDeleteFriendGroupPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartModifyFriendGroup(
    ffi.Pointer<ffi.Char> json_modify_friend_group_param,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartModifyFriendGroup(json_modify_friend_group_param, user_data);
  }

  late final _DartModifyFriendGroupPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartModifyFriendGroup');
  late final _DartModifyFriendGroup = _DartModifyFriendGroupPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartSubscribeOfficialAccount(
    ffi.Pointer<ffi.Char> official_account_id,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSubscribeOfficialAccount(official_account_id, user_data);
  }

  late final _DartSubscribeOfficialAccountPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartSubscribeOfficialAccount');
  late final _DartSubscribeOfficialAccount =
      _DartSubscribeOfficialAccountPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  int DartUnsubscribeOfficialAccount(
    ffi.Pointer<ffi.Char> official_account_id,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartUnsubscribeOfficialAccount(official_account_id, user_data);
  }

  late final _DartUnsubscribeOfficialAccountPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartUnsubscribeOfficialAccount');
  late final _DartUnsubscribeOfficialAccount =
      _DartUnsubscribeOfficialAccountPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  int DartGetOfficialAccountsInfo(
    ffi.Pointer<ffi.Char> json_official_account_id_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetOfficialAccountsInfo(
      json_official_account_id_array,
      user_data,
    );
  }

  late final _DartGetOfficialAccountsInfoPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartGetOfficialAccountsInfo');
  late final _DartGetOfficialAccountsInfo =
      _DartGetOfficialAccountsInfoPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  int DartFollowUser(
    ffi.Pointer<ffi.Char> json_user_id_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartFollowUser(json_user_id_array, user_data);
  }

  late final _DartFollowUserPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartFollowUser');
  late final _DartFollowUser = _DartFollowUserPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartUnfollowUser(
    ffi.Pointer<ffi.Char> json_user_id_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartUnfollowUser(json_user_id_array, user_data);
  }

  late final _DartUnfollowUserPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartUnfollowUser');
  late final _DartUnfollowUser = _DartUnfollowUserPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartGetMyFollowingList(
    ffi.Pointer<ffi.Char> next_cursor,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetMyFollowingList(next_cursor, user_data);
  }

  late final _DartGetMyFollowingListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartGetMyFollowingList');
  late final _DartGetMyFollowingList = _DartGetMyFollowingListPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartGetMyFollowersList(
    ffi.Pointer<ffi.Char> next_cursor,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetMyFollowersList(next_cursor, user_data);
  }

  late final _DartGetMyFollowersListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartGetMyFollowersList');
  late final _DartGetMyFollowersList = _DartGetMyFollowersListPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartGetMutualFollowersList(
    ffi.Pointer<ffi.Char> next_cursor,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetMutualFollowersList(next_cursor, user_data);
  }

  late final _DartGetMutualFollowersListPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartGetMutualFollowersList');
  late final _DartGetMutualFollowersList =
      _DartGetMutualFollowersListPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
      >();

  int DartGetUserFollowInfo(
    ffi.Pointer<ffi.Char> json_user_id_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetUserFollowInfo(json_user_id_array, user_data);
  }

  late final _DartGetUserFollowInfoPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartGetUserFollowInfo');
  late final _DartGetUserFollowInfo = _DartGetUserFollowInfoPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartCheckFollowType(
    ffi.Pointer<ffi.Char> json_user_id_array,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartCheckFollowType(json_user_id_array, user_data);
  }

  late final _DartCheckFollowTypePtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartCheckFollowType');
  late final _DartCheckFollowType = _DartCheckFollowTypePtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  /// Returns the id of the new invitation from this export's own buffer (valid
  /// until this thread's next call); the outcome arrives as a completion, also
  /// when the id is empty; at most 127 bytes, cut as DartGetLoginUserID's.
  /// unused_invite_id is accepted for the caller's signature and never
  /// forwarded: the buffer takes its place.
  ffi.Pointer<ffi.Char> DartInvite(
    ffi.Pointer<ffi.Char> invitee,
    ffi.Pointer<ffi.Char> data,
    bool online_user_only,
    ffi.Pointer<ffi.Char> json_offline_push_info,
    int timeout,
    ffi.Pointer<ffi.Char> unused_invite_id,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartInvite(
      invitee,
      data,
      online_user_only,
      json_offline_push_info,
      timeout,
      unused_invite_id,
      user_data,
    );
  }

  late final _DartInvitePtr = _lookup<
    ffi.NativeFunction<
      ffi.Pointer<ffi.Char> Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Bool,
        ffi.Pointer<ffi.Char>,
        ffi.Int32,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartInvite');
  late final _DartInvite = _DartInvitePtr.asFunction<
    ffi.Pointer<ffi.Char> Function(
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      bool,
      ffi.Pointer<ffi.Char>,
      int,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  /// As DartInvite, with a buffer of its own (at most 127 bytes, cut alike).
  ffi.Pointer<ffi.Char> DartInviteInGroup(
    ffi.Pointer<ffi.Char> group_id,
    ffi.Pointer<ffi.Char> json_invitee_array,
    ffi.Pointer<ffi.Char> data,
    bool online_user_only,
    int timeout,
    ffi.Pointer<ffi.Char> unused_invite_id,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartInviteInGroup(
      group_id,
      json_invitee_array,
      data,
      online_user_only,
      timeout,
      unused_invite_id,
      user_data,
    );
  }

  late final _DartInviteInGroupPtr = _lookup<
    ffi.NativeFunction<
      ffi.Pointer<ffi.Char> Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Bool,
        ffi.Int32,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartInviteInGroup');
  late final _DartInviteInGroup = _DartInviteInGroupPtr.asFunction<
    ffi.Pointer<ffi.Char> Function(
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      bool,
      int,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartCancel(
    ffi.Pointer<ffi.Char> invite_id,
    ffi.Pointer<ffi.Char> data,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartCancel(invite_id, data, user_data);
  }

  late final _DartCancelPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartCancel');
  late final _DartCancel = _DartCancelPtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartAccept(
    ffi.Pointer<ffi.Char> invite_id,
    ffi.Pointer<ffi.Char> data,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartAccept(invite_id, data, user_data);
  }

  late final _DartAcceptPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartAccept');
  late final _DartAccept = _DartAcceptPtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartReject(
    ffi.Pointer<ffi.Char> invite_id,
    ffi.Pointer<ffi.Char> data,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartReject(invite_id, data, user_data);
  }

  late final _DartRejectPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartReject');
  late final _DartReject = _DartRejectPtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartGetSignalingInfo(
    ffi.Pointer<ffi.Char> json_msg,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartGetSignalingInfo(json_msg, user_data);
  }

  late final _DartGetSignalingInfoPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
    >
  >('DartGetSignalingInfo');
  late final _DartGetSignalingInfo = _DartGetSignalingInfoPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>, ffi.Pointer<ffi.Char>)
  >();

  int DartModifyInvitation(
    ffi.Pointer<ffi.Char> invite_id,
    ffi.Pointer<ffi.Char> data,
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartModifyInvitation(invite_id, data, user_data);
  }

  late final _DartModifyInvitationPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
        ffi.Pointer<ffi.Char>,
      )
    >
  >('DartModifyInvitation');
  late final _DartModifyInvitation = _DartModifyInvitationPtr.asFunction<
    int Function(
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
      ffi.Pointer<ffi.Char>,
    )
  >();

  int DartSetNetworkStatusListenerCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetNetworkStatusListenerCallback(user_data);
  }

  late final _DartSetNetworkStatusListenerCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetNetworkStatusListenerCallback');
  late final _DartSetNetworkStatusListenerCallback =
      _DartSetNetworkStatusListenerCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetKickedOfflineCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetKickedOfflineCallback(user_data);
  }

  late final _DartSetKickedOfflineCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetKickedOfflineCallback');
  late final _DartSetKickedOfflineCallback =
      _DartSetKickedOfflineCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetUserSigExpiredCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetUserSigExpiredCallback(user_data);
  }

  late final _DartSetUserSigExpiredCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetUserSigExpiredCallback');
  late final _DartSetUserSigExpiredCallback =
      _DartSetUserSigExpiredCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetSelfInfoUpdatedCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetSelfInfoUpdatedCallback(user_data);
  }

  late final _DartSetSelfInfoUpdatedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetSelfInfoUpdatedCallback');
  late final _DartSetSelfInfoUpdatedCallback =
      _DartSetSelfInfoUpdatedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetUserStatusChangedCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetUserStatusChangedCallback(user_data);
  }

  late final _DartSetUserStatusChangedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetUserStatusChangedCallback');
  late final _DartSetUserStatusChangedCallback =
      _DartSetUserStatusChangedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetUserInfoChangedCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetUserInfoChangedCallback(user_data);
  }

  late final _DartSetUserInfoChangedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetUserInfoChangedCallback');
  late final _DartSetUserInfoChangedCallback =
      _DartSetUserInfoChangedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetLogCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetLogCallback(user_data);
  }

  late final _DartSetLogCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetLogCallback');
  late final _DartSetLogCallback = _DartSetLogCallbackPtr.asFunction<
    int Function(ffi.Pointer<ffi.Char>)
  >();

  int DartAddReceiveNewMsgCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartAddReceiveNewMsgCallback(user_data);
  }

  late final _DartAddReceiveNewMsgCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartAddReceiveNewMsgCallback');
  late final _DartAddReceiveNewMsgCallback =
      _DartAddReceiveNewMsgCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  /// Kept for callers that bind it; it calls nothing, and new-message events
  /// keep arriving after it. A second DartAddReceiveNewMsgCallback may add a
  /// second listener, so that every new message arrives twice: register it once
  /// per process.
  void DartRemoveReceiveNewMsgCallback() {
    return _DartRemoveReceiveNewMsgCallback();
  }

  late final _DartRemoveReceiveNewMsgCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Void Function()
    >
  >('DartRemoveReceiveNewMsgCallback');
  late final _DartRemoveReceiveNewMsgCallback =
      _DartRemoveReceiveNewMsgCallbackPtr.asFunction<void Function()>();

  int DartSetMsgElemUploadProgressCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetMsgElemUploadProgressCallback(user_data);
  }

  late final _DartSetMsgElemUploadProgressCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetMsgElemUploadProgressCallback');
  late final _DartSetMsgElemUploadProgressCallback =
      _DartSetMsgElemUploadProgressCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetMsgReadReceiptCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetMsgReadReceiptCallback(user_data);
  }

  late final _DartSetMsgReadReceiptCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetMsgReadReceiptCallback');
  late final _DartSetMsgReadReceiptCallback =
      _DartSetMsgReadReceiptCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetMsgRevokeCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetMsgRevokeCallback(user_data);
  }

  late final _DartSetMsgRevokeCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetMsgRevokeCallback');
  late final _DartSetMsgRevokeCallback =
      _DartSetMsgRevokeCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetMsgUpdateCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetMsgUpdateCallback(user_data);
  }

  late final _DartSetMsgUpdateCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetMsgUpdateCallback');
  late final _DartSetMsgUpdateCallback =
      _DartSetMsgUpdateCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetMsgExtensionsChangedCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetMsgExtensionsChangedCallback(user_data);
  }

  late final _DartSetMsgExtensionsChangedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetMsgExtensionsChangedCallback');
  late final _DartSetMsgExtensionsChangedCallback =
      _DartSetMsgExtensionsChangedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetMsgExtensionsDeletedCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetMsgExtensionsDeletedCallback(user_data);
  }

  late final _DartSetMsgExtensionsDeletedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetMsgExtensionsDeletedCallback');
  late final _DartSetMsgExtensionsDeletedCallback =
      _DartSetMsgExtensionsDeletedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetMsgReactionsChangedCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetMsgReactionsChangedCallback(user_data);
  }

  late final _DartSetMsgReactionsChangedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetMsgReactionsChangedCallback');
  late final _DartSetMsgReactionsChangedCallback =
      _DartSetMsgReactionsChangedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetMsgAllMessageReceiveOptionCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetMsgAllMessageReceiveOptionCallback(user_data);
  }

  late final _DartSetMsgAllMessageReceiveOptionCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetMsgAllMessageReceiveOptionCallback');
  late final _DartSetMsgAllMessageReceiveOptionCallback =
      _DartSetMsgAllMessageReceiveOptionCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetMsgGroupPinnedMessageChangedCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetMsgGroupPinnedMessageChangedCallback(user_data);
  }

  late final _DartSetMsgGroupPinnedMessageChangedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetMsgGroupPinnedMessageChangedCallback');
  late final _DartSetMsgGroupPinnedMessageChangedCallback =
      _DartSetMsgGroupPinnedMessageChangedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetMsgTTSResponseCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetMsgTTSResponseCallback(user_data);
  }

  late final _DartSetMsgTTSResponseCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetMsgTTSResponseCallback');
  late final _DartSetMsgTTSResponseCallback =
      _DartSetMsgTTSResponseCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetGroupTipsEventCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetGroupTipsEventCallback(user_data);
  }

  late final _DartSetGroupTipsEventCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetGroupTipsEventCallback');
  late final _DartSetGroupTipsEventCallback =
      _DartSetGroupTipsEventCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetGroupAttributeChangedCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetGroupAttributeChangedCallback(user_data);
  }

  late final _DartSetGroupAttributeChangedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetGroupAttributeChangedCallback');
  late final _DartSetGroupAttributeChangedCallback =
      _DartSetGroupAttributeChangedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetGroupCounterChangedCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetGroupCounterChangedCallback(user_data);
  }

  late final _DartSetGroupCounterChangedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetGroupCounterChangedCallback');
  late final _DartSetGroupCounterChangedCallback =
      _DartSetGroupCounterChangedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetCommunityCreateTopicCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetCommunityCreateTopicCallback(user_data);
  }

  late final _DartSetCommunityCreateTopicCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetCommunityCreateTopicCallback');
  late final _DartSetCommunityCreateTopicCallback =
      _DartSetCommunityCreateTopicCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetCommunityDeleteTopicCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetCommunityDeleteTopicCallback(user_data);
  }

  late final _DartSetCommunityDeleteTopicCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetCommunityDeleteTopicCallback');
  late final _DartSetCommunityDeleteTopicCallback =
      _DartSetCommunityDeleteTopicCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetCommunityChangeTopicInfoCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetCommunityChangeTopicInfoCallback(user_data);
  }

  late final _DartSetCommunityChangeTopicInfoCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetCommunityChangeTopicInfoCallback');
  late final _DartSetCommunityChangeTopicInfoCallback =
      _DartSetCommunityChangeTopicInfoCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetCommunityReceiveTopicRESTCustomDataCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetCommunityReceiveTopicRESTCustomDataCallback(user_data);
  }

  late final _DartSetCommunityReceiveTopicRESTCustomDataCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetCommunityReceiveTopicRESTCustomDataCallback');
  late final _DartSetCommunityReceiveTopicRESTCustomDataCallback =
      _DartSetCommunityReceiveTopicRESTCustomDataCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetCommunityCreatePermissionGroupCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetCommunityCreatePermissionGroupCallback(user_data);
  }

  late final _DartSetCommunityCreatePermissionGroupCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetCommunityCreatePermissionGroupCallback');
  late final _DartSetCommunityCreatePermissionGroupCallback =
      _DartSetCommunityCreatePermissionGroupCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetCommunityDeletePermissionGroupCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetCommunityDeletePermissionGroupCallback(user_data);
  }

  late final _DartSetCommunityDeletePermissionGroupCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetCommunityDeletePermissionGroupCallback');
  late final _DartSetCommunityDeletePermissionGroupCallback =
      _DartSetCommunityDeletePermissionGroupCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetCommunityChangePermissionGroupInfoCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetCommunityChangePermissionGroupInfoCallback(user_data);
  }

  late final _DartSetCommunityChangePermissionGroupInfoCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetCommunityChangePermissionGroupInfoCallback');
  late final _DartSetCommunityChangePermissionGroupInfoCallback =
      _DartSetCommunityChangePermissionGroupInfoCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetCommunityAddMembersToPermissionGroupCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetCommunityAddMembersToPermissionGroupCallback(user_data);
  }

  late final _DartSetCommunityAddMembersToPermissionGroupCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetCommunityAddMembersToPermissionGroupCallback');
  late final _DartSetCommunityAddMembersToPermissionGroupCallback =
      _DartSetCommunityAddMembersToPermissionGroupCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetCommunityRemoveMembersFromPermissionGroupCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetCommunityRemoveMembersFromPermissionGroupCallback(user_data);
  }

  late final _DartSetCommunityRemoveMembersFromPermissionGroupCallbackPtr =
      _lookup<
        ffi.NativeFunction<
          ffi.Int Function(ffi.Pointer<ffi.Char>)
        >
      >('DartSetCommunityRemoveMembersFromPermissionGroupCallback');
  late final _DartSetCommunityRemoveMembersFromPermissionGroupCallback =
      _DartSetCommunityRemoveMembersFromPermissionGroupCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetCommunityAddTopicPermissionCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetCommunityAddTopicPermissionCallback(user_data);
  }

  late final _DartSetCommunityAddTopicPermissionCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetCommunityAddTopicPermissionCallback');
  late final _DartSetCommunityAddTopicPermissionCallback =
      _DartSetCommunityAddTopicPermissionCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetCommunityDeleteTopicPermissionCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetCommunityDeleteTopicPermissionCallback(user_data);
  }

  late final _DartSetCommunityDeleteTopicPermissionCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetCommunityDeleteTopicPermissionCallback');
  late final _DartSetCommunityDeleteTopicPermissionCallback =
      _DartSetCommunityDeleteTopicPermissionCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetCommunityModifyTopicPermissionCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetCommunityModifyTopicPermissionCallback(user_data);
  }

  late final _DartSetCommunityModifyTopicPermissionCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetCommunityModifyTopicPermissionCallback');
  late final _DartSetCommunityModifyTopicPermissionCallback =
      _DartSetCommunityModifyTopicPermissionCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetConvEventCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetConvEventCallback(user_data);
  }

  late final _DartSetConvEventCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetConvEventCallback');
  late final _DartSetConvEventCallback =
      _DartSetConvEventCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetConvTotalUnreadMessageCountChangedCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetConvTotalUnreadMessageCountChangedCallback(user_data);
  }

  late final _DartSetConvTotalUnreadMessageCountChangedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetConvTotalUnreadMessageCountChangedCallback');
  late final _DartSetConvTotalUnreadMessageCountChangedCallback =
      _DartSetConvTotalUnreadMessageCountChangedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetConvUnreadMessageCountChangedByFilterCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetConvUnreadMessageCountChangedByFilterCallback(user_data);
  }

  late final _DartSetConvUnreadMessageCountChangedByFilterCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetConvUnreadMessageCountChangedByFilterCallback');
  late final _DartSetConvUnreadMessageCountChangedByFilterCallback =
      _DartSetConvUnreadMessageCountChangedByFilterCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetConvConversationGroupCreatedCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetConvConversationGroupCreatedCallback(user_data);
  }

  late final _DartSetConvConversationGroupCreatedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetConvConversationGroupCreatedCallback');
  late final _DartSetConvConversationGroupCreatedCallback =
      _DartSetConvConversationGroupCreatedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetConvConversationGroupDeletedCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetConvConversationGroupDeletedCallback(user_data);
  }

  late final _DartSetConvConversationGroupDeletedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetConvConversationGroupDeletedCallback');
  late final _DartSetConvConversationGroupDeletedCallback =
      _DartSetConvConversationGroupDeletedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetConvConversationGroupNameChangedCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetConvConversationGroupNameChangedCallback(user_data);
  }

  late final _DartSetConvConversationGroupNameChangedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetConvConversationGroupNameChangedCallback');
  late final _DartSetConvConversationGroupNameChangedCallback =
      _DartSetConvConversationGroupNameChangedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetConvConversationsAddedToGroupCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetConvConversationsAddedToGroupCallback(user_data);
  }

  late final _DartSetConvConversationsAddedToGroupCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetConvConversationsAddedToGroupCallback');
  late final _DartSetConvConversationsAddedToGroupCallback =
      _DartSetConvConversationsAddedToGroupCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetConvConversationsDeletedFromGroupCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetConvConversationsDeletedFromGroupCallback(user_data);
  }

  late final _DartSetConvConversationsDeletedFromGroupCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetConvConversationsDeletedFromGroupCallback');
  late final _DartSetConvConversationsDeletedFromGroupCallback =
      _DartSetConvConversationsDeletedFromGroupCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetOnAddFriendCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetOnAddFriendCallback(user_data);
  }

  late final _DartSetOnAddFriendCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetOnAddFriendCallback');
  late final _DartSetOnAddFriendCallback =
      _DartSetOnAddFriendCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetOnDeleteFriendCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetOnDeleteFriendCallback(user_data);
  }

  late final _DartSetOnDeleteFriendCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetOnDeleteFriendCallback');
  late final _DartSetOnDeleteFriendCallback =
      _DartSetOnDeleteFriendCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetUpdateFriendProfileCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetUpdateFriendProfileCallback(user_data);
  }

  late final _DartSetUpdateFriendProfileCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetUpdateFriendProfileCallback');
  late final _DartSetUpdateFriendProfileCallback =
      _DartSetUpdateFriendProfileCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetFriendAddRequestCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetFriendAddRequestCallback(user_data);
  }

  late final _DartSetFriendAddRequestCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetFriendAddRequestCallback');
  late final _DartSetFriendAddRequestCallback =
      _DartSetFriendAddRequestCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetFriendApplicationListDeletedCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetFriendApplicationListDeletedCallback(user_data);
  }

  late final _DartSetFriendApplicationListDeletedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetFriendApplicationListDeletedCallback');
  late final _DartSetFriendApplicationListDeletedCallback =
      _DartSetFriendApplicationListDeletedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetFriendApplicationListReadCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetFriendApplicationListReadCallback(user_data);
  }

  late final _DartSetFriendApplicationListReadCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetFriendApplicationListReadCallback');
  late final _DartSetFriendApplicationListReadCallback =
      _DartSetFriendApplicationListReadCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetFriendBlackListAddedCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetFriendBlackListAddedCallback(user_data);
  }

  late final _DartSetFriendBlackListAddedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetFriendBlackListAddedCallback');
  late final _DartSetFriendBlackListAddedCallback =
      _DartSetFriendBlackListAddedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetFriendBlackListDeletedCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetFriendBlackListDeletedCallback(user_data);
  }

  late final _DartSetFriendBlackListDeletedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetFriendBlackListDeletedCallback');
  late final _DartSetFriendBlackListDeletedCallback =
      _DartSetFriendBlackListDeletedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetFriendGroupCreatedCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetFriendGroupCreatedCallback(user_data);
  }

  late final _DartSetFriendGroupCreatedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetFriendGroupCreatedCallback');
  late final _DartSetFriendGroupCreatedCallback =
      _DartSetFriendGroupCreatedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetFriendGroupDeletedCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetFriendGroupDeletedCallback(user_data);
  }

  late final _DartSetFriendGroupDeletedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetFriendGroupDeletedCallback');
  late final _DartSetFriendGroupDeletedCallback =
      _DartSetFriendGroupDeletedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetFriendGroupNameChangedCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetFriendGroupNameChangedCallback(user_data);
  }

  late final _DartSetFriendGroupNameChangedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetFriendGroupNameChangedCallback');
  late final _DartSetFriendGroupNameChangedCallback =
      _DartSetFriendGroupNameChangedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetFriendsAddedToGroupCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetFriendsAddedToGroupCallback(user_data);
  }

  late final _DartSetFriendsAddedToGroupCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetFriendsAddedToGroupCallback');
  late final _DartSetFriendsAddedToGroupCallback =
      _DartSetFriendsAddedToGroupCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetFriendsDeletedFromGroupCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetFriendsDeletedFromGroupCallback(user_data);
  }

  late final _DartSetFriendsDeletedFromGroupCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetFriendsDeletedFromGroupCallback');
  late final _DartSetFriendsDeletedFromGroupCallback =
      _DartSetFriendsDeletedFromGroupCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetOfficialAccountSubscribedCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetOfficialAccountSubscribedCallback(user_data);
  }

  late final _DartSetOfficialAccountSubscribedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetOfficialAccountSubscribedCallback');
  late final _DartSetOfficialAccountSubscribedCallback =
      _DartSetOfficialAccountSubscribedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetOfficialAccountUnsubscribedCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetOfficialAccountUnsubscribedCallback(user_data);
  }

  late final _DartSetOfficialAccountUnsubscribedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetOfficialAccountUnsubscribedCallback');
  late final _DartSetOfficialAccountUnsubscribedCallback =
      _DartSetOfficialAccountUnsubscribedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetOfficialAccountDeletedCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetOfficialAccountDeletedCallback(user_data);
  }

  late final _DartSetOfficialAccountDeletedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetOfficialAccountDeletedCallback');
  late final _DartSetOfficialAccountDeletedCallback =
      _DartSetOfficialAccountDeletedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetOfficialAccountInfoChangedCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetOfficialAccountInfoChangedCallback(user_data);
  }

  late final _DartSetOfficialAccountInfoChangedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetOfficialAccountInfoChangedCallback');
  late final _DartSetOfficialAccountInfoChangedCallback =
      _DartSetOfficialAccountInfoChangedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetMyFollowingListChangedCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetMyFollowingListChangedCallback(user_data);
  }

  late final _DartSetMyFollowingListChangedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetMyFollowingListChangedCallback');
  late final _DartSetMyFollowingListChangedCallback =
      _DartSetMyFollowingListChangedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetMyFollowersListChangedCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetMyFollowersListChangedCallback(user_data);
  }

  late final _DartSetMyFollowersListChangedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetMyFollowersListChangedCallback');
  late final _DartSetMyFollowersListChangedCallback =
      _DartSetMyFollowersListChangedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetMutualFollowersListChangedCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetMutualFollowersListChangedCallback(user_data);
  }

  late final _DartSetMutualFollowersListChangedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetMutualFollowersListChangedCallback');
  late final _DartSetMutualFollowersListChangedCallback =
      _DartSetMutualFollowersListChangedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetSignalingReceiveNewInvitationCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetSignalingReceiveNewInvitationCallback(user_data);
  }

  late final _DartSetSignalingReceiveNewInvitationCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetSignalingReceiveNewInvitationCallback');
  late final _DartSetSignalingReceiveNewInvitationCallback =
      _DartSetSignalingReceiveNewInvitationCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetSignalingInvitationCancelledCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetSignalingInvitationCancelledCallback(user_data);
  }

  late final _DartSetSignalingInvitationCancelledCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetSignalingInvitationCancelledCallback');
  late final _DartSetSignalingInvitationCancelledCallback =
      _DartSetSignalingInvitationCancelledCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetSignalingInviteeAcceptedCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetSignalingInviteeAcceptedCallback(user_data);
  }

  late final _DartSetSignalingInviteeAcceptedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetSignalingInviteeAcceptedCallback');
  late final _DartSetSignalingInviteeAcceptedCallback =
      _DartSetSignalingInviteeAcceptedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetSignalingInviteeRejectedCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetSignalingInviteeRejectedCallback(user_data);
  }

  late final _DartSetSignalingInviteeRejectedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetSignalingInviteeRejectedCallback');
  late final _DartSetSignalingInviteeRejectedCallback =
      _DartSetSignalingInviteeRejectedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetSignalingInvitationTimeoutCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetSignalingInvitationTimeoutCallback(user_data);
  }

  late final _DartSetSignalingInvitationTimeoutCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetSignalingInvitationTimeoutCallback');
  late final _DartSetSignalingInvitationTimeoutCallback =
      _DartSetSignalingInvitationTimeoutCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetSignalingInvitationModifiedCallback(
    ffi.Pointer<ffi.Char> user_data,
  ) {
    return _DartSetSignalingInvitationModifiedCallback(user_data);
  }

  late final _DartSetSignalingInvitationModifiedCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetSignalingInvitationModifiedCallback');
  late final _DartSetSignalingInvitationModifiedCallback =
      _DartSetSignalingInvitationModifiedCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();

  int DartSetExperimentalNotifyCallback(ffi.Pointer<ffi.Char> user_data) {
    return _DartSetExperimentalNotifyCallback(user_data);
  }

  late final _DartSetExperimentalNotifyCallbackPtr = _lookup<
    ffi.NativeFunction<
      ffi.Int Function(ffi.Pointer<ffi.Char>)
    >
  >('DartSetExperimentalNotifyCallback');
  late final _DartSetExperimentalNotifyCallback =
      _DartSetExperimentalNotifyCallbackPtr.asFunction<
        int Function(ffi.Pointer<ffi.Char>)
      >();
}
