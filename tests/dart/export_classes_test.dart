// The guide's table of exports (docs/dart-integration.md, between its
// export-classes markers) against the real Dart VM. Each of the 236 exports
// is called through the generated bindings, its arguments made from the
// bindings' own signatures, with the stand-in SDK completing at once. What
// reaches the Dart port, what the SDK was handed and what the export returned
// place the export in one class, say how long its user_data must live and
// what it returns; all three must be what the export's row says.
import 'dart:ffi';
import 'dart:io';
import 'dart:isolate';
import 'dart:mirrors';

import 'package:zelbridge/zelbridge_bindings.dart';
import 'package:zelbridge_test_support/check.dart';
import 'package:zelbridge_test_support/environment.dart';
import 'package:zelbridge_test_support/envelopes.dart';
import 'package:zelbridge_test_support/export_table.dart';
import 'package:zelbridge_test_support/inbox.dart';
import 'package:zelbridge_test_support/standin.dart';

const sdkResult = 23;

/// 2^63 + 2^32 + 5: a Dart int holds its 64 bits as a negative number, and
/// its low 32 bits are not [sdkResult], so a result cut to 32 bits shows.
const serverTime = 0x8000000100000005;

/// Every integer argument; DartRegisterSendPort registers it as a port.
const integerArgument = 1;

const classes = [
  'completes once',
  'never completes',
  'read-member completions',
  'returns a text',
  'listener',
  'inert',
];

// The parameter and result types of the bindings, as types to compare with.
typedef NativeText = Pointer<Char>;
typedef DartApiData = Pointer<Void>;

enum Returned { nothing, number, text }

/// One export as the generated bindings declare it.
class BoundExport {
  BoundExport(this.name, this.parameters, this.returned);

  final String name;
  final List<Type> parameters;
  final Returned returned;
}

/// Every export method of the generated bindings, from their signatures.
List<BoundExport> boundExports() {
  final exports = <BoundExport>[];
  for (final member in reflectClass(ZelBridgeBindings).declarations.values) {
    if (member is! MethodMirror || !member.isRegularMethod) continue;
    final name = MirrorSystem.getName(member.simpleName);
    if (member.isPrivate || member.isStatic || !name.startsWith('Dart')) {
      continue;
    }
    final returnType = member.returnType;
    final returned = returnType == currentMirrorSystem().voidType
        ? Returned.nothing
        : returnType.reflectedType == NativeText
            ? Returned.text
            : Returned.number;
    exports.add(BoundExport(name, [
      for (final parameter in member.parameters) parameter.type.reflectedType,
    ], returned));
  }
  return exports;
}

/// The names the header declares, in its order.
List<String> headerExports() =>
    RegExp(r'ZELBRIDGE_EXPORT\s[^;(]*?\b(Dart\w+)\s*\(')
        .allMatches(sourceFile('include/zelbridge.h').readAsStringSync())
        .map((match) => match.group(1)!)
        .toList();

final bridge = openBridge();
final bridgeMirror = reflect(bridge);
final standin = StandinControl.open();

/// Arguments for one call of an export: distinct texts on the C heap, the
/// Dart API data, false and [integerArgument]. The last text is the
/// user_data of every export that takes one.
class Arguments {
  final _texts = <Pointer<Char>>[];

  Object make(Type type) {
    if (type == NativeText) {
      final text = 'argument ${_texts.length + 1}'.toNativeText();
      _texts.add(text);
      return text;
    }
    if (type == DartApiData) return NativeApi.initializeApiDLData;
    if (type == bool) return false;
    if (type == int) return integerArgument;
    throw StateError('an export parameter of an unforeseen type: $type');
  }

  /// The address of user_data; 0 when the export takes no text.
  int get userData => _texts.isEmpty ? 0 : _texts.last.address;

  /// The user_data text as it is now.
  String get userDataText => _texts.isEmpty ? '' : _texts.last.toDartString();

  /// Rewrites the user_data text in place, as memory that its caller reused,
  /// and returns the new text.
  String changeUserData(String letter) {
    _texts.last.cast<Uint8>()[0] = letter.codeUnitAt(0);
    return _texts.last.toDartString();
  }

  void free() => _texts.forEach(NativeHeap.instance.free);
}

