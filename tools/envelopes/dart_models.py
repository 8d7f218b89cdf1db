"""Writes flutter_plugin/lib/src/envelopes.g.dart from the catalogue: one Dart
class per kind of envelope, each with a getter per member, and the tables
that decode them (a part of flutter_plugin/lib/src/envelope.dart, which holds
the decoding that is written by hand).

Each class has two constructors. `_read` takes the members from an
EnvelopeReader in the order the bridge writes them (keys in ascending byte
order, compact), each through its key as it stands in the text; `_from`
takes them by name from an EnvelopeMembers, for texts in any other form.

The Dart is written as dart format writes it for the package's language
version (two-space indents, 80 columns, one item a line with a trailing comma
when a list does not fit).
"""

import json
import re
import textwrap

import catalogue as cat

PATH = "flutter_plugin/lib/src/envelopes.g.dart"
WIDTH = 80

DART_TYPES = {
    "int32": "int",
    "uint32": "int",
    "int64": "int",
    "uint64": "int",
    "bool": "bool",
    "string": "String",
    "json": "String",
}
READS = {"bool": "boolean", "string": "string", "json": "string"}

# Getters that every event has; no payload member may take their names.
EVENT_GETTERS = {"callback", "callbackType", "userData", "arrivedAsBase64", "kind", "type"}


def camel(name):
    first, *rest = name.split("_")
    return first + "".join(part[:1].upper() + part[1:] for part in rest)


def decoded_getter(member):
    field = camel(member.name)
    return "decoded" + field[0].upper() + field[1:]


def class_name(event):
    """The schema's name of the event's definition: its name, "Event" added
    unless it ends with it already."""
    return event.name if event.name.endswith("Event") else event.name + "Event"


def words(name):
    """The words of a catalogue name, an acronym one word: "MsgTTSResponse"
    -> Msg, TTS, Response."""
    return re.findall(r"[A-Z]+(?=[A-Z][a-z]|\d|$)|[A-Z]?[a-z]+|[A-Z]+|\d+", name)


def upper_camel(name):
    """UpperCamelCase of a catalogue name, acronyms written as words, as Dart
    names types: "MsgTTSResponse" -> "MsgTtsResponse"."""
    return "".join(word[:1].upper() + word[1:].lower() for word in words(name))


def dart_class_name(event):
    """The event's Dart class: the schema's name written as Dart names types
    ("MsgTtsResponseEvent")."""
    return upper_camel(class_name(event))


def dart_string(text):
    escaped = text.replace("\\", "\\\\").replace("'", "\\'").replace("$", "\\$")
    return f"'{escaped}'"


def bridge_json(value):
    """A value as the bridge writes it: compact JSON, "/" escaped."""
    if value is None:
        return "null"
    return json.dumps(value, ensure_ascii=False).replace("/", "\\/")


def checked(lines):
    for line in lines:
        if len(line) > WIDTH:
            raise ValueError(f"generated line longer than {WIDTH} columns: {line}")
    return lines


# ---- documentation ----


def prose(text, names):
    """A catalogue text for a doc comment: a member's name in backticks becomes
    a reference to its getter, the first letter a capital, a final stop."""

    def reference(match):
        word = match.group(1)
        return f"[{camel(word)}]" if word in names else match.group(0)

    text = re.sub(r"`(\w+)`", reference, text)
    text = text[0].upper() + text[1:]
    return text if text.endswith(".") else text + "."


def doc(indent, *paragraphs):
    """A /// comment of paragraphs, each wrapped to the width."""
    prefix = f"{indent}/// "
    lines = []
    for paragraph in paragraphs:
        if lines:
            lines.append(f"{indent}///")
        wrapped = textwrap.wrap(
            paragraph,
            WIDTH - len(prefix),
            break_long_words=False,
            break_on_hyphens=False,
        )
        lines += [prefix + line for line in wrapped]
    return lines


def member_doc(member, note, names):
    """What the getter of a member says: its note, else its name and kind;
    then how to read SDK JSON text, and when it is empty."""
    if note:
        sentences = [prose(note, names)]
    elif member.kind in cat.INTEGER_RANGES:
        sentences = [f'The "{member.name}" member, {article(member.kind)}.']
    elif member.kind == "json":
        sentences = [f'The "{member.name}" member: the SDK\'s JSON text.']
    else:
        sentences = [f'The "{member.name}" member.']
    if member.kind == "uint64":
        sentences.append(
            "Above 2^63 - 1 it is negative, with the same 64 bits:"
            f" `BigInt.from({camel(member.name)}).toUnsigned(64)` is the value."
        )
    if member.kind == "json":
        if note:
            sentences.append("It is the SDK's JSON text.")
        sentences.append(f"[{decoded_getter(member)}] decodes it.")
    if member.null_safe:
        sentences.append("Empty when the SDK gave none.")
    return " ".join(sentences)


