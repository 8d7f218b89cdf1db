// The Dart API section of docs/dart-integration.md, taken out of it at each
// build (package:zelbridge_guide/guide_api.dart), run through ZelBridge
// against the stand-in SDK's simulated world: a chat set up, a text to alice
// and her answer, a text refused, a second start in the same process, and
// the section's switch over every kind of event.
import 'dart:async';

import 'package:zelbridge/zelbridge.dart';
import 'package:zelbridge_guide/guide_api.dart';
import 'package:zelbridge_test_support/check.dart';
import 'package:zelbridge_test_support/environment.dart';
import 'package:zelbridge_test_support/process_setup.dart';
import 'package:zelbridge_test_support/standin.dart';

const worldConfig = {'standin_world': true, 'standin_network_delay_ms': 0};

final standin = StandinControl.open();

Future<ZelBridge> start() => startChat(
      libraryPath: bridgeLibraryPath,
      sdkConfig: worldConfig,
      userId: 'guide-user',
      userSig: 'signature',
    );

/// Runs [body] with a chat started as the guide starts it, closed after.
Future<void> inChat(Future<void> Function(ZelBridge bridge) body) async {
  final bridge = await start();
  try {
    await body(bridge);
  } finally {
    bridge.close();
  }
}

int callsOf(String function) =>
    standin.journal().where((call) => call.function == function).length;

/// The section's switch, as it stands there.
void watch(
  ZelBridge bridge, {
  required void Function() signOutLocally,
  required void Function(int) showBadge,
}) {
  bridge.events.listen((event) {
    switch (event) {
      case KickedOfflineEvent():
        signOutLocally();
      case ConvTotalUnreadMessageCountChangedEvent(:final totalUnreadCount):
        showBadge(totalUnreadCount);
      default:
        break;
    }
  });
}

void main() {
  setUp(() {
    standin.reset();
    forgetProcessSetUp();
  });

  test('a text to alice: sent as given, her answer arrives, nobody read it',
      () async {
    await inChat((bridge) async {
      // incomingTexts is listened to before the text is sent, so that
      // alice's answer cannot come first.
      final answer = incomingTexts(bridge).first;
      final message = await sendText(bridge, 'alice', 'Lunch at noon?');
      expect(message['message_conv_id'], 'alice');
      expect(message['message_elem_array'], [
        {'elem_type': 0, 'text_elem_content': 'Lunch at noon?'},
      ]);
      expect(await answer.timeout(const Duration(seconds: 10)),
          'Alice here. You said: Lunch at noon?');
      // The world simulates the list and reads nothing: one page, empty.
      expect(await readers(bridge, message), <Object?>[]);
      expect(callsOf('ZelLogin'), 1, 'logins');
    });
  });

  test('a text to someone who is no peer fails with the SDK\'s code',
      () async {
    await inChat((bridge) async {
      final failure = await expectThrows<StateError>(
          () => sendText(bridge, 'nobody', 'hello?'));
      check(failure.message.contains('not sent: 7003'), failure.message);
    });
  });

  test('a second start in the process initialises and logs in nothing again',
      () async {
    final first = await start();
    first.close(); // as if the isolate had ended
    final second = await start();
    try {
      expect(callsOf('ZelInit'), 1, 'SDK initialisations');
      expect(callsOf('ZelLogin'), 1, 'logins');
      check(second.isLoggedIn, 'still logged in');
    } finally {
      second.close();
    }
  });

  test('the switch over events takes kicked-offline and unread counts apart',
      () async {
    await inChat((bridge) async {
      var signedOut = 0;
      final badges = <int>[];
      watch(bridge,
          signOutLocally: () => signedOut++, showBadge: badges.add);
      final connections = <bool>[];
      connected(bridge).listen(connections.add);
      final registrations = {
        for (final call in standin.journal())
          if (call.function.startsWith('ZelSet') ||
              call.function.startsWith('ZelAdd'))
            call.function,
      };
      expect(registrations.length, 68, 'every listener registered');
      for (final registration in registrations) {
        expect(standin.raiseSampleEvent(registration, thread: SdkThread.newThread),
            0, registration);
      }
      await Future<void>.delayed(const Duration(milliseconds: 300));
      expect(signedOut, 1, 'kicked-offline events');
      expect(badges.length, 1, 'unread-count events');
      expect(connections.length, 1, 'network status events');
    });
  });
}
