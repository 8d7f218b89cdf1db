/// A small test runner for the Dart suite, in the shape of package:test
/// (which cannot be had here): [test] and [group] register tests, [expect]
/// and [check] are the checks, and the file's tests run one after the other
/// once `main` has returned. Each test prints one line with its number of
/// checks; the program exits with 1 when a test failed, else 0.
library;

import 'dart:async';
import 'dart:io';

final _tests = <_Test>[];
final _groups = <String>[];
final _setUps = <FutureOr<void> Function()>[];
final _tearDowns = <FutureOr<void> Function()>[];
var _checks = 0;
var _scheduled = false;

/// How long one test may take before it fails.
Duration testTimeout = const Duration(seconds: 120);

class _Test {
  _Test(this.name, this.body, this.setUps, this.tearDowns);
  final String name;
  final FutureOr<void> Function() body;
  final List<FutureOr<void> Function()> setUps;
  final List<FutureOr<void> Function()> tearDowns;
}

/// A failed check.
class CheckFailure implements Exception {
  CheckFailure(this.message);
  final String message;
  @override
  String toString() => message;
}

/// Registers a test; its name is prefixed by the enclosing groups' names.
void test(String name, FutureOr<void> Function() body) {
  _tests.add(_Test([..._groups, name].join(' '), body, [..._setUps], [
    ..._tearDowns,
  ]));
  if (!_scheduled) {
    _scheduled = true;
    Timer.run(_runAll);
  }
}

/// Registers the tests that [body] registers under [name].
void group(String name, void Function() body) {
  final setUps = _setUps.length;
  final tearDowns = _tearDowns.length;
  _groups.add(name);
  body();
  _groups.removeLast();
  _setUps.removeRange(setUps, _setUps.length);
  _tearDowns.removeRange(tearDowns, _tearDowns.length);
}

/// Runs before each test of the enclosing group (or file).
void setUp(FutureOr<void> Function() body) => _setUps.add(body);

/// Runs after each test of the enclosing group (or file), also a failed one.
void tearDown(FutureOr<void> Function() body) => _tearDowns.add(body);

/// Fails the test unless [condition] holds.
void check(bool condition, String what) {
  _checks++;
  if (!condition) throw CheckFailure(what);
}

/// Fails the test unless [actual] equals [expected] (lists, maps and sets
/// compared by their elements).
void expect(Object? actual, Object? expected, [String? reason]) {
  _checks++;
  if (!_equal(actual, expected)) {
    throw CheckFailure(
      '${reason == null ? '' : '$reason: '}expected ${_show(expected)}, '
      'got ${_show(actual)}',
    );
  }
}

/// Fails the test unless [body] throws a [T]; returns what it threw.
Future<T> expectThrows<T extends Object>(FutureOr<void> Function() body,
    [String? reason]) async {
  _checks++;
  try {
    await body();
  } on T catch (error) {
    return error;
  } catch (error) {
    throw CheckFailure(
        '${reason ?? 'expected a $T'}: threw ${error.runtimeType}: $error');
  }
  throw CheckFailure('${reason ?? 'expected a $T'}: threw nothing');
}

/// Fails the test at once.
Never fail(String message) => throw CheckFailure(message);

bool _equal(Object? a, Object? b) {
  if (a is List && b is List) {
    if (a.length != b.length) return false;
    for (var i = 0; i < a.length; i++) {
      if (!_equal(a[i], b[i])) return false;
    }
    return true;
  }
  if (a is Map && b is Map) {
    if (a.length != b.length) return false;
    for (final key in a.keys) {
      if (!b.containsKey(key) || !_equal(a[key], b[key])) return false;
    }
    return true;
  }
  if (a is Set && b is Set) {
    return a.length == b.length && a.every(b.contains);
  }
  return a == b;
}

String _show(Object? value) {
  final text = value is String ? '"$value"' : '$value';
  return text.length > 600 ? '${text.substring(0, 600)}... (${text.length})' : text;
}

Future<void> _runAll() async {
  var failed = 0;
  final started = DateTime.now();
  for (final (index, test) in _tests.indexed) {
    _checks = 0;
    final testStarted = DateTime.now();
    Object? failure;
    StackTrace? trace;
    // Errors that no Future of the test handles fail it too.
    final done = Completer<void>();
    runZonedGuarded(() async {
      for (final setUp in test.setUps) {
        await setUp();
      }
      await test.body();
      if (!done.isCompleted) done.complete();
    }, (error, stack) {
      if (!done.isCompleted) done.completeError(error, stack);
    });
    try {
      await done.future.timeout(testTimeout);
    } catch (error, stack) {
      failure = error;
      trace = stack;
    }
    for (final tearDown in test.tearDowns.reversed) {
      try {
        await tearDown();
      } catch (error, stack) {
        failure ??= error;
        trace ??= stack;
      }
    }
    final took = DateTime.now().difference(testStarted).inMilliseconds;
    final checks = _checks == 1 ? '1 check' : '$_checks checks';
    if (failure == null) {
      stdout.writeln('ok ${index + 1} - ${test.name} ($checks, $took ms)');
    } else {
      failed++;
      stdout.writeln('not ok ${index + 1} - ${test.name} ($checks, $took ms)');
      stdout.writeln('  $failure');
      if (failure is! CheckFailure && failure is! TimeoutException) {
        stdout.writeln(trace.toString().split('\n').take(12).map((l) => '  $l').join('\n'));
      }
    }
  }
  final took = DateTime.now().difference(started).inMilliseconds;
  stdout.writeln(
      '# ${_tests.length - failed} of ${_tests.length} tests passed ($took ms)');
  await stdout.flush();
  exit(failed == 0 ? 0 : 1);
}