def article(kind):
    return ("a " if kind.startswith("u") else "an ") + kind


# ---- the parts of a class ----


class Kind:
    """One kind of envelope as a Dart class: its members in the catalogue's
    order with their notes, which of them routing reads before the class
    does, and which the kind fixes to a value."""

    def __init__(self, name, rows, routed, fixed, base, summary):
        self.name = name
        self.rows = rows  # (Member, note)
        self.routed = routed
        self.fixed = fixed
        self.base = base
        self.summary = summary
        self.names = {member.name for member, _ in rows}
        self.check_order()

    def check_order(self):
        """The reader takes routing members first: no other key may sort before
        them."""
        for member, _ in self.rows:
            if member.name not in self.routed and member.name < max(self.routed):
                raise ValueError(f"{self.name}: {member.name} sorts before the routing members")

    def read(self):
        """(member, key literal) in text order, fixed members' text merged into
        the next member's key."""
        pending = ""
        reads = []
        for member, _ in sorted(self.rows, key=lambda row: row[0].name):
            if member.name in self.routed:
                continue
            written = f',"{member.name}":'
            if member.name in self.fixed:
                pending += written + bridge_json(self.fixed[member.name])
                continue
            reads.append((member, pending + written))
            pending = ""
        if pending:
            raise ValueError(f"{self.name}: fixed members after the last read one")
        return reads

    def fields(self):
        return [
            (member, note)
            for member, note in self.rows
            if member.name not in self.routed and member.name not in self.fixed
        ]


def arrow(indent, head, body):
    """head => body; on two lines when one does not hold it."""
    one_line = f"{indent}{head} => {body};"
    return [one_line] if len(one_line) <= WIDTH else [f"{indent}{head} =>", f"{indent}    {body};"]


def initializers(indent, head, assignments, body=None):
    """A constructor whose initializer list holds assignments (target, value),
    one a line, then ";" or the body's lines."""
    lines = [f"{indent}{head}"]
    for index, (target, value) in enumerate(assignments):
        lead = f"{indent}    : " if index == 0 else f"{indent}      "
        last = index == len(assignments) - 1
        end = ("," if not last else " {" if body else ";")
        one_line = f"{lead}{target} = {value}{end}"
        if len(one_line) <= WIDTH:
            lines.append(one_line)
        else:
            lines += [f"{lead}{target} =", f"{indent}          {value}{end}"]
    if body:
        lines += [f"{indent}  {line}" for line in body] + [f"{indent}}}"]
    return lines


def read_constructor(kind):
    assignments = [
        (camel(member.name), f"reader.{READS.get(member.kind, member.kind)}({dart_string(key)})")
        for member, key in kind.read()
    ]
    assignments.append(("arrivedAsBase64", "reader.arrivedAsBase64"))
    return initializers("  ", f"{kind.name}._read(EnvelopeReader reader)", assignments)


def from_constructor(kind, parameters=""):
    assignments = [
        (camel(member.name), f"members.{READS.get(member.kind, member.kind)}('{member.name}')")
        for member, _ in kind.fields()
    ]
    assignments.append(("arrivedAsBase64", "members.arrivedAsBase64"))
    body = [
        f"members.fixed('{name}', {dart_value(value)});"
        for name, value in sorted(kind.fixed.items())
        if value is not None
    ]
    return initializers(
        "  ", f"{kind.name}._from(EnvelopeMembers members{parameters})", assignments, body
    )


def dart_value(value):
    return dart_string(value) if isinstance(value, str) else str(value)


def field_lines(kind):
    """The getters of the members, in the catalogue's order: a field each, a
    constant for a member the kind fixes."""
    lines = []
    for member, note in kind.rows:
        if member.name in kind.routed or kind.fixed.get(member.name, "") is None:
            continue
        lines += [""] + doc("  ", member_doc(member, note, kind.names))
        if member.name in kind.fixed:
            value = dart_value(kind.fixed[member.name])
            lines += arrow("  ", f"{DART_TYPES[member.kind]} get {camel(member.name)}", value)
            continue
        if member.name == "user_data":
            lines += ["  @override"]
        lines += [f"  final {DART_TYPES[member.kind]} {camel(member.name)};"]
    lines += ["", "  @override", "  final bool arrivedAsBase64;"]
    for member, _ in kind.fields():
        if member.kind == "json":
            field = camel(member.name)
            lines += [""] + doc("  ", f"[{field}] decoded, or null when it is empty.")
            lines += arrow("  ", f"Object? get {decoded_getter(member)}", f"_decodeDocument({field})")
    return lines


