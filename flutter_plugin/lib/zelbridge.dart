/// zelbridge for Dart: the bridge's operations as methods of [ZelBridge]
/// that complete with typed envelopes, its events as typed streams, and
/// every rule of `user_data` ownership, isolates and hot restart kept for
/// the app.
///
/// ```dart
/// final bridge = ZelBridge.open();
/// await bridge.setUp(
///     sdkAppId: 1, sdkConfig: {}, userId: 'me', userSig: 'signature');
/// bridge.onReceiveNewMsg.listen((event) => print(event.decodedJsonMsgArray));
/// final sent = bridge.sendMessage('alice', 1, {
///   'message_elem_array': [
///     {'elem_type': 0, 'text_elem_content': 'hello'},
///   ],
/// });
/// await sent.completion;
/// ```
///
/// The raw bindings of every export are in
/// `package:zelbridge/zelbridge_bindings.dart`.
library;

export 'src/envelope.dart';
export 'src/process_record.dart' show ProcessRecord;
export 'src/zel_exception.dart';
export 'src/zelbridge_client.dart' show ReturnedText, ZelBridge;