/// Both stand-ins as freshly loaded, the Dart API bound and one port
/// registered; the SDK returns [sdkResult] and completes in [mode].
Inbox startFresh(CompletionMode mode) {
  standin
    ..reset()
    ..result = sdkResult
    ..serverTime = serverTime
    ..setCompletion(mode, desc: 'done', jsonParams: '{}')
    ..setReadMemberListCompletion(mode, jsonMemberArray: '[]', isFinished: true)
    ..setBufferCounter('id-');
  if (bridge.DartInitDartApiDL(NativeApi.initializeApiDLData) != 0) {
    fail('the bridge refused the Dart API');
  }
  final inbox = Inbox();
  bridge.DartRegisterSendPort(inbox.nativePort);
  return inbox;
}

void finish(Inbox inbox) {
  bridge.DartUnregisterSendPort(integerArgument);
  bridge.DartUnregisterSendPort(inbox.nativePort);
  inbox.close();
}

Object? invoke(String name, List<Object> values) =>
    bridgeMirror.invoke(Symbol(name), values).reflectee;

/// The SDK call that was handed the caller's user_data, if any.
JournalCall? handedUserData(List<JournalCall> journal, int userData) {
  if (userData == 0) return null;
  for (final call in journal) {
    if (call.userData == userData) return call;
  }
  return null;
}

bool registersListener(JournalCall call) {
  final listeners = standin.listeners(call.function);
  return listeners.isNotEmpty &&
      listeners.last.callback == call.callback &&
      listeners.last.userData == call.userData;
}

/// Whether an SDK call removed a listener: registered a null callback.
bool takesListenerAway(List<JournalCall> journal) => journal.any((call) {
      final listeners = standin.listeners(call.function);
      return listeners.isNotEmpty && listeners.last.callback == 0;
    });

bool isCompletionFor(String posted, String userData) {
  final envelope = Envelope.decode(posted);
  return envelope.hasMembers(completionMembers) &&
      envelope['callback'] == 'apiCallback' &&
      envelope['user_data'] == userData &&
      envelope['code'] == 0 &&
      envelope['desc'] == 'done' &&
      envelope['json_param'] == '{}';
}

bool isReadMemberCompletion(String posted) =>
    Envelope.decode(posted).hasMembers(readMemberCompletionMembers);

/// How long the user_data of an export that hands it to the SDK with a
/// completion must live: the text is changed after the call and the SDK
/// completes later (twice, not finished and finished, for the read-member
/// shape, the text changed again in between). Envelopes that carry the
/// changed texts show that the bridge reads the text only when each
/// completion runs, so it must stay valid until then.
Future<String> userDataLifetime(
  BoundExport export,
  bool readMemberShape,
) async {
  final inbox = startFresh(CompletionMode.none);
  final arguments = Arguments();
  try {
    invoke(export.name, [
      for (final type in export.parameters) arguments.make(type),
    ]);
    final handed = handedUserData(standin.journal(), arguments.userData);
    if (handed == null) return 'not handed to the SDK';
    final changed = arguments.changeUserData('A');
    if (readMemberShape) {
      standin.completeReadMemberList(handed.index,
          jsonMemberArray: '[]', nextSeq: 7);
      final notFinished = await inbox.settle();
      final changedAgain = arguments.changeUserData('B');
      standin.completeReadMemberList(handed.index,
          jsonMemberArray: '[]', isFinished: true);
      final finished = await inbox.settle();
      final readLate = notFinished.length == 1 &&
          Envelope.decode(notFinished.single)['user_data'] == changed &&
          finished.length == 1 &&
          Envelope.decode(finished.single)['user_data'] == changedAgain;
      return readLate ? 'keep until is_finished is true' : 'read when called';
    }
    standin.complete(handed.index, desc: 'done', jsonParams: '{}');
    final posts = await inbox.settle();
    return posts.length == 1 && isCompletionFor(posts.single, changed)
        ? 'keep until its completion'
        : 'read when called';
  } finally {
    finish(inbox);
    arguments.free();
  }
}

/// A listener's user_data must live as long as the SDK may raise its event:
/// the text is changed after the registration, and an event raised later
/// carries the changed text.
Future<String> listenerUserDataLifetime(
    JournalCall registration, Arguments arguments, Inbox inbox) async {
  final changed = arguments.changeUserData('A');
  if (standin.raiseSampleEvent(registration.function) != 0) {
    return 'no event could be raised';
  }
  final posts = await inbox.settle();
  if (posts.length != 1) return '${posts.length} envelopes per event';
  final event = Envelope.decode(posts.single);
  return event['callback'] == 'globalCallback' &&
          event['callbackType'] is int &&
          event['user_data'] == changed
      ? 'keep for the life of the process'
      : 'read when registered';
}

