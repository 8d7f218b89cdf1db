/// Envelope texts written in other JSON forms than the bridge's, for the
/// decoder's slower path: spaced, keys reversed, strings escaped otherwise.
library;

import 'dart:convert';

/// [members] as the bridge writes them: compact, keys in ascending order,
/// "/" escaped. A BigInt stands for an integer beyond an int.
String bridgeForm(Map<String, Object?> members) {
  final keys = members.keys.toList()..sort();
  final written = [
    for (final key in keys)
      '${jsonEncode(key)}:${switch (members[key]) {
        final BigInt value => '$value',
        final value => jsonEncode(value).replaceAll('/', r'\/'),
      }}',
  ];
  return '{${written.join(',')}}';
}

/// [text] with [insert] after every ":" and "," and inside the braces, where
/// JSON allows whitespace.
String spaced(String text, String insert) {
  final out = StringBuffer();
  var inString = false;
  for (var i = 0; i < text.length; i++) {
    final char = text[i];
    out.write(char);
    if (inString) {
      if (char == r'\') {
        out.write(text[++i]);
      } else if (char == '"') {
        inString = false;
      }
    } else if (char == '"') {
      inString = true;
    } else if (':,{'.contains(char)) {
      out.write(insert);
    }
  }
  final written = out.toString();
  return '$insert${written.substring(0, written.length - 1)}$insert}$insert';
}

/// [members] with their keys in descending order.
String reversedForm(Map<String, Object?> members) {
  final keys = members.keys.toList()..sort((a, b) => b.compareTo(a));
  final written = [
    for (final key in keys)
      '${jsonEncode(key)}:${switch (members[key]) {
        final BigInt value => '$value',
        final value => jsonEncode(value),
      }}',
  ];
  return '{${written.join(',')}}';
}

/// [text] with every code unit of its strings above ASCII, and every "/",
/// written as a \u escape in lower case.
String escapedForm(String text) {
  final out = StringBuffer();
  var inString = false;
  for (var i = 0; i < text.length; i++) {
    final unit = text.codeUnitAt(i);
    if (inString && (unit > 0x7E || unit == 0x2F)) {
      out.write('\\u${unit.toRadixString(16).padLeft(4, '0')}');
      continue;
    }
    out.writeCharCode(unit);
    if (inString && unit == 0x5C) {
      out.write(text[++i]);
    } else if (unit == 0x22) {
      inString = !inString;
    }
  }
  return out.toString();
}
