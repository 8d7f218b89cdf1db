/// The stand-in SDK's test control (tests/dart/native/standin_control_c.h),
/// bound for the Dart suite.
library;

import 'dart:convert';
import 'dart:ffi';

import 'package:zelbridge/zelbridge_bindings.dart';

import 'environment.dart';

/// How the stand-in completes operations.
enum CompletionMode {
  /// The callback is kept and not called: [StandinControl.complete] calls it.
  none,

  /// Called before the operation returns, on the calling thread.
  immediate,

  /// Called later on the stand-in's worker thread.
  worker,
}

/// Where a completion or an event runs.
enum SdkThread {
  /// The thread that calls the control function: the isolate's own.
  calling,

  /// A new thread, joined before the control function returns.
  newThread,

  /// Queued on the stand-in's worker thread.
  worker,
}

/// One argument of an SDK call, as the stand-in recorded it.
class JournalArgument {
  JournalArgument(this.bits, this.text);

  /// Its raw 64 bits (an address or an integer's value).
  final BigInt bits;

  /// A copy of the text for a non-null text argument.
  final String? text;
}

/// One call of an SDK function, as the stand-in recorded it.
class JournalCall {
  JournalCall(this.index, this.function, this.args, this.callback,
      this.userData);

  /// Its place in the journal, for [StandinControl.complete].
  final int index;
  final String function;

  /// The inputs before the callback.
  final List<JournalArgument> args;

  /// Addresses of the callback and of user_data; 0 for none.
  final int callback;
  final int userData;

  @override
  String toString() => '$function(${args.map((a) => a.text ?? a.bits).join(', ')})';
}

/// A listener registered with the stand-in: its adapter and user_data.
class StandinListener {
  StandinListener(this.callback, this.userData);
  final int callback;
  final int userData;
}

typedef _VoidNative = Void Function();
typedef _PortAction = Void Function(Int64);
typedef _Void = void Function();

