// The VM shutting down while SDK threads post: child programs
// (programs/endless_posting.dart) start endless posting into their ports and
// then end by exit(0) or by the end of main, their ports closed first or
// not, round after round. Each must exit with status 0.
//
// Under Wine a child sometimes never ends after ExitProcess: msvcrt's own
// detach frees into its heap, whose lock a posting thread held or waited for
// when the process killed it, and Wine's RtlLeaveCriticalSection then waits
// for that dead waiter for good. The control library marks the detach on
// stderr (process_detach_mark_windows.cpp), so such a hang is told apart and
// counted, not failed; a hang before the mark, a crash or any other status
// still fails.
import 'dart:io';

import 'package:zelbridge_test_support/check.dart';
import 'package:zelbridge_test_support/environment.dart';

const rounds = 20;

const endings = [
  'exit',
  'exit-after-unregistering',
  'return-after-unregistering',
  'return-after-closing',
];

String get packages => Platform.packageConfig!;

/// The child program compiled once to a kernel file, so that each round
/// starts at once instead of compiling it again.
final Future<String> childProgram = () async {
  final script = sourceFile('tests/dart/programs/endless_posting.dart');
  final kernel = '${scratchDir.path}/endless_posting.dill';
  final compiled = await Process.run(Platform.resolvedExecutable, [
    '--snapshot-kind=kernel',
    '--snapshot=$kernel',
    '--packages=$packages',
    script.path,
  ]);
  if (compiled.exitCode != 0) fail('compiling the child: ${compiled.stderr}');
  return kernel;
}();

/// How long a child may take to end before it counts as hung; a round takes
/// about a second.
const hangAfter = Duration(seconds: 20);

/// What the control library writes to stderr as the loader detaches it.
const processDetachMark = 'zelbridge-test: process detach';

/// How a child ended.
sealed class ChildOutcome {}

final class ExitedWithZero extends ChildOutcome {}

/// Hung after ExitProcess, in the loader's detach of DLLs (Wine only).
final class HungInLoaderDetach extends ChildOutcome {}

final class Failed extends ChildOutcome {
  Failed(this.what);
  final String what;
}

Future<ChildOutcome> runChild(String ending) async {
  final child = await Process.start(
    Platform.resolvedExecutable,
    ['--enable-asserts', '--packages=$packages', await childProgram, ending],
    environment: {if (Platform.isWindows) 'ZELBRIDGE_MARK_PROCESS_DETACH': '1'},
  );
  final stderr = child.stderr.transform(systemEncoding.decoder).join();
  child.stdout.drain<void>();
  final status = await child.exitCode.timeout(hangAfter, onTimeout: () {
    child.kill(ProcessSignal.sigkill);
    return -1;
  });
  if (status == 0) return ExitedWithZero();
  final errors = await stderr;
  if (status == -1) {
    if (Platform.isWindows && errors.contains(processDetachMark)) {
      return HungInLoaderDetach();
    }
    return Failed('no exit within ${hangAfter.inSeconds} s');
  }
  final lines = errors.trim().split('\n').take(8);
  return Failed('status $status: ${lines.join(' / ')}');
}

void main() {
  testTimeout = const Duration(minutes: 9);
  for (final ending in endings) {
    test('$rounds children that end by "$ending" while SDK threads post '
        'exit with status 0', () async {
      final failures = <String>[];
      final loaderHangs = <int>[];
      for (var round = 1; round <= rounds; round++) {
        switch (await runChild(ending)) {
          case ExitedWithZero():
            break;
          case HungInLoaderDetach():
            loaderHangs.add(round);
          case Failed(:final what):
            failures.add('round $round: $what');
        }
      }
      if (loaderHangs.isNotEmpty) {
        final rounds = loaderHangs.length == 1 ? 'round' : 'rounds';
        stdout.writeln('  $rounds ${loaderHangs.join(', ')}: hung after '
            'ExitProcess in the loader\'s detach of DLLs (Wine), killed');
      }
      check(
        loaderHangs.length < rounds,
        'every round hung in the loader\'s detach, none exited',
      );
      check(
        failures.isEmpty,
        '${failures.length} of $rounds rounds failed:\n  '
        '${failures.join('\n  ')}',
      );
    });
  }
}
