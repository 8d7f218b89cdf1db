// The generated bindings against the built library: every export of the
// header binds by name, and the Dart API binds from any isolate.
import 'dart:ffi';
import 'dart:io';
import 'dart:isolate';

import 'package:zelbridge/zelbridge_bindings.dart';
import 'package:zelbridge_test_support/check.dart';
import 'package:zelbridge_test_support/environment.dart';

/// The names the header declares with ZELBRIDGE_EXPORT, in its order.
List<String> headerExports() => RegExp(r'ZELBRIDGE_EXPORT\s[^;(]*?\b(Dart\w+)\s*\(')
    .allMatches(sourceFile('include/zelbridge.h').readAsStringSync())
    .map((match) => match.group(1)!)
    .toList();

/// The names the generated bindings look up, in their order.
List<String> boundExports() => RegExp(r"_lookup<[\s\S]*?>\('(\w+)'\);")
    .allMatches(sourceFile('flutter_plugin/lib/src/zelbridge_bindings.g.dart')
        .readAsStringSync())
    .map((match) => match.group(1)!)
    .toList();

int bindFromNewIsolate(String libraryPath) {
  final bridge = ZelBridgeBindings(DynamicLibrary.open(libraryPath));
  return bridge.DartInitDartApiDL(NativeApi.initializeApiDLData);
}

void main() {
  test('the generated bindings name every export of the header, in its order',
      () {
    final declared = headerExports();
    expect(declared.length, 236, 'exports the header declares');
    expect(boundExports(), declared);
  });

  test('the library provides every export the bindings look up', () {
    final library = DynamicLibrary.open(bridgeLibraryPath);
    final missing = [
      for (final name in boundExports())
        if (!library.providesSymbol(name)) name,
    ];
    expect(missing, <String>[], 'exports the library lacks');
  });

  test('DartInitDartApiDL binds the VM\'s Dart API, and refuses null', () {
    final bridge = openBridge();
    expect(bridge.DartInitDartApiDL(NativeApi.initializeApiDLData), 0);
    expect(bridge.DartInitDartApiDL(nullptr), -1);
    // A refused table leaves the binding in place: binding again works.
    expect(bridge.DartInitDartApiDL(NativeApi.initializeApiDLData), 0);
  });

  test('another isolate of the group binds the Dart API again', () async {
    final path = bridgeLibraryPath;
    expect(await Isolate.run(() => bindFromNewIsolate(path)), 0);
  });

  test('the VM runs the build it was given', () {
    final wordBits = sizeOf<IntPtr>() * 8;
    check(Platform.version.contains(wordBits == 32 ? '_ia32' : '_x64'),
        'a $wordBits-bit VM: ${Platform.version}');
    stdout.writeln('  VM: ${Platform.version}');
  });
}
