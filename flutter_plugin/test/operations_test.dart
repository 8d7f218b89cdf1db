// Every operation method of ZelBridge, called once against the stand-in SDK:
// the methods are exactly the operation rows of the guide's table, each hands
// the SDK its arguments in order (JSON parameters given as maps encoded), and
// each answers as its row's class says. With the SDK returning a result other
// than 0, every method that completes fails at once with it (but the three
// that return a text, whose result the bridge drops: their completion says).
import 'dart:async';
import 'dart:convert';
import 'dart:mirrors';

import 'package:zelbridge/zelbridge.dart';
import 'package:zelbridge_test_support/check.dart';
import 'package:zelbridge_test_support/counting_allocator.dart';
import 'package:zelbridge_test_support/environment.dart';
import 'package:zelbridge_test_support/export_table.dart';
import 'package:zelbridge_test_support/process_setup.dart';
import 'package:zelbridge_test_support/standin.dart';

final standin = StandinControl.open();

/// Exports the client calls itself, on open and close.
const clientOwnExports = {
  'DartInitDartApiDL',
  'DartRegisterSendPort',
  'DartUnregisterSendPort',
};

/// The operation rows of the guide's table, by export.
final Map<String, Placement> operationRows = {
  for (final row in guideRows())
    if (row.exportClass != 'listener' &&
        row.exportClass != 'inert' &&
        !clientOwnExports.contains(row.export))
      row.export: row,
};

/// The operation methods of ZelBridge, by name.
final Map<String, MethodMirror> operationMethods = {
  for (final member in reflectClass(ZelBridge).instanceMembers.values)
    if (member.isRegularMethod &&
        MirrorSystem.getName(member.owner!.simpleName) == '_Operations')
      MirrorSystem.getName(member.simpleName): member,
};

/// The export a method calls: its name without `Dart`, in any case.
String? exportOf(String method) {
  final matches = [
    for (final export in operationRows.keys)
      if (export.substring(4).toLowerCase() == method.toLowerCase()) export,
  ];
  return matches.length == 1 ? matches.single : null;
}

/// Distinct arguments for one call, by the parameters' types, and what the
/// SDK must be handed for each: a text, or an integer's bits.
class Arguments {
  Arguments(MethodMirror method) {
    for (final parameter in method.parameters) {
      final n = values.length + 1;
      final type = parameter.type.reflectedType;
      if (type == String) {
        values.add('text $n');
        handed.add('text $n');
      } else if (type == int) {
        values.add(100 + n);
        handed.add(BigInt.from(100 + n));
      } else if (type == bool) {
        values.add(true);
        handed.add(BigInt.one);
      } else if (type == Object) {
        final document = {'member': n, 'list': ['é', n]};
        values.add(document);
        handed.add(jsonEncode(document));
      } else {
        throw StateError('a parameter of an unforeseen type: $type');
      }
    }
  }

  final values = <Object>[];
  final handed = <Object>[];

  /// Whether [call]'s inputs hold every handed value, in order.
  bool reached(JournalCall call) {
    var next = 0;
    for (final argument in call.args) {
      if (next == handed.length) break;
      final expected = handed[next];
      final matches = expected is String
          ? argument.text == expected
          : argument.text == null && argument.bits == expected;
      if (matches) next++;
    }
    return next == handed.length;
  }
}

/// The one SDK call that [body] made.
Future<(T, JournalCall)> callOnce<T>(Future<T> Function() body) async {
  final before = standin.journal().length;
  final answer = await body();
  final calls = standin.journal().skip(before).toList();
  if (calls.length != 1) fail('${calls.length} SDK calls instead of one');
  return (answer, calls.single);
}

