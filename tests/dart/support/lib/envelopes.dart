/// Posted envelopes as the Dart side reads them, and the exact bytes the
/// bridge writes for an envelope, for tests to compare with what arrived.
library;

import 'dart:convert';

/// The members of a completion.
const completionMembers = {
  'callback',
  'code',
  'desc',
  'json_param',
  'user_data',
};

/// The members of a completion of DartGetGroupMessageReadMemberList.
const readMemberCompletionMembers = {
  'callback',
  'code',
  'desc',
  'is_finished',
  'json_param',
  'next_seq',
  'user_data',
};

const _base64Prefix = 'base64:';

/// One posted text: its form, its envelope's bytes and its members.
class Envelope {
  Envelope._(this.posted, this.bytes, this.members);

  /// Reads [posted]: the base64 form is decoded first, and malformed UTF-8
  /// becomes U+FFFD, as an app decodes it.
  factory Envelope.decode(String posted) {
    final bytes = posted.startsWith(_base64Prefix)
        ? base64.decode(posted.substring(_base64Prefix.length))
        : utf8.encode(posted);
    final members = jsonDecode(utf8.decode(bytes, allowMalformed: true));
    return Envelope._(posted, bytes, (members as Map).cast<String, Object?>());
  }

  /// The text as it arrived on the port.
  final String posted;

  /// The envelope's bytes: the decoded base64 form, else the text as UTF-8.
  final List<int> bytes;

  final Map<String, Object?> members;

  /// Whether it arrived in the base64 form.
  bool get isBase64 => posted.startsWith(_base64Prefix);

  Object? operator [](String member) => members[member];

  /// Whether its members are exactly [names].
  bool hasMembers(Set<String> names) =>
      members.length == names.length && names.every(members.containsKey);
}

/// The bytes the bridge writes for an envelope of [members]: compact JSON,
/// keys in ascending order. A value is a String (written as UTF-8), a
/// `List<int>` (a text of any bytes, copied byte for byte), an int, a bool
/// or null.
List<int> envelopeBytes(Map<String, Object?> members) {
  final out = <int>[];
  void write(String ascii) => out.addAll(ascii.codeUnits);
  write('{');
  for (final (index, key) in (members.keys.toList()..sort()).indexed) {
    if (index > 0) write(',');
    _writeText(out, utf8.encode(key));
    write(':');
    switch (members[key]) {
      case final String text:
        _writeText(out, utf8.encode(text));
      case final List<int> bytes:
        _writeText(out, bytes);
      case final Object value:
        write('$value');
      case null:
        write('null');
    }
  }
  write('}');
  return out;
}

/// The serializer's escapes: the short forms, "/" as "\/" among them, and
/// \u00XX for the other bytes below 0x20; every other byte as it is.
void _writeText(List<int> out, List<int> bytes) {
  const shortForms = {
    0x08: 'b',
    0x09: 't',
    0x0A: 'n',
    0x0C: 'f',
    0x0D: 'r',
    0x22: '"',
    0x2F: '/',
    0x5C: r'\',
  };
  out.add(0x22);
  for (final byte in bytes) {
    final short = shortForms[byte];
    if (short != null) {
      out.addAll('\\$short'.codeUnits);
    } else if (byte < 0x20) {
      final hex = byte.toRadixString(16).toUpperCase().padLeft(4, '0');
      out.addAll('\\u$hex'.codeUnits);
    } else {
      out.add(byte);
    }
  }
  out.add(0x22);
}
