// No Future waits for nothing: calls before initSdk and after close fail at
// once, and a call whose completion does not come in callTimeout fails with
// a TimeoutException while its user_data stays for a late completion.
import 'dart:async';

import 'package:zelbridge/zelbridge.dart';
import 'package:zelbridge_test_support/check.dart';
import 'package:zelbridge_test_support/counting_allocator.dart';
import 'package:zelbridge_test_support/environment.dart';
import 'package:zelbridge_test_support/process_setup.dart';
import 'package:zelbridge_test_support/standin.dart';

final standin = StandinControl.open();

void main() {
  setUp(() {
    standin.reset();
    forgetProcessSetUp();
  });

  test('before initSdk an operation fails at once and reaches no SDK', () async {
    final bridge =
        ZelBridge.open(libraryPath: bridgeLibraryPath, portName: 'no-wait');
    final before = standin.journal().length;
    await expectThrows<StateError>(() => bridge.logout());
    await expectThrows<StateError>(
        () => bridge.getGroupMessageReadMemberList('{}', 0, 0, 1).toList());
    expect(standin.journal().length, before, 'nothing reached the SDK');
    bridge.close();
  });

  test('after close every kind of call fails at once', () async {
    final bridge =
        ZelBridge.open(libraryPath: bridgeLibraryPath, portName: 'no-wait');
    expect(bridge.initSdk(1, '{}'), 0);
    bridge.close();
    await expectThrows<StateError>(() => bridge.getConversationList());
    await expectThrows<StateError>(() => bridge.sendMessage('a', 1, '{}'));
    await expectThrows<StateError>(() => bridge.getServerTime());
  });

  test('callTimeout fails a call without a completion and keeps its user_data',
      () async {
    final heap = CountingAllocator();
    final bridge = ZelBridge.open(
        libraryPath: bridgeLibraryPath,
        portName: 'no-wait',
        callTimeout: const Duration(milliseconds: 200),
        allocator: heap);
    expect(bridge.initSdk(1, '{}'), 0);
    standin.setCompletion(CompletionMode.none);
    await expectThrows<TimeoutException>(() => bridge.logout());
    expect(heap.live.length, 1, 'the SDK may still complete it');
    standin.complete(standin.journal().last.index,
        thread: SdkThread.newThread);
    await Future<void>.delayed(const Duration(milliseconds: 100));
    expect(heap.live.length, 0, 'the late completion frees it');
    bridge.close();
  });
}
