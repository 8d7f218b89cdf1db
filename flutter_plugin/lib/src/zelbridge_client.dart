// The client: a receive port of this isolate registered with the bridge,
// the calls in flight and their user_data texts, and the event streams.
import 'dart:async';
import 'dart:convert';
import 'dart:ffi' as ffi;
import 'dart:io' show pid;
import 'dart:isolate';
import 'dart:math';

import 'envelope.dart';
import 'library_location.dart';
import 'native_text.dart';
import 'process_record.dart';
import 'zel_exception.dart';
import 'zelbridge_bindings.g.dart';

part 'zelbridge_client.g.dart';

/// The id an operation export returned, and its completion to come.
typedef ReturnedText = ({String text, Future<Completion> completion});

typedef _Texts = List<ffi.Pointer<ffi.Char>>;

/// The bridge for one isolate.
///
/// [ZelBridge.open] binds the Dart API, opens this isolate's receive port and
/// registers it with the bridge; [close] unregisters and closes it. Every
/// operation export is a method (`login`, `sendMessage`, ...), shaped by what
/// the export does: a [Future] of the completion of an operation that
/// completes once, a [Stream] of the pages of
/// [getGroupMessageReadMemberList], the result of an export that never
/// completes, a copied text. Every kind of event is a stream (`onReceiveNewMsg`,
/// ...) and [events] is all of them.
///
/// The client keeps the rules of the bridge for the app: each call's
/// `user_data` is unique in the process, lives on the C heap until its
/// completion has arrived and is then freed; completions of other isolates,
/// and of earlier generations of this one before a hot restart, are dropped;
/// the port an earlier generation left registered is unregistered; the SDK
/// and each listener are set up once per process ([ProcessRecord]).
final class ZelBridge extends _ClientCore with _Operations, _Events {
  ZelBridge._(super.bindings, super.allocator, super.portName, super.callTimeout);

  /// Opens the bridge for this isolate.
  ///
  /// [libraryPath] opens the library at that path (tests, desktop apps with
  /// their own layout); by default it is opened as each platform ships it.
  /// [portName] names this kind of isolate in the process (by default the
  /// isolate's debug name): a later isolate of the same name, after a hot
  /// restart, unregisters the port this one leaves behind. [callTimeout], if
  /// given, fails every call whose completion has not arrived in time with a
  /// [TimeoutException]; its `user_data` stays allocated, since the SDK may
  /// still complete it. [allocator] is where texts are allocated (the C heap
  /// by default).
  factory ZelBridge.open({
    String? libraryPath,
    String? portName,
    Duration? callTimeout,
    ffi.Allocator? allocator,
  }) {
    final library = libraryPath == null
        ? openShippedLibrary()
        : ffi.DynamicLibrary.open(libraryPath);
    final bindings = ZelBridgeBindings(library);
    if (bindings.DartInitDartApiDL(ffi.NativeApi.initializeApiDLData) != 0) {
      throw StateError('zelbridge could not bind the Dart API of this VM');
    }
    return ZelBridge._(
      bindings,
      allocator ?? NativeHeap.instance,
      portName ?? Isolate.current.debugName ?? 'main',
      callTimeout,
    ).._start();
  }

  /// Whether [initSdk] has initialised the SDK in this process, in this
  /// isolate or an earlier one, and [unitSdk] has not shut it down since.
  bool get isSdkInitialized => _record.has(_ClientCore.sdkFlag);

  /// Whether the SDK has a user logged in (it returns the user's id).
  bool get isLoggedIn => getLoginUserId().isNotEmpty;

  /// Sets the process up as far as it is not yet: initialises the SDK with
  /// [sdkAppId] and [sdkConfig] unless an earlier isolate did, and logs
  /// [userId] in unless a user is logged in. Safe to call at every start of
  /// the app, a hot restart's included.
  Future<void> setUp({
    required int sdkAppId,
    required Object sdkConfig,
    required String userId,
    required String userSig,
  }) async {
    if (!isSdkInitialized) {
      final result = initSdk(sdkAppId, sdkConfig);
      if (result != 0) {
        throw ZelException(result, 'DartInitSDK returned $result',
            returned: true);
      }
    }
    if (!isLoggedIn) await login(userId, userSig);
  }

