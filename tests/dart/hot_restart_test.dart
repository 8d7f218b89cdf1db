// A hot restart's shape: an isolate that registered its port, set the
// process up and has a call in flight ends without unregistering (killed,
// or exiting); the next one follows the guide's safe pattern and carries on.
// A port of the test's own stays registered throughout, as a live port that
// must lose nothing.
import 'dart:async';
import 'dart:ffi';
import 'dart:isolate';

import 'package:zelbridge/zelbridge_bindings.dart';
import 'package:zelbridge_guide/guide_bridge_client.dart';
import 'package:zelbridge_guide/guide_start.dart';
import 'package:zelbridge_test_support/check.dart';
import 'package:zelbridge_test_support/environment.dart';
import 'package:zelbridge_test_support/inbox.dart';
import 'package:zelbridge_test_support/standin.dart';

// Long enough for the first generation's call to be in flight when it ends.
const worldConfig = '{"standin_world":true,"standin_network_delay_ms":300}';
const textMessage =
    '{"message_elem_array":[{"elem_type":0,"text_elem_content":"still there?"}]}';

Future<BridgeClient> startGeneration(
        ZelBridgeBindings bridge, void Function(Map<String, dynamic>) onEvent) =>
    startMainIsolate(bridge,
        sdkAppId: 1,
        sdkConfig: worldConfig,
        userId: 'restart-user',
        userSig: 'signature',
        onEvent: onEvent);

/// Generation 1: sets the process up, starts a call and tells the test its
/// prefix; then exits without unregistering, or waits to be killed.
Future<void> firstGeneration((SendPort, bool) message) async {
  final (report, exits) = message;
  final bridge = openBridge();
  final client = await startGeneration(bridge, (_) {});
  unawaited(client.call(bridge.DartGetJoinedGroupList));
  if (exits) Isolate.exit(report, client.prefix);
  report.send(client.prefix);
}

/// Generation 2: finds the process set up, sends a message that alice
/// answers, and reports what it saw once the first generation's call has
/// completed into its port.
Future<void> secondGeneration((SendPort, String) message) async {
  final (report, stalePrefix) = message;
  final bridge = openBridge();
  final events = <int>[];
  final answered = Completer<void>();
  final client = await startGeneration(bridge, (event) {
    events.add(event['callbackType'] as int);
    if (event['callbackType'] == 7 && !answered.isCompleted) answered.complete();
  });
  final stale = Completer<String>();
  client.onDropped = (envelope) => stale.complete(envelope['user_data'] as String);
  final sent = await client.call((userData) => withTexts(['alice', textMessage], (t) {
        bridge.DartSendMessage(t[0], 1, t[1], userData);
        return 0;
      }));
  // Numbered as generation 1 numbered its calls, this one would take the
  // call still in flight for its own.
  final listed = await client.call(bridge.DartGetJoinedGroupList);
  final dropped = await stale.future.timeout(const Duration(seconds: 20));
  await answered.future.timeout(const Duration(seconds: 20));
  // Later events of the same kind would show a listener registered twice.
  await Future<void>.delayed(const Duration(milliseconds: 500));
  client.stop();
  report.send({
    'sent': sent['code'],
    'dropped': dropped,
    'stale': dropped.startsWith(stalePrefix),
    'own': [sent['user_data'], listed['user_data']],
    'events': events,
  });
}

void main() {
  final bridge = openBridge();
  final standin = StandinControl.open();

  for (final ending in ['is killed', 'exits']) {
    test('a generation that $ending with a call in flight', () async {
      standin.reset();
      for (final flag in ['sdk', 'listeners']) {
        ProcessRecord.instance.clear(flag);
      }
      expect(bridge.DartInitDartApiDL(NativeApi.initializeApiDLData), 0);
      final live = Inbox();
      bridge.DartRegisterSendPort(live.nativePort);

      final reports = ReceivePort();
      final replies = StreamIterator(reports);
      // An isolate that fails reports its error on the same port.
      Future<Object?> reply(String generation) async {
        check(await replies.moveNext(), '$generation reported');
        if (replies.current is List) fail('$generation failed: ${replies.current}');
        return replies.current;
      }

      final first = await Isolate.spawn(
          firstGeneration, (reports.sendPort, ending == 'exits'),
          onError: reports.sendPort);
      final firstPrefix = await reply('generation 1') as String;
      if (ending == 'is killed') first.kill(priority: Isolate.immediate);
      final deadPort = ProcessRecord.instance.portOf('main');
      check(deadPort != null, 'generation 1 recorded its port');

      await Isolate.spawn(secondGeneration, (reports.sendPort, firstPrefix),
          onError: reports.sendPort);
      final seen = await reply('generation 2') as Map;
      await replies.cancel();

      expect(seen['sent'], 0, 'generation 2 sends: the login carried over');
      expect(seen['stale'], true,
          'the completion it dropped is generation 1\'s: ${seen['dropped']}');
      check(!(seen['own'] as List).contains(seen['dropped']),
          'generation 2 took none of generation 1\'s completions: $seen');
      expect((seen['events'] as List).where((type) => type == 7).length, 1,
          'alice\'s answer arrives once: the listener is not registered twice');
      check(ProcessRecord.instance.portOf('main') != deadPort,
          'generation 2 replaced the record of the dead port');

      // The live port lost nothing: generation 1's login and call, and
      // generation 2's message with alice's answer.
      final posts = await live.settle();
      final completions = posts.where((p) => p.contains('"apiCallback"'));
      final ofFirst = completions.where((p) => p.contains(firstPrefix.replaceAll('/', r'\/')));
      expect(ofFirst.length, 2, 'generation 1\'s completions at the live port');
      expect(completions.length, 4, 'completions at the live port');
      expect(posts.where((p) => p.contains('"callbackType":7')).length, 1,
          'new-message events at the live port');
      bridge.DartUnregisterSendPort(live.nativePort);
      live.close();
    });
  }
}
