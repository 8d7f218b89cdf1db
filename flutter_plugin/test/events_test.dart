// Every kind of event through the client's streams, from real posts: the SDK
// raises each listener's event on a thread of its own, and each typed stream
// receives exactly its kind, as its class, once; `events` receives all.
import 'dart:async';
import 'dart:mirrors';

import 'package:zelbridge/zelbridge.dart';
import 'package:zelbridge_test_support/check.dart';
import 'package:zelbridge_test_support/environment.dart';
import 'package:zelbridge_test_support/process_setup.dart';
import 'package:zelbridge_test_support/standin.dart';

final standin = StandinControl.open();

/// The typed event streams of ZelBridge: getter name and event class.
final Map<Symbol, Type> eventStreams = {
  for (final member in reflectClass(ZelBridge).instanceMembers.values)
    if (member.isGetter &&
        MirrorSystem.getName(member.owner!.simpleName) == '_Events')
      member.simpleName:
          (member.returnType as ClassMirror).typeArguments.single.reflectedType,
};

/// A turn of the event loop for envelopes already posted to arrive.
Future<void> arrivals() => Future<void>.delayed(const Duration(milliseconds: 200));

void main() {
  late ZelBridge bridge;

  setUp(() {
    standin.reset();
    forgetProcessSetUp();
    bridge = ZelBridge.open(libraryPath: bridgeLibraryPath, portName: 'events');
  });
  tearDown(() => bridge.close());

  test('each of the 68 typed streams receives its kind once, as its class',
      () async {
    expect(eventStreams.length, 68);
    expect(eventStreams.values.toSet().length, 68, 'one class per stream');
    final received = <Symbol, List<Event>>{};
    final subscriptions = [
      for (final MapEntry(key: getter) in eventStreams.entries)
        (reflect(bridge).getField(getter).reflectee as Stream<Event>)
            .listen((event) => received.putIfAbsent(getter, () => []).add(event)),
    ];
    final all = <Event>[];
    final everything = bridge.events.listen(all.add);
    final registrations = standin.journal().map((call) => call.function).toList();
    expect(registrations.length, 68, 'each listener registered once');

    for (final registration in registrations) {
      expect(standin.raiseSampleEvent(registration, thread: SdkThread.newThread),
          0, registration);
    }
    await arrivals();

    final wrong = <String>[];
    for (final MapEntry(key: getter, value: type) in eventStreams.entries) {
      final events = received[getter] ?? [];
      final name = MirrorSystem.getName(getter);
      if (events.length != 1) {
        wrong.add('$name received ${events.length}');
      } else if (events.single.runtimeType != type) {
        wrong.add('$name received a ${events.single.runtimeType}');
      }
    }
    expect(wrong, <String>[]);
    expect(all.map((event) => event.runtimeType).toSet(),
        eventStreams.values.toSet(), 'events receives every kind');
    expect(all.length, 68);
    for (final event in all) {
      check(event.userData.startsWith('zelbridge/listener.'),
          'the listener\'s own user_data: ${event.userData}');
      expect(event.toJson()['callback'], event.callback);
    }
    for (final subscription in subscriptions) {
      await subscription.cancel();
    }
    await everything.cancel();
  });

  test('a typed stream registers only its own listener, on its first '
      'subscriber', () async {
    final messages = <ReceiveNewMsgEvent>[];
    final first = bridge.onReceiveNewMsg.listen(messages.add);
    final second = bridge.onReceiveNewMsg.listen((_) {});
    expect(standin.journal().map((call) => call.function).toList(),
        ['ZelAddRecvNewMsgCallback']);
    standin.raiseEvent('ZelAddRecvNewMsgCallback', ['[{"text":"hi"}]'],
        thread: SdkThread.worker);
    await arrivals();
    expect(messages.length, 1);
    expect(messages.single.decodedJsonMsgArray, [
      {'text': 'hi'}
    ]);
    await first.cancel();
    await second.cancel();
  });
}