void main() {
  late CountingAllocator heap;
  late ZelBridge bridge;

  setUp(() {
    standin
      ..reset()
      ..setCompletion(CompletionMode.worker, desc: 'done', jsonParams: '{}')
      ..setReadMemberListCompletion(CompletionMode.worker,
          jsonMemberArray: '[]', isFinished: true)
      ..setBufferCounter('id-');
    forgetProcessSetUp();
    heap = CountingAllocator();
    bridge = ZelBridge.open(
        libraryPath: bridgeLibraryPath, portName: 'operations', allocator: heap);
  });
  tearDown(() => bridge.close());

  test('the operation methods are the operation rows of the guide\'s table',
      () {
    expect(operationMethods.length, 164);
    final unmatched = [
      for (final method in operationMethods.keys)
        if (exportOf(method) == null) method,
    ];
    expect(unmatched, <String>[], 'methods naming no one export');
    final covered = operationMethods.keys.map(exportOf).toSet();
    expect(
        [for (final export in operationRows.keys) if (!covered.contains(export)) export],
        <String>[],
        'rows without a method');
  });

  test('every method reaches its export with its arguments and answers as its '
      'class says', () async {
    expect(bridge.initSdk(1, {'sdk': 'config'}), 0);
    final wrong = <String>[];
    for (final MapEntry(key: name, value: method) in operationMethods.entries) {
      if (name == 'initSdk' || name == 'unitSdk') continue;
      final row = operationRows[exportOf(name)]!;
      final arguments = Arguments(method);
      try {
        final (answer, call) = await callOnce(() async {
          final returned =
              reflect(bridge).invoke(method.simpleName, arguments.values).reflectee;
          return await answerOf(returned, row);
        });
        if (!arguments.reached(call)) {
          wrong.add('$name: the SDK was handed $call');
        }
        if (answer != null) wrong.add('$name: $answer');
      } on Object catch (error) {
        wrong.add('$name: $error');
      }
    }
    expect(wrong, <String>[]);
    expect(bridge.droppedCompletions, 0);
    expect(heap.live.length, 0, 'every user_data freed once its call ended');
    expect(heap.frees, heap.allocations);
    expect(bridge.unitSdk(), 0);
    check(!bridge.isSdkInitialized, 'unitSdk clears the process record');
  });

  test('with a result other than 0 every method that completes fails at once '
      'with it, and one that never completes returns it', () async {
    expect(bridge.initSdk(1, '{}'), 0);
    standin
      ..setCompletion(CompletionMode.none)
      ..setReadMemberListCompletion(CompletionMode.none)
      ..result = 23
      ..serverTime = 23;
    final wrong = <String>[];
    for (final MapEntry(key: name, value: method) in operationMethods.entries) {
      if (name == 'initSdk' || name == 'unitSdk') continue;
      final row = operationRows[exportOf(name)]!;
      final returned = reflect(bridge)
          .invoke(method.simpleName, Arguments(method).values)
          .reflectee;
      final failure = switch (returned) {
        Future<Completion> future => future,
        Stream<ReadMemberCompletion> pages => pages.first,
        _ => null,
      };
      if (failure == null) {
        if (row.exportClass == 'never completes' && returned != 23) {
          wrong.add('$name returned $returned');
        }
        continue;
      }
      try {
        await failure.timeout(const Duration(seconds: 5));
        wrong.add('$name did not fail');
      } on ZelException catch (error) {
        if (error.code != 23 || !error.returned) wrong.add('$name: $error');
      } on TimeoutException {
        wrong.add('$name waited for a completion that cannot come');
      }
    }
    expect(wrong, <String>[]);
  });
}

/// Null when what a method returned matches its row's class, else what is
/// wrong with it.
Future<String?> answerOf(Object? returned, Placement row) async {
  const wait = Duration(seconds: 5);
  switch ((row.exportClass, returned)) {
    case ('completes once', Future<Completion> future):
      final completion = await future.timeout(wait);
      return completion.desc == 'done' ? null : 'completed with $completion';
    case ('returns a text', ReturnedText(:final text, :final completion))
        when row.userData == 'keep until its completion':
      if (!text.startsWith('id-')) return 'returned "$text"';
      final done = await completion.timeout(wait);
      return done.desc == 'done' ? null : 'completed with $done';
    case ('returns a text', String text) when row.userData == 'none':
      return text.isEmpty ? 'returned an empty text' : null;
    case ('never completes', int result):
      return result == 0 ? null : 'returned $result';
    case ('read-member completions', Stream<ReadMemberCompletion> pages):
      final all = await pages.toList().timeout(wait);
      return all.length == 1 && all.single.isFinished ? null : 'pages $all';
    default:
      return 'a ${row.exportClass} row, returned $returned';
  }
}
