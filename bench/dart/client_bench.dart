// The plugin's API next to what an app writes by hand with the raw bindings,
// on the same bridge and stand-in SDK, in one run, interleaved in rounds:
//
// Throughput: four SDK threads raise new-message events, taken by
//   port          a bare ReceivePort that counts the texts (what the VM
//                 delivers: the ceiling of every way)
//   jsonDecode    the same, each text decoded by jsonDecode
//   typed stream  ZelBridge.onReceiveNewMsg, each event read by its getters
// in envelopes per second, two ways:
//   from SDK threads  from the first raise to the arrival of the last, the
//                     isolate taking them while they are posted; the posting
//                     threads bound it, and an isolate that idles between
//                     envelopes is woken for each, which costs them time
//   draining          the isolate blocked until every envelope is posted,
//                     then from there to the last: the isolate's own cost
//
// Round trip of one completion, from the call to its completion handed to
// the caller, the SDK completing on a thread of its own; p50 and p99 of all
// calls of every round, taken by
//   guide client  the hand-written client of docs/dart-integration.md (raw
//                 bindings, jsonDecode, user_data on the C heap)
//   ZelBridge     ZelBridge.getUsersInfo's Future
//
// Run through CTest (label dart-bench): ctest --preset dart-vm-bench
import 'dart:async';
import 'dart:convert';
import 'dart:ffi';
import 'dart:io';
import 'dart:isolate';

import 'package:zelbridge/zelbridge.dart';
import 'package:zelbridge/zelbridge_bindings.dart';
import 'package:zelbridge_guide/guide_bridge_client.dart';
import 'package:zelbridge_guide/guide_start.dart';
import 'package:zelbridge_test_support/environment.dart';
import 'package:zelbridge_test_support/standin.dart';

const sdkThreads = 4;
const eventsPerThread = 10000;
const textBytes = 64;
const throughputRounds = 5;
const roundTripRounds = 7;
const callsPerRound = 400;
const usersInfoParam = '{"get_user_profile_list_param_identifier_array":["alice"]}';
const usersInfoResult = '[{"user_profile_identifier":"alice",'
    '"user_profile_nick_name":"Alice"}]';

final bindings = ZelBridgeBindings(DynamicLibrary.open(bridgeLibraryPath));
final standin = StandinControl.open();
var sink = 0;

ZelBridge openApi() => ZelBridge.open(libraryPath: bridgeLibraryPath);

/// Seconds until [arrived] completes: from the start of the event load, or
/// with [draining] from when every event has been posted, the isolate having
/// waited for the posting threads to end.
Future<double> underLoad(Future<void> Function() arrived, bool draining) async {
  final watch = Stopwatch()..start();
  if (standin.startEventLoad(sdkThreads, eventsPerThread, textBytes) != 0) {
    throw StateError('the stand-in has no new-message listener');
  }
  if (draining) {
    standin.joinEventLoad();
    watch.reset();
  }
  try {
    await arrived().timeout(const Duration(seconds: 60));
  } finally {
    if (!draining) standin.joinEventLoad();
  }
  return watch.elapsedMicroseconds / 1e6;
}

/// A bare receive port registered for one load, each text handed to [take].
Future<double> viaPort(bool draining, void Function(String text) take) async {
  final port = ReceivePort();
  final done = Completer<void>();
  var received = 0;
  port.listen((posted) {
    take(posted as String);
    if (++received == sdkThreads * eventsPerThread) done.complete();
  });
  bindings.DartRegisterSendPort(port.sendPort.nativePort);
  try {
    return await underLoad(() => done.future, draining);
  } finally {
    bindings.DartUnregisterSendPort(port.sendPort.nativePort);
    port.close();
  }
}

Future<double> viaTypedStream(bool draining) async {
  final api = openApi();
  final done = Completer<void>();
  var received = 0;
  final subscription = api.onReceiveNewMsg.listen((event) {
    sink ^= event.jsonMsgArray.length ^ event.userData.length;
    if (++received == sdkThreads * eventsPerThread) done.complete();
  });
  try {
    return await underLoad(() => done.future, draining);
  } finally {
    await subscription.cancel();
    api.close();
  }
}

final throughputWays = <String, Future<double> Function(bool draining)>{
  'port': (draining) => viaPort(draining, (text) => sink ^= text.length),
  'jsonDecode': (draining) =>
      viaPort(draining, (text) => sink ^= (jsonDecode(text) as Map).length),
  'typed stream': viaTypedStream,
};
const throughputKinds = {'from SDK threads': false, 'draining': true};