  /// The text that prefixes the `user_data` of every call of this client:
  /// unique in the process and new at every start.
  String get prefix => _prefix;

  /// Completions and read-member pages that arrived for no call of this
  /// client (another isolate's, or an earlier generation's), dropped.
  int get droppedCompletions => _dropped;

  /// Every event, of every kind; the first subscriber in the process
  /// registers every listener. Texts that are no envelope arrive as errors.
  Stream<Event> get events => _allEvents.stream;

  /// Error envelopes that stand for events no port took: those events are
  /// lost.
  Stream<ErrorEnvelope> get lostEvents => _lostEvents.stream;

  /// Unregisters this isolate's port and closes it. Calls still in flight
  /// fail with a [StateError]; their `user_data` stays allocated, since the
  /// SDK still holds it.
  void close() => _close();
}

/// Where an operation stands.
sealed class _Pending {
  _Pending(this.userData);
  final ffi.Pointer<ffi.Char> userData;
  void fail(Object error);
}

final class _Once extends _Pending {
  _Once(super.userData);
  final completer = Completer<Completion>();
  @override
  void fail(Object error) {
    if (!completer.isCompleted) completer.completeError(error);
  }
}

final class _Pages extends _Pending {
  _Pages(super.userData);
  final controller = StreamController<ReadMemberCompletion>();
  @override
  void fail(Object error) {
    if (controller.isClosed) return;
    controller
      ..addError(error)
      ..close();
  }
}

abstract class _ClientCore {
  _ClientCore(this._bindings, this._allocator, this.portName, this.callTimeout)
      : _prefix = '$portName.$pid.${DateTime.now().microsecondsSinceEpoch}.'
            '${Random().nextInt(1 << 32)}/';

  /// The record's flag of an initialised SDK.
  static const sdkFlag = 'sdk';

  /// The record's flag of the listener of event [callbackType].
  static String listenerFlag(int callbackType) => 'listener.$callbackType';

  final ZelBridgeBindings _bindings;
  final ffi.Allocator _allocator;

  /// The name of this kind of isolate in the process record.
  final String portName;

  /// How long a call waits for its completion; null: as long as it takes.
  final Duration? callTimeout;

  final String _prefix;
  final _record = ProcessRecord.instance;
  final _port = ReceivePort();
  final _pending = <String, _Pending>{};
  final _eventStreams = <int, StreamController<Event>>{};
  late final _allEvents = StreamController<Event>.broadcast(
    onListen: () {
      for (var type = 0; type < eventKinds.length; type++) {
        _ensureListener(type);
      }
    },
  );
  final _lostEvents = StreamController<ErrorEnvelope>.broadcast();
  var _count = 0;
  var _dropped = 0;
  var _closed = false;
  var _sdkSeenInRecord = false;

  /// Whether the SDK has been seen initialised: in the record until it is,
  /// then remembered until this client shuts it down, so that calls do not
  /// read the process environment each time (on a plain VM, where reads race
  /// with another isolate's writes).
  bool get _sdkSeen =>
      _sdkSeenInRecord || (_sdkSeenInRecord = _record.has(sdkFlag));

  void _start() {
    final leftBehind = _record.portOf(portName);
    if (leftBehind != null) _bindings.DartUnregisterSendPort(leftBehind);
    _bindings.DartRegisterSendPort(_port.sendPort.nativePort);
    _record.recordPort(portName, _port.sendPort);
    _port.listen(_arrived);
  }