def to_json_lines(kind, values):
    lines = ["", "  @override", "  Map<String, Object?> toJson() => {"]
    for member, _ in sorted(kind.rows, key=lambda row: row[0].name):
        lines.append(f"        '{member.name}': {values.get(member.name, camel(member.name))},")
    return lines + ["      };"]


# ---- the kinds ----


def completion_kinds():
    completion = Kind(
        "Completion",
        cat.noted_members(cat.COMPLETION),
        {"callback"},
        {},
        "Envelope",
        [
            "The completion of an operation: of every export that reports back"
            " but `DartGetGroupMessageReadMemberList`.",
            "Match it to the call by [userData].",
        ],
    )
    read_member_list = Kind(
        "ReadMemberCompletion",
        cat.noted_members(cat.READ_MEMBER_LIST_COMPLETION),
        {"callback"},
        {"code": cat.READ_MEMBER_LIST_CODE, "desc": cat.READ_MEMBER_LIST_DESC},
        "Envelope",
        [
            "The completion of `DartGetGroupMessageReadMemberList`, which the SDK"
            " reports through a callback of its own shape.",
            "Match it to the call by [userData].",
        ],
    )
    return completion, read_member_list


def event_kind(event):
    rows = [(member, None) for member in event.members]
    routing = cat.noted_members(cat.EVENT_ROUTING)
    for member, _ in rows:
        if camel(member.name) in EVENT_GETTERS:
            raise ValueError(f"event {event.callback_type}: {member.name} names a common getter")
    return Kind(
        dart_class_name(event),
        rows + routing,
        {"callback", "callbackType"},
        {},
        "Event",
        [
            prose(event.raised_when, {member.name for member in event.members}),
            f"Event {event.callback_type}, registered by `{event.export}` (the SDK's"
            f" `{event.registration}`).",
        ],
    )


def record_class(kind, extra):
    lines = doc("", *kind.summary)
    lines += [f"final class {kind.name} extends {kind.base} {{"]
    lines += read_constructor(kind) + [""] + from_constructor(kind)
    lines += extra["statics"]
    lines += field_lines(kind)
    lines += extra["getters"]
    lines += to_json_lines(kind, extra["values"])
    return lines + ["}"]


def completion_class(kind):
    return record_class(
        kind,
        {
            "statics": [],
            "getters": ["", "  @override", "  String get callback => _completionCallback;"],
            "values": {"callback": "callback"},
        },
    )


def event_class(event):
    kind = event_kind(event)
    return record_class(
        kind,
        {
            "statics": [
                "",
                "  /// The events' callbackType.",
                f"  static const int type = {event.callback_type};",
            ],
            "getters": ["", "  @override", "  int get callbackType => type;"],
            "values": {"callback": "callback", "callbackType": "type"},
        },
    )


def constant_lines(name, value):
    one_line = f"const {name} = {dart_string(value)};"
    return [one_line] if len(one_line) <= WIDTH else [f"const {name} =", f"    {dart_string(value)};"]