/// Microseconds of each of [callsPerRound] calls, one after the other.
Future<List<double>> roundTrips(Future<void> Function() call) async {
  final times = <double>[];
  final watch = Stopwatch()..start();
  for (var i = 0; i < callsPerRound; i++) {
    final start = watch.elapsedTicks;
    await call();
    times.add((watch.elapsedTicks - start) * 1e6 / watch.frequency);
  }
  return times;
}

Future<List<double>> viaGuideClient() async {
  final client = BridgeClient(bindings, 'bench-guide')..start((_) {});
  try {
    return await roundTrips(() async {
      final completion = await client.call((userData) => withTexts(
          [usersInfoParam], (t) => bindings.DartGetUsersInfo(t[0], userData)));
      sink ^= (completion['json_param'] as String).length;
    });
  } finally {
    client.stop();
  }
}

Future<List<double>> viaApi() async {
  final api = openApi();
  try {
    return await roundTrips(() async {
      final completion = await api.getUsersInfo(usersInfoParam);
      sink ^= completion.jsonParam.length;
    });
  } finally {
    api.close();
  }
}

final roundTripWays = <String, Future<List<double>> Function()>{
  'guide client': viaGuideClient,
  'ZelBridge': viaApi,
};

/// The ways in another order in each round, so that none always runs first.
List<String> rotated(Iterable<String> ways, int round) {
  final order = ways.toList();
  for (var i = 0; i < round % order.length; i++) {
    order.add(order.removeAt(0));
  }
  return order;
}

double percentile(List<double> values, double fraction) {
  final sorted = values.toList()..sort();
  return sorted[((sorted.length - 1) * fraction).round()];
}

Future<void> main() async {
  standin.reset();
  // The process's set-up, as an app's first isolate does it: the SDK, and
  // the new-message listener, registered by the first subscriber.
  final first = openApi();
  if (first.initSdk(1, '{}') != 0) throw StateError('initSdk failed');
  final registration = first.onReceiveNewMsg.listen((_) {});
  await registration.cancel();
  first.close();
  standin.setCompletion(CompletionMode.worker,
      desc: 'OK', jsonParams: usersInfoResult);

  for (final way in throughputWays.values) {
    await way(false); // warm-up
  }
  final rates = {
    for (final kind in throughputKinds.keys)
      kind: {for (final way in throughputWays.keys) way: <double>[]},
  };
  for (var round = 0; round < throughputRounds; round++) {
    for (final MapEntry(key: kind, value: draining) in throughputKinds.entries) {
      for (final way in rotated(throughputWays.keys, round)) {
        rates[kind]![way]!.add(
            sdkThreads * eventsPerThread / await throughputWays[way]!(draining));
      }
    }
  }

  for (final way in roundTripWays.values) {
    await way(); // warm-up
  }
  final trips = {for (final way in roundTripWays.keys) way: <double>[]};
  for (var round = 0; round < roundTripRounds; round++) {
    for (final way in rotated(roundTripWays.keys, round)) {
      trips[way]!.addAll(await roundTripWays[way]!());
    }
  }

  stdout.writeln('On ${Platform.version}');
  stdout.writeln('Envelopes per second into one isolate, $sdkThreads SDK '
      'threads, ${sdkThreads * eventsPerThread} events of $textBytes-byte '
      'texts per round (median of $throughputRounds interleaved rounds):');
  for (final MapEntry(key: kind, value: ofWays) in rates.entries) {
    stdout.writeln('  $kind');
    final ceiling = percentile(ofWays['port']!, 0.5);
    for (final MapEntry(key: way, value: values) in ofWays.entries) {
      final rate = percentile(values, 0.5);
      stdout.writeln('    ${way.padRight(14)} '
          '${rate.round().toString().padLeft(8)}  '
          '${(rate / ceiling).toStringAsFixed(2)} of the bare port');
    }
  }
  stdout.writeln('Round trip of one completion, call to completion, in µs '
      '(${roundTripRounds * callsPerRound} calls each, $roundTripRounds '
      'interleaved rounds):');
  final guide = trips['guide client']!;
  for (final MapEntry(key: way, value: values) in trips.entries) {
    stdout.writeln('  ${way.padRight(14)} p50 '
        '${percentile(values, 0.5).toStringAsFixed(1).padLeft(7)}  p99 '
        '${percentile(values, 0.99).toStringAsFixed(1).padLeft(7)}  '
        'p50 ratio to the guide client '
        '${(percentile(values, 0.5) / percentile(guide, 0.5)).toStringAsFixed(2)}');
  }
  stdout.writeln('(sink $sink)');
  await stdout.flush();
  exit(0);
}
