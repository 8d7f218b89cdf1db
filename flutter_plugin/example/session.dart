// A whole session through package:zelbridge, against the stand-in SDK's
// simulated world: log in, message alice (who answers), create a group and
// invite bob, fetch the conversation list, invite bob to a call (he
// accepts), log out. Prints a transcript; exits with 1 when a step fails.
//
//   dart --packages=<package_config.json> example/session.dart [--library PATH]
//
// In an app, ZelBridge.open() takes no path: the library is where the
// platform ships it.
import 'dart:async';
import 'dart:io';

import 'package:zelbridge/zelbridge.dart';

const config = {'standin_world': true, 'standin_network_delay_ms': 20};

void say(String line) => stdout.writeln(line);

Future<T> within<T>(Future<T> future, String what) =>
    future.timeout(const Duration(seconds: 5),
        onTimeout: () => throw StateError('$what did not arrive in 5 s'));

Future<void> main(List<String> arguments) async {
  final at = arguments.indexOf('--library');
  final libraryPath = at >= 0
      ? arguments[at + 1]
      : Platform.environment['ZELBRIDGE_LIBRARY'];
  final bridge = ZelBridge.open(libraryPath: libraryPath);
  try {
    await walk(bridge);
    say('== the session is complete');
  } catch (error) {
    say('== the session failed: $error');
    exitCode = 1;
  } finally {
    bridge.close();
  }
}

Future<void> walk(ZelBridge bridge) async {
  say('SDK version ${bridge.getSdkVersion()}');
  bridge.onNetworkStatusListener.listen(
      (event) => say('<- network status ${event.status}: ${event.desc}'));

  await bridge.setUp(
      sdkAppId: 20240001,
      sdkConfig: config,
      userId: 'demo-user',
      userSig: 'demo-user-signature');
  say('-> logged in as ${bridge.getLoginUserId()}');

  // Listened to from here on: alice may answer before the completion is in.
  final answer = bridge.onReceiveNewMsg.first;
  final sent = bridge.sendMessage('alice', 1, {
    'message_elem_array': [
      {'elem_type': 0, 'text_elem_content': 'Hello Alice, lunch at noon?'},
    ],
  });
  say('-> message ${sent.text} to alice');
  await within(sent.completion, 'the message\'s completion');
  say('<- sent');
  for (final message
      in (await within(answer, 'alice\'s answer')).decodedJsonMsgArray as List) {
    final elements = (message as Map)['message_elem_array'] as List;
    say('<- ${message['message_sender']}: '
        '${(elements.first as Map)['text_elem_content']}');
  }

  final created = await within(
      bridge.createGroup({
        'group_create_param_group_name': 'Weekend hike',
        'group_create_param_group_type': 1,
      }),
      'the group');
  final groupId = (created.decodedJsonParam as Map)['create_group_result_groupid'];
  say('-> created group $groupId');
  final invited = await within(
      bridge.inviteUserToGroup({
        'group_invite_member_param_group_id': groupId,
        'group_invite_member_param_identifier_array': ['bob'],
      }),
      'the invitation to the group');
  say('<- invited to the group: ${invited.jsonParam}');

  final conversations = await within(bridge.getConversationList(), 'the list');
  for (final conversation in conversations.decodedJsonParam as List) {
    say('<- conversation "${(conversation as Map)['conv_show_name']}"');
  }

  final accepted = bridge.onSignalingInviteeAccepted.first;
  final call = bridge.invite('bob', '{"call_type":"audio"}', false, '', 30);
  say('-> call invitation ${call.text} to bob');
  await within(call.completion, 'the invitation\'s completion');
  final acceptance = await within(accepted, 'bob\'s answer');
  say('<- ${acceptance.invitee} accepted ${acceptance.inviteId}: '
      '${acceptance.data}');

  await within(bridge.logout(), 'the logout');
  say('-> logged out');
  bridge.unitSdk();
}
