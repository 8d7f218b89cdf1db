"""The few keys of flutter_plugin/ffigen.yaml that the generated bindings
take from it: name, description, output and preamble. ffigen reads the same
file, so the two agree on what they write and where."""

import pathlib

CONFIG_PATH = "flutter_plugin/ffigen.yaml"


def read(root):
    """{key: value} of the file's top-level scalars and its "preamble: |" block."""
    values = {}
    lines = (pathlib.Path(root) / CONFIG_PATH).read_text().splitlines()
    index = 0
    while index < len(lines):
        line = lines[index]
        index += 1
        if not line or line.startswith((" ", "#")) or ":" not in line:
            continue
        key, value = (part.strip() for part in line.split(":", 1))
        if value == "|":
            block = []
            while index < len(lines) and (lines[index].startswith("  ") or not lines[index]):
                block.append(lines[index][2:])
                index += 1
            values[key] = "\n".join(block).rstrip("\n") + "\n"
        elif value:
            values[key] = value
    for key in ("name", "description", "output", "preamble"):
        if key not in values:
            raise ValueError(f"{CONFIG_PATH} has no {key}")
    return values