/// The stand-in SDK's test control.
class StandinControl {
  StandinControl._(this._library)
      : _reset = _library.lookupFunction<_VoidNative, _Void>('ZelStandinReset'),
        _setResult = _library.lookupFunction<Void Function(Int32),
            void Function(int)>('ZelStandinSetResult'),
        _setCompletion = _library.lookupFunction<
            Void Function(Int32, Int32, Pointer<Char>, Pointer<Char>),
            void Function(int, int, Pointer<Char>,
                Pointer<Char>)>('ZelStandinSetCompletion'),
        _setReadMemberListCompletion = _library.lookupFunction<
            Void Function(Int32, Pointer<Char>, Uint64, Bool),
            void Function(int, Pointer<Char>, int,
                bool)>('ZelStandinSetReadMemberListCompletion'),
        _setBufferText = _library.lookupFunction<
            Void Function(Pointer<Char>, Int32),
            void Function(Pointer<Char>, int)>('ZelStandinSetBufferText'),
        _setBufferTextCounter = _library.lookupFunction<
            Void Function(Pointer<Char>),
            void Function(Pointer<Char>)>('ZelStandinSetBufferTextCounter'),
        _setSdkVersion = _library.lookupFunction<Void Function(Pointer<Char>),
            void Function(Pointer<Char>)>('ZelStandinSetSdkVersion'),
        _setServerTime = _library.lookupFunction<Void Function(Uint64),
            void Function(int)>('ZelStandinSetServerTime'),
        _waitForWorker =
            _library.lookupFunction<_VoidNative, _Void>('ZelStandinWaitForWorker'),
        _journal = _library.lookupFunction<Pointer<Char> Function(),
            Pointer<Char> Function()>('ZelStandinJournal'),
        _listeners = _library.lookupFunction<
            Pointer<Char> Function(Pointer<Char>),
            Pointer<Char> Function(Pointer<Char>)>('ZelStandinListeners'),
        _bridgeLogLines = _library.lookupFunction<Pointer<Char> Function(),
            Pointer<Char> Function()>('ZelStandinBridgeLogLines'),
        _free = _library.lookupFunction<Void Function(Pointer<Char>),
            void Function(Pointer<Char>)>('ZelStandinFree'),
        _complete = _library.lookupFunction<
            Int32 Function(Int32, Int32, Pointer<Char>, Pointer<Char>, Int32),
            int Function(int, int, Pointer<Char>, Pointer<Char>,
                int)>('ZelStandinComplete'),
        _completeReadMemberList = _library.lookupFunction<
            Int32 Function(Int32, Pointer<Char>, Uint64, Bool, Int32),
            int Function(int, Pointer<Char>, int, bool,
                int)>('ZelStandinCompleteReadMemberList'),
        _raiseEvent = _library.lookupFunction<
            Int32 Function(Pointer<Char>, Pointer<Char>, Int32),
            int Function(
                Pointer<Char>, Pointer<Char>, int)>('ZelStandinRaiseEvent'),
        _startEventLoad = _library.lookupFunction<
            Int32 Function(Int32, Int32, Int32),
            int Function(int, int, int)>('ZelStandinStartEventLoad'),
        _joinEventLoad =
            _library.lookupFunction<_VoidNative, _Void>('ZelStandinJoinEventLoad'),
        _startEndlessPosting = _library.lookupFunction<Int32 Function(Int32),
            int Function(int)>('ZelStandinStartEndlessPosting'),
        _bindDartApi = _library.lookupFunction<IntPtr Function(Pointer<Void>),
            int Function(Pointer<Void>)>('ZelStandinBindDartApi'),
        _postText = _library.lookupFunction<Bool Function(Int64, Pointer<Char>),
            bool Function(int, Pointer<Char>)>('ZelStandinPostText'),
        _sdkVersionText = _library.lookupFunction<Pointer<Char> Function(),
            Pointer<Char> Function()>('ZelStandinSdkVersionText'),
        _raiseSampleEvent = _library.lookupFunction<
            Int32 Function(Pointer<Char>, Int32),
            int Function(Pointer<Char>, int)>('ZelStandinRaiseSampleEvent'),
        _onBridgeLogLine = _library.lookupFunction<
            Void Function(Pointer<Char>, Pointer<NativeFunction<_PortAction>>,
                Int64),
            void Function(Pointer<Char>, Pointer<NativeFunction<_PortAction>>,
                int)>('ZelStandinOnBridgeLogLine'),
        _currentThread = _library.lookupFunction<Uint64 Function(),
            int Function()>('ZelStandinCurrentThread');

  /// The control library of this build (the path CTest passes).
  factory StandinControl.open() =>
      StandinControl._(DynamicLibrary.open(standinControlPath));

  final DynamicLibrary _library;
  final void Function() _reset;
  final void Function(int) _setResult;
  final void Function(int, int, Pointer<Char>, Pointer<Char>) _setCompletion;
  final void Function(int, Pointer<Char>, int, bool)
      _setReadMemberListCompletion;
  final void Function(Pointer<Char>, int) _setBufferText;
  final void Function(Pointer<Char>) _setBufferTextCounter;
  final void Function(Pointer<Char>) _setSdkVersion;
  final void Function(int) _setServerTime;
  final void Function() _waitForWorker;
  final Pointer<Char> Function() _journal;
  final Pointer<Char> Function(Pointer<Char>) _listeners;
  final Pointer<Char> Function() _bridgeLogLines;
  final void Function(Pointer<Char>) _free;
  final int Function(int, int, Pointer<Char>, Pointer<Char>, int) _complete;
  final int Function(int, Pointer<Char>, int, bool, int)
      _completeReadMemberList;
  final int Function(Pointer<Char>, Pointer<Char>, int) _raiseEvent;
  final int Function(int, int, int) _startEventLoad;
  final void Function() _joinEventLoad;
  final int Function(int) _startEndlessPosting;
  final int Function(Pointer<Void>) _bindDartApi;
  final bool Function(int, Pointer<Char>) _postText;
  final Pointer<Char> Function() _sdkVersionText;
  final int Function(Pointer<Char>, int) _raiseSampleEvent;
  final void Function(Pointer<Char>, Pointer<NativeFunction<_PortAction>>, int)
      _onBridgeLogLine;
  final int Function() _currentThread;

