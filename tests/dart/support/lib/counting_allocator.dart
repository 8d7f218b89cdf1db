/// An allocator that counts what it hands out and takes back, for the
/// ownership tests of the client.
library;

import 'dart:ffi';

import 'package:zelbridge/zelbridge_bindings.dart';

/// The C heap, with a record of every live allocation and every free.
final class CountingAllocator implements Allocator {
  /// Live allocations by address, with the text they held when allocated
  /// (read on the first free or on demand).
  final live = <int, Pointer<Char>>{};

  /// How many allocations and frees there were.
  var allocations = 0;
  var frees = 0;

  /// Frees of addresses this allocator does not hold: a double free.
  var strayFrees = 0;

  @override
  Pointer<T> allocate<T extends NativeType>(int byteCount, {int? alignment}) {
    final memory = NativeHeap.instance.allocate<T>(byteCount);
    allocations++;
    live[memory.address] = memory.cast();
    return memory;
  }

  @override
  void free(Pointer<NativeType> pointer) {
    if (live.remove(pointer.address) == null) strayFrees++;
    frees++;
    NativeHeap.instance.free(pointer);
  }

  /// The texts of the live allocations.
  List<String> get liveTexts => [
        for (final text in live.values) text.toDartString(allowMalformed: true),
      ];

  /// Whether a live allocation holds [text].
  bool holds(String text) => liveTexts.contains(text);
}
