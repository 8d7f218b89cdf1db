// The process record in a Flutter app: names of the engine's
// IsolateNameServer, which lives outside every isolate and survives a hot
// restart. A flag is a name mapped to any port; a port is its own name.
import 'dart:ffi';
import 'dart:isolate';
import 'dart:ui' show IsolateNameServer;

import 'process_record.dart';

ProcessRecord processRecord() => const _NameServerRecord();

final class _NameServerRecord implements ProcessRecord {
  const _NameServerRecord();

  static String _flag(String flag) => 'zelbridge.flag.$flag';
  static String _port(String name) => 'zelbridge.port.$name';

  // A flag needs a port to name; it is never sent to.
  static final _flagPort = RawReceivePort();

  @override
  bool has(String flag) =>
      IsolateNameServer.lookupPortByName(_flag(flag)) != null;

  @override
  void set(String flag) {
    IsolateNameServer.removePortNameMapping(_flag(flag));
    IsolateNameServer.registerPortWithName(_flagPort.sendPort, _flag(flag));
  }

  @override
  void clear(String flag) => IsolateNameServer.removePortNameMapping(_flag(flag));

  @override
  int? portOf(String name) =>
      IsolateNameServer.lookupPortByName(_port(name))?.nativePort;

  @override
  void recordPort(String name, SendPort port) {
    IsolateNameServer.removePortNameMapping(_port(name));
    IsolateNameServer.registerPortWithName(port, _port(name));
  }

  @override
  void removePort(String name) =>
      IsolateNameServer.removePortNameMapping(_port(name));
}
