/// A receive port registered with the bridge, and what arrives on it.
library;

import 'dart:async';
import 'dart:collection';
import 'dart:ffi';
import 'dart:isolate';

/// Texts posted to one receive port, in their order of arrival.
///
/// [settle] tells when everything posted so far has arrived: a marker sent
/// to the port from Dart is queued behind every post the bridge made before
/// it, so once the marker is back the inbox holds all of them.
class Inbox {
  Inbox() {
    _port.listen(_arrived);
  }

  final _port = ReceivePort();
  final _texts = Queue<Object?>();
  final _waiting = Queue<Completer<void>>();
  var _markers = 0;

  /// The port's native id, for DartRegisterSendPort.
  int get nativePort => _port.sendPort.nativePort;

  /// The port's SendPort.
  SendPort get sendPort => _port.sendPort;

  /// How many texts are waiting to be taken.
  int get length => _texts.length;

  void _arrived(Object? message) {
    _texts.add(message);
    while (_waiting.isNotEmpty) {
      _waiting.removeFirst().complete();
    }
  }

  Future<void> _more(Duration timeout) {
    final arrival = Completer<void>();
    _waiting.add(arrival);
    return arrival.future.timeout(timeout, onTimeout: () {
      _waiting.remove(arrival);
      throw TimeoutException('nothing arrived on the port', timeout);
    });
  }

  /// Waits until everything posted before this call has arrived, and takes
  /// it all.
  Future<List<String>> settle({
    Duration timeout = const Duration(seconds: 30),
  }) async {
    final marker = _Marker(_markers++);
    _port.sendPort.send(marker.text);
    final taken = <String>[];
    final deadline = DateTime.now().add(timeout);
    for (;;) {
      while (_texts.isNotEmpty) {
        final text = _texts.removeFirst();
        if (text == marker.text) return taken;
        taken.add(text as String);
      }
      await _more(deadline.difference(DateTime.now()));
    }
  }

  /// The next text, waiting for it up to [timeout].
  Future<String> next({Duration timeout = const Duration(seconds: 30)}) async {
    while (_texts.isEmpty) {
      await _more(timeout);
    }
    return _texts.removeFirst() as String;
  }

  /// The next [count] texts.
  Future<List<String>> take(
    int count, {
    Duration timeout = const Duration(seconds: 60),
  }) async {
    final taken = <String>[];
    final deadline = DateTime.now().add(timeout);
    while (taken.length < count) {
      taken.add(await next(timeout: deadline.difference(DateTime.now())));
    }
    return taken;
  }

  /// Closes the port; unregister it from the bridge first.
  void close() => _port.close();
}

class _Marker {
  _Marker(int number) : text = '\u0000inbox marker $number';
  final String text;
}
