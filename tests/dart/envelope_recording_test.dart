// Every envelope the bridge posted while its C++ test programs and the demo
// ran (recorded by the fixture dart.record_posts) decodes as the kind its
// text is, matches jsonDecode of the text, and decodes the same when the
// text is written in another form. A recording that is missing, empty or
// lacks a kind fails.
import 'dart:convert';
import 'dart:typed_data';

import 'package:zelbridge/zelbridge_envelopes.dart';
import 'package:zelbridge_test_support/check.dart';
import 'package:zelbridge_test_support/envelope_contract.dart';
import 'package:zelbridge_test_support/envelope_forms.dart';
import 'package:zelbridge_test_support/environment.dart';

const _stringType = 5; // Dart_CObject_kString

/// The texts of the stand-in's recording ("post <source> <type> <accepted>
/// <length>", a line break, the text and one more) that the bridge posted
/// as strings; the delivery tests' hand-made envelopes are left out.
List<Uint8List> bridgePosts(Uint8List recording) {
  final posts = <Uint8List>[];
  var at = 0;
  while (at < recording.length) {
    final end = recording.indexOf(0x0A, at);
    final [word, source, type, _, length] =
        ascii.decode(recording.sublist(at, end)).split(' ');
    check(word == 'post', 'a record at byte $at');
    final start = end + 1;
    final stop = start + int.parse(length);
    check(stop < recording.length && recording[stop] == 0x0A,
        'the record at byte $at is whole');
    if (source == 'bridge' && int.parse(type) == _stringType) {
      posts.add(Uint8List.sublistView(recording, start, stop));
    }
    at = stop + 1;
  }
  return posts;
}

/// The texts of the demo's --raw transcript: its lines that begin "<< ".
List<Uint8List> demoPosts(Uint8List transcript) => [
      for (final line in _lines(transcript))
        if (line.length > 3 && ascii.decode(line.sublist(0, 3)) == '<< ')
          Uint8List.sublistView(line, 3),
    ];

Iterable<Uint8List> _lines(Uint8List bytes) sync* {
  var start = 0;
  for (var at = 0; at <= bytes.length; at++) {
    if (at == bytes.length || bytes[at] == 0x0A) {
      yield Uint8List.sublistView(bytes, start, at);
      start = at + 1;
    }
  }
}

/// Each distinct text as Dart reads it: malformed UTF-8 (the texts the VM
/// refused) turned into U+FFFD.
Set<String> distinctTexts(List<Uint8List> posts) =>
    {for (final post in posts) utf8.decode(post, allowMalformed: true)};

void main() {
  final contract = EnvelopeContract.load();
  late final Set<String> bridge;
  late final Set<String> demo;

  test('the fixture recorded the bridge\'s posts and the demo\'s', () {
    final posts = bridgePosts(recordedPosts.readAsBytesSync());
    final transcript = demoPosts(recordedDemoTexts.readAsBytesSync());
    report('${posts.length} posts by the test programs, '
        '${transcript.length} by the demo');
    check(posts.isNotEmpty, 'the test programs posted something');
    check(transcript.isNotEmpty, 'the demo posted something');
    bridge = distinctTexts(posts);
    demo = distinctTexts(transcript);
  });

  test('every recorded envelope decodes and matches jsonDecode of its text',
      () {
    final kinds = <String, int>{};
    var base64Forms = 0;
    for (final text in [...bridge, ...demo]) {
      final envelope = Envelope.decode(text);
      contract.checkDecoded(envelope, text);
      kinds.update(contract.kindOf(envelope), (n) => n + 1, ifAbsent: () => 1);
      if (envelope.arrivedAsBase64) base64Forms++;
    }
    report('${bridge.length + demo.length} distinct texts, $base64Forms in '
        'base64, of ${kinds.length} kinds');
    expect(contract.kinds.keys.where((k) => !kinds.containsKey(k)).toList(),
        <String>[], 'kinds never posted');
    check(base64Forms > 0, 'a base64 form was posted');
  });

  test('every recorded envelope decodes the same in another form', () {
    for (final posted in [...bridge, ...demo]) {
      final text = posted.startsWith('base64:') ? textOfBase64(posted) : posted;
      final envelope = Envelope.decode(text);
      for (final other in [spaced(text, ' '), escapedForm(text)]) {
        final decoded = Envelope.decode(other);
        expect(decoded.runtimeType, envelope.runtimeType, other);
        expect(decoded.toJson(), envelope.toJson(), other);
      }
    }
  });
}

void report(String line) => print('  $line');
