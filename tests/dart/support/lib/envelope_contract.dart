/// The envelope contract as docs/envelopes.schema.json states it, and the
/// check of a decoded envelope against the text it was decoded from: every
/// member's getter, read by its name through mirrors, against `jsonDecode`
/// of the text.
library;

import 'dart:convert';
import 'dart:mirrors';

import 'package:zelbridge/zelbridge_envelopes.dart';

import 'check.dart';
import 'environment.dart';

/// One member of a kind of envelope, as the schema describes it.
class ContractMember {
  ContractMember(this.name, Map<String, Object?> schema)
      : type = schema['type'] as String,
        holdsJson = schema['contentMediaType'] == 'application/json',
        minimum = schema['minimum'] as num?,
        maximum = schema['maximum'] as num?,
        constant = schema['const'];

  final String name;

  /// "integer", "boolean", "string", or "null".
  final String type;

  /// Whether it holds SDK JSON text.
  final bool holdsJson;
  final num? minimum;
  final num? maximum;
  final Object? constant;

  /// The getter that reads it: its name in lowerCamelCase.
  String get getter => lowerCamel(name);

  /// The getter that decodes its SDK JSON text.
  String get decodedGetter =>
      'decoded${getter[0].toUpperCase()}${getter.substring(1)}';

  bool get isUnsigned64 => (maximum ?? 0) > 9223372036854775807;
}

/// "json_msg_array" as "jsonMsgArray".
String lowerCamel(String name) {
  final [first, ...rest] = name.split('_');
  return first + rest.map((p) => p[0].toUpperCase() + p.substring(1)).join();
}

/// The schema's name of an event kind's definition: the kind's name, its
/// acronyms as they stand ("MsgTTSResponseEvent", where the Dart class is
/// MsgTtsResponseEvent).
String schemaNameOf(EventKind kind) =>
    kind.name.endsWith('Event') ? kind.name : '${kind.name}Event';

/// Every kind of envelope with its members, as the schema lists them.
class EnvelopeContract {
  EnvelopeContract._(this.kinds);

  /// The contract of the repository's docs/envelopes.schema.json.
  factory EnvelopeContract.load() {
    final schema = jsonDecode(
            sourceFile('docs/envelopes.schema.json').readAsStringSync())
        as Map<String, Object?>;
    final definitions = schema[r'$defs'] as Map<String, Object?>;
    return EnvelopeContract._({
      for (final MapEntry(:key, :value) in definitions.entries)
        key: [
          for (final MapEntry(key: name, value: member)
              in ((value as Map)['properties'] as Map<String, Object?>).entries)
            ContractMember(name, member as Map<String, Object?>),
        ],
    });
  }

  /// Members by the schema's name of their kind.
  final Map<String, List<ContractMember>> kinds;

  /// The schema's name of the kind of a decoded envelope.
  String kindOf(Envelope envelope) => switch (envelope) {
        Completion() => 'Completion',
        ReadMemberCompletion() => 'ReadMemberListCompletion',
        ErrorEnvelope(standsForCompletion: true) => 'CompletionError',
        ErrorEnvelope() => 'EventError',
        Event(:final kind) => schemaNameOf(kind),
      };

  /// Checks [envelope], decoded from [posted], against `jsonDecode` of the
  /// text: its class, its toJson(), and each member's getter and the
  /// getter that decodes SDK JSON text. An integer that `jsonDecode` reads
  /// as a double (a uint64 above 2^63 - 1) is compared by its 64 bits, read
  /// from the text.
  void checkDecoded(Envelope envelope, String posted) {
    final asBase64 = posted.startsWith('base64:');
    final text = asBase64 ? textOfBase64(posted) : posted;
    final kind = kindOf(envelope);
    final members = kinds[kind];
    check(members != null, 'the schema has no kind $kind');
    expect(envelope.arrivedAsBase64, asBase64, '$kind: arrivedAsBase64');

    final expected = jsonDecode(text) as Map<String, Object?>;
    for (final member in members!) {
      if (member.isUnsigned64 && expected[member.name] is double) {
        expected[member.name] = unsignedBits(text, member.name);
      }
    }
    expect(envelope.toJson(), expected, '$kind: toJson()');

    final mirror = reflect(envelope);
    for (final member in members) {
      final value = mirror.getField(Symbol(member.getter)).reflectee;
      expect(value, expected[member.name], '$kind.${member.getter}');
      check(_hasType(value, member.type),
          '$kind.${member.getter} is a ${value.runtimeType}, not ${member.type}');
      if (member.holdsJson) {
        _checkDocument(mirror, '$kind.${member.decodedGetter}',
            member.decodedGetter, value as String);
      }
    }
    if (envelope is Event) _checkEvent(envelope, kind, members);
  }

  // The getter that decodes SDK JSON text gives what jsonDecode gives, null
  // for an empty text, and throws as jsonDecode does for a text that is no
  // JSON (the bridge's tests pass such texts too).
  void _checkDocument(
      InstanceMirror mirror, String what, String getter, String document) {
    Object? expected;
    try {
      expected = document.isEmpty ? null : jsonDecode(document);
    } on FormatException {
      try {
        mirror.getField(Symbol(getter));
      } on FormatException {
        return;
      }
      fail('$what decoded a text that is no JSON: $document');
    }
    expect(mirror.getField(Symbol(getter)).reflectee, expected, what);
  }

  void _checkEvent(Event event, String kind, List<ContractMember> members) {
    final number =
        members.firstWhere((m) => m.name == 'callbackType').constant as int;
    expect(event.callbackType, number, '$kind.callbackType');
    expect(reflectClass(event.runtimeType).getField(#type).reflectee, number,
        '$kind.type');
    expect(event.kind.callbackType, number, '$kind.kind');
    expect(event.kind.className,
        MirrorSystem.getName(reflect(event).type.simpleName),
        '$kind.kind.className');
    expect(event.kind.dartType, event.runtimeType, '$kind.kind.dartType');
  }

  static bool _hasType(Object? value, String type) => switch (type) {
        'integer' => value is int,
        'boolean' => value is bool,
        'string' => value is String,
        _ => value == null,
      };
}

/// The text a posted base64 form holds, decoded as the guide says.
String textOfBase64(String posted) => utf8.decode(
    base64.decode(posted.substring('base64:'.length)),
    allowMalformed: true);

/// The `int` with the 64 bits of the unsigned integer member [name] of
/// [text]: the digits after its first key, which no SDK document inside a
/// string can hold unescaped.
int unsignedBits(String text, String name) {
  final digits =
      RegExp('"$name"\\s*:\\s*([0-9]+)').firstMatch(text)!.group(1)!;
  return BigInt.parse(digits).toSigned(64).toInt();
}
