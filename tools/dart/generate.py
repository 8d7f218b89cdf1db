#!/usr/bin/env python3
"""Writes the Dart files of flutter_plugin/lib/src/ that are generated from
the project's sources, or with --check only compares them and fails on a
difference:

  zelbridge_bindings.g.dart  the raw bindings of include/zelbridge.h, in the
                             shape ffigen writes for flutter_plugin/ffigen.yaml
  zelbridge_client.g.dart    the client's methods: one per operation export,
                             shaped by its class in the guide's table, and one
                             stream per event kind of the envelope catalogue

Usage: generate.py [--check] [--root REPOSITORY]
"""

import argparse
import difflib
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "envelopes"))

import bindings  # noqa: E402
import catalogue  # noqa: E402  (tools/envelopes, found through the path above)
import client  # noqa: E402
import export_classes  # noqa: E402
import ffigen_config  # noqa: E402
import header  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[2]
PLUGIN = "flutter_plugin"


def generated_files(root):
    """{path relative to root: text} of every generated Dart file."""
    config = ffigen_config.read(root)
    exports = header.exports(root)
    return {
        f"{PLUGIN}/{config['output']}": bindings.write(
            exports, config["name"], config["description"], config["preamble"]
        ),
        f"{PLUGIN}/lib/src/zelbridge_client.g.dart": client.write(
            exports, export_classes.export_classes(root), catalogue.EVENTS
        ),
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare only; exit 1 on a difference")
    parser.add_argument("--root", type=pathlib.Path, default=ROOT)
    arguments = parser.parse_args()
    stale = []
    for relative, text in generated_files(arguments.root).items():
        path = arguments.root / relative
        current = path.read_text() if path.exists() else ""
        if current == text:
            continue
        if arguments.check:
            stale.append(relative)
            sys.stdout.writelines(
                list(difflib.unified_diff(current.splitlines(True), text.splitlines(True),
                                          relative, "generated", n=1))[:40]
            )
        else:
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text)
            print(f"wrote {relative}")
    if stale:
        print(f"generated Dart files out of date: {', '.join(stale)}; run tools/dart/generate.py")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
