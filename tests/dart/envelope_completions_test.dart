// Completions posted for real, decoded as their classes: the common one with
// codes at their extremes and texts null, empty and awkward; the read-member
// completion with next_seq up to 2^64 - 1; and the base64 form the bridge
// posts when an SDK text is not UTF-8, which the VM refuses as plain text.
import 'dart:convert';
import 'dart:ffi';

import 'package:zelbridge/zelbridge_bindings.dart';
import 'package:zelbridge/zelbridge_envelopes.dart';
import 'package:zelbridge_test_support/check.dart';
import 'package:zelbridge_test_support/envelope_contract.dart';
import 'package:zelbridge_test_support/environment.dart';
import 'package:zelbridge_test_support/inbox.dart';
import 'package:zelbridge_test_support/standin.dart';

const awkward = 'quote " backslash \\ slash / controls \u0001\u001f\t\n '
    'Latin-1 é CJK 中文 non-BMP 😀';
final document = jsonEncode({
  'create_group_result_groupid': 'group/1',
  'said': awkward,
  'numbers': [9007199254740993, -1, 0.5],
});

void main() {
  final bridge = openBridge();
  final standin = StandinControl.open();
  final contract = EnvelopeContract.load();
  final inbox = Inbox();
  expect(bridge.DartInitDartApiDL(NativeApi.initializeApiDLData), 0);
  bridge.DartRegisterSendPort(inbox.nativePort);
  setUp(() async {
    standin.reset();
    await inbox.settle(); // what an earlier, failed test left
  });

  // Calls an operation whose completion the stand-in posts before it
  // returns; the one envelope that arrives, checked against its text.
  Future<Envelope> completionOf(
      int Function(Pointer<Char> userData) operation, String userData) async {
    final text = userData.toNativeText();
    try {
      expect(operation(text), 0, 'the operation\'s result');
      final posted = await inbox.settle();
      expect(posted.length, 1, 'envelopes posted');
      final envelope = Envelope.decode(posted.single);
      contract.checkDecoded(envelope, posted.single);
      expect(envelope.userData, userData);
      return envelope;
    } finally {
      NativeHeap.instance.free(text);
    }
  }

  Future<Envelope> loginCompletion(String userData) {
    final user = 'user'.toNativeText();
    return completionOf(
        (text) => bridge.DartLogin(user, user, text), userData).whenComplete(
        () => NativeHeap.instance.free(user));
  }

  group('a completion', () {
    final cases = [
      (code: 0, desc: 'OK', json: document),
      (code: -0x80000000, desc: '', json: null),
      (code: 0x7FFFFFFF, desc: awkward, json: ''),
      // The SDK's own 6131 is a completion: routing goes by the members.
      (code: 6131, desc: 'IM ffi data error', json: null),
    ];
    for (final (index, c) in cases.indexed) {
      test('with code ${c.code}', () async {
        standin.setCompletion(CompletionMode.immediate,
            code: c.code, desc: c.desc, jsonParams: c.json);
        final completion = await loginCompletion('call-$index');
        if (completion is! Completion) fail('a ${completion.runtimeType}');
        expect(completion.code, c.code);
        expect(completion.desc, c.desc);
        expect(completion.jsonParam, c.json ?? '');
        expect(completion.decodedJsonParam,
            c.json == null || c.json!.isEmpty ? null : jsonDecode(c.json!));
        expect(completion.callback, 'apiCallback');
      });
    }
  });

  group('a read-member-list completion', () {
    // next_seq as dart:ffi passes a uint64: the int with its 64 bits.
    final cases = [
      (nextSeq: 0, digits: '0', finished: true, list: null),
      (nextSeq: 1 << 40, digits: '1099511627776', finished: false, list: ''),
      (
        nextSeq: 0x7FFFFFFFFFFFFFFF,
        digits: '9223372036854775807',
        finished: false,
        list: document,
      ),
      (
        nextSeq: -0x7FFFFFFFFFFFFFFF - 1,
        digits: '9223372036854775808',
        finished: true,
        list: '[]',
      ),
      (nextSeq: -1, digits: '18446744073709551615', finished: false, list: null),
    ];
    for (final (index, c) in cases.indexed) {
      test('with next_seq ${c.digits}', () async {
        standin.setReadMemberListCompletion(CompletionMode.immediate,
            nextSeq: c.nextSeq,
            isFinished: c.finished,
            jsonMemberArray: c.list);
        final message = '{"message_msg_id":"m"}'.toNativeText();
        final completion = await completionOf(
            (text) => bridge.DartGetGroupMessageReadMemberList(
                message, 0, c.nextSeq, 100, text),
            'read-$index');
        NativeHeap.instance.free(message);
        if (completion is! ReadMemberCompletion) {
          fail('a ${completion.runtimeType}');
        }
        expect(completion.nextSeq, c.nextSeq, 'the same 64 bits');
        expect(BigInt.from(completion.nextSeq).toUnsigned(64).toString(),
            c.digits);
        expect(completion.isFinished, c.finished);
        expect(completion.jsonParam, c.list ?? '');
        expect((completion.code, completion.desc), (0, ''));
      });
    }
  });

  group('the base64 form', () {
    test('of a completion whose desc is Latin-1', () async {
      standin.setCompletion(CompletionMode.immediate,
          code: 3, descBytes: latin1.encode('café'), jsonParams: document);
      final completion = await loginCompletion('call-latin1');
      check(completion.arrivedAsBase64, 'arrived as base64');
      if (completion is! Completion) fail('a ${completion.runtimeType}');
      expect(completion.desc, 'caf\uFFFD');
      expect(completion.decodedJsonParam, jsonDecode(document));
    });

    test('of an event whose SDK document holds bytes that are not UTF-8',
        () async {
      bridge.DartAddReceiveNewMsgCallback('on-new-message'.toNativeText());
      final bytes = [...utf8.encode('["a/b","'), 0xFF, 0xC3, ...utf8.encode('"]')];
      expect(standin.raiseEvent('ZelAddRecvNewMsgCallback', [RawText(bytes)]),
          0);
      final [posted] = await inbox.settle();
      check(posted.startsWith('base64:'), 'posted in base64: $posted');
      final event = Envelope.decode(posted);
      contract.checkDecoded(event, posted);
      if (event is! ReceiveNewMsgEvent) fail('a ${event.runtimeType}');
      expect(event.jsonMsgArray, '["a/b","\uFFFD\uFFFD"]');
      expect(event.decodedJsonMsgArray, ['a/b', '\uFFFD\uFFFD']);
    });
  });
}
