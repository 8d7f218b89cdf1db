// Envelope.decode on texts written by hand: every kind in other JSON forms
// than the bridge's (spaces, other key orders, other escapes) decodes as in
// the bridge's form; strings come out as jsonDecode reads them, whatever
// their escapes and length; and a text that is no envelope throws an
// EnvelopeFormatException that names what is wrong.
import 'dart:convert';

import 'package:zelbridge/zelbridge_envelopes.dart';
import 'package:zelbridge_test_support/check.dart';
import 'package:zelbridge_test_support/envelope_contract.dart';
import 'package:zelbridge_test_support/envelope_forms.dart';

const awkward = 'quote " backslash \\ slash / controls \u0001\u001f\t\n\b\f\r '
    'Latin-1 é ÿ CJK 中文 non-BMP 😀';

/// One envelope of each kind of the contract, every member given a value
/// of its kind: the greatest integer, true, an awkward text or document.
Map<String, Map<String, Object?>> samples(EnvelopeContract contract) => {
      for (final MapEntry(key: kind, value: members)
          in contract.kinds.entries)
        kind: {
          for (final member in members)
            member.name: switch (member) {
              ContractMember(constant: final Object value) => value,
              ContractMember(type: 'null') => null,
              ContractMember(name: 'callback') =>
                kind == 'EventError' ? 'globalCallback' : 'apiCallback',
              ContractMember(name: 'callbackType') => 7,
              ContractMember(type: 'boolean') => true,
              ContractMember(type: 'string', holdsJson: true) =>
                jsonEncode({'said': awkward, 'n': 9007199254740993}),
              ContractMember(type: 'string') => '$awkward ${member.name}',
              ContractMember(isUnsigned64: true) =>
                BigInt.parse('18446744073709551615'),
              ContractMember(:final maximum) => maximum!.toInt(),
            },
        },
    };

