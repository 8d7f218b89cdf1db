import 'envelope_format_exception.dart';

/// The value of a JSON text as `jsonDecode` gives it, except that an integer
/// outside the range of an `int` is a [BigInt] with its exact value (where
/// `jsonDecode` gives a `double`), and that a key appearing twice in one
/// object is an error (where `jsonDecode` keeps the last).
///
/// Throws an [EnvelopeFormatException] that says where the text stops being
/// JSON.
Object? parseJson(String text) => _JsonParser(text).parseText();

const _maxDepth = 512;

/// The value of a hexadecimal digit's code unit, or -1 for another unit.
int hexDigitValue(int unit) {
  if (unit >= 0x30 && unit <= 0x39) return unit - 0x30;
  final letter = unit | 0x20;
  if (letter >= 0x61 && letter <= 0x66) return letter - 0x61 + 10;
  return -1;
}

final class _JsonParser {
  _JsonParser(this._text);

  final String _text;
  int _at = 0;
  int _depth = 0;

  Object? parseText() {
    final value = _value();
    _skipSpace();
    if (_at < _text.length) _fail('text after the JSON value');
    return value;
  }

  Never _fail(String what, [int? offset]) {
    final at = offset ?? _at;
    throw EnvelopeFormatException('not JSON: $what at offset $at', _text, at);
  }

  void _skipSpace() {
    while (_at < _text.length) {
      final unit = _text.codeUnitAt(_at);
      if (unit != 0x20 && unit != 0x0A && unit != 0x0D && unit != 0x09) {
        return;
      }
      _at++;
    }
  }

  int _next() {
    if (_at >= _text.length) _fail('the text ends');
    return _text.codeUnitAt(_at);
  }

  void _literal(String word, int offset) {
    if (!_text.startsWith(word, _at)) _fail('unexpected character', offset);
    _at += word.length;
  }

  Object? _value() {
    _skipSpace();
    final start = _at;
    switch (_next()) {
      case 0x7B: // {
        return _nested(_object);
      case 0x5B: // [
        return _nested(_list);
      case 0x22: // "
        return _string();
      case 0x74: // t
        _literal('true', start);
        return true;
      case 0x66: // f
        _literal('false', start);
        return false;
      case 0x6E: // n
        _literal('null', start);
        return null;
      default:
        return _number();
    }
  }

  Object? _nested(Object? Function() parse) {
    if (++_depth > _maxDepth) _fail('nesting deeper than $_maxDepth');
    final value = parse();
    _depth--;
    return value;
  }

  Map<String, Object?> _object() {
    final members = <String, Object?>{};
    _at++;
    _skipSpace();
    if (_next() == 0x7D) {
      _at++;
      return members;
    }
    for (;;) {
      _skipSpace();
      final keyAt = _at;
      if (_next() != 0x22) _fail('expected a key');
      final key = _string();
      if (members.containsKey(key)) {
        _fail('the key "$key" appears twice in one object', keyAt);
      }
      _skipSpace();
      if (_next() != 0x3A) _fail('expected ":"');
      _at++;
      members[key] = _value();
      _skipSpace();
      final separator = _next();
      _at++;
      if (separator == 0x7D) return members;
      if (separator != 0x2C) _fail('expected "," or "}"', _at - 1);
    }
  }

  List<Object?> _list() {
    final elements = <Object?>[];
    _at++;
    _skipSpace();
    if (_next() == 0x5D) {
      _at++;
      return elements;
    }
    for (;;) {
      elements.add(_value());
      _skipSpace();
      final separator = _next();
      _at++;
      if (separator == 0x5D) return elements;
      if (separator != 0x2C) _fail('expected "," or "]"', _at - 1);
    }
  }

  String _string() {
    _at++;
    final buffer = StringBuffer();
    var runStart = _at;
    for (;;) {
      final unit = _next();
      if (unit == 0x22) {
        buffer.write(_text.substring(runStart, _at));
        _at++;
        return buffer.toString();
      }
      if (unit < 0x20) _fail('a control character in a string');
      if (unit != 0x5C) {
        _at++;
        continue;
      }
      buffer.write(_text.substring(runStart, _at));
      _at++;
      buffer.writeCharCode(_escaped());
      runStart = _at;
    }
  }

  // The code unit of the escape after a backslash.
  int _escaped() {
    final escapeAt = _at;
    final unit = _next();
    _at++;
    switch (unit) {
      case 0x22: // "
      case 0x5C: // \
      case 0x2F: // /
        return unit;
      case 0x62: // b
        return 0x08;
      case 0x66: // f
        return 0x0C;
      case 0x6E: // n
        return 0x0A;
      case 0x72: // r
        return 0x0D;
      case 0x74: // t
        return 0x09;
      case 0x75: // u
        var code = 0;
        for (final end = _at + 4; _at < end; _at++) {
          final digit = hexDigitValue(_next());
          if (digit < 0) _fail('a \\u escape without hex digits', escapeAt);
          code = code * 16 + digit;
        }
        return code;
      default:
        _fail('an unknown escape', escapeAt);
    }
  }

  Object _number() {
    final start = _at;
    if (_at < _text.length && _text.codeUnitAt(_at) == 0x2D) _at++;
    final integerStart = _at;
    _digits();
    if (_at == integerStart) _fail('unexpected character', start);
    if (_at - integerStart > 1 && _text.codeUnitAt(integerStart) == 0x30) {
      _fail('a number with a leading zero', start);
    }
    var integral = true;
    if (_at < _text.length && _text.codeUnitAt(_at) == 0x2E) {
      integral = false;
      _at++;
      final fractionStart = _at;
      _digits();
      if (_at == fractionStart) _fail('a fraction without digits', start);
    }
    if (_at < _text.length && _text.codeUnitAt(_at) | 0x20 == 0x65) {
      integral = false;
      _at++;
      if (_at < _text.length) {
        final sign = _text.codeUnitAt(_at);
        if (sign == 0x2B || sign == 0x2D) _at++;
      }
      final exponentStart = _at;
      _digits();
      if (_at == exponentStart) _fail('an exponent without digits', start);
    }
    final written = _text.substring(start, _at);
    if (!integral) return double.parse(written);
    return int.tryParse(written) ?? BigInt.parse(written);
  }

  void _digits() {
    while (_at < _text.length) {
      final unit = _text.codeUnitAt(_at);
      if (unit < 0x30 || unit > 0x39) return;
      _at++;
    }
  }
}
