/// The guide's table of exports (docs/dart-integration.md, between its
/// export-classes markers): what each export does with its user_data and what
/// it returns.
library;

import 'environment.dart';

const tableStart = '<!-- export classes: start -->';
const tableEnd = '<!-- export classes: end -->';

/// One row of the guide's table, or what was observed of one export.
class Placement {
  Placement(this.export, this.exportClass, this.userData, this.returns);

  final String export;
  final String exportClass;
  final String userData;
  final String returns;

  @override
  bool operator ==(Object other) =>
      other is Placement &&
      other.export == export &&
      other.exportClass == exportClass &&
      other.userData == userData &&
      other.returns == returns;

  @override
  int get hashCode => Object.hash(export, exportClass, userData, returns);

  @override
  String toString() => '| `$export` | $exportClass | $userData | $returns |';
}

/// The rows of the guide's table: "| `Name` | class | user_data | returns |".
List<Placement> guideRows() {
  final guide = sourceFile('docs/dart-integration.md').readAsStringSync();
  final start = guide.indexOf(tableStart);
  final end = guide.indexOf(tableEnd);
  if (start < 0 || end < start) return [];
  return [
    for (final line in guide.substring(start, end).split('\n'))
      if (line.startsWith('| `Dart')) _row(line),
  ];
}

Placement _row(String line) {
  final cells = line.split('|').map((cell) => cell.trim()).toList();
  // A row has four cells between its five bars.
  if (cells.length != 6) return Placement(line, 'malformed row', '', '');
  final name = cells[1].substring(1, cells[1].length - 1);
  return Placement(name, cells[2], cells[3], cells[4]);
}
