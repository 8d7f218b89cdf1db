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

Future<ProcessResult> runChild(String ending) async => Process.run(
      Platform.resolvedExecutable,
      ['--enable-asserts', '--packages=$packages', await childProgram, ending],
    );

void main() {
  testTimeout = const Duration(minutes: 4);
  for (final ending in endings) {
    test('$rounds children that end by "$ending" while SDK threads post '
        'exit with status 0', () async {
      final failures = <String>[];
      for (var round = 1; round <= rounds; round++) {
        final child = await runChild(ending);
        if (child.exitCode != 0) {
          final stderr = '${child.stderr}'.trim().split('\n').take(8);
          failures.add('round $round: status ${child.exitCode}: '
              '${stderr.join(' / ')}');
        }
      }
      check(
        failures.isEmpty,
        '${failures.length} of $rounds rounds failed:\n  '
        '${failures.join('\n  ')}',
      );
    });
  }
}
