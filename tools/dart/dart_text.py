"""Small helpers that write Dart source in the formatter's style: two-space
indents, 80 columns, and a list that does not fit on its line split one item
per line with a trailing comma."""

WIDTH = 80


def call(indent, head, items, tail, opening="(", closing=")"):
    """head(items)tail at indent, on one line if it fits, else one item a line."""
    one_line = f"{indent}{head}{opening}{', '.join(items)}{closing}{tail}"
    if len(one_line) <= WIDTH or not items:
        return [one_line]
    inner = indent + "  "
    return [f"{indent}{head}{opening}", *[f"{inner}{item}," for item in items], f"{indent}{closing}{tail}"]


def doc_comment(indent, lines):
    """A /// comment of the given lines, blank lines kept as ///."""
    return [f"{indent}///" + (f" {line}" if line else "") for line in lines]


def string_literal(text):
    escaped = text.replace("\\", "\\\\").replace("'", "\\'").replace("$", "\\$")
    return f"'{escaped}'"
