// Native memory and UTF-8 texts for the bridge's `const char*` parameters,
// with nothing outside the Dart SDK.

import 'dart:convert';
import 'dart:ffi';
import 'dart:io';
import 'dart:typed_data';

typedef _AllocateNative = Pointer<Void> Function(IntPtr bytes);
typedef _Allocate = Pointer<Void> Function(int bytes);
typedef _FreeNative = Void Function(Pointer<Void> memory);
typedef _Free = void Function(Pointer<Void> memory);

/// Memory from the process's C heap: `malloc` and `free`, or on Windows
/// `CoTaskMemAlloc` and `CoTaskMemFree` as Windows apps use them.
///
/// It belongs to no isolate: it outlives the isolate that allocated it, a
/// hot restart and the isolate's group, as every `user_data` text that the
/// SDK still holds must.
final class NativeHeap implements Allocator {
  NativeHeap._(DynamicLibrary library, String allocate, String free)
      : _allocate = library
            .lookupFunction<_AllocateNative, _Allocate>(allocate),
        _free = library.lookupFunction<_FreeNative, _Free>(free);

  factory NativeHeap._ofPlatform() => Platform.isWindows
      ? NativeHeap._(
          DynamicLibrary.open('ole32.dll'), 'CoTaskMemAlloc', 'CoTaskMemFree')
      : NativeHeap._(DynamicLibrary.process(), 'malloc', 'free');

  /// The heap of this process.
  static final NativeHeap instance = NativeHeap._ofPlatform();

  final _Allocate _allocate;
  final _Free _free;

  @override
  Pointer<T> allocate<T extends NativeType>(int byteCount, {int? alignment}) {
    final memory = _allocate(byteCount);
    if (memory == nullptr) {
      throw OutOfMemoryError();
    }
    return memory.cast();
  }

  @override
  void free(Pointer<NativeType> pointer) => _free(pointer.cast());
}

/// A Dart string as a NUL-terminated UTF-8 text in native memory.
extension StringToNativeText on String {
  /// A copy of this string in memory of [allocator] (the C heap by default),
  /// as UTF-8 with a NUL after it. The caller frees it.
  Pointer<Char> toNativeText({Allocator? allocator}) {
    final bytes = utf8.encode(this);
    final text = (allocator ?? NativeHeap.instance).allocate<Uint8>(
      bytes.length + 1,
    );
    text.asTypedList(bytes.length + 1)
      ..setAll(0, bytes)
      ..[bytes.length] = 0;
    return text.cast();
  }
}

/// A NUL-terminated UTF-8 text in native memory, read into Dart.
extension NativeTextToString on Pointer<Char> {
  /// The number of bytes before the terminating NUL.
  int get textLength {
    final bytes = cast<Uint8>();
    var length = 0;
    while (bytes[length] != 0) {
      length++;
    }
    return length;
  }

  /// The text's bytes, copied, without the NUL.
  Uint8List textBytes() =>
      Uint8List.fromList(cast<Uint8>().asTypedList(textLength));

  /// The text decoded as UTF-8; malformed bytes throw a [FormatException]
  /// unless [allowMalformed] turns them into U+FFFD.
  String toDartString({bool allowMalformed = false}) =>
      utf8.decode(textBytes(), allowMalformed: allowMalformed);
}
