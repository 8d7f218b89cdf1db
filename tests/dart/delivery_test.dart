// Delivery as the real Dart VM answers it: which texts it refuses (those
// that are not UTF-8, and every post to a closed port), what the bridge then
// posts in their place, how the port registry behaves, and texts of every
// size from empty to 16 MiB arriving exactly.
import 'dart:convert';
import 'dart:ffi';
import 'dart:isolate';

import 'package:zelbridge/zelbridge_bindings.dart';
import 'package:zelbridge_test_support/check.dart';
import 'package:zelbridge_test_support/environment.dart';
import 'package:zelbridge_test_support/envelopes.dart';
import 'package:zelbridge_test_support/inbox.dart';
import 'package:zelbridge_test_support/standin.dart';

const newMessages = 'ZelAddRecvNewMsgCallback';
const listenerUserData = 'app/on-new-message';
const step1 = 'im ffi: [Step1] Posting message without base64 failed. '
    'user_data: ';
const step2 = 'im ffi: [Step2] Posting message with base64 failed. '
    'user_data: ';
const step3 = 'im ffi: [Step3] Posting error message failed. user_data: ';
const noPort = 'im ffi: Serious error, no Dart_Port registered.';

final bridge = openBridge();
final standin = StandinControl.open();

/// The new-message listener's user_data: kept for the life of the process.
final listenerText = listenerUserData.toNativeText();

/// The bridge's own DartRegisterSendPort, for the SDK's thread to call.
final registerSendPort = DynamicLibrary.open(bridgeLibraryPath)
    .lookup<NativeFunction<Void Function(Int64)>>('DartRegisterSendPort');

/// [bytes] with a NUL after them, on the C heap; the caller frees them.
Pointer<Char> nativeBytes(List<int> bytes) {
  final text = NativeHeap.instance.allocate<Uint8>(bytes.length + 1);
  text.asTypedList(bytes.length + 1)
    ..setAll(0, bytes)
    ..[bytes.length] = 0;
  return text.cast();
}

/// Ports registered by the test, unregistered after it.
final registered = <int>[];

void register(int port) {
  registered.add(port);
  bridge.DartRegisterSendPort(port);
}

/// The id of a receive port that Dart has closed: the VM refuses every post.
int closedPort() {
  final port = ReceivePort();
  final id = port.sendPort.nativePort;
  port.close();
  return id;
}

/// The bytes of the new-message event for [jsonMsgArray] (a String, or the
/// bytes of a text that need not be UTF-8).
List<int> newMessageEvent(Object jsonMsgArray) => envelopeBytes({
      'callback': 'globalCallback',
      'callbackType': 7,
      'json_msg_array': jsonMsgArray,
      'user_data': listenerUserData,
    });

/// Raises a new-message event whose text is [jsonMsgArray]: a String or a
/// [RawText].
void raiseNewMessage(Object jsonMsgArray) =>
    expect(standin.raiseEvent(newMessages, [jsonMsgArray]), 0, 'raised');

/// Logs in with the SDK completing at once; [userData] is the bytes of the
/// call's user_data.
void login(List<int> userData) {
  final userId = 'alice'.toNativeText();
  final userSig = 'signature'.toNativeText();
  final text = nativeBytes(userData);
  try {
    expect(bridge.DartLogin(userId, userSig, text), 0, 'DartLogin');
  } finally {
    [userId, userSig, text].forEach(NativeHeap.instance.free);
  }
}

