// The VM shutting down while SDK threads post: child programs
// (programs/endless_posting.dart) start endless posting into their ports and
// then end by exit(0) or by the end of main, their ports closed first or
// not, round after round. Each must exit with status 0.
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

/// How long a child may take to end before it counts as hung.
const hangAfter = Duration(seconds: 60);

/// Runs one child; null when it exited with status 0, else what went wrong.
Future<String?> runChild(String ending) async {
  final child = await Process.start(
    Platform.resolvedExecutable,
    ['--enable-asserts', '--packages=$packages', await childProgram, ending],
  );
  final stderr = child.stderr.transform(systemEncoding.decoder).join();
  child.stdout.drain<void>();
  final status = await child.exitCode.timeout(hangAfter, onTimeout: () {
    child.kill(ProcessSignal.sigkill);
    return -1;
  });
  if (status == 0) return null;
  if (status == -1) return 'no exit within ${hangAfter.inSeconds} s';
  final lines = (await stderr).trim().split('\n').take(8);
  return 'status $status: ${lines.join(' / ')}';
}

void main() {
  testTimeout = const Duration(minutes: 9);
  for (final ending in endings) {
    test('$rounds children that end by "$ending" while SDK threads post '
        'exit with status 0', () async {
      final failures = <String>[];
      for (var round = 1; round <= rounds; round++) {
        final failure = await runChild(ending);
        if (failure != null) failures.add('round $round: $failure');
      }
      check(
        failures.isEmpty,
        '${failures.length} of $rounds rounds failed:\n  '
        '${failures.join('\n  ')}',
      );
    });
  }
}