  void _close() {
    if (_closed) return;
    _closed = true;
    _bindings.DartUnregisterSendPort(_port.sendPort.nativePort);
    if (_record.portOf(portName) == _port.sendPort.nativePort) {
      _record.removePort(portName);
    }
    _port.close();
    for (final pending in _pending.values) {
      pending.fail(StateError('the bridge was closed before the completion '
          'arrived'));
    }
    _pending.clear();
    for (final stream in _eventStreams.values) {
      stream.close();
    }
    _allEvents.close();
    _lostEvents.close();
  }

  // ---- calls ----

  /// Why a call cannot be made now, or null.
  StateError? _refusal({bool needsSdk = true}) {
    if (_closed) return StateError('the bridge is closed');
    if (needsSdk && !_sdkSeen) {
      return StateError('the SDK is not initialised: call initSdk first');
    }
    return null;
  }

  /// A JSON parameter given as a Map or a List is encoded.
  static String _text(Object value) => switch (value) {
        String() => value,
        Map() || List() => jsonEncode(value),
        _ => throw ArgumentError.value(
            value, 'value', 'expected a String, a Map or a List'),
      };

  /// Runs [call] with [texts] on the C heap, freed when the export returns.
  R _withTexts<R>(List<Object> texts, R Function(_Texts) call) {
    final strings = [for (final text in texts) _text(text)];
    final native = <ffi.Pointer<ffi.Char>>[];
    try {
      for (final text in strings) {
        native.add(text.toNativeText(allocator: _allocator));
      }
      return call(native);
    } finally {
      native.forEach(_allocator.free);
    }
  }

  /// A new user_data text, registered for [pending] before the export runs.
  P _register<P extends _Pending>(P Function(ffi.Pointer<ffi.Char>) pending) {
    final text = '$_prefix${++_count}';
    final registered = pending(text.toNativeText(allocator: _allocator));
    _pending[text] = registered;
    return registered;
  }

  Future<Completion> _completesOnce(
    List<Object> texts,
    int Function(_Texts, ffi.Pointer<ffi.Char>) call,
  ) {
    final refused = _refusal();
    if (refused != null) return Future.error(refused);
    late final _Once once;
    final result = _withTexts(texts, (t) {
      once = _register(_Once.new);
      return call(t, once.userData);
    });
    if (result != 0) {
      // The SDK was handed the completion callback all the same: user_data
      // stays allocated, and a late completion frees it.
      once.fail(ZelException(result, 'the export returned $result',
          returned: true));
    }
    return _timed(once.completer.future);
  }

  ReturnedText _returnsTextAndCompletes(
    List<Object> texts,
    ffi.Pointer<ffi.Char> Function(_Texts, ffi.Pointer<ffi.Char>) call,
  ) {
    final refused = _refusal();
    if (refused != null) throw refused;
    late final _Once once;
    final text = _withTexts(texts, (t) {
      once = _register(_Once.new);
      // Copied before anything else runs: the buffer is the bridge's.
      return call(t, once.userData).toDartString(allowMalformed: true);
    });
    return (text: text, completion: _timed(once.completer.future));
  }

  Stream<ReadMemberCompletion> _readMembers(
    List<Object> texts,
    int Function(_Texts, ffi.Pointer<ffi.Char>) call,
  ) {
    final refused = _refusal();
    if (refused != null) return Stream.error(refused);
    late final _Pages pages;
    final result = _withTexts(texts, (t) {
      pages = _register(_Pages.new);
      return call(t, pages.userData);
    });
    if (result != 0) {
      pages.fail(ZelException(result, 'the export returned $result',
          returned: true));
    }
    final timeout = callTimeout;
    return timeout == null
        ? pages.controller.stream
        : pages.controller.stream.timeout(timeout);
  }

  String _returnsText(List<Object> texts, ffi.Pointer<ffi.Char> Function(_Texts) call) {
    final refused = _refusal(needsSdk: false);
    if (refused != null) throw refused;
    return _withTexts(texts, (t) => call(t).toDartString(allowMalformed: true));
  }

