"""Reads the exports of the bridge's public header, include/zelbridge.h: for
each ZELBRIDGE_EXPORT declaration its name, result type, parameters and the
comment lines just above it, in the header's order."""

import pathlib
import re
from typing import List, NamedTuple

HEADER_PATH = "include/zelbridge.h"

# The C types the header uses, as dart:ffi writes them: (native type, Dart type).
FFI_TYPES = {
    "void": ("ffi.Void", "void"),
    "int": ("ffi.Int", "int"),
    "int32_t": ("ffi.Int32", "int"),
    "int64_t": ("ffi.Int64", "int"),
    "uint64_t": ("ffi.Uint64", "int"),
    "intptr_t": ("ffi.IntPtr", "int"),
    "bool": ("ffi.Bool", "bool"),
    "const char*": ("ffi.Pointer<ffi.Char>", "ffi.Pointer<ffi.Char>"),
    "void*": ("ffi.Pointer<ffi.Void>", "ffi.Pointer<ffi.Void>"),
}


class Parameter(NamedTuple):
    c_type: str
    name: str


class Export(NamedTuple):
    name: str
    result: str  # C type
    parameters: List[Parameter]
    comment: List[str]  # the comment lines above the declaration, without "//"


DECLARATION = re.compile(
    r"ZELBRIDGE_EXPORT\s+(?P<result>[A-Za-z0-9_ ]+?\*?)\s*(?P<name>Dart[A-Za-z0-9_]*)\s*"
    r"\((?P<parameters>[^)]*)\)\s*;"
)


def c_type(written):
    """A type as the header writes it, in the form of FFI_TYPES' keys."""
    normalised = re.sub(r"\s+", " ", written.strip()).replace(" *", "*")
    if normalised not in FFI_TYPES:
        raise ValueError(f"a type the bindings do not map: {written!r}")
    return normalised


def parameter(written):
    match = re.fullmatch(r"\s*(.*?[\s*])([A-Za-z_][A-Za-z0-9_]*)\s*", written)
    if not match:
        raise ValueError(f"a parameter without a name: {written!r}")
    return Parameter(c_type(match.group(1)), match.group(2))


def exports(root):
    """The header's exports, in its order."""
    text = (pathlib.Path(root) / HEADER_PATH).read_text()
    found = []
    comment = []
    statement = ""
    for line in text.splitlines():
        stripped = line.strip()
        if statement:
            statement += " " + stripped
        elif stripped.startswith("//"):
            comment.append(stripped[2:].strip())
            continue
        elif stripped.startswith("ZELBRIDGE_EXPORT") and not stripped.startswith("#"):
            statement = stripped
        else:
            comment = []
            continue
        if ";" not in statement:
            continue
        match = DECLARATION.fullmatch(statement)
        if not match:
            raise ValueError(f"a declaration the bindings cannot read: {statement}")
        written = match.group("parameters").strip()
        parameters = [] if written in ("", "void") else [parameter(p) for p in written.split(",")]
        found.append(Export(match.group("name"), c_type(match.group("result")), parameters, comment))
        comment = []
        statement = ""
    return found
