// Isolates through the client: two at once each take exactly their own
// completions and drop the other's; an isolate killed with calls in flight
// and a listener registered leaves its port in the process record, where the
// next generation of the same name finds it and puts its own; that
// generation drops the dead one's late completions, sets nothing up again
// and receives the events.
import 'dart:async';
import 'dart:isolate';

import 'package:zelbridge/zelbridge.dart';
import 'package:zelbridge_test_support/check.dart';
import 'package:zelbridge_test_support/environment.dart';
import 'package:zelbridge_test_support/process_setup.dart';
import 'package:zelbridge_test_support/standin.dart';

final standin = StandinControl.open();

const callsPerIsolate = 60;

/// What one isolate saw of its own calls.
typedef Outcome = ({String prefix, List<String> userData, int dropped});

/// An isolate that opens its client, reports a port to start it by, and on
/// the start makes [callsPerIsolate] calls at once; it reports when they have
/// all completed and the other isolates' completions have arrived.
Future<void> caller((String, SendPort, int) start) async {
  final (name, report, expectedDropped) = start;
  final bridge = ZelBridge.open(libraryPath: bridgeLibraryPath, portName: name);
  final go = ReceivePort();
  report.send(go.sendPort);
  await go.first;
  final completions = await Future.wait([
    for (var call = 0; call < callsPerIsolate; call++)
      bridge.getConversationList(),
  ]);
  // The other isolates' completions may still be on their way.
  for (var turn = 0;
      turn < 500 && bridge.droppedCompletions < expectedDropped;
      turn++) {
    await Future<void>.delayed(const Duration(milliseconds: 10));
  }
  report.send((
    prefix: bridge.prefix,
    userData: [for (final completion in completions) completion.userData],
    dropped: bridge.droppedCompletions,
  ));
  bridge.close();
}

/// An isolate that registers a listener, starts calls the SDK holds, reports
/// its port and its calls' user_data, and waits to be killed.
Future<void> firstGeneration(SendPort report) async {
  final bridge = ZelBridge.open(libraryPath: bridgeLibraryPath, portName: 'app');
  await bridge.setUp(
      sdkAppId: 1, sdkConfig: {'sdk': 'config'}, userId: 'u', userSig: 's');
  bridge.onKickedOffline.listen((_) {});
  for (var call = 0; call < 5; call++) {
    unawaited(bridge.getConversationList().then((_) {}, onError: (_) {}));
  }
  report.send(bridge.prefix);
  await Completer<void>().future;
}

void main() {
  setUp(() {
    standin.reset();
    forgetProcessSetUp();
  });

  test('two isolates at once each take exactly their own completions',
      () async {
    final main = ZelBridge.open(libraryPath: bridgeLibraryPath, portName: 'main');
    expect(main.initSdk(1, '{}'), 0);
    standin.setCompletion(CompletionMode.worker, desc: 'done', jsonParams: '[]');
    final reports = ReceivePort();
    final messages = StreamIterator(reports);
    for (final name in ['worker-1', 'worker-2']) {
      await Isolate.spawn(caller, (name, reports.sendPort, callsPerIsolate));
    }
    final starts = <SendPort>[];
    while (starts.length < 2 && await messages.moveNext()) {
      starts.add(messages.current as SendPort);
    }
    for (final start in starts) {
      start.send(null);
    }
    final outcomes = <Outcome>[];
    while (outcomes.length < 2 && await messages.moveNext()) {
      outcomes.add(messages.current as Outcome);
    }
    await messages.cancel();
    final allUserData = <String>{};
    for (final outcome in outcomes) {
      check(outcome.userData.every((text) => text.startsWith(outcome.prefix)),
          'every completion an isolate took carries its own prefix');
      expect(outcome.userData.toSet().length, callsPerIsolate,
          'each call completed once');
      expect(outcome.dropped, callsPerIsolate, 'the other isolate\'s, dropped');
      allUserData.addAll(outcome.userData);
    }
    expect(allUserData.length, 2 * callsPerIsolate);
    await Future<void>.delayed(const Duration(milliseconds: 100));
    expect(main.droppedCompletions, 2 * callsPerIsolate,
        'the main isolate saw them all and took none');
    main.close();
  });

  test('after an isolate is killed the next generation of its name takes its '
      'place in the record and carries on', () async {
    standin.setCompletion(CompletionMode.immediate, desc: 'done');
    final reports = ReceivePort();
    final killed = await Isolate.spawn(firstGeneration, reports.sendPort);
    final deadPrefix = await reports.first as String;
    killed.kill(priority: Isolate.immediate);
    await Future<void>.delayed(const Duration(milliseconds: 100));
    final held = [
      for (final call in standin.journal())
        if (call.function == 'ZelConvGetConvList') call,
    ];
    expect(held.length, 5, 'the dead isolate\'s calls the SDK holds');

    final stalePort = ProcessRecord.instance.portOf('app');
    check(stalePort != null, 'the dead isolate left its port in the record');
    final next = ZelBridge.open(libraryPath: bridgeLibraryPath, portName: 'app');
    check(ProcessRecord.instance.portOf('app') != stalePort,
        'the record holds the new port');
    check(next.prefix != deadPrefix, 'a new prefix');
    final journalBefore = standin.journal().length;
    await next.setUp(
        sdkAppId: 1, sdkConfig: {'sdk': 'config'}, userId: 'u', userSig: 's');
    final kicked = <KickedOfflineEvent>[];
    next.onKickedOffline.listen(kicked.add);
    final setUpCalls = [
      for (final call in standin.journal().skip(journalBefore)) call.function,
    ];
    check(!setUpCalls.contains('ZelInitSDK'), 'the SDK is not set up again');
    check(!setUpCalls.contains('ZelSetKickedOfflineCallback'),
        'nor the listener: $setUpCalls');

    standin.setCompletion(CompletionMode.none);
    for (final call in held) {
      standin.complete(call.index, desc: 'late', thread: SdkThread.newThread);
    }
    standin.raiseSampleEvent('ZelSetKickedOfflineCallback',
        thread: SdkThread.newThread);
    standin.setCompletion(CompletionMode.worker, desc: 'done');
    final own = await next.getConversationList();
    await Future<void>.delayed(const Duration(milliseconds: 100));
    check(own.userData.startsWith(next.prefix), 'its own completion');
    expect(next.droppedCompletions, 5, 'the dead isolate\'s, dropped');
    expect(kicked.length, 1, 'the event reaches the new generation once');
    reports.close();
    next.close();
  });
}