  /// Back to a freshly loaded SDK: empty journal, no listeners, result 0, no
  /// completion, empty buffer text.
  void reset() => _reset();

  /// The integer every operation and registration returns.
  set result(int value) => _setResult(value);

  /// How operations complete from now on; a null [jsonParams] passes a null
  /// pointer. Texts are given as bytes when [descBytes] is set.
  void setCompletion(CompletionMode mode,
      {int code = 0, String desc = '', String? jsonParams, List<int>? descBytes}) {
    _withTexts([descBytes ?? utf8.encode(desc), jsonParams == null ? null : utf8.encode(jsonParams)],
        (texts) => _setCompletion(mode.index, code, texts[0], texts[1]));
  }

  void setReadMemberListCompletion(CompletionMode mode,
      {String? jsonMemberArray, int nextSeq = 0, bool isFinished = false}) {
    _withTexts([jsonMemberArray == null ? null : utf8.encode(jsonMemberArray)],
        (texts) => _setReadMemberListCompletion(mode.index, texts[0], nextSeq, isFinished));
  }

  /// The bytes the SDK writes into caller buffers (at most 128 are copied).
  void setBufferBytes(List<int> bytes) => _withTexts(
      [bytes], (texts) => _setBufferText(texts[0], bytes.length));

  /// Caller buffers get [prefix] and a counter: "id-1", "id-2", ...
  void setBufferCounter(String prefix) =>
      _withTexts([utf8.encode(prefix)], (texts) => _setBufferTextCounter(texts[0]));

  set sdkVersion(String version) =>
      _withTexts([utf8.encode(version)], (texts) => _setSdkVersion(texts[0]));

  set serverTime(int value) => _setServerTime(value);

  /// Waits until the worker has run everything queued so far.
  void waitForWorker() => _waitForWorker();

  /// Every SDK call so far.
  List<JournalCall> journal() {
    final calls = _takeJson(_journal()) as List;
    return [
      for (final (index, call) in calls.indexed)
        JournalCall(
          index,
          call['function'] as String,
          [
            for (final arg in call['args'] as List)
              JournalArgument(BigInt.parse(arg['bits'] as String), arg['text'] as String?),
          ],
          int.parse(call['callback'] as String),
          int.parse(call['user_data'] as String),
        ),
    ];
  }

  /// Every listener registered through [registration], in order.
  List<StandinListener> listeners(String registration) {
    final found = _withTexts([utf8.encode(registration)],
        (texts) => _takeJson(_listeners(texts[0]))) as List;
    return [
      for (final listener in found)
        StandinListener(int.parse(listener['callback'] as String),
            int.parse(listener['user_data'] as String)),
    ];
  }

  /// The contents of the lines the bridge wrote into the SDK's log.
  List<String> bridgeLogLines() =>
      (_takeJson(_bridgeLogLines()) as List).cast<String>();

  /// Completes the journal's call [index] with its own callback; false when
  /// it has none.
  bool complete(int index,
          {int code = 0,
          String desc = '',
          String? jsonParams,
          SdkThread thread = SdkThread.calling}) =>
      _withTexts([utf8.encode(desc), jsonParams == null ? null : utf8.encode(jsonParams)],
          (texts) => _complete(index, code, texts[0], texts[1], thread.index)) ==
      0;

  /// Completes the read-member-list call [index].
  bool completeReadMemberList(int index,
          {String? jsonMemberArray,
          int nextSeq = 0,
          bool isFinished = false,
          SdkThread thread = SdkThread.calling}) =>
      _withTexts([jsonMemberArray == null ? null : utf8.encode(jsonMemberArray)],
          (texts) => _completeReadMemberList(
              index, texts[0], nextSeq, isFinished, thread.index)) ==
      0;