/// A call of an export on another OS thread while this isolate keeps its
/// own. An isolate may move to another thread at an await, so the call
/// cannot be awaited: a helper isolate, which runs at the same time and so on
/// a thread of its own, waits for a flag in native memory, calls the export,
/// and writes back the address of the text it returned and its thread's id.
class OtherThreadCall {
  OtherThreadCall._(this._shared);

  static Future<OtherThreadCall> start(String name, List<Object> values) async {
    final shared = NativeHeap.instance.allocate<Int64>(3 * sizeOf<Int64>());
    shared[0] = 0;
    final ready = ReceivePort();
    await Isolate.spawn(_callWhenFlagged, [
      shared.address,
      name,
      values,
      bridgeLibraryPath,
      standinControlPath,
      ready.sendPort,
    ]);
    await ready.first;
    return OtherThreadCall._(shared);
  }

  final Pointer<Int64> _shared;

  /// Has the helper call the export and waits for it; returns the address of
  /// the returned text and the id of the helper's thread.
  (int, int) call() {
    _shared[0] = 1;
    while (_shared[0] != 2) {
      sleep(const Duration(microseconds: 50));
    }
    final result = (_shared[1], _shared[2]);
    NativeHeap.instance.free(_shared);
    return result;
  }
}

void _callWhenFlagged(List<Object> message) {
  final shared = Pointer<Int64>.fromAddress(message[0] as int);
  final bridge = ZelBridgeBindings(DynamicLibrary.open(message[3] as String));
  final control = StandinControl.open();
  (message[5] as SendPort).send(null);
  while (shared[0] != 1) {
    sleep(const Duration(microseconds: 50));
  }
  final text = reflect(bridge)
      .invoke(Symbol(message[1] as String), message[2] as List<Object>)
      .reflectee as Pointer<Char>;
  shared[1] = text.address;
  shared[2] = control.currentThread;
  shared[0] = 2;
}

/// A returned text is either the SDK's own, passed on, or one in a buffer of
/// the bridge: then another thread's call leaves it alone, and the same
/// thread's next call rewrites it in place.
Future<String> textReturned(
    Pointer<Char> returned, BoundExport export, List<Object> values) async {
  if (returned.address == standin.sdkVersionAddress) {
    return "the SDK's own text";
  }
  if (returned == nullptr) return 'a null text';
  final otherThread = await OtherThreadCall.start(export.name, values);
  // Nothing below awaits: this isolate stays on one thread.
  final thread = standin.currentThread;
  final text = invoke(export.name, values) as Pointer<Char>;
  final first = text.toDartString();
  final (otherText, otherThreadId) = otherThread.call();
  final kept = otherThreadId != thread &&
      otherText != text.address &&
      text.toDartString() == first;
  final again = invoke(export.name, values) as Pointer<Char>;
  final rewritten =
      again.address == text.address && again.toDartString() != first;
  return kept && rewritten
      ? 'a text valid until this thread calls it again'
      : 'a text of unclear lifetime';
}

String numberReturned(int value, BoundExport export) {
  if (value == sdkResult || value == serverTime) return "the SDK's result";
  if (export.parameters.length == 1 &&
      export.parameters.single == DartApiData &&
      value == 0 &&
      invoke(export.name, [nullptr]) == -1) {
    return '0, or -1 if refused';
  }
  return 'the value $value';
}

