// The process record on a plain Dart VM: one environment variable of the
// process per entry, read and written through the C library (kernel32 on
// Windows), since dart:io's Platform.environment is a copy taken at start.
import 'dart:ffi';
import 'dart:io';
import 'dart:isolate';

import 'native_text.dart';
import 'process_record.dart';

ProcessRecord processRecord() => _EnvironmentRecord(
      Platform.isWindows ? _WindowsEnvironment() : _PosixEnvironment(),
    );

abstract interface class _Environment {
  String? read(String name);

  /// Writes [value] under [name]; null removes it.
  void write(String name, String? value);
}

final class _PosixEnvironment implements _Environment {
  final _getenv = DynamicLibrary.process().lookupFunction<
      Pointer<Char> Function(Pointer<Char>),
      Pointer<Char> Function(Pointer<Char>)>('getenv');
  final _setenv = DynamicLibrary.process().lookupFunction<
      Int Function(Pointer<Char>, Pointer<Char>, Int),
      int Function(Pointer<Char>, Pointer<Char>, int)>('setenv');
  final _unsetenv = DynamicLibrary.process().lookupFunction<
      Int Function(Pointer<Char>), int Function(Pointer<Char>)>('unsetenv');

  @override
  String? read(String name) => _withText(name, (nativeName) {
        final value = _getenv(nativeName);
        return value == nullptr ? null : value.toDartString();
      });

  @override
  void write(String name, String? value) => _withText(name, (nativeName) {
        if (value == null) {
          _unsetenv(nativeName);
        } else {
          _withText(value, (nativeValue) => _setenv(nativeName, nativeValue, 1));
        }
      });
}

final class _WindowsEnvironment implements _Environment {
  static final _kernel32 = DynamicLibrary.open('kernel32.dll');
  final _get = _kernel32.lookupFunction<
      Uint32 Function(Pointer<Uint16>, Pointer<Uint16>, Uint32),
      int Function(Pointer<Uint16>, Pointer<Uint16>, int)>(
    'GetEnvironmentVariableW',
  );
  final _set = _kernel32.lookupFunction<
      Int32 Function(Pointer<Uint16>, Pointer<Uint16>),
      int Function(Pointer<Uint16>, Pointer<Uint16>)>(
    'SetEnvironmentVariableW',
  );

  @override
  String? read(String name) => _withWide(name, (nativeName) {
        const capacity = 64;
        final value = NativeHeap.instance.allocate<Uint16>(capacity * 2);
        try {
          final length = _get(nativeName, value, capacity);
          if (length == 0 || length >= capacity) return null;
          return String.fromCharCodes(value.asTypedList(length));
        } finally {
          NativeHeap.instance.free(value);
        }
      });

  @override
  void write(String name, String? value) => _withWide(name, (nativeName) {
        if (value == null) {
          _set(nativeName, nullptr);
        } else {
          _withWide(value, (nativeValue) => _set(nativeName, nativeValue));
        }
      });

  static R _withWide<R>(String text, R Function(Pointer<Uint16>) use) {
    final wide = NativeHeap.instance.allocate<Uint16>((text.length + 1) * 2);
    wide.asTypedList(text.length + 1)
      ..setAll(0, text.codeUnits)
      ..[text.length] = 0;
    try {
      return use(wide);
    } finally {
      NativeHeap.instance.free(wide);
    }
  }
}

R _withText<R>(String text, R Function(Pointer<Char>) use) {
  final native = text.toNativeText();
  try {
    return use(native);
  } finally {
    NativeHeap.instance.free(native);
  }
}

final class _EnvironmentRecord implements ProcessRecord {
  _EnvironmentRecord(this._environment);

  final _Environment _environment;

  // Each entry is a variable of its own, so that isolates that write at once
  // write different variables.
  static String _variable(String kind, String name) =>
      'ZELBRIDGE_PROCESS_${kind}_${name.replaceAll(RegExp('[^A-Za-z0-9]'), '_')}';

  @override
  bool has(String flag) => _environment.read(_variable('FLAG', flag)) != null;

  @override
  void set(String flag) => _environment.write(_variable('FLAG', flag), '1');

  @override
  void clear(String flag) => _environment.write(_variable('FLAG', flag), null);

  @override
  int? portOf(String name) {
    final recorded = _environment.read(_variable('PORT', name));
    return recorded == null ? null : int.tryParse(recorded);
  }

  @override
  void recordPort(String name, SendPort port) =>
      _environment.write(_variable('PORT', name), '${port.nativePort}');

  @override
  void removePort(String name) =>
      _environment.write(_variable('PORT', name), null);
}
