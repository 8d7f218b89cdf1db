// The error envelope: one posted for real, in place of an event whose text
// is too long for the VM to take as a string (neither as text nor in
// base64), and the exact texts that the bridge's C++ tests expect of it.
import 'dart:convert';
import 'dart:ffi';

import 'package:zelbridge/zelbridge_bindings.dart';
import 'package:zelbridge/zelbridge_envelopes.dart';
import 'package:zelbridge_test_support/check.dart';
import 'package:zelbridge_test_support/envelope_contract.dart';
import 'package:zelbridge_test_support/environment.dart';
import 'package:zelbridge_test_support/inbox.dart';
import 'package:zelbridge_test_support/standin.dart';

// A 32-bit VM takes strings of at most 2^29 - 1 code units.
const tooLongForTheVm = 1 << 29;

void main() {
  final contract = EnvelopeContract.load();

  test('one that the bridge posted for an event the VM refused', () async {
    final bridge = openBridge();
    final standin = StandinControl.open()..reset();
    final inbox = Inbox();
    expect(bridge.DartInitDartApiDL(NativeApi.initializeApiDLData), 0);
    bridge.DartRegisterSendPort(inbox.nativePort);
    expect(bridge.DartAddReceiveNewMsgCallback('on-new-message'.toNativeText()),
        0);
    // One event whose message text the stand-in makes on its own thread.
    expect(standin.startEventLoad(1, 1, tooLongForTheVm), 0);
    standin.joinEventLoad();
    final [posted] = await inbox.settle();
    final error = Envelope.decode(posted);
    contract.checkDecoded(error, posted);
    if (error is! ErrorEnvelope) fail('a ${error.runtimeType}: $posted');
    expect(error.callbackType, ReceiveNewMsgEvent.type);
    expect(error.lostEventKind, eventKinds[ReceiveNewMsgEvent.type]);
    check(error.standsForEvent && !error.standsForCompletion, 'an event\'s');
    expect(error.userData, 'on-new-message');
    expect(standin.bridgeLogLines().length, 2,
        'the text and its base64 form refused');
    bridge.DartUnregisterSendPort(inbox.nativePort);
    inbox.close();
  });

  group('the texts the bridge\'s tests expect', () {
    final cases = [
      (
        text: '{"callback":"apiCallback","callbackType":null,"code":6131,'
            '"desc":"IM ffi data error","user_data":"42"}',
        callbackType: null,
        userData: '42',
      ),
      (
        text: '{"callback":"apiCallback","callbackType":null,"code":6131,'
            '"desc":"IM ffi data error","user_data":""}',
        callbackType: null,
        userData: '',
      ),
      (
        text: '{"callback":"globalCallback","callbackType":7,"code":6131,'
            '"desc":"IM ffi data error","user_data":"ev"}',
        callbackType: 7,
        userData: 'ev',
      ),
      (
        text: '{"callback":"globalCallback","callbackType":0,"code":6131,'
            '"desc":"IM ffi data error","user_data":"dart\\/ctx"}',
        callbackType: 0,
        userData: 'dart/ctx',
      ),
      (
        text: '{"callback":"globalCallback","callbackType":67,"code":6131,'
            '"desc":"IM ffi data error","user_data":"ev"}',
        callbackType: 67,
        userData: 'ev',
      ),
    ];
    for (final c in cases) {
      final lost = c.callbackType == null
          ? 'a completion'
          : 'event ${c.callbackType}';
      for (final (form, posted) in [
        ('as text', c.text),
        ('in base64', 'base64:${base64.encode(utf8.encode(c.text))}'),
      ]) {
        test('of $lost, user_data "${c.userData}", $form', () {
          final error = Envelope.decode(posted);
          contract.checkDecoded(error, posted);
          if (error is! ErrorEnvelope) fail('a ${error.runtimeType}');
          expect(error.callbackType, c.callbackType);
          expect(error.userData, c.userData);
          expect(error.standsForCompletion, c.callbackType == null);
          expect(error.lostEventKind?.callbackType, c.callbackType);
          expect(error.callback,
              c.callbackType == null ? 'apiCallback' : 'globalCallback');
        });
      }
    }
  });
}
