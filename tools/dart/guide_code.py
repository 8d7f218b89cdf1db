#!/usr/bin/env python3
"""Takes the Dart code out of docs/dart-integration.md, so that the Dart suite
runs what the guide shows. Every ```dart block must stand right below one of
these marks:

  <!-- dart: NAME.dart -->                 a complete library, written to
                                           OUT/lib/NAME.dart (package
                                           zelbridge_guide)
  <!-- dart fragment: tests/dart/X.dart --> a fragment; X runs its complete form

Fails, naming the line, on a block without a mark, a name used twice, or a
fragment whose test does not exist.

Usage: guide_code.py --out OUT [--root REPOSITORY]
"""

import argparse
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
GUIDE = "docs/dart-integration.md"
MARK = re.compile(r"<!-- dart(?P<fragment> fragment)?: (?P<target>\S+) -->")


def blocks(text):
    """(line number, mark or None, code) of each ```dart block."""
    lines = text.splitlines()
    found = []
    index = 0
    while index < len(lines):
        if lines[index].strip() != "```dart":
            index += 1
            continue
        start = index
        mark = None
        above = start - 1
        while above >= 0 and not lines[above].strip():
            above -= 1
        if above >= 0:
            mark = MARK.fullmatch(lines[above].strip())
        index += 1
        code = []
        while index < len(lines) and lines[index].strip() != "```":
            code.append(lines[index])
            index += 1
        found.append((start + 1, mark, "\n".join(code) + "\n"))
        index += 1
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=pathlib.Path, required=True)
    parser.add_argument("--root", type=pathlib.Path, default=ROOT)
    arguments = parser.parse_args()
    problems = []
    libraries = {}
    for line, mark, code in blocks((arguments.root / GUIDE).read_text()):
        where = f"{GUIDE}:{line}"
        if mark is None:
            problems.append(f"{where}: a Dart block without a '<!-- dart: NAME.dart -->' "
                            "or '<!-- dart fragment: TEST -->' mark above it")
        elif mark.group("fragment"):
            if not (arguments.root / mark.group("target")).is_file():
                problems.append(f"{where}: its fragment mark names {mark.group('target')}, "
                                "which does not exist")
        elif mark.group("target") in libraries:
            problems.append(f"{where}: {mark.group('target')} is taken out twice")
        else:
            libraries[mark.group("target")] = code
    if problems:
        print("\n".join(problems))
        return 1
    library_dir = arguments.out / "lib"
    library_dir.mkdir(parents=True, exist_ok=True)
    for stale in library_dir.glob("*.dart"):
        if stale.name not in libraries:
            stale.unlink()
    for name, code in libraries.items():
        path = library_dir / name
        if not path.exists() or path.read_text() != code:
            path.write_text(code)
    return 0


if __name__ == "__main__":
    sys.exit(main())