Future<Placement> observe(BoundExport export) async {
  final inbox = startFresh(CompletionMode.immediate);
  final arguments = Arguments();
  final values = [for (final type in export.parameters) arguments.make(type)];

  // The posts and the journal are read right after the first call; the
  // checks of a returned text call again.
  final result = invoke(export.name, values);
  final posts = await inbox.settle();
  final journal = standin.journal();
  final returns = switch (export.returned) {
    Returned.nothing => 'nothing',
    Returned.text =>
      await textReturned(result as Pointer<Char>, export, values),
    Returned.number => numberReturned(result as int, export),
  };

  final handed = handedUserData(journal, arguments.userData);
  final registers =
      handed != null && handed.callback != 0 && registersListener(handed);
  final anyCallback = journal.any((call) => call.callback != 0);
  final readMemberShape =
      posts.length == 1 && isReadMemberCompletion(posts.single);

  final String exportClass;
  if (takesListenerAway(journal)) {
    exportClass = 'takes a listener away';
  } else if (export.returned == Returned.text) {
    exportClass = 'returns a text';
  } else if (registers) {
    exportClass = 'listener';
  } else if (readMemberShape) {
    exportClass = 'read-member completions';
  } else if (posts.length == 1 &&
      isCompletionFor(posts.single, arguments.userDataText)) {
    exportClass = 'completes once';
  } else if (posts.isEmpty &&
      journal.isEmpty &&
      export.parameters.isEmpty &&
      export.returned == Returned.nothing) {
    exportClass = 'inert';
  } else if (posts.isEmpty && !anyCallback) {
    exportClass = 'never completes';
  } else {
    exportClass = '${posts.length} envelopes';
  }

  var userData = 'none';
  if (registers) {
    userData = await listenerUserDataLifetime(handed!, arguments, inbox);
  }
  finish(inbox);
  arguments.free();
  if (handed != null && handed.callback == 0) {
    userData = 'not kept, free it after the call';
  } else if (handed != null && !registers) {
    userData = await userDataLifetime(export, readMemberShape);
  }
  return Placement(export.name, exportClass, userData, returns);
}

void main() {
  final rows = guideRows();
  final header = headerExports();
  final bound = boundExports();
  final rowOf = {for (final row in rows) row.export: row};
  final called = <String>{};

  group("the guide's table", () {
    test('places every export of the header in exactly one of six classes',
        () {
      final rowsPerExport = <String, int>{};
      for (final row in rows) {
        rowsPerExport.update(row.export, (n) => n + 1, ifAbsent: () => 1);
        check(
          classes.contains(row.exportClass),
          'not one of the classes: $row',
        );
      }
      expect(header.length, 236, 'exports the header declares');
      for (final name in header) {
        expect(rowsPerExport[name], 1, 'rows for $name');
      }
      for (final name in rowsPerExport.keys) {
        check(header.contains(name), '$name is not an export of the header');
      }
      // The guide's table of classes gives each class's number of exports.
      final guide = sourceFile('docs/dart-integration.md').readAsStringSync();
      for (final exportClass in classes) {
        final placed = rows.where((row) => row.exportClass == exportClass);
        final legend = '| $exportClass | ${placed.length} |';
        check(guide.contains(legend), 'the guide does not say: $legend');
      }
    });

    test('the bindings declare a method for every export of the header', () {
      expect({for (final export in bound) export.name}, header.toSet());
      expect(bound.length, header.length, 'methods of the bindings');
    });
  });

  group('every export behaves as its row says:', () {
    for (final exportClass in classes) {
      final exports = [
        for (final export in bound)
          if (rowOf[export.name]?.exportClass == exportClass) export,
      ];
      test('$exportClass (${exports.length} exports)', () async {
        final wrong = <String>[];
        for (final export in exports) {
          called.add(export.name);
          final observed = await observe(export);
          expect(observed.export, export.name);
          if (observed != rowOf[export.name]) {
            wrong.add('observed $observed, the row says ${rowOf[export.name]}');
          }
        }
        check(wrong.isEmpty, wrong.join('\n  '));
      });
    }

    test('and every export of the bindings was called', () {
      expect(called, {for (final export in bound) export.name});
    });
  });

  // No export takes a listener away, not even the one named after removing
  // one: a listener and its user_data stay for the life of the process.
  test('no export takes the new-message listener away', () async {
    final inbox = startFresh(CompletionMode.immediate);
    final userData = 'on-new-message'.toNativeText();
    try {
      expect(bridge.DartAddReceiveNewMsgCallback(userData), sdkResult);
      final registered = standin.listeners('ZelAddRecvNewMsgCallback');
      expect(registered.length, 1, 'listeners registered');

      bridge.DartRemoveReceiveNewMsgCallback();
      final after = standin.listeners('ZelAddRecvNewMsgCallback');
      expect(after.length, 1, 'listeners after the removal');
      expect(after.single.callback, registered.single.callback);
      expect(after.single.userData, userData.address);
      expect(standin.journal().length, 1, 'SDK calls');
      expect(standin.raiseSampleEvent('ZelAddRecvNewMsgCallback'), 0);
      final posts = await inbox.settle();
      expect(posts.length, 1, 'new-message events after the removal');
      expect(Envelope.decode(posts.single)['user_data'], 'on-new-message');
    } finally {
      finish(inbox);
      NativeHeap.instance.free(userData);
    }
  });
}
