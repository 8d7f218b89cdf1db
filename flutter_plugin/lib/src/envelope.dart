/// The envelopes the bridge posts to Dart receive ports, decoded into one
/// class per kind (envelopes.g.dart, generated from the catalogue).
library;

import 'dart:convert';

import 'envelope_format_exception.dart';
import 'envelope_members.dart';
import 'envelope_reader.dart';
import 'json_parser.dart';

export 'envelope_format_exception.dart';

part 'envelopes.g.dart';

/// One text that the bridge posted to a receive port: a [Completion], a
/// [ReadMemberCompletion], an [ErrorEnvelope] or an [Event].
sealed class Envelope {
  const Envelope();

  /// The envelope that [posted], a text as it arrived on the port, holds;
  /// the base64 form is decoded first, its malformed UTF-8 turned into
  /// U+FFFD.
  ///
  /// Throws an [EnvelopeFormatException] for a text that is no envelope:
  /// not JSON, not an object, or an object that is no kind of envelope
  /// with exactly its members, each of its kind.
  static Envelope decode(String posted) {
    final arrivedAsBase64 = posted.startsWith(_base64Prefix);
    final text = arrivedAsBase64 ? _base64Decoded(posted) : posted;
    return _readCompact(text, arrivedAsBase64) ??
        _parseMembers(text, arrivedAsBase64);
  }

  /// "apiCallback" for a completion, "globalCallback" for an event, the
  /// lost envelope's for an error envelope.
  String get callback;

  /// The `user_data` text given to the export that the envelope answers.
  String get userData;

  /// Whether the envelope arrived in the base64 form: its plain text held
  /// bytes that are not UTF-8, which the VM refuses.
  bool get arrivedAsBase64;

  /// The members, as `jsonDecode` of the envelope's text gives them; an
  /// integer as its getter reads it (a uint64 above 2^63 - 1 negative).
  Map<String, Object?> toJson();
}

/// An event: the SDK raised what a listener export registered for.
sealed class Event extends Envelope {
  const Event();

  /// The event's number, 0 to 67: its entry in [eventKinds].
  int get callbackType;

  /// This event's kind.
  EventKind get kind => eventKinds[callbackType];

  @override
  String get callback => _eventCallback;
}

/// One kind of event: its number, its class and the export that registers
/// its listener.
final class EventKind<T extends Event> {
  const EventKind._(
    this.callbackType,
    this.name,
    this.className,
    this.export,
    this._read,
    this._from,
  );

  /// The events' number, their `callbackType`.
  final int callbackType;

  /// The kind's name: its export's without "DartSet" (or "DartAdd") and
  /// "Callback".
  final String name;

  /// The name of [T], the class of its envelopes.
  final String className;

  /// The listener export that registers for these events.
  final String export;

  final T Function(EnvelopeReader reader) _read;
  final T Function(EnvelopeMembers members) _from;

  /// The class of its envelopes.
  Type get dartType => T;

  /// "event 7 (ReceiveNewMsg)": how messages name the kind.
  String get _described => 'event $callbackType ($name)';

  @override
  String toString() => 'EventKind($callbackType, $name)';
}

/// The SDK document that a member holding SDK JSON text carries, or null
/// when the text is empty.
Object? _decodeDocument(String text) => text.isEmpty ? null : jsonDecode(text);

String _base64Decoded(String posted) {
  try {
    final bytes = base64.decode(posted.substring(_base64Prefix.length));
    return utf8.decode(bytes, allowMalformed: true);
  } on FormatException catch (error) {
    final offset = error.offset;
    throw EnvelopeFormatException(
      'the base64 form is not base64: ${error.message}',
      posted,
      offset == null ? null : offset + _base64Prefix.length,
    );
  }
}

