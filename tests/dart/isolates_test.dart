// Several isolates using the bridge at once, each with its own port and
// prefix (the guide's BridgeClient): every completion reaches every port,
// and each isolate takes exactly its own. And a new isolate group, which
// binds the Dart API again.
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

const isolates = 6;
const callsEach = 40;

/// What one worker isolate saw: its own completions and the others'.
typedef Tally = ({int own, int dropped, List<String> ownUserData});

/// A worker isolate: starts its client under its own port name, makes its
/// calls, and reports once every isolate's completions have reached it.
Future<void> worker((SendPort, int, SendPort) message) async {
  final (report, number, ready) = message;
  final bridge = openBridge();
  check(bridge.DartInitDartApiDL(NativeApi.initializeApiDLData) == 0, 'bind');
  final client = BridgeClient(bridge, 'worker-$number');
  var dropped = 0;
  final all = Completer<void>();
  var seen = 0;
  void counted() {
    if (++seen == isolates * callsEach) all.complete();
  }

  client.onDropped = (_) {
    dropped++;
    counted();
  };
  client.start((_) {});
  // Every isolate's port is registered before any isolate calls.
  final go = ReceivePort();
  ready.send(go.sendPort);
  await go.first;
  final completions = await Future.wait([
    for (var i = 0; i < callsEach; i++)
      client.call(bridge.DartGetJoinedGroupList).then((completion) {
        counted();
        return completion;
      }),
  ]);
  await all.future;
  client.stop();
  report.send((
    own: completions.length,
    dropped: dropped,
    ownUserData: [for (final c in completions) c['user_data'] as String],
  ));
}

void main() {
  final bridge = openBridge();
  final standin = StandinControl.open();

  test('each isolate takes exactly its own completions, and sees every one',
      () async {
    standin.reset();
    expect(bridge.DartInitDartApiDL(NativeApi.initializeApiDLData), 0);
    final observer = Inbox();
    bridge.DartRegisterSendPort(observer.nativePort);
    final main = await startMainIsolate(bridge,
        sdkAppId: 1,
        sdkConfig: '{"standin_world":true,"standin_network_delay_ms":0}',
        userId: 'isolates-user',
        userSig: 'signature',
        onEvent: (_) {});
    await observer.settle();

    final reports = ReceivePort();
    final ready = ReceivePort();
    for (var number = 0; number < isolates; number++) {
      await Isolate.spawn(worker, (reports.sendPort, number, ready.sendPort));
    }
    final goPorts = await ready.take(isolates).toList();
    for (final go in goPorts) {
      (go as SendPort).send(true);
    }
    final tallies = (await reports.take(isolates).toList()).cast<Tally>();
    reports.close();
    ready.close();

    final ownTexts = <String>{};
    for (final tally in tallies) {
      expect(tally.own, callsEach, 'completions an isolate took as its own');
      expect(tally.dropped, (isolates - 1) * callsEach, 'others\' it dropped');
      ownTexts.addAll(tally.ownUserData);
    }
    expect(ownTexts.length, isolates * callsEach, 'no completion taken twice');
    final posts = await observer.settle();
    expect(posts.length, isolates * callsEach, 'completions at a live port');
    bridge.DartUnregisterSendPort(observer.nativePort);
    observer.close();
    main.stop();
  });

  test('a new isolate group binds the Dart API again and receives its own',
      () async {
    standin.reset();
    standin.setCompletion(CompletionMode.worker, desc: 'from the SDK');
    final answer = ReceivePort();
    await Isolate.spawnUri(
      sourceFile('tests/dart/programs/new_isolate_group.dart').uri,
      [],
      answer.sendPort,
      packageConfig: Isolate.packageConfigSync,
    );
    final result = await answer.first as Map;
    expect(result['bound'], 0, 'DartInitDartApiDL in the new group');
    expect(result['desc'], 'from the SDK', 'its completion');
  });
}
