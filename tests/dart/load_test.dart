// Several SDK threads raise new-message events as fast as they can into two
// isolates, each with a port of its own (the second started with
// Isolate.spawn): every envelope arrives exactly once at each port, in order
// per SDK thread, none changed. The rate is printed, never asserted.
import 'dart:async';
import 'dart:convert';
import 'dart:ffi';
import 'dart:io';
import 'dart:isolate';

import 'package:zelbridge/zelbridge_bindings.dart';
import 'package:zelbridge_test_support/check.dart';
import 'package:zelbridge_test_support/environment.dart';
import 'package:zelbridge_test_support/envelopes.dart';
import 'package:zelbridge_test_support/inbox.dart';
import 'package:zelbridge_test_support/standin.dart';

const sdkThreads = 4;
const eventsPerThread = 25000;
const textBytes = 64;
const listenerUserData = 'on-new-message';

/// The text the stand-in raises as event [sequence] of SDK thread [thread]:
/// "<thread>:<sequence>:" and letters derived from both and the position.
String loadText(int thread, int sequence) {
  final text = StringBuffer('$thread:$sequence:');
  for (var i = text.length; i < textBytes; i++) {
    text.writeCharCode(0x61 + (thread * 7 + sequence * 3 + i) % 26);
  }
  return text.toString();
}

final _eventStart = utf8
    .decode(envelopeBytes({
      'callback': 'globalCallback',
      'callbackType': 7,
      'json_msg_array': '',
      'user_data': listenerUserData,
    }))
    .split('""').first;

/// What one port received: per SDK thread the next sequence expected, and
/// the first few envelopes that were out of order, repeated or changed.
class Tally {
  final _next = List.filled(sdkThreads, 0);
  final problems = <String>[];
  var received = 0;

  /// Microseconds since the epoch when the last envelope arrived.
  var lastArrival = 0;

  bool get complete => _next.every((next) => next == eventsPerThread);

  void take(String posted) {
    received++;
    lastArrival = DateTime.now().microsecondsSinceEpoch;
    final (thread, sequence) = _origin(posted);
    if (thread < 0 || thread >= sdkThreads) {
      _problem('not a load envelope: $posted');
    } else if (posted !=
        utf8.decode(newMessageEvent(loadText(thread, sequence)))) {
      _problem('changed: $posted');
    } else if (sequence != _next[thread]) {
      _problem('thread $thread: event $sequence where ${_next[thread]} was '
          'due');
    } else {
      _next[thread]++;
    }
  }

  void _problem(String problem) {
    if (problems.length < 10) problems.add(problem);
  }

  /// The SDK thread and sequence the text names; (-1, -1) if none.
  static (int, int) _origin(String posted) {
    if (!posted.startsWith('$_eventStart"')) return (-1, -1);
    final fields = posted.substring(_eventStart.length + 1).split(':');
    if (fields.length < 3) return (-1, -1);
    return (int.tryParse(fields[0]) ?? -1, int.tryParse(fields[1]) ?? -1);
  }
}

List<int> newMessageEvent(String text) => envelopeBytes({
      'callback': 'globalCallback',
      'callbackType': 7,
      'json_msg_array': text,
      'user_data': listenerUserData,
    });

/// The second isolate: registers a port of its own, counts what arrives,
/// and when asked reports [received, last arrival, problems...] once
/// everything posted so far has arrived.
Future<void> secondIsolate(List<Object> message) async {
  final bridge = ZelBridgeBindings(DynamicLibrary.open(message[0] as String));
  final reply = message[1] as SendPort;
  bridge.DartInitDartApiDL(NativeApi.initializeApiDLData);
  final inbox = Inbox();
  bridge.DartRegisterSendPort(inbox.nativePort);
  final requests = ReceivePort();
  reply.send(requests.sendPort);
  final tally = Tally();
  var reporting = false;
  requests.listen((_) => reporting = true);
  for (;;) {
    if (reporting) {
      // Everything posted before the request has arrived once it settles.
      (await inbox.settle()).forEach(tally.take);
      break;
    }
    try {
      tally.take(await inbox.next(timeout: const Duration(milliseconds: 200)));
    } on Exception {
      // Nothing arrived for a while: look for the request again.
    }
  }
  bridge.DartUnregisterSendPort(inbox.nativePort);
  inbox.close();
  requests.close();
  reply.send([tally.received, tally.lastArrival, ...tally.problems]);
}

void main() {
  final bridge = openBridge();
  final standin = StandinControl.open();

  test(
      '$sdkThreads SDK threads into two isolates: each port gets every '
      'envelope once, in order per thread, unchanged', () async {
    standin.reset();
    expect(bridge.DartInitDartApiDL(NativeApi.initializeApiDLData), 0);
    final listenerText = listenerUserData.toNativeText(); // never freed
    expect(bridge.DartAddReceiveNewMsgCallback(listenerText), 0);

    final replies = ReceivePort();
    final fromSecond = StreamIterator(replies);
    await Isolate.spawn(secondIsolate, [bridgeLibraryPath, replies.sendPort]);
    check(await fromSecond.moveNext(), 'the second isolate started');
    final toSecond = fromSecond.current as SendPort;
    final inbox = Inbox();
    bridge.DartRegisterSendPort(inbox.nativePort);

    final total = sdkThreads * eventsPerThread;
    final started = DateTime.now().microsecondsSinceEpoch;
    expect(standin.startEventLoad(sdkThreads, eventsPerThread, textBytes), 0);
    final tally = Tally();
    try {
      while (tally.received < total) {
        tally.take(await inbox.next(timeout: const Duration(seconds: 10)));
      }
    } on TimeoutException {
      // Some went missing: what did arrive is checked below.
    } finally {
      standin.joinEventLoad();
    }
    (await inbox.settle()).forEach(tally.take);
    bridge.DartUnregisterSendPort(inbox.nativePort);
    inbox.close();

    toSecond.send('report');
    check(await fromSecond.moveNext(), 'the second isolate reported');
    final report = fromSecond.current as List;
    replies.close();

    expect(tally.problems, <String>[], 'first isolate');
    expect(tally.received, total, 'envelopes at the first isolate');
    check(tally.complete, 'every event reached the first isolate');
    expect(report.sublist(2), <String>[], 'second isolate');
    expect(report[0], total, 'envelopes at the second isolate');

    final last = [tally.lastArrival, report[1] as int].reduce(
      (a, b) => a > b ? a : b,
    );
    final seconds = (last - started) / 1e6;
    stdout.writeln('  load: ${(2 * total / seconds).round()} envelopes per '
        'second received (2 isolates, $sdkThreads SDK threads, '
        '$eventsPerThread events each of $textBytes-byte texts, '
        '${(seconds * 1000).round()} ms)');
  });
}