def error_class(constants):
    """The error envelope's class; the texts its reader takes go to
    constants."""
    rows = cat.noted_members(cat.ERROR)
    notes = {member.name: note for member, note in rows}
    fixed = {"code": cat.ERROR_CODE, "desc": cat.ERROR_DESC}
    lost_completion = Kind("ErrorEnvelope", rows, {"callback"}, {**fixed, "callbackType": None}, "", [])
    lost_event = Kind("ErrorEnvelope", rows, {"callback", "callbackType"}, fixed, "", [])
    names = lost_event.names

    def reads(kind, head, constant, first=()):
        ((member, key),) = kind.read()
        constants.append(constant_lines(constant, key))
        assignments = list(first) + [(camel(member.name), f"reader.string({constant})")]
        assignments.append(("arrivedAsBase64", "reader.arrivedAsBase64"))
        return initializers("  ", head, assignments)

    lines = doc(
        "",
        "Stands in for an envelope that no port accepted, neither as text nor"
        " in base64, or that could not be built (out of memory): it keeps the"
        " lost envelope's routing members, its payload is gone.",
        "Routing tells it by its members, never by [code]: a completion whose"
        f" SDK code is {cat.ERROR_CODE} is a [Completion].",
    )
    lines += ["final class ErrorEnvelope extends Envelope {"]
    lines += reads(
        lost_completion,
        "ErrorEnvelope._readLostCompletion(EnvelopeReader reader)",
        "_lostCompletionMembers",
        [("callbackType", "null")],
    )
    lines += [""] + reads(
        lost_event,
        "ErrorEnvelope._readLostEvent(EnvelopeReader reader, int this.callbackType)",
        "_lostEventMembers",
    )
    lines += [""] + from_constructor(lost_event, ", this.callbackType")
    lines += [""] + doc("  ", prose(notes["callbackType"], names))
    lines += ["  final int? callbackType;"]
    lines += [""] + doc("  ", prose(notes["user_data"], names))
    lines += ["  @override", "  final String userData;"]
    for name in ("code", "desc"):
        member = next(m for m, _ in rows if m.name == name)
        lines += [""] + doc("  ", prose(notes[name], names))
        lines += [f"  {DART_TYPES[member.kind]} get {name} => {dart_value(fixed[name])};"]
    lines += ["", "  @override", "  final bool arrivedAsBase64;"]
    lines += [""] + doc("  ", prose(notes["callback"], names))
    lines += [
        "  @override",
        "  String get callback =>",
        "      callbackType == null ? _completionCallback : _eventCallback;",
        "",
        "  /// Whether it stands for a completion: that call has ended, with",
        f"  /// code {cat.ERROR_CODE}.",
        "  bool get standsForCompletion => callbackType == null;",
        "",
        "  /// Whether it stands for an event, which is lost.",
        "  bool get standsForEvent => callbackType != null;",
        "",
        "  /// The kind of the lost event; null for a lost completion.",
        "  EventKind? get lostEventKind => switch (callbackType) {",
        "        null => null,",
        "        final type => eventKinds[type],",
        "      };",
    ]
    lines += to_json_lines(lost_event, {"callback": "callback", "callbackType": "callbackType"})
    return lines + ["}"]


def event_kind_entry(event):
    name = dart_class_name(event)
    return [
        f"  EventKind<{name}>._(",
        f"    {event.callback_type},",
        f"    '{event.name}',",
        f"    '{name}',",
        f"    '{event.export}',",
        f"    {name}._read,",
        f"    {name}._from,",
        "  ),",
    ]


def header(completion, read_member_list, error_constants):
    only_read_member_list = sorted(read_member_list.names - completion.names)
    completion_start = f'{{"callback":{bridge_json(cat.COMPLETION_CALLBACK)}'
    event_start = f'{{"callback":{bridge_json(cat.EVENT_CALLBACK)},"callbackType":'
    lines = [
        "// Generated from tools/envelopes/catalogue.py by tools/envelopes/generate.py;",
        "// do not edit.",
        "part of 'envelope.dart';",
        "",
        f"const _completionCallback = {dart_string(cat.COMPLETION_CALLBACK)};",
        f"const _eventCallback = {dart_string(cat.EVENT_CALLBACK)};",
        f"const _base64Prefix = {dart_string(cat.BASE64_PREFIX)};",
        "",
        "// How the bridge's texts begin, up to the members that tell their kind.",
        f"const _completionStart = {dart_string(completion_start)};",
        f"const _eventStart = {dart_string(event_start)};",
        "",
        "// The error envelope's members after its routing members, which the",
        "// kind fixes but for user_data.",
        *[line for constant in error_constants for line in constant],
        "",
        "// The members that only the read-member-list completion has.",
        f"const _readMemberListOnly = [{', '.join(map(dart_string, only_read_member_list))}];",
        "",
        "// What a text that begins as a completion may be, in the order tried.",
        "const _completionReaders = <Envelope Function(EnvelopeReader)>[",
        "  Completion._read,",
        "  ReadMemberCompletion._read,",
        "  ErrorEnvelope._readLostCompletion,",
        "];",
        "",
        "/// Every kind of event, at the index of its callbackType.",
        "const eventKinds = <EventKind>[",
    ]
    for number, event in enumerate(cat.EVENTS):
        if event.callback_type != number:
            raise ValueError(f"event {event.callback_type} stands at {number}")
        lines += event_kind_entry(event)
    return lines + ["];"]


def text():
    completion, read_member_list = completion_kinds()
    error_constants = []
    error = error_class(error_constants)
    lines = header(completion, read_member_list, error_constants)
    for kind in (completion, read_member_list):
        lines += [""] + completion_class(kind)
    lines += [""] + error
    for event in cat.EVENTS:
        lines += [""] + event_class(event)
    return "\n".join(checked(lines)) + "\n"
