/// Where the suite finds what it tests: the paths that CTest passes in the
/// environment (tests/dart/CMakeLists.txt).
library;

import 'dart:ffi';
import 'dart:io';

import 'package:zelbridge/zelbridge_bindings.dart';

String _path(String variable) {
  final value = Platform.environment[variable];
  if (value == null || value.isEmpty) {
    throw StateError('$variable is not set: run the Dart suite through CTest');
  }
  return value;
}

/// The built bridge library (libzelbridge.so, zelbridge.dll).
String get bridgeLibraryPath => _path('ZELBRIDGE_LIBRARY');

/// The stand-in SDK's test control library.
String get standinControlPath => _path('ZELBRIDGE_STANDIN_CONTROL');

/// The repository's root.
String get sourceDir => _path('ZELBRIDGE_SOURCE_DIR');

/// A folder of the build for files the tests write.
Directory get scratchDir =>
    Directory(_path('ZELBRIDGE_SCRATCH_DIR'))..createSync(recursive: true);

/// What the bridge posted while its test programs ran, recorded by the
/// fixture dart.record_posts in the Dart runtime stand-in's format.
File get recordedPosts => File(_path('ZELBRIDGE_RECORDED_POSTS'));

/// The demo's --raw transcript of the same fixture.
File get recordedDemoTexts => File(_path('ZELBRIDGE_RECORDED_DEMO_TEXTS'));

/// A file of the repository by its path from the root.
File sourceFile(String relative) => File('$sourceDir/$relative');

/// The bridge, opened by path, with every export bound.
ZelBridgeBindings openBridge() =>
    ZelBridgeBindings(DynamicLibrary.open(bridgeLibraryPath));