/// A text of [length] bytes of UTF-8 that mixes one- to four-byte
/// characters with characters the serializer escapes.
String mixedText(int length) {
  const pieces = ['a', 'é', '€', '😀', '"', r'\', '/', '\n', '\u0001', 'z'];
  final text = StringBuffer();
  var bytes = 0;
  for (var i = 0;; i++) {
    final piece = pieces[i % pieces.length];
    final size = utf8.encode(piece).length;
    if (bytes + size > length) break;
    text.write(piece);
    bytes += size;
  }
  return '$text${'a' * (length - bytes)}';
}

void main() {
  final inboxes = <Inbox>[];

  /// A live port, registered with the bridge.
  Inbox liveInbox() {
    final inbox = Inbox();
    inboxes.add(inbox);
    register(inbox.nativePort);
    return inbox;
  }

  setUp(() {
    standin.reset();
    expect(bridge.DartInitDartApiDL(NativeApi.initializeApiDLData), 0);
    expect(bridge.DartAddReceiveNewMsgCallback(listenerText), 0);
  });
  tearDown(() {
    registered.forEach(bridge.DartUnregisterSendPort);
    registered.clear();
    for (final inbox in inboxes) {
      inbox.close();
    }
    inboxes.clear();
  });

  group('a text that is not UTF-8 arrives in the base64 form, its bytes', () {
    final latin1Cafe = [0x63, 0x61, 0x66, 0xE9];
    final cases = <(String, void Function(), List<int>, String)>[
      (
        'in an event text of the SDK',
        () => raiseNewMessage(RawText([...latin1Cafe, ...utf8.encode(' a/b')])),
        newMessageEvent([...latin1Cafe, ...utf8.encode(' a/b')]),
        listenerUserData,
      ),
      (
        'in the desc of a completion',
        () {
          standin.setCompletion(CompletionMode.immediate,
              descBytes: latin1Cafe);
          login(utf8.encode('main-1/7'));
        },
        envelopeBytes({
          'callback': 'apiCallback',
          'code': 0,
          'desc': latin1Cafe,
          'json_param': '',
          'user_data': 'main-1/7',
        }),
        'main-1/7',
      ),
      (
        'in user_data',
        () {
          standin.setCompletion(CompletionMode.immediate,
              desc: 'OK', jsonParams: '{"k":"v/w"}');
          login([0x6D, 0xFF, 0x2F, 0x31]);
        },
        envelopeBytes({
          'callback': 'apiCallback',
          'code': 0,
          'desc': 'OK',
          'json_param': '{"k":"v/w"}',
          'user_data': [0x6D, 0xFF, 0x2F, 0x31],
        }),
        'm\uFFFD/1',
      ),
    ];
    for (final (name, deliver, expected, userData) in cases) {
      test(name, () async {
        final inbox = liveInbox();
        deliver();
        final posts = await inbox.settle();
        expect(posts.length, 1, 'posts');
        expect(posts.single, 'base64:${base64.encode(expected)}');
        expect(Envelope.decode(posts.single).bytes, expected);
        expect(standin.bridgeLogLines(), ['$step1$userData']);
      });
    }
  });

  group('closed ports', () {
    test('beside a live one cost nothing, and stay registered', () async {
      register(closedPort());
      final live = liveInbox();
      standin.setCompletion(CompletionMode.immediate);
      register(closedPort());
      for (final text in ['one', 'two', 'three']) {
        raiseNewMessage(text);
      }
      login(utf8.encode('main-1/1'));
      final posts = await live.settle();
      expect(posts, [
        for (final text in ['one', 'two', 'three'])
          utf8.decode(newMessageEvent(text)),
        utf8.decode(envelopeBytes({
          'callback': 'apiCallback',
          'code': 0,
          'desc': '',
          'json_param': '',
          'user_data': 'main-1/1',
        })),
      ]);
      expect(standin.bridgeLogLines(), <String>[], 'log lines');

      // Without the live port, the closed ones still refuse every step.
      bridge.DartUnregisterSendPort(live.nativePort);
      raiseNewMessage('four');
      expect(standin.bridgeLogLines(), [
        '$step1$listenerUserData',
        '$step2$listenerUserData',
        '$step3$listenerUserData',
      ]);
    });

    test(
        'alone lose the envelope and are dropped, and a live port '
        'registered afterwards receives what follows', () async {
      register(closedPort());
      raiseNewMessage('lost');
      expect(standin.bridgeLogLines(), [
        '$step1$listenerUserData',
        '$step2$listenerUserData',
        '$step3$listenerUserData',
      ]);
      // The error envelope's step dropped the closed port: none is left.
      raiseNewMessage('lost too');
      expect(standin.bridgeLogLines().last, noPort);

      final live = liveInbox();
      raiseNewMessage('kept');
      expect(await live.settle(), [utf8.decode(newMessageEvent('kept'))]);
      expect(standin.bridgeLogLines().length, 4, 'log lines');
    });
  });

  test('a port registered twice is one entry: one unregister removes it',
      () async {
    final live = liveInbox();
    bridge.DartRegisterSendPort(live.nativePort);
    raiseNewMessage('once');
    expect(await live.settle(), [utf8.decode(newMessageEvent('once'))]);

    bridge.DartUnregisterSendPort(live.nativePort);
    raiseNewMessage('to nobody');
    expect(await live.settle(), <String>[], 'after one unregister');
    expect(standin.bridgeLogLines(), [noPort]);
  });

  test(
      'a valid text that a closed port refused reaches a port registered '
      'before the retry, in the base64 form', () async {
    register(closedPort());
    final live = Inbox();
    inboxes.add(live);
    registered.add(live.nativePort);
    // The SDK's thread registers the live port while the bridge writes the
    // first step's failure line, before it posts the base64 form.
    standin.onBridgeLogLine('[Step1]', registerSendPort, live.nativePort);
    raiseNewMessage('valid UTF-8: é/€');

    final expected = newMessageEvent('valid UTF-8: é/€');
    final posts = await live.settle();
    expect(posts, ['base64:${base64.encode(expected)}']);
    final decoded = Envelope.decode(posts.single);
    expect(utf8.decode(decoded.bytes), utf8.decode(expected), 'valid UTF-8');
    expect(decoded['json_msg_array'], 'valid UTF-8: é/€');
    expect(standin.bridgeLogLines(), ['$step1$listenerUserData']);
  });

  group('a text of the SDK arrives exactly at', () {
    const sizes = [0, 1, 127, 128, 4096, 1 << 20, 16 << 20];
    for (final size in sizes) {
      test('$size bytes', () async {
        final text = mixedText(size);
        expect(utf8.encode(text).length, size, 'bytes of the text');
        final live = liveInbox();
        raiseNewMessage(text);
        final posts = await live.settle();
        expect(posts.length, 1, 'posts');
        check(posts.single == utf8.decode(newMessageEvent(text)),
            'the envelope of $size bytes arrived changed');
        expect(jsonDecode(posts.single)['json_msg_array'], text);
        expect(standin.bridgeLogLines(), <String>[], 'log lines');
      });
    }
  });
}