  R _neverCompletes<R>(List<Object> texts, R Function(_Texts) call) {
    final refused = _refusal(needsSdk: false);
    if (refused != null) throw refused;
    return _withTexts(texts, call);
  }

  /// An export that takes a user_data it never hands back: freed at once.
  int _neverCompletesWithUserData(
    List<Object> texts,
    int Function(_Texts, ffi.Pointer<ffi.Char>) call,
  ) =>
      _neverCompletes(texts, (t) {
        final userData = '$_prefix${++_count}'.toNativeText(allocator: _allocator);
        try {
          return call(t, userData);
        } finally {
          _allocator.free(userData);
        }
      });

  int _initializes(List<Object> texts, int Function(_Texts) call) {
    final result = _neverCompletes(texts, call);
    if (result == 0) {
      _record.set(sdkFlag);
      _sdkSeenInRecord = true;
    }
    return result;
  }

  int _uninitializes(List<Object> texts, int Function(_Texts) call) {
    final result = _neverCompletes(texts, call);
    _record.clear(sdkFlag);
    _sdkSeenInRecord = false;
    return result;
  }

  Future<T> _timed<T>(Future<T> future) {
    final timeout = callTimeout;
    return timeout == null ? future : future.timeout(timeout);
  }

  // ---- what arrives ----

  void _arrived(Object? posted) {
    final Envelope envelope;
    try {
      envelope = Envelope.decode(posted as String);
    } on FormatException catch (error, stack) {
      _allEvents.addError(error, stack);
      return;
    }
    switch (envelope) {
      case Event():
        _eventStreams[envelope.callbackType]?.add(envelope);
        _allEvents.add(envelope);
      case ErrorEnvelope(standsForCompletion: false):
        _lostEvents.add(envelope);
      case ErrorEnvelope():
        _settle(envelope.userData)?.fail(ZelException(
            ZelException.lostCompletion, envelope.desc,
            completion: envelope));
      case Completion():
        final once = _settle(envelope.userData);
        if (once is! _Once) return;
        if (envelope.code == 0) {
          if (!once.completer.isCompleted) once.completer.complete(envelope);
        } else {
          once.fail(ZelException(envelope.code, envelope.desc,
              completion: envelope));
        }
      case ReadMemberCompletion():
        final pages = _pending[envelope.userData];
        if (pages is! _Pages) {
          _dropped++;
          return;
        }
        if (!pages.controller.isClosed) pages.controller.add(envelope);
        if (envelope.isFinished) {
          _settle(envelope.userData);
          pages.controller.close();
        }
    }
  }

  /// Ends the call of [userData] and frees its text; null (and counted as
  /// dropped) when the text is no call of this client.
  _Pending? _settle(String userData) {
    final pending = _pending.remove(userData);
    if (pending == null) {
      _dropped++;
      return null;
    }
    _allocator.free(pending.userData);
    return pending;
  }

  // ---- events ----

  Stream<T> _eventsOf<T extends Event>(int callbackType) => _eventStreams
      .putIfAbsent(
        callbackType,
        () => StreamController<Event>.broadcast(
          onListen: () => _ensureListener(callbackType),
        ),
      )
      .stream
      .cast<T>();

  /// Registers the listener of [callbackType] unless this process did.
  void _ensureListener(int callbackType) {
    if (_closed) return;
    final flag = listenerFlag(callbackType);
    if (_record.has(flag)) return;
    _record.set(flag);
    // Never freed: the SDK hands it back with every event for the rest of the
    // process.
    final userData = 'zelbridge/listener.$callbackType'.toNativeText(
      allocator: _allocator,
    );
    final result = _registerListener(_bindings, callbackType, userData);
    if (result != 0) {
      _record.clear(flag);
      final error = ZelException(result,
          'the registration of event $callbackType returned $result',
          returned: true);
      _eventStreams[callbackType]?.addError(error);
      _allEvents.addError(error);
    }
  }
}