void main() {
  final contract = EnvelopeContract.load();

  group('every kind in another form', () {
    for (final MapEntry(key: kind, value: members)
        in samples(contract).entries) {
      test(kind, () {
        final bridgeText = bridgeForm(members);
        final envelope = Envelope.decode(bridgeText);
        contract.checkDecoded(envelope, bridgeText);
        expect(contract.kindOf(envelope), kind);
        final forms = {
          'spaced': spaced(bridgeText, ' '),
          'on lines': spaced(bridgeText, '\r\n\t'),
          'keys reversed': reversedForm(members),
          'escaped': escapedForm(bridgeText),
        };
        for (final MapEntry(key: form, value: text) in forms.entries) {
          final other = Envelope.decode(text);
          expect(other.runtimeType, envelope.runtimeType, form);
          expect(other.toJson(), envelope.toJson(), form);
          contract.checkDecoded(other, text);
        }
      });
    }
  });

  group('a string', () {
    final cases = {
      'without escapes': 'plain text',
      'empty': '',
      'of every short escape': '"\\/\b\f\n\r\t',
      'of control characters': String.fromCharCodes(List.generate(32, (i) => i)),
      'of Latin-1 after an escape': '\n\u00e9\u00ff\u0080',
      'going wide after an escape': '"é中"文',
      'wide before its escape': '中文 "quoted"',
      'of surrogate pairs': '😀 "😀" 𝄞',
      'with a lone surrogate': '\ud800 "x" \udfff',
      'longer than the kept buffers': ('"a/b" é ' * 9000) + '中' + ('\n' * 9000),
    };
    for (final MapEntry(key: name, value: value) in cases.entries) {
      test(name, () {
        for (final text in [
          bridgeForm({
            'callback': 'apiCallback',
            'code': 0,
            'desc': value,
            'json_param': value,
            'user_data': 'u',
          }),
          '{"callback":"apiCallback","code":0,"desc":'
              '${jsonEncode(value)},"json_param":${jsonEncode(value)}'
              ',"user_data":"u"}',
        ]) {
          final completion = Envelope.decode(text) as Completion;
          expect(completion.desc, value, 'desc of $text');
          expect(completion.jsonParam, value, 'json_param');
          expect(completion.toJson(), jsonDecode(text));
        }
        final escaped = escapedForm(bridgeForm({
          'callback': 'apiCallback',
          'code': 0,
          'desc': value,
          'json_param': '',
          'user_data': 'u',
        }));
        expect((Envelope.decode(escaped) as Completion).desc, value, escaped);
      });
    }
  });

  test('integers at the edges of their kinds, in the bridge\'s form', () {
    final cases = {
      '{"callback":"apiCallback","code":-0,"desc":"","json_param":"",'
          '"user_data":"u"}': 0,
      '{"callback":"apiCallback","code":-2147483648,"desc":"",'
          '"json_param":"","user_data":"u"}': -0x80000000,
      '{"callback":"globalCallback","callbackType":19,"group_counter_key":"k",'
          '"group_counter_new_value":-9223372036854775808,"group_id":"g",'
          '"user_data":"u"}': -0x7FFFFFFFFFFFFFFF - 1,
      '{"callback":"globalCallback","callbackType":19,"group_counter_key":"k",'
          '"group_counter_new_value":999999999999999999,"group_id":"g",'
          '"user_data":"u"}': 999999999999999999,
      '{"callback":"apiCallback","code":0,"desc":"","is_finished":false,'
          '"json_param":"","next_seq":10000000000000000000,"user_data":"u"}':
          BigInt.parse('10000000000000000000').toSigned(64).toInt(),
    };
    for (final MapEntry(key: text, value: value) in cases.entries) {
      final integer = switch (Envelope.decode(text)) {
        Completion(:final code) => code,
        GroupCounterChangedEvent(:final groupCounterNewValue) =>
          groupCounterNewValue,
        ReadMemberCompletion(:final nextSeq) => nextSeq,
        final other => fail('a ${other.runtimeType}'),
      };
      expect(integer, value, text);
      expect(Envelope.decode('$text ').toJson(), Envelope.decode(text).toJson(),
          'with a space after it');
    }
  });

  group('a text that is no envelope', () {
    const completion = '"callback":"apiCallback","code":0,"desc":"OK",'
        '"json_param":"","user_data":"u"';
    const event33 = '"callback":"globalCallback","callbackType":33,'
        '"user_data":"u"';
    const readMembers = '"callback":"apiCallback","is_finished":true,'
        '"json_param":"","user_data":"u"';
    const error = '"code":6131,"desc":"IM ffi data error","user_data":"u"';
    final cases = [
      ('empty', '', 'not JSON: the text ends at offset 0'),
      ('cut short', '{"callback"', 'not JSON: the text ends at offset 11'),
      ('a leading zero', '{$completion,"n":01}', 'a number with a leading zero'),
      ('text after the object', '{$completion}x', 'text after the JSON value'),
      ('an unknown escape', '{"callback":"a\\x"}', 'an unknown escape'),
      ('a control character', '{"callback":"a\u0001"}', 'a control character'),
      ('a key twice', '{$completion,"code":1}', 'the key "code" appears twice'),
      ('a list', '[{$completion}]', 'not a JSON object but a list'),
      ('a string', '"apiCallback"', 'not a JSON object but a string'),
      ('null', 'null', 'not a JSON object but null'),
      ('no callback', '{"code":0}',
          'member "callback" is missing, expected "apiCallback" or "globalCallback"'),
      ('another callback', '{"callback":"apicallback"}',
          'member "callback" is "apicallback", expected "apiCallback" or'),
      ('a number for callback', '{"callback":1}', 'member "callback" is 1, '),
      ('a member missing', '{"callback":"apiCallback","code":0,"desc":"OK",'
          '"user_data":"u"}', 'completion: member "json_param" is missing'),
      ('an extra member', '{$completion,"status":0}',
          'completion: extra member "status"'),
      ('a callbackType on a completion', '{$completion,"callbackType":null}',
          'error envelope of a completion: member "code" is 0, expected 6131'),
      ('a number for desc', '{"callback":"apiCallback","code":0,"desc":7,'
          '"json_param":"","user_data":"u"}',
          'completion: member "desc" is 7, expected a string'),
      ('an SDK document not sent as text', '{"callback":"apiCallback",'
          '"code":0,"desc":"","json_param":{"a":1},"user_data":"u"}',
          'completion: member "json_param" is an object, expected a string'),
      ('a fraction for code', '{"callback":"apiCallback","code":1.5,"desc":"",'
          '"json_param":"","user_data":"u"}',
          'member "code" is the number 1.5, not an integer, expected an int32'),
      ('an int32 out of range', '{"callback":"apiCallback","code":2147483648,'
          '"desc":"","json_param":"","user_data":"u"}',
          'completion: member "code" is 2147483648, out of the int32 range'),
      ('a text for an int32', '{"callback":"globalCallback","callbackType":33,'
          '"total_unread_count":"1","user_data":"u"}',
          'event 33 (ConvTotalUnreadMessageCountChanged): member '
              '"total_unread_count" is a string, expected an int32'),
      ('a uint32 below 0', '{"callback":"globalCallback","callbackType":39,'
          '"conversation_array":"","group_name":"g","reason":-1,'
          '"user_data":"u"}',
          'event 39 (ConvConversationsDeletedFromGroup): member "reason" is -1, '
              'out of the uint32 range'),
      ('a uint32 above its range', '{"callback":"globalCallback",'
          '"callbackType":8,"cur_size":4294967296,"index":0,"json_msg":"",'
          '"total_size":0,"user_data":"u"}',
          'member "cur_size" is 4294967296, out of the uint32 range'),
      ('an int64 above its range', '{"callback":"globalCallback",'
          '"callbackType":19,"group_counter_key":"k",'
          '"group_counter_new_value":9223372036854775808,"group_id":"g",'
          '"user_data":"u"}',
          'member "group_counter_new_value" is 9223372036854775808, out of the '
              'int64 range'),
      ('a uint64 above its range', '{$readMembers,"code":0,"desc":"",'
          '"next_seq":18446744073709551616}',
          'read-member-list completion: member "next_seq" is '
              '18446744073709551616, out of the uint64 range'),
      ('a uint64 below 0', '{$readMembers,"code":0,"desc":"","next_seq":-1}',
          'member "next_seq" is -1, out of the uint64 range'),
      ('a text for a bool', '{"callback":"apiCallback","code":0,"desc":"",'
          '"is_finished":"true","json_param":"","next_seq":0,"user_data":"u"}',
          'member "is_finished" is a string, expected a bool'),
      ('another fixed code', '{$readMembers,"code":1,"desc":"","next_seq":0}',
          'read-member-list completion: member "code" is 1, expected 0'),
      ('another fixed desc', '{$readMembers,"code":0,"desc":"x","next_seq":0}',
          'member "desc" is "x", expected ""'),
      ('a read-member member missing', '{$readMembers,"code":0,"desc":""}',
          'read-member-list completion: member "next_seq" is missing'),
      ('an event number beyond the last', '{"callback":"globalCallback",'
          '"callbackType":68,"user_data":"u"}',
          'event envelope: member "callbackType" is 68, expected an event '
              'number from 0 to 67'),
      ('a text for the event number', '{"callback":"globalCallback",'
          '"callbackType":"33","user_data":"u"}',
          'member "callbackType" is a string, expected an event number'),
      ('no event number', '{"callback":"globalCallback","user_data":"u"}',
          'event envelope: member "callbackType" is missing'),
      ('another event\'s payload', '{"callback":"globalCallback",'
          '"callbackType":32,"total_unread_count":1,"user_data":"u"}',
          'event 32 (ConvEvent): member "conv_event" is missing'),
      ('an event member extra', '{$event33,"total_unread_count":1,"x":""}',
          'event 33 (ConvTotalUnreadMessageCountChanged): extra member "x"'),
      ('an error envelope with another code',
          '{"callback":"apiCallback","callbackType":null,"code":6130,'
              '"desc":"IM ffi data error","user_data":"u"}',
          'error envelope of a completion: member "code" is 6130, '
              'expected 6131'),
      ('a completion\'s error envelope with a number',
          '{"callback":"apiCallback","callbackType":7,$error}',
          'error envelope of a completion: member "callbackType" is 7, '
              'expected null'),
      ('an event\'s error envelope without a number',
          '{"callback":"globalCallback","callbackType":null,$error}',
          'error envelope of an event: member "callbackType" is null, '
              'expected an event number'),
      ('an integer user_data', '{"callback":"apiCallback",'
          '"callbackType":null,"code":6131,"desc":"IM ffi data error",'
          '"user_data":17}',
          'error envelope of a completion: member "user_data" is 17, '
              'expected a string'),
      ('an error envelope with a payload', '{"callback":"globalCallback",'
          '"callbackType":7,"json_msg_array":"",$error}',
          'error envelope of event 7 (ReceiveNewMsg): extra member '
              '"json_msg_array"'),
      ('nested too deep', '${'[' * 600}${']' * 600}',
          'not JSON: nesting deeper than 512'),
    ];
    for (final (name, text, message) in cases) {
      test(name, () async {
        for (final posted in [text, 'base64:${base64.encode(utf8.encode(text))}']) {
          final error = await expectThrows<EnvelopeFormatException>(
              () => Envelope.decode(posted), posted);
          check(error.message.contains(message),
              'the message names the fault: "${error.message}"');
          check(error is FormatException, 'a FormatException');
        }
      });
    }

    // The same faults in texts otherwise in the bridge's form, which the
    // decoder reads without parsing them first: it must not take them.
    const bridgeCompletion = '{"callback":"apiCallback","code":CODE,'
        '"desc":"DESC","json_param":"","user_data":"u"}';
    const bridgeReadMembers = '{"callback":"apiCallback","code":0,"desc":"",'
        '"is_finished":FINISHED,"json_param":"","next_seq":SEQ,'
        '"user_data":"u"}';
    const bridgeUpload = '{"callback":"globalCallback","callbackType":8,'
        '"cur_size":SIZE,"index":0,"json_msg":"","total_size":0,'
        '"user_data":"u"}';
    const bridgeCounter = '{"callback":"globalCallback","callbackType":19,'
        '"group_counter_key":"k","group_counter_new_value":VALUE,'
        '"group_id":"g","user_data":"u"}';
    String completionWith({String code = '0', String desc = 'OK'}) =>
        bridgeCompletion.replaceFirst('CODE', code).replaceFirst('DESC', desc);
    String readMembersWith({String finished = 'true', String seq = '0'}) =>
        bridgeReadMembers
            .replaceFirst('FINISHED', finished)
            .replaceFirst('SEQ', seq);
    final bridgeForms = [
      (completionWith(code: '01'), 'a number with a leading zero'),
      (completionWith(code: '-'), 'not JSON: unexpected character'),
      (completionWith(code: '1.0'), 'member "code" is the number 1.0'),
      (completionWith(code: '1e3'), 'member "code" is the number 1000.0'),
      (completionWith(code: '2147483648'), 'out of the int32 range'),
      (completionWith(code: '-2147483649'), 'out of the int32 range'),
      (completionWith(code: '"0"'), 'member "code" is a string'),
      (completionWith(desc: 'a\u0001'), 'a control character in a string'),
      (completionWith(desc: r'a\x'), 'an unknown escape'),
      (completionWith(desc: r'a\u12G4'), 'a \\u escape without hex digits'),
      (completionWith(desc: r'\ud83d\ude0'), 'a \\u escape without hex'),
      ('${completionWith()}x', 'text after the JSON value'),
      (completionWith().replaceFirst('}', ''), 'not JSON: the text ends'),
      (readMembersWith(finished: 'tru'), 'unexpected character'),
      (readMembersWith(finished: '1'), 'member "is_finished" is 1'),
      (readMembersWith(seq: '18446744073709551616'), 'out of the uint64'),
      (readMembersWith(seq: '-1'), 'out of the uint64 range'),
      (readMembersWith(seq: '00'), 'a number with a leading zero'),
      (readMembersWith(seq: '018446744073709551615'), 'a leading zero'),
      (bridgeUpload.replaceFirst('SIZE', '4294967296'), 'uint32 range'),
      (bridgeUpload.replaceFirst('SIZE', '-1'), 'out of the uint32 range'),
      (
        bridgeCounter.replaceFirst('VALUE', '9223372036854775808'),
        'out of the int64 range',
      ),
      (
        bridgeCounter.replaceFirst('VALUE', '-9223372036854775809'),
        'out of the int64 range',
      ),
    ];
    for (final (text, message) in bridgeForms) {
      test('in the bridge\'s form: $text', () async {
        final error = await expectThrows<EnvelopeFormatException>(
            () => Envelope.decode(text), text);
        check(error.message.contains(message),
            'the message names the fault: "${error.message}"');
      });
    }

    test('base64 that is not base64', () async {
      final error = await expectThrows<EnvelopeFormatException>(
          () => Envelope.decode('base64:e30*'));
      check(error.message.startsWith('the base64 form is not base64'),
          error.message);
    });
  });
}
