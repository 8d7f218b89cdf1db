// Who frees what, counted: every text the client allocates for a call is
// freed when the export returns, but user_data, which is freed when its
// completion has arrived (after the last page for read-member lists), and
// never for listeners; texts of calls in flight when the client closes stay.
import 'dart:async';
import 'dart:ffi';

import 'package:zelbridge/zelbridge.dart';
import 'package:zelbridge/zelbridge_bindings.dart' show NativeTextToString;
import 'package:zelbridge_test_support/check.dart';
import 'package:zelbridge_test_support/counting_allocator.dart';
import 'package:zelbridge_test_support/environment.dart';
import 'package:zelbridge_test_support/process_setup.dart';
import 'package:zelbridge_test_support/standin.dart';

final standin = StandinControl.open();

/// The text at a user_data address that the SDK was handed.
String textAt(int address) =>
    Pointer<Char>.fromAddress(address).toDartString(allowMalformed: true);

/// The journal's last call, the one the test just made.
JournalCall lastCall() => standin.journal().last;

/// A turn of the event loop for envelopes already posted to arrive.
Future<void> arrivals() => Future<void>.delayed(const Duration(milliseconds: 50));

void main() {
  late CountingAllocator heap;
  late ZelBridge bridge;

  setUp(() {
    standin.reset();
    heap = CountingAllocator();
    forgetProcessSetUp();
    bridge = ZelBridge.open(
        libraryPath: bridgeLibraryPath, portName: 'ownership', allocator: heap);
    expect(bridge.initSdk(1, {'sdk': 'config'}), 0);
    expect(heap.live.length, 0, 'the config is freed when initSdk returns');
  });
  tearDown(() {
    bridge.close();
    expect(heap.strayFrees, 0, 'frees of texts the client did not hold');
  });

  test('completes once: the inputs are freed at once, user_data on completion',
      () async {
    standin.setCompletion(CompletionMode.none);
    final login = bridge.login('user', 'signature');
    final call = lastCall();
    expect(heap.allocations, 4, 'config, two inputs and user_data');
    expect(heap.live.length, 1, 'only user_data is left');
    check(heap.live.containsKey(call.userData), 'the SDK holds that one');
    await arrivals();
    check(heap.live.containsKey(call.userData),
        'user_data lives until the completion has arrived');
    final sentUserData = textAt(call.userData);
    check(sentUserData.startsWith(bridge.prefix), 'user_data has the prefix');
    standin.complete(call.index, desc: 'OK');
    final completion = await login;
    expect(completion.userData, sentUserData);
    expect(heap.live.length, 0, 'user_data freed once the completion arrived');
    expect(heap.frees, heap.allocations, 'every allocation freed once');
  });

  test('a result other than 0 fails at once and keeps user_data for a late '
      'completion', () async {
    standin
      ..setCompletion(CompletionMode.none)
      ..result = 5;
    final failure = await expectThrows<ZelException>(() => bridge.logout());
    expect((failure.code, failure.returned), (5, true));
    final call = lastCall();
    check(heap.live.containsKey(call.userData), 'the SDK may still complete it');
    standin.complete(call.index);
    await arrivals();
    expect(heap.live.length, 0, 'the late completion frees it');
  });

  test('a completion with a code fails with it, and frees user_data', () async {
    standin.setCompletion(CompletionMode.immediate, code: 7001, desc: 'no');
    final failure = await expectThrows<ZelException>(() => bridge.logout());
    expect((failure.code, failure.desc, failure.returned), (7001, 'no', false));
    check(failure.completion is Completion, 'the raw completion comes with it');
    expect(heap.live.length, 0);
  });

  test('an error envelope for the call fails it with 6131 and frees user_data',
      () async {
    standin.setCompletion(CompletionMode.none);
    final logout = bridge.logout();
    final call = lastCall();
    final port = ProcessRecord.instance.portOf('ownership')!;
    final userData = textAt(call.userData).replaceAll('/', r'\/');
    check(
        standin.postText(
            port,
            '{"callback":"apiCallback","callbackType":null,"code":6131,'
            '"desc":"IM ffi data error","user_data":"$userData"}'),
        'posted');
    final failure = await expectThrows<ZelException>(() => logout);
    expect(failure.code, ZelException.lostCompletion);
    check(failure.completion is ErrorEnvelope, 'with the error envelope');
    expect(heap.live.length, 0, 'freed as the completion would have freed it');
  });

  test('read-member pages: user_data lives until the last page', () async {
    standin.setReadMemberListCompletion(CompletionMode.none);
    final pages = <ReadMemberCompletion>[];
    final done = bridge
        .getGroupMessageReadMemberList('{}', 0, 0, 10)
        .listen(pages.add)
        .asFuture<void>();
    final call = lastCall();
    standin.completeReadMemberList(call.index, jsonMemberArray: '[1]', nextSeq: -1);
    await arrivals();
    expect(pages.length, 1);
    expect(pages.single.nextSeq, -1, 'next_seq 2^64-1 with the same 64 bits');
    check(heap.live.containsKey(call.userData), 'kept after a page not finished');
    standin.completeReadMemberList(call.index, jsonMemberArray: '[]', isFinished: true);
    await done;
    expect(pages.length, 2);
    expect(heap.live.length, 0, 'freed after the finished page');
  });

  test('a text an export returns, and its completion', () async {
    standin
      ..setCompletion(CompletionMode.none)
      ..setBufferCounter('msg-');
    final sent = bridge.sendMessage('alice', 1, {'message_elem_array': []});
    expect(sent.text, 'msg-1');
    expect(heap.live.length, 1, 'user_data only');
    standin.complete(lastCall().index);
    await sent.completion;
    expect(heap.live.length, 0);
  });

  test('never completes: setConfig frees its user_data when it returns', () {
    expect(bridge.setConfig({'log_level': 1}), 0);
    expect(heap.live.length, 0);
    expect(bridge.getSdkVersion(), '0.0.0-standin');
  });

  test('listeners: user_data allocated once per process and never freed',
      () async {
    final first = bridge.onKickedOffline.listen((_) {});
    final second = bridge.onKickedOffline.listen((_) {});
    expect(standin.listeners('ZelSetKickedOfflineCallback').length, 1,
        'a second subscriber does not register again');
    final other = ZelBridge.open(
        libraryPath: bridgeLibraryPath, portName: 'ownership-2', allocator: heap);
    final third = other.onKickedOffline.listen((_) {});
    expect(standin.listeners('ZelSetKickedOfflineCallback').length, 1,
        'nor does another client of the process');
    await first.cancel();
    await second.cancel();
    await third.cancel();
    other.close();
    expect(heap.live.length, 1, 'the listener\'s user_data stays');
  });

  test('closing with a call in flight fails it and keeps its user_data',
      () async {
    standin.setCompletion(CompletionMode.none);
    final logout = bridge.logout();
    bridge.close();
    await expectThrows<StateError>(() => logout);
    expect(heap.live.length, 1, 'the SDK still holds user_data');
    await expectThrows<StateError>(() => bridge.logout(), 'calls after close');
  });
}
