import 'dart:ffi';
import 'dart:io';

/// The bridge library as each platform ships it in a Flutter app.
DynamicLibrary openShippedLibrary() {
  if (Platform.isIOS) {
    // A static library linked into the app's executable.
    return DynamicLibrary.process();
  }
  if (Platform.isMacOS) return DynamicLibrary.open('zelbridge.framework/zelbridge');
  if (Platform.isWindows) return DynamicLibrary.open('zelbridge.dll');
  return DynamicLibrary.open('libzelbridge.so');
}
