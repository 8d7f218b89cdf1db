// Run with Isolate.spawnUri by isolates_test.dart: a new isolate group binds
// the Dart API, registers a port of its own and receives its completion.
import 'dart:convert';
import 'dart:ffi';
import 'dart:isolate';

import 'package:zelbridge/zelbridge_bindings.dart';
import 'package:zelbridge_test_support/environment.dart';
import 'package:zelbridge_test_support/inbox.dart';

Future<void> main(List<String> arguments, SendPort answer) async {
  final bridge = openBridge();
  final bound = bridge.DartInitDartApiDL(NativeApi.initializeApiDLData);
  final inbox = Inbox();
  bridge.DartRegisterSendPort(inbox.nativePort);
  final userData = 'new-group/1'.toNativeText();
  bridge.DartLogout(userData);
  final completion = jsonDecode(await inbox.next()) as Map<String, dynamic>;
  bridge.DartUnregisterSendPort(inbox.nativePort);
  inbox.close();
  NativeHeap.instance.free(userData);
  answer.send({'bound': bound, 'desc': completion['desc']});
}
