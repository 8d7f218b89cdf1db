"""The class of every export, as the guide's table says it (docs/
dart-integration.md, between "<!-- export classes: start -->" and "<!--
export classes: end -->"); the table itself is checked against the built
library by export_classes_tests and by the Dart suite."""

import pathlib

GUIDE_PATH = "docs/dart-integration.md"
START = "<!-- export classes: start -->"
END = "<!-- export classes: end -->"
CLASSES = {
    "completes once",
    "never completes",
    "read-member completions",
    "returns a text",
    "listener",
    "inert",
}


def export_classes(root):
    """{export name: class} of the guide's table."""
    text = (pathlib.Path(root) / GUIDE_PATH).read_text()
    start, end = text.index(START), text.index(END)
    classes = {}
    for line in text[start:end].splitlines():
        if not line.startswith("| `Dart"):
            continue
        cells = [cell.strip() for cell in line.strip("|").split("|")]
        name, export_class = cells[0].strip("`"), cells[1]
        if export_class not in CLASSES:
            raise ValueError(f"{GUIDE_PATH}: {name} has the unknown class {export_class!r}")
        classes[name] = export_class
    return classes
