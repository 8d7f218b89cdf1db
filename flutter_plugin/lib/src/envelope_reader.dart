import 'dart:typed_data';

import 'json_parser.dart' show hexDigitValue;

const _quote = 0x22;
const _backslash = 0x5C;
const _minus = 0x2D;
const _zero = 0x30;
const _closingBrace = 0x7D;

// Strings with escapes are unescaped into one of these, kept for the next
// string unless it grew beyond this many code units.
const _keptScratchUnits = 1 << 16;
var _latin1Scratch = Uint8List(256);
var _utf16Scratch = Uint16List(256);

const _most18Digits = 999999999999999999;
final _int64Min = BigInt.from(-0x8000000000000000);
final _int64Max = BigInt.from(0x7FFFFFFFFFFFFFFF);
final _uint64Max = (BigInt.one << 64) - BigInt.one;

/// Reads an envelope in the form the bridge writes it: compact, its keys in
/// ascending order, nothing but what the catalogue lists.
///
/// The generated readers take each member through its key, as it stands in
/// the text (`,"code":`), and the value after it. Any other text, a value of
/// another type or out of its kind's range, and text after the closing
/// brace make the reader [failed] instead: the envelope is then parsed in
/// full, which accepts any JSON form and says what is wrong.
final class EnvelopeReader {
  /// A reader at the start of [text].
  EnvelopeReader(this._text, {required this.arrivedAsBase64});

  final String _text;
  int _at = 0;
  bool _failed = false;

  /// Whether the text was posted in the base64 form.
  final bool arrivedAsBase64;

  /// Where the next read starts.
  int get position => _at;

  /// Whether a read found what it did not expect.
  bool get failed => _failed;

  /// Whether every read so far succeeded and only the closing brace is
  /// left.
  bool get complete =>
      !_failed &&
      _at == _text.length - 1 &&
      _text.codeUnitAt(_at) == _closingBrace;

  /// Reads again from [position], as if nothing after it had been read.
  void restartAt(int position) {
    _at = position;
    _failed = false;
  }

  /// Takes [literal] if the text goes on with it, else leaves the reader as
  /// it was; whether it did.
  bool take(String literal) {
    final text = _text;
    final start = _at;
    final length = literal.length;
    if (start + length > text.length) return false;
    for (var i = 0; i < length; i++) {
      if (text.codeUnitAt(start + i) != literal.codeUnitAt(i)) return false;
    }
    _at = start + length;
    return true;
  }

  /// The string after [key].
  String string(String key) => take(key) ? _string() : _fail('');

  /// The int32 after [key].
  int int32(String key) =>
      take(key) ? _integer(-0x80000000, 0x7FFFFFFF) : _fail(0);

  /// The uint32 after [key].
  int uint32(String key) => take(key) ? _integer(0, 0xFFFFFFFF) : _fail(0);

  /// The int64 after [key].
  int int64(String key) => take(key) ? _wide(unsigned: false) : _fail(0);

  /// The uint64 after [key], as the `int` with the same 64 bits: values
  /// above 2^63 - 1 are negative.
  int uint64(String key) => take(key) ? _wide(unsigned: true) : _fail(0);

  /// The bool after [key].
  bool boolean(String key) {
    if (!take(key)) return _fail(false);
    if (take('true')) return true;
    if (take('false')) return false;
    return _fail(false);
  }

  /// The integer from [low] to [high] that the text goes on with.
  int integer(int low, int high) => _integer(low, high);

  // Fails the reader; the value stands in for the one that was not read.
  T _fail<T>(T standIn) {
    _failed = true;
    _at = _text.length;
    return standIn;
  }

  String _string() {
    final text = _text;
    final length = text.length;
    var at = _at;
    if (at >= length || text.codeUnitAt(at) != _quote) return _fail('');
    final start = ++at;
    while (at < length) {
      final unit = text.codeUnitAt(at);
      if (unit == _quote) {
        _at = at + 1;
        return text.substring(start, at);
      }
      if (unit == _backslash) return _unescaped(start);
      if (unit < 0x20) break;
      at++;
    }
    return _fail('');
  }

  // The string from start, which holds escapes, while its code units fit
  // Latin-1: one byte each.
  String _unescaped(int start) {
    final text = _text;
    final length = text.length;
    final units = _latin1Units(length - start);
    var count = 0;
    var at = start;
    while (at < length) {
      var unit = text.codeUnitAt(at++);
      if (unit == _quote) {
        _at = at;
        return String.fromCharCodes(units, 0, count);
      }
      if (unit == _backslash) {
        unit = _escaped(at);
        if (unit < 0) break;
        at += unit > 0xFFFF ? 5 : 1;
        unit &= 0xFFFF;
      } else if (unit < 0x20) {
        break;
      }
      if (unit > 0xFF) return _unescapedWide(units, count, unit, at);
      units[count++] = unit;
    }
    return _fail('');
  }

