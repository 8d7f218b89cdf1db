// A program that shutdown_test runs: SDK threads post to its two ports
// without end, and the program ends while they do, the way its argument
// says (see [endings]).
import 'dart:ffi';
import 'dart:io';

import 'package:zelbridge/zelbridge_bindings.dart';
import 'package:zelbridge_test_support/environment.dart';
import 'package:zelbridge_test_support/inbox.dart';
import 'package:zelbridge_test_support/standin.dart';

/// How the program ends once the posts arrive.
const endings = {
  'exit': 'exit(0) with its ports open and registered',
  'exit-after-unregistering':
      'exit(0) after unregistering and closing its ports',
  'return-after-unregistering':
      'main returns after unregistering and closing its ports',
  'return-after-closing':
      'main returns after closing its ports, which stay registered',
};

Future<void> main(List<String> arguments) async {
  final ending = arguments.single;
  if (!endings.containsKey(ending)) throw ArgumentError.value(ending);
  final bridge = openBridge();
  final standin = StandinControl.open()
    ..reset()
    ..setCompletion(CompletionMode.none);
  if (bridge.DartInitDartApiDL(NativeApi.initializeApiDLData) != 0) {
    throw StateError('the bridge refused the Dart API');
  }
  bridge.DartAddReceiveNewMsgCallback('on-new-message'.toNativeText());
  // A held call, which the posting threads complete again and again.
  bridge.DartLogin('alice'.toNativeText(), 'signature'.toNativeText(),
      'main-1/1'.toNativeText());
  final inboxes = [Inbox(), Inbox()];
  for (final inbox in inboxes) {
    bridge.DartRegisterSendPort(inbox.nativePort);
  }
  if (standin.startEndlessPosting(3) != 0) {
    throw StateError('no posting threads');
  }
  for (final inbox in inboxes) {
    await inbox.take(200);
  }

  if (ending.endsWith('-after-unregistering')) {
    for (final inbox in inboxes) {
      bridge.DartUnregisterSendPort(inbox.nativePort);
    }
  }
  if (ending != 'exit') {
    for (final inbox in inboxes) {
      inbox.close();
    }
  }
  if (ending.startsWith('exit')) exit(0);
}
