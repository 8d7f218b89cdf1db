// The Dart code of docs/dart-integration.md, taken out of it at each build
// (package:zelbridge_guide), run on the VM: the routing helpers of section 4
// on real posts and on the guide's own examples, and the safe pattern of
// section 5 through a sign-out, a failed login and restarts.
import 'dart:convert';
import 'dart:ffi';

import 'package:zelbridge/zelbridge_bindings.dart';
import 'package:zelbridge_guide/guide_bridge_client.dart';
import 'package:zelbridge_guide/guide_envelopes.dart';
import 'package:zelbridge_guide/guide_start.dart';
import 'package:zelbridge_test_support/check.dart';
import 'package:zelbridge_test_support/environment.dart';
import 'package:zelbridge_test_support/inbox.dart';
import 'package:zelbridge_test_support/standin.dart';

const worldConfig = '{"standin_world":true,"standin_network_delay_ms":0}';

/// The ```json examples of the guide, and the texts of its base64 example.
List<String> guideExamples() {
  final guide = sourceFile('docs/dart-integration.md').readAsStringSync();
  return [
    for (final match in RegExp(r'```json\n(.*?)\n```', dotAll: true).allMatches(guide))
      match.group(1)!,
    for (final match in RegExp(r'^(base64:\S+)$', multiLine: true).allMatches(guide))
      match.group(1)!,
  ];
}

Future<BridgeClient> start(ZelBridgeBindings bridge, List<Map<String, dynamic>> events,
        {String userId = 'guide-user'}) =>
    startMainIsolate(
      bridge,
      sdkAppId: 1,
      sdkConfig: worldConfig,
      userId: userId,
      userSig: 'signature',
      onEvent: events.add,
    );

void main() {
  final bridge = openBridge();
  final standin = StandinControl.open();
  final record = ProcessRecord.instance;
  late Inbox observer;

  setUp(() {
    standin.reset();
    for (final flag in ['sdk', 'listeners']) {
      record.clear(flag);
    }
    record.removePort('main');
    expect(bridge.DartInitDartApiDL(NativeApi.initializeApiDLData), 0);
    observer = Inbox();
    bridge.DartRegisterSendPort(observer.nativePort);
  });
  tearDown(() {
    bridge.DartUnregisterSendPort(observer.nativePort);
    observer.close();
  });

  group('section 4', () {
    test('tells the guide\'s examples apart as the guide says', () {
      final examples = guideExamples();
      expect(examples.length, 4, 'examples: a completion, an event, an error, base64');
      final kinds = [
        for (final text in examples)
          switch (decodeEnvelope(text)) {
            final e when isErrorEnvelope(e) => 'error',
            final e when isReadMemberCompletion(e) => 'read-member',
            final e when e['callback'] == 'apiCallback' => 'completion',
            _ => 'event',
          },
      ];
      expect(kinds, ['completion', 'event', 'error', 'completion']);
      expect(decodeEnvelope(examples[3])['desc'], 'caf\uFFFD');
    });

    test('decodes real posts: the plain text, the base64 form and documents',
        () async {
      final inbox = Inbox();
      bridge.DartRegisterSendPort(inbox.nativePort);
      standin.setCompletion(CompletionMode.immediate,
          descBytes: [0x63, 0x61, 0x66, 0xE9], jsonParams: '{"list":[1]}');
      final userData = 'main-1/7'.toNativeText();
      bridge.DartLogout(userData);
      standin.setCompletion(CompletionMode.immediate, desc: 'OK');
      bridge.DartLogout(userData);
      final posts = await inbox.settle();
      bridge.DartUnregisterSendPort(inbox.nativePort);
      inbox.close();
      NativeHeap.instance.free(userData);

      expect(posts.length, 2);
      check(posts[0].startsWith('base64:'), 'invalid UTF-8 arrives as base64');
      final latin1 = decodeEnvelope(posts[0]);
      expect(latin1['desc'], 'caf\uFFFD');
      expect(latin1['user_data'], 'main-1/7');
      expect(document(latin1, 'json_param'), {
        'list': [1],
      });
      check(posts[1].contains(r'"user_data":"main-1\/7"'),
          'the bridge writes "/" as "\\/": ${posts[1]}');
      expect(document(decodeEnvelope(posts[1]), 'json_param'), null);
    });
  });

  group('section 5', () {
    test('sets the process up once and logs in', () async {
      final events = <Map<String, dynamic>>[];
      final client = await start(bridge, events);
      expect(bridge.DartGetLoginUserID().toDartString(), 'guide-user');
      client.stop();
      // The next generation finds everything set up and the user logged in.
      final next = await start(bridge, events);
      next.stop();
      final functions = [for (final call in standin.journal()) call.function];
      expect(functions.where((f) => f == 'ZelInit').length, 1, 'ZelInit calls');
      expect(functions.where((f) => f == 'ZelLogin').length, 1, 'ZelLogin calls');
      expect(functions.where((f) => f == 'ZelAddRecvNewMsgCallback').length, 1,
          'new-message listeners');
    });

    test('logs in again after a sign-out and a restart', () async {
      final client = await start(bridge, []);
      final logout = await client.call(bridge.DartLogout);
      expect(logout['code'], 0);
      client.stop();
      final next = await start(bridge, []);
      expect(bridge.DartGetLoginUserID().toDartString(), 'guide-user');
      // Messages go out again: the world answers 7001 when nobody is logged in.
      final sent = await next.call((userData) => withTexts(
            ['alice', '{"message_elem_array":[{"elem_type":0,"text_elem_content":"hi"}]}'],
            (t) {
              bridge.DartSendMessage(t[0], 1, t[1], userData);
              return 0;
            },
          ));
      expect(sent['code'], 0, 'send after the second login: ${jsonEncode(sent)}');
      next.stop();
    });

    test('a failed login leaves the next generation to log in', () async {
      await expectThrows<StateError>(() => start(bridge, [], userId: 'alice'),
          'alice is a peer of the world: her id cannot log in');
      ProcessRecord.instance.removePort('main');
      final next = await start(bridge, []);
      expect(bridge.DartGetLoginUserID().toDartString(), 'guide-user');
      next.stop();
    });
  });
}
