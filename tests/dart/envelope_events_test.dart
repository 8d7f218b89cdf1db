// Every kind of event, posted for real: each listener registered through its
// export, the stand-in SDK raising it with chosen texts and numbers, and
// each envelope that arrives on the port decoded as its class, every getter
// checked against jsonDecode of the same text and against what was raised.
import 'dart:convert';
import 'dart:ffi';
import 'dart:mirrors';

import 'package:zelbridge/zelbridge_bindings.dart';
import 'package:zelbridge/zelbridge_envelopes.dart';
import 'package:zelbridge_test_support/check.dart';
import 'package:zelbridge_test_support/envelope_contract.dart';
import 'package:zelbridge_test_support/environment.dart';
import 'package:zelbridge_test_support/inbox.dart';
import 'package:zelbridge_test_support/sdk_callbacks.dart';
import 'package:zelbridge_test_support/standin.dart';

typedef _ListenerExportNative = Int32 Function(Pointer<Char> userData);
typedef _ListenerExport = int Function(Pointer<Char> userData);

/// A text with what the bridge escapes and what it passes through.
String awkwardText(String member) =>
    'quote " backslash \\ slash / tab \t newline \n controls \u0001\u001f '
    'del \u007f Latin-1 é CJK 中文 non-BMP 😀 $member';

/// An SDK document holding the same.
String awkwardDocument(String member) => jsonEncode({
      'member': member,
      'path': 'a/b\\c',
      'said': 'say "hi"',
      'controls': '\u0001\n',
      'non-BMP': '😀',
      'numbers': [0, -1, 9007199254740993, 1.5, true, null],
    });

// Four rounds of arguments, each kind of member at its extremes in one of
// them: all texts filled, all null (sent as ""), all empty, and others.
const rounds = 4;
const int32Values = [0x7FFFFFFF, -0x80000000, -1, 0];
const uint32Values = [0xFFFFFFFF, 0, 0x80000000, 1];
const int64Values = [1 << 40, -1, -0x7FFFFFFFFFFFFFFF - 1, 0x7FFFFFFFFFFFFFFF];
const boolValues = [true, false, true, false];

Object? argument(
    CallbackParameter parameter, ContractMember member, int round) {
  if (parameter.isEnum) return round;
  return switch (member) {
    ContractMember(type: 'boolean') => boolValues[round],
    ContractMember(type: 'string', holdsJson: true) =>
      [awkwardDocument(member.name), null, '', '[]'][round],
    ContractMember(type: 'string') =>
      [awkwardText(member.name), null, '', '/'][round],
    ContractMember(minimum: 0, maximum: 0xFFFFFFFF) => uint32Values[round],
    ContractMember(minimum: -0x80000000) => int32Values[round],
    _ => int64Values[round],
  };
}

void main() {
  final bridge = openBridge();
  final library = DynamicLibrary.open(bridgeLibraryPath);
  final standin = StandinControl.open();
  final contract = EnvelopeContract.load();
  final callbacks = sdkCallbackParameters();
  final inbox = Inbox();
  expect(bridge.DartInitDartApiDL(NativeApi.initializeApiDLData), 0);
  bridge.DartRegisterSendPort(inbox.nativePort);
  setUp(() async {
    standin.reset();
    await inbox.settle(); // what an earlier, failed test left
  });

  test('eventKinds lists the schema\'s 68 events at their callbackType', () {
    final events = {
      for (final MapEntry(:key, :value) in contract.kinds.entries)
        if (value.any((m) => m.name == 'callbackType' && m.constant != null))
          value.firstWhere((m) => m.name == 'callbackType').constant: key,
    };
    expect(eventKinds.length, 68);
    expect([for (final kind in eventKinds) kind.callbackType],
        List.generate(68, (i) => i));
    expect({for (final kind in eventKinds) kind.callbackType: schemaNameOf(kind)},
        events);
    for (final kind in eventKinds) {
      expect(MirrorSystem.getName(reflectType(kind.dartType).simpleName),
          kind.className, 'the Type of ${kind.name}');
      // Dart writes an acronym as a word: MsgTtsResponseEvent.
      check(!RegExp('[A-Z]{3}').hasMatch(kind.className),
          '${kind.className} writes an acronym as a word');
    }
  });

  for (final kind in eventKinds) {
    test('event ${kind.callbackType} (${kind.name}) arrives as '
        '${kind.className}', () async {
      final userData = 'on-${kind.name}';
      // A listener's user_data is the SDK's for the life of the process.
      final register = library
          .lookupFunction<_ListenerExportNative, _ListenerExport>(kind.export);
      expect(register(userData.toNativeText()), 0, kind.export);
      final registration = standin.journal().last.function;
      final parameters = callbacks[registration]!;
      final members = {
        for (final member in contract.kinds[schemaNameOf(kind)]!)
          member.name: member,
      };
      expect(parameters.map((p) => p.name).toSet(),
          members.keys.toSet().difference({'callback', 'callbackType', 'user_data'}),
          'the callback\'s parameters are the payload');

      final raised = <Map<String, Object?>>[];
      for (var round = 0; round < rounds; round++) {
        final arguments = {
          for (final parameter in parameters)
            parameter.name: argument(parameter, members[parameter.name]!, round),
        };
        raised.add(arguments);
        expect(standin.raiseEvent(registration, arguments.values.toList()), 0,
            'raising $registration');
      }

      final posted = await inbox.settle();
      expect(posted.length, rounds, 'envelopes posted');
      for (final (round, text) in posted.indexed) {
        final event = Envelope.decode(text);
        check(event.runtimeType == kind.dartType,
            'round $round decoded as ${event.runtimeType}');
        contract.checkDecoded(event, text);
        expect(event.userData, userData);
        final mirror = reflect(event);
        for (final MapEntry(key: name, :value) in raised[round].entries) {
          expect(mirror.getField(Symbol(members[name]!.getter)).reflectee,
              value ?? '', 'round $round, $name as raised');
        }
      }
    });
  }
}
