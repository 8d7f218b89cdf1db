import 'dart:convert';

import 'envelope_format_exception.dart';

/// The members of an envelope parsed in full (`parseJson`), read by name
/// and checked against their kind, for texts in another form than the
/// bridge's own.
///
/// A member that is missing, of another type or out of its kind's range,
/// and a member that no read asked for ([checkAllRead]), throw an
/// [EnvelopeFormatException] that names the kind of envelope and the member.
final class EnvelopeMembers {
  /// The members parsed from [source], to be read as the kind that [kind]
  /// names ("completion", "event 7 (ReceiveNewMsg)").
  EnvelopeMembers(
    this._members, {
    required this.kind,
    required this.source,
    required this.arrivedAsBase64,
  });

  final Map<String, Object?> _members;
  final _read = <String>{};

  /// The kind of envelope the members make, as messages name it.
  final String kind;

  /// The text the members were parsed from.
  final String source;

  /// Whether the text was posted in the base64 form.
  final bool arrivedAsBase64;

  /// The string member [name].
  String string(String name) => switch (_member(name)) {
        final String text => text,
        final other => _wrong(name, other, 'a string'),
      };

  /// The int32 member [name].
  int int32(String name) => _integer(name, 'int32', -0x80000000, 0x7FFFFFFF);

  /// The uint32 member [name].
  int uint32(String name) => _integer(name, 'uint32', 0, 0xFFFFFFFF);

  /// The int64 member [name].
  int int64(String name) =>
      _integer(name, 'int64', -0x7FFFFFFFFFFFFFFF - 1, 0x7FFFFFFFFFFFFFFF);

  /// The uint64 member [name], as the `int` with the same 64 bits.
  int uint64(String name) => switch (_member(name)) {
        final int value when value >= 0 => value,
        final BigInt value when value >= BigInt.zero && value.bitLength <= 64 =>
          value.toSigned(64).toInt(),
        final int _ || final BigInt _ => _outOfRange(name, 'uint64'),
        final other => _wrong(name, other, _expected('uint64')),
      };

  /// The bool member [name].
  bool boolean(String name) => switch (_member(name)) {
        final bool value => value,
        final other => _wrong(name, other, 'a bool'),
      };

  /// Checks that the member [name] is [value], which the kind fixes.
  void fixed(String name, Object value) {
    final found = _member(name);
    if (found != value) {
      throw EnvelopeFormatException(
        '$kind: member "$name" is ${shown(found)}, expected ${shown(value)}',
        source,
      );
    }
  }

  /// Counts the members that routing read, and checked, as read.
  void routed(Iterable<String> names) => _read.addAll(names);

  /// Checks that every member was read: the kind has no other.
  void checkAllRead() {
    for (final name in _members.keys) {
      if (!_read.contains(name)) {
        throw EnvelopeFormatException('$kind: extra member "$name"', source);
      }
    }
  }

  Object? _member(String name) {
    if (!_members.containsKey(name)) {
      throw EnvelopeFormatException('$kind: member "$name" is missing', source);
    }
    _read.add(name);
    return _members[name];
  }

  int _integer(String name, String range, int low, int high) =>
      switch (_member(name)) {
        final int value when value >= low && value <= high => value,
        final int _ || final BigInt _ => _outOfRange(name, range),
        final other => _wrong(name, other, _expected(range)),
      };

  static String _expected(String range) =>
      range.startsWith('u') ? 'a $range' : 'an $range';

  Never _outOfRange(String name, String range) => throw EnvelopeFormatException(
        '$kind: member "$name" is ${describe(_members[name])}, out of the '
        '$range range',
        source,
      );

  Never _wrong(String name, Object? found, String expected) =>
      throw EnvelopeFormatException(
        '$kind: member "$name" is ${describe(found)}, expected $expected',
        source,
      );
}

/// A JSON value as messages show it where its value matters: a string in
/// quotes, other values as [describe] names them.
String shown(Object? value) =>
    value is String ? jsonEncode(value) : describe(value);

/// How messages name a JSON value found where another was expected: its
/// type, or for a number its value.
String describe(Object? value) => switch (value) {
      null => 'null',
      final bool _ => 'a bool',
      final int value => '$value',
      final BigInt value => '$value',
      final double value => 'the number $value, not an integer',
      final String _ => 'a string',
      final List<Object?> _ => 'a list',
      _ => 'an object',
    };