// The envelope of a text in the bridge's own form, read without a map in
// between; null for any other text.
Envelope? _readCompact(String text, bool arrivedAsBase64) {
  final reader = EnvelopeReader(text, arrivedAsBase64: arrivedAsBase64);
  if (reader.take(_completionStart)) {
    final start = reader.position;
    for (final read in _completionReaders) {
      reader.restartAt(start);
      final envelope = read(reader);
      if (reader.complete) return envelope;
    }
    return null;
  }
  if (!reader.take(_eventStart)) return null;
  final callbackType = reader.integer(0, eventKinds.length - 1);
  if (reader.failed) return null;
  final start = reader.position;
  final event = eventKinds[callbackType]._read(reader);
  if (reader.complete) return event;
  reader.restartAt(start);
  final error = ErrorEnvelope._readLostEvent(reader, callbackType);
  return reader.complete ? error : null;
}

// The envelope of a text in any JSON form, routed as docs/envelopes.md says:
// the error envelope by its members, the others by "callback".
Envelope _parseMembers(String text, bool arrivedAsBase64) {
  final parsed = parseJson(text);
  if (parsed is! Map<String, Object?>) {
    throw EnvelopeFormatException(
      'not a JSON object but ${describe(parsed)}',
      text,
    );
  }
  final isError = parsed.containsKey('callbackType') &&
      parsed.containsKey('code') &&
      !parsed.containsKey('status');
  final callback = parsed['callback'];
  final Envelope Function(EnvelopeMembers) build;
  final String kind;
  if (isError) {
    final callbackType = _lostCallbackType(parsed, text);
    kind = callbackType == null
        ? 'error envelope of a completion'
        : 'error envelope of ${eventKinds[callbackType]._described}';
    build = (members) => ErrorEnvelope._from(members, callbackType);
  } else if (callback == _completionCallback) {
    final readMembers = _readMemberListOnly.any(parsed.containsKey);
    kind = readMembers ? 'read-member-list completion' : 'completion';
    build = readMembers ? ReadMemberCompletion._from : Completion._from;
  } else if (callback == _eventCallback) {
    final eventKind = eventKinds[_eventNumber(parsed, text, 'event envelope')];
    kind = eventKind._described;
    build = eventKind._from;
  } else {
    throw EnvelopeFormatException(_unknownCallback(parsed), text);
  }
  final members = EnvelopeMembers(
    parsed,
    kind: kind,
    source: text,
    arrivedAsBase64: arrivedAsBase64,
  );
  members.routed([
    'callback',
    if (isError || callback == _eventCallback) 'callbackType',
  ]);
  final envelope = build(members);
  members.checkAllRead();
  return envelope;
}

String _unknownCallback(Map<String, Object?> parsed) {
  final expected = 'expected "$_completionCallback" or "$_eventCallback"';
  if (!parsed.containsKey('callback')) {
    return 'member "callback" is missing, $expected';
  }
  return 'member "callback" is ${shown(parsed['callback'])}, $expected';
}

// The number of the event an error envelope stands for, null for a
// completion's; it must agree with the envelope's "callback".
int? _lostCallbackType(Map<String, Object?> parsed, String text) {
  final callback = parsed['callback'];
  if (callback == _eventCallback) {
    return _eventNumber(parsed, text, 'error envelope of an event');
  }
  if (callback != _completionCallback) {
    throw EnvelopeFormatException(
      'error envelope: ${_unknownCallback(parsed)}',
      text,
    );
  }
  final callbackType = parsed['callbackType'];
  if (callbackType != null) {
    throw EnvelopeFormatException(
      'error envelope of a completion: member "callbackType" is '
      '${describe(callbackType)}, expected null',
      text,
    );
  }
  return null;
}

int _eventNumber(Map<String, Object?> parsed, String text, String kind) {
  final last = eventKinds.length - 1;
  return switch (parsed['callbackType']) {
    final int number when number >= 0 && number <= last => number,
    final found => throw EnvelopeFormatException(
        parsed.containsKey('callbackType')
            ? '$kind: member "callbackType" is ${describe(found)}, expected '
                'an event number from 0 to $last'
            : '$kind: member "callbackType" is missing',
        text,
      ),
  };
}