  // The rest of a string whose first count units are in latin1, and whose
  // next unit does not fit Latin-1.
  String _unescapedWide(Uint8List latin1, int count, int unit, int at) {
    final text = _text;
    final length = text.length;
    final units = _utf16Units(length - at + count + 1);
    units.setRange(0, count, latin1);
    units[count++] = unit;
    while (at < length) {
      var unit = text.codeUnitAt(at++);
      if (unit == _quote) {
        _at = at;
        return String.fromCharCodes(units, 0, count);
      }
      if (unit == _backslash) {
        unit = _escaped(at);
        if (unit < 0) break;
        at += unit > 0xFFFF ? 5 : 1;
        unit &= 0xFFFF;
      } else if (unit < 0x20) {
        break;
      }
      units[count++] = unit;
    }
    return _fail('');
  }

  // The code unit that the escape at (after its backslash) stands for; a
  // \u escape's has 0x10000 added, so that the caller skips its digits.
  // -1 for no valid escape.
  int _escaped(int at) {
    if (at >= _text.length) return -1;
    final kind = _text.codeUnitAt(at);
    switch (kind) {
      case _quote:
      case _backslash:
      case 0x2F: // /
        return kind;
      case 0x6E: // n
        return 0x0A;
      case 0x74: // t
        return 0x09;
      case 0x72: // r
        return 0x0D;
      case 0x62: // b
        return 0x08;
      case 0x66: // f
        return 0x0C;
      case 0x75: // u
        if (at + 5 > _text.length) return -1;
        var code = 0;
        for (var i = at + 1; i <= at + 4; i++) {
          final digit = hexDigitValue(_text.codeUnitAt(i));
          if (digit < 0) return -1;
          code = code * 16 + digit;
        }
        return code + 0x10000;
      default:
        return -1;
    }
  }

  // An integer of at most 18 digits, which an int holds exactly, from low to
  // high; JSON allows no leading zeros.
  int _integer(int low, int high) {
    final text = _text;
    final length = text.length;
    var at = _at;
    final negative = at < length && text.codeUnitAt(at) == _minus;
    if (negative) at++;
    final digitsStart = at;
    var value = 0;
    while (at < length) {
      final digit = text.codeUnitAt(at) - _zero;
      if (digit < 0 || digit > 9) break;
      value = value * 10 + digit;
      at++;
    }
    final digits = at - digitsStart;
    if (digits == 0 ||
        digits > 18 ||
        (digits > 1 && text.codeUnitAt(digitsStart) == _zero)) {
      return _fail(0);
    }
    if (negative) value = -value;
    if (value < low || value > high) return _fail(0);
    _at = at;
    return value;
  }

  // A 64-bit integer, signed or not, as the int with its 64 bits; one of
  // more than 18 digits is read exactly as a BigInt first.
  int _wide({required bool unsigned}) {
    final start = _at;
    final value = _integer(unsigned ? 0 : -_most18Digits, _most18Digits);
    if (!_failed) return value;
    final text = _text;
    var at = start;
    if (at < text.length && text.codeUnitAt(at) == _minus) at++;
    final digitsStart = at;
    while (at < text.length) {
      final digit = text.codeUnitAt(at) - _zero;
      if (digit < 0 || digit > 9) break;
      at++;
    }
    if (at - digitsStart <= 18 || text.codeUnitAt(digitsStart) == _zero) {
      return _fail(0);
    }
    final exact = BigInt.parse(text.substring(start, at));
    final fits = unsigned
        ? exact >= BigInt.zero && exact <= _uint64Max
        : exact >= _int64Min && exact <= _int64Max;
    if (!fits) return _fail(0);
    _failed = false;
    _at = at;
    return exact.toSigned(64).toInt();
  }
}

Uint8List _latin1Units(int count) {
  if (count <= _latin1Scratch.length) return _latin1Scratch;
  final units = Uint8List(count);
  if (count <= _keptScratchUnits) _latin1Scratch = units;
  return units;
}

Uint16List _utf16Units(int count) {
  if (count <= _utf16Scratch.length) return _utf16Scratch;
  final units = Uint16List(count);
  if (count <= _keptScratchUnits) _utf16Scratch = units;
  return units;
}
