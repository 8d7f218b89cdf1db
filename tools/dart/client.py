"""Writes the methods of the plugin's client, ZelBridge, as a part of
flutter_plugin/lib/src/zelbridge_client.dart: one per operation export of
the header, shaped by the export's class in the guide's table, and one
stream per event kind of the envelope catalogue (tools/envelopes)."""

import sys
import textwrap

import dart_models  # tools/envelopes, on the path that generate.py sets
import header
from dart_text import call, doc_comment

# Exports the client calls itself (open and close), or that do nothing.
NOT_METHODS = {"DartInitDartApiDL", "DartRegisterSendPort", "DartUnregisterSendPort"}
# Exports that set up or shut down the SDK, which the process record notes.
LIFECYCLE = {"DartInitSDK": "_initializes", "DartUnitSDK": "_uninitializes"}
# Accepted by the export for its callers' signature and never forwarded.
UNUSED_PARAMETERS = {"unused_invite_id"}


def lower_camel(names):
    """lowerCamelCase of names, acronyms written as words: "SDK" -> "Sdk"."""
    written = [word.lower() for name in names for word in dart_models.words(name)]
    return written[0] + "".join(part[:1].upper() + part[1:] for part in written[1:])


def method_name(export):
    return lower_camel([export[len("Dart"):]])


def parameter_name(c_name):
    return lower_camel(c_name.split("_"))


def is_json(parameter):
    return parameter.name.startswith("json_")


def dart_parameter(parameter):
    if parameter.c_type == "const char*":
        return f"{'Object' if is_json(parameter) else 'String'} {parameter_name(parameter.name)}"
    return f"{header.FFI_TYPES[parameter.c_type][1]} {parameter_name(parameter.name)}"


def forwarded(export):
    """The Dart parameters and the export's arguments: texts come from the
    list t, user_data is userData, the rest are passed by name."""
    parameters, texts, arguments = [], [], []
    for parameter in export.parameters:
        if parameter.name == "user_data":
            arguments.append("userData")
        elif parameter.name in UNUSED_PARAMETERS:
            arguments.append("ffi.nullptr")
        elif parameter.c_type == "const char*":
            parameters.append(dart_parameter(parameter))
            arguments.append(f"t[{len(texts)}]")
            texts.append(parameter_name(parameter.name))
        else:
            parameters.append(dart_parameter(parameter))
            arguments.append(parameter_name(parameter.name))
    return parameters, texts, arguments


def takes_user_data(export):
    return any(p.name == "user_data" for p in export.parameters)


# What each class of export gives the caller, for the methods' comments.
CLASS_DOCS = {
    "completes once": "Completes with the SDK's completion; fails with a [ZelException] "
    "when the export returns a result other than 0, when the completion's code is not 0, "
    "or when the completion was lost (code 6131).",
    "read-member completions": "The SDK's completions, one page each, until the one with "
    "`isFinished`; the stream then ends.",
    "returns a text": "The text the export returns, copied at once.",
    "returns a text and completes": "The text the export returns, copied at once, and the "
    "completion of the operation, as for an operation that completes once.",
    "never completes": "The export's result; nothing completes.",
}


def wrapped_doc(text):
    return textwrap.wrap(text, 72, break_on_hyphens=False)


def method_lines(export, export_class):
    name = method_name(export.name)
    parameters, texts, arguments = forwarded(export)
    completes = takes_user_data(export) and export_class == "returns a text"
    doc = [f"Calls `{export.name}`.", ""]
    doc += wrapped_doc(CLASS_DOCS["returns a text and completes" if completes else export_class])
    if any(p.name in UNUSED_PARAMETERS for p in export.parameters):
        doc += ["", *wrapped_doc("The export's `unused_invite_id` is left out: the export "
                                 "never forwards it.")]
    if export_class == "completes once":
        result, helper, arity = "Future<Completion>", "_completesOnce", "(t, userData)"
    elif export_class == "read-member completions":
        result, helper, arity = "Stream<ReadMemberCompletion>", "_readMembers", "(t, userData)"
    elif completes:
        result, helper, arity = "ReturnedText", "_returnsTextAndCompletes", "(t, userData)"
    elif export_class == "returns a text":
        result, helper, arity = "String", "_returnsText", "(t)"
    elif takes_user_data(export):
        result, helper, arity = "int", "_neverCompletesWithUserData", "(t, userData)"
    elif export.name in LIFECYCLE:
        result, helper, arity = "int", LIFECYCLE[export.name], "(t)"
    else:
        result, helper, arity = header.FFI_TYPES[export.result][1], "_neverCompletes", "(t)"
    texts_list = f"[{', '.join(texts)}]"
    native = f"_bindings.{export.name}({', '.join(arguments)})"
    expression = f"{helper}({texts_list}, {arity} => {native})"
    lines = doc_comment("  ", doc)
    signature = call("  ", f"{result} {name}", parameters, " =>")
    if len(signature) == 1 and len(signature[0] + " " + expression + ";") <= 80:
        return lines + [signature[0] + " " + expression + ";"]
    lines += signature
    if len("      " + expression + ";") <= 80:
        return lines + ["      " + expression + ";"]
    lines += [f"      {helper}(", f"        {texts_list},"]
    closure = f"        {arity} => {native},"
    if len(closure) <= 80:
        lines.append(closure)
    else:
        lines += call("        ", f"{arity} => _bindings.{export.name}", arguments, ",")
    return lines + ["      );"]


def event_lines(event):
    kind = dart_models.dart_class_name(event)
    getter = "on" + dart_models.upper_camel(event.name)
    doc = [
        *wrapped_doc(f"Event {event.callback_type}: {event.raised_when}"),
        "",
        *wrapped_doc(f"The first subscriber in the process registers the listener "
                     f"(`{event.export}`); later ones, in any isolate, do not."),
    ]
    return doc_comment("  ", doc) + [
        f"  Stream<{kind}> get {getter} =>",
        f"      _eventsOf<{kind}>({event.callback_type});",
    ]


def write(exports, classes, events):
    lines = [
        "// Generated from include/zelbridge.h, the export classes of",
        "// docs/dart-integration.md and tools/envelopes/catalogue.py by",
        "// tools/dart/generate.py; do not edit.",
        "",
        "part of 'zelbridge_client.dart';",
        "",
        "/// One method per operation export, shaped by the export's class.",
        "mixin _Operations on _ClientCore {",
    ]
    first = True
    for export in exports:
        export_class = classes[export.name]
        if export.name in NOT_METHODS or export_class in ("listener", "inert"):
            continue
        if not first:
            lines.append("")
        first = False
        lines += method_lines(export, export_class)
    lines += ["}", "", "/// One stream per kind of event.", "mixin _Events on _ClientCore {"]
    for index, event in enumerate(events):
        if index:
            lines.append("")
        lines += event_lines(event)
    lines += [
        "}",
        "",
        "/// Registers the listener of event [callbackType] with [userData].",
        "int _registerListener(",
        "  ZelBridgeBindings bindings,",
        "  int callbackType,",
        "  ffi.Pointer<ffi.Char> userData,",
        ") =>",
        "    switch (callbackType) {",
    ]
    for event in events:
        lines.append(f"      {event.callback_type} => bindings.{event.export}(userData),")
    lines += [
        "      _ => throw ArgumentError.value(callbackType, 'callbackType'),",
        "    };",
    ]
    return "\n".join(lines) + "\n"