  /// Raises the event of the latest listener registered through
  /// [registration], with the SDK callback's arguments before user_data: a
  /// String, null (a null pointer), [RawText], int or bool each. Returns 0,
  /// -1 without a listener, -2 when the arguments do not fit.
  int raiseEvent(String registration, List<Object?> arguments,
      {SdkThread thread = SdkThread.calling}) {
    final written = jsonEncode([
      for (final argument in arguments)
        switch (argument) {
          null => {'null': true},
          RawText(:final hex) => {'hex': hex},
          _ => argument,
        },
    ]);
    return _withTexts([utf8.encode(registration), utf8.encode(written)],
        (texts) => _raiseEvent(texts[0], texts[1], thread.index));
  }

  /// Starts [threads] SDK threads raising [count] new-message events each;
  /// each text is "<thread>:<sequence>:" and padding up to [textBytes].
  int startEventLoad(int threads, int count, int textBytes) =>
      _startEventLoad(threads, count, textBytes);

  void joinEventLoad() => _joinEventLoad();

  /// Starts SDK threads that post without end, until the process exits.
  int startEndlessPosting(int threads) => _startEndlessPosting(threads);

  /// Posts [text] to the native [port] as the bridge posts an envelope, from
  /// native code: for texts that no SDK makes, such as an error envelope.
  bool postText(int port, String text) {
    if (_bindDartApi(NativeApi.initializeApiDLData) != 0) {
      throw StateError('the control library could not bind the Dart API');
    }
    return _withTexts([utf8.encode(text)], (texts) => _postText(port, texts[0]));
  }

  /// The address of the SDK's own version text, which ZelGetSDKVersion
  /// returns.
  int get sdkVersionAddress => _sdkVersionText().address;

  /// Raises the event of the latest listener registered through
  /// [registration] with sample arguments of its callback's types ("sample"
  /// for a text, 1 for a number, true for a boolean): 0, or -1 without a
  /// listener.
  int raiseSampleEvent(String registration,
          {SdkThread thread = SdkThread.calling}) =>
      _withTexts([utf8.encode(registration)],
          (texts) => _raiseSampleEvent(texts[0], thread.index));

  /// Once the bridge writes a log line containing [text], calls the native
  /// [action] with [port] on the logging thread before the bridge goes on,
  /// such as the bridge's DartRegisterSendPort between two delivery steps.
  void onBridgeLogLine(
          String text, Pointer<NativeFunction<Void Function(Int64)>> action,
          int port) =>
      _withTexts([utf8.encode(text)],
          (texts) => _onBridgeLogLine(texts[0], action, port));

  /// An id of the OS thread that runs this isolate now.
  int get currentThread => _currentThread();

  Object? _takeJson(Pointer<Char> text) {
    try {
      return jsonDecode(text.toDartString(allowMalformed: true));
    } finally {
      _free(text);
    }
  }

  // Native copies of the texts (null for a null pointer) for one call.
  static R _withTexts<R>(List<List<int>?> texts, R Function(List<Pointer<Char>>) body) {
    final pointers = [
      for (final bytes in texts)
        bytes == null ? nullptr.cast<Char>() : _bytesToNative(bytes),
    ];
    try {
      return body(pointers);
    } finally {
      for (final pointer in pointers) {
        if (pointer != nullptr) NativeHeap.instance.free(pointer);
      }
    }
  }
}

/// A text of any bytes, valid UTF-8 or not.
class RawText {
  RawText(this.bytes);
  final List<int> bytes;
  String get hex => bytes.map((b) => b.toRadixString(16).padLeft(2, '0')).join();
}

/// [bytes] with a NUL after them, on the C heap; the caller frees them.
Pointer<Char> _bytesToNative(List<int> bytes) {
  final text = NativeHeap.instance.allocate<Uint8>(bytes.length + 1);
  text.asTypedList(bytes.length + 1)
    ..setAll(0, bytes)
    ..[bytes.length] = 0;
  return text.cast();
}
