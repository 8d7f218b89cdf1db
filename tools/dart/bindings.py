"""Writes the raw bindings of the header's exports in the shape ffigen writes
them for flutter_plugin/ffigen.yaml: one class whose methods take the
exports' C parameters as dart:ffi types, texts as Pointer<Char>."""

import textwrap

import header
from dart_text import call, doc_comment, string_literal


def function_type(result, parameters, native):
    """The Dart function type of an export, native or Dart-side."""
    column = 0 if native else 1
    types = [header.FFI_TYPES[p.c_type][column] for p in parameters]
    return header.FFI_TYPES[result][column], types


def lookup_lines(export):
    native_result, native_types = function_type(export.result, export.parameters, True)
    dart_result, dart_types = function_type(export.result, export.parameters, False)
    name = export.name
    native = f"ffi.NativeFunction<{native_result} Function({', '.join(native_types)})>"
    dart = f"{dart_result} Function({', '.join(dart_types)})"
    lines = typed_call(f"  late final _{name}Ptr = _lookup<", native, f">({string_literal(name)});",
                       ["ffi.NativeFunction<", f"{native_result} Function", native_types, ">"])
    lines += typed_call(f"  late final _{name} = _{name}Ptr.asFunction<", dart, ">();",
                        [None, f"{dart_result} Function", dart_types, None])
    return lines


def typed_call(head, type_text, tail, shape):
    """head + type_text + tail on one line when it fits; else the type on lines
    of its own: [wrapper opening or None, function head, parameter types,
    wrapper closing or None], each level indented by two."""
    if len(head + type_text + tail) <= 80:
        return [head + type_text + tail]
    lines = []
    base = "  "
    if len(head) > 80:
        # "late final _name =" on a line of its own, the rest four deeper.
        declaration, value = head.split(" = ", 1)
        lines.append(declaration + " =")
        base = "      "
        head = base + value
        if len(head + type_text + tail) <= 80:
            return lines + [head + type_text + tail]
    opening, function_head, parameters, closing = shape
    inner = base + "  "
    lines.append(head)
    if opening is not None:
        lines.append(inner + opening)
        inner += "  "
    lines += call(inner, function_head, parameters, "")
    if closing is not None:
        lines.append(base + "  " + closing)
    lines.append(base + tail)
    return lines


def wrapped(text, width):
    return textwrap.wrap(text, width, break_long_words=False, break_on_hyphens=False)


def method_lines(export):
    dart_result, dart_types = function_type(export.result, export.parameters, False)
    parameters = [f"{t} {p.name}" for t, p in zip(dart_types, export.parameters)]
    arguments = [p.name for p in export.parameters]
    lines = doc_comment("  ", wrapped(" ".join(export.comment), 80 - len("  /// ")))
    lines += call("  ", f"{dart_result} {export.name}", parameters, " {")
    lines += call("    ", f"return _{export.name}", arguments, ";")
    lines.append("  }")
    lines.append("")
    lines += lookup_lines(export)
    return lines


def write(exports, name, description, preamble):
    lines = [line.rstrip() for line in preamble.rstrip("\n").split("\n")]
    lines += [
        "//",
        "// The exports of include/zelbridge.h, bound by name as ffigen binds them",
        "// for flutter_plugin/ffigen.yaml.",
        "// ignore_for_file: type=lint",
        "import 'dart:ffi' as ffi;",
        "",
        *doc_comment("", [description]),
        f"class {name} {{",
        "  /// Holds the symbol lookup function.",
        "  final ffi.Pointer<T> Function<T extends ffi.NativeType>(String symbolName)",
        "      _lookup;",
        "",
        "  /// The symbols are looked up in [dynamicLibrary].",
        f"  {name}(ffi.DynamicLibrary dynamicLibrary)",
        "      : _lookup = dynamicLibrary.lookup;",
        "",
        "  /// The symbols are looked up with [lookup].",
        f"  {name}.fromLookup(",
        "    ffi.Pointer<T> Function<T extends ffi.NativeType>(String symbolName)",
        "        lookup,",
        "  ) : _lookup = lookup;",
    ]
    for export in exports:
        lines.append("")
        lines += method_lines(export)
    lines.append("}")
    return "\n".join(lines) + "\n"
