// Envelope.decode next to bare jsonDecode on the same texts, which the
// bridge posts for real to a receive port (completions of DartLogin and
// new-message events, their SDK documents of about 100 B, 1 KiB and 64 KiB
// of envelope text). Three ways of taking each text, interleaved in rounds:
//
//   jsonDecode      jsonDecode alone: a map of the members, nothing read
//   decode+getters  Envelope.decode, then every member read through its getter
//   decode          Envelope.decode alone
//
// and for each size and kind the median time per envelope of the rounds, and
// the ratio of jsonDecode's time to the typed decoding's (above 1, the typed
// decoding is faster). Run through CTest (label dart-bench):
//   ctest --preset dart-vm-bench
import 'dart:convert';
import 'dart:ffi';
import 'dart:io';

import 'package:zelbridge/zelbridge_bindings.dart';
import 'package:zelbridge/zelbridge_envelopes.dart';
import 'package:zelbridge_test_support/environment.dart';
import 'package:zelbridge_test_support/inbox.dart';
import 'package:zelbridge_test_support/standin.dart';

const rounds = 21;
const roundNanoseconds = 20 * 1000 * 1000; // per way and text

/// An SDK message list of about [bytes] of JSON text: nested objects,
/// quotes, slashes and non-ASCII text, as message lists carry them.
String messageList(int bytes) {
  final messages = <Object>[];
  for (var i = 0;; i++) {
    final message = {
      'message_msg_id': 'msg-$i-9f8e7d',
      'message_conv_id': 'c2c_alice',
      'message_sender': 'alice',
      'message_server_time': 1700000000 + i,
      'message_is_read': i.isEven,
      'message_elem_array': [
        {
          'elem_type': 0,
          'text_elem_content':
              'see "https://example.com/path/$i" — 你好 \\ ok',
        },
      ],
    };
    if (messages.isNotEmpty &&
        jsonEncode([...messages, message]).length > bytes) {
      break;
    }
    messages.add(message);
  }
  return jsonEncode(messages);
}

int readEveryMember(Envelope envelope) => switch (envelope) {
      Completion() => envelope.code ^
          envelope.desc.length ^
          envelope.jsonParam.length ^
          envelope.userData.length,
      ReceiveNewMsgEvent() => envelope.callbackType ^
          envelope.jsonMsgArray.length ^
          envelope.userData.length,
      _ => throw StateError('not benchmarked: $envelope'),
    };

var sink = 0;

void viaJsonDecode(String text) => sink ^= (jsonDecode(text) as Map).length;

void viaDecodeAndGetters(String text) =>
    sink ^= readEveryMember(Envelope.decode(text));

void viaDecode(String text) =>
    sink ^= Envelope.decode(text).arrivedAsBase64 ? 1 : 0;

const ways = {
  'jsonDecode': viaJsonDecode,
  'decode+getters': viaDecodeAndGetters,
  'decode': viaDecode,
};

/// Nanoseconds per call of [way] on [text], over [count] calls.
double timed(void Function(String) way, String text, int count) {
  final watch = Stopwatch()..start();
  for (var i = 0; i < count; i++) {
    way(text);
  }
  return watch.elapsedMicroseconds * 1000 / count;
}

double median(List<double> values) => (values.toList()..sort())[values.length ~/ 2];

Future<Map<String, String>> postedTexts() async {
  final bridge = openBridge();
  final standin = StandinControl.open()..reset();
  final inbox = Inbox();
  if (bridge.DartInitDartApiDL(NativeApi.initializeApiDLData) != 0) {
    throw StateError('the Dart API did not bind');
  }
  bridge.DartRegisterSendPort(inbox.nativePort);
  bridge.DartAddReceiveNewMsgCallback('on-new-message'.toNativeText());
  final user = 'user'.toNativeText();
  final texts = <String, String>{};
  final documents = {
    '100 B': jsonEncode({'group_id': 'g/1'}),
    '1 KiB': messageList(960),
    '64 KiB': messageList(57800),
  };
  for (final MapEntry(key: size, value: document) in documents.entries) {
    standin.setCompletion(CompletionMode.immediate,
        desc: 'OK', jsonParams: document);
    bridge.DartLogin(user, user, 'call-1'.toNativeText());
    standin.raiseEvent('ZelAddRecvNewMsgCallback', [document]);
    final [completion, event] = await inbox.settle();
    texts['completion $size'] = completion;
    texts['event $size'] = event;
  }
  bridge.DartUnregisterSendPort(inbox.nativePort);
  inbox.close();
  return texts;
}

Future<void> main() async {
  final texts = await postedTexts();
  for (final text in texts.values) {
    final envelope = Envelope.decode(text);
    if (jsonEncode(envelope.toJson()) != jsonEncode(jsonDecode(text))) {
      throw StateError('decodes otherwise than jsonDecode: $text');
    }
  }
  // Calls per round: about roundNanoseconds for jsonDecode, after a warm-up.
  final counts = <String, int>{};
  for (final MapEntry(key: name, value: text) in texts.entries) {
    for (final way in ways.values) {
      timed(way, text, 2000);
    }
    final nanoseconds = timed(viaJsonDecode, text, 2000);
    counts[name] = (roundNanoseconds / nanoseconds).ceil().clamp(10, 1 << 20);
  }
  final times = {
    for (final name in texts.keys) name: {for (final way in ways.keys) way: <double>[]},
  };
  for (var round = 0; round < rounds; round++) {
    // Each round takes the ways in another order.
    final order = ways.keys.toList();
    for (var i = 0; i < round % order.length; i++) {
      order.add(order.removeAt(0));
    }
    for (final MapEntry(key: name, value: text) in texts.entries) {
      for (final way in order) {
        times[name]![way]!.add(timed(ways[way]!, text, counts[name]!));
      }
    }
  }
  stdout.writeln('Envelope.decode and bare jsonDecode, ns per envelope '
      '(median of $rounds interleaved rounds), on ${Platform.version}');
  stdout.writeln('${'text'.padRight(18)} ${'bytes'.padLeft(6)} '
      '${'jsonDecode'.padLeft(11)} ${'decode+get'.padLeft(11)} '
      '${'decode'.padLeft(9)}  ratio (jsonDecode / decode+get, / decode)');
  for (final MapEntry(key: name, value: text) in texts.entries) {
    final of = {for (final way in ways.keys) way: median(times[name]![way]!)};
    final json = of['jsonDecode']!;
    stdout.writeln('${name.padRight(18)} ${'${text.length}'.padLeft(6)} '
        '${json.toStringAsFixed(0).padLeft(11)} '
        '${of['decode+getters']!.toStringAsFixed(0).padLeft(11)} '
        '${of['decode']!.toStringAsFixed(0).padLeft(9)}  '
        '${(json / of['decode+getters']!).toStringAsFixed(2)}, '
        '${(json / of['decode']!).toStringAsFixed(2)}');
  }
  stdout.writeln('(sink $sink)');
  await stdout.flush();
  exit(0);
}
