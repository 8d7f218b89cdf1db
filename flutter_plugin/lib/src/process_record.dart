// What the process has set up, kept where it outlives isolates: a hot restart
// starts a new isolate (in Flutter) and runs main() again, while the library,
// the SDK and the ports registered with the bridge carry over.
import 'dart:isolate';

import 'process_record_vm.dart'
    if (dart.library.ui) 'process_record_flutter.dart' as platform;

/// A record of the process, shared by every isolate and isolate group and
/// kept across a hot restart: flags for what was set up once per process,
/// and the native port each kind of isolate registered with the bridge.
///
/// In Flutter it lives in the engine's `IsolateNameServer`; on a plain Dart
/// VM in the process's environment variables.
abstract interface class ProcessRecord {
  /// The record of this process.
  static final ProcessRecord instance = platform.processRecord();

  /// Whether [flag] was set by this or an earlier isolate.
  bool has(String flag);

  /// Sets [flag] for the rest of the process.
  void set(String flag);

  /// Clears [flag].
  void clear(String flag);

  /// The native port id recorded under [name], or null.
  int? portOf(String name);

  /// Records [port] under [name], replacing what was there.
  void recordPort(String name, SendPort port);

  /// Removes what is recorded under [name].
  void removePort(String name);
}
