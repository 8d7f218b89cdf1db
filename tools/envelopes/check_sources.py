#!/usr/bin/env python3
"""Checks catalogue.py against the bridge's sources: each listener export is
declared in include/zelbridge.h and registers, through the SDK function the
catalogue names, an adapter that posts the catalogue's number with its members
of their kinds; and the completion and error envelopes set the catalogue's
members. Exits 1 on any difference, listing each.

Usage: check_sources.py [--root REPOSITORY] [--simulate-rename OLD NEW]

--simulate-rename reads the listener sources with the first member OLD that
an adapter posts renamed to NEW, to show that the check catches a rename.
"""

import argparse
import pathlib
import re
import sys

import catalogue as cat

# How an adapter makes each member's value (src/event_envelope.h).
VALUE_KINDS = {
    "Text": {"string", "json"},
    "Int": {"int32"},
    "UInt": {"uint32"},
    "Int64": {"int64"},
    "Bool": {"bool"},
}

EXPORT = re.compile(
    r"ZELBRIDGE_EXPORT int (\w+)\(\s*const char\* user_data\) \{"
    r"\s*return (\w+)\(\s*(\w+),\s*user_data\);"
)
# An adapter runs up to the next adapter or export.
ADAPTER = re.compile(
    r"^static void (\w+)\((.*?)(?=^static void |^ZELBRIDGE_EXPORT |\Z)", re.M | re.S
)
# Other functions end at a closing brace in the first column.
FUNCTION = re.compile(r"^void (\w+)\([^)]*\) \{\n(.*?)^\}", re.M | re.S)
POST = re.compile(r"PostEvent\(user_data,\s*(\d+)")
MEMBER = re.compile(r'(?:event|envelope|error)\["(\w+)"\] = (\w+)\(')


def listener_exports_in_header(header):
    return set(
        re.findall(
            r"ZELBRIDGE_EXPORT int (Dart(?:Set|Add)\w+Callback)\(\s*const char\* user_data\);",
            header,
        )
    )


def problems_of_events(sources, header):
    exports = {
        name: (registration, adapter) for name, registration, adapter in EXPORT.findall(sources)
    }
    functions = dict(ADAPTER.findall(sources))
    declared = listener_exports_in_header(header)
    problems = []
    for extra in sorted(set(exports) - {e.export for e in cat.EVENTS}):
        problems.append(f"{extra}: a listener export that the catalogue lacks")
    for extra in sorted(declared - {e.export for e in cat.EVENTS}):
        problems.append(f"{extra}: declared in the header, missing from the catalogue")
    for event in cat.EVENTS:
        where = f"event {event.callback_type} ({event.export})"
        if event.export not in declared:
            problems.append(f"{where}: not declared in include/zelbridge.h")
        if event.export not in exports:
            problems.append(f"{where}: no such export in src/listeners_*.cpp")
            continue
        registration, adapter = exports[event.export]
        if registration != event.registration:
            problems.append(
                f"{where}: registers with {registration}, the catalogue says {event.registration}"
            )
        body = functions.get(adapter)
        if body is None:
            problems.append(f"{where}: its adapter {adapter} was not found")
            continue
        numbers = POST.findall(body)
        if numbers != [str(event.callback_type)]:
            problems.append(f"{where}: its adapter {adapter} posts callbackType {numbers}")
        posted = dict(MEMBER.findall(body))
        expected = {m.name: m.kind for m in event.members}
        for name in sorted(set(posted) - set(expected)):
            problems.append(f'{where}: posts "{name}", which the catalogue lacks')
        for name in sorted(set(expected) - set(posted)):
            problems.append(f'{where}: the catalogue\'s "{name}" is not posted')
        for name in sorted(set(posted) & set(expected)):
            if expected[name] not in VALUE_KINDS.get(posted[name], set()):
                made, kind = posted[name], expected[name]
                problems.append(f'{where}: "{name}" is made with {made}, the catalogue says {kind}')
    return problems


def problems_of_other_envelopes(completion_source, delivery_source):
    functions = {
        **dict(FUNCTION.findall(completion_source)),
        **dict(FUNCTION.findall(delivery_source)),
    }
    error_body = re.search(
        r"json::Object ErrorEnvelopeFor\(json::Object& envelope\) \{\n(.*?)^\}",
        delivery_source,
        re.M | re.S,
    )
    bodies = {
        "completion (DartZelCommonCallback)": (
            functions.get("DartZelCommonCallback"),
            cat.COMPLETION,
        ),
        "read-member-list completion": (
            functions.get("DartGetGroupMessageReadMemberListCallback"),
            cat.READ_MEMBER_LIST_COMPLETION,
        ),
        "error envelope (ErrorEnvelopeFor)": (error_body and error_body.group(1), cat.ERROR),
    }
    problems = []
    for what, (body, rows) in bodies.items():
        if body is None:
            problems.append(f"{what}: not found in the sources")
            continue
        set_members = set(re.findall(r'(?:envelope|error)\["(\w+)"\] =', body))
        expected = {member.name for member, _ in cat.noted_members(rows)}
        if set_members != expected:
            problems.append(
                f"{what}: sets {sorted(set_members)}, the catalogue says {sorted(expected)}"
            )
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument(
        "--root", default=pathlib.Path(__file__).resolve().parents[2], type=pathlib.Path
    )
    parser.add_argument("--simulate-rename", nargs=2, metavar=("OLD", "NEW"))
    args = parser.parse_args()
    root = args.root
    listeners = "".join(
        p.read_text(encoding="utf-8") for p in sorted(root.glob("src/listeners_*.cpp"))
    )
    if args.simulate_rename:
        old, new = args.simulate_rename
        listeners = listeners.replace(f'event["{old}"]', f'event["{new}"]', 1)
    header = (root / "include" / "zelbridge.h").read_text(encoding="utf-8")
    problems = problems_of_events(listeners, header)
    problems += problems_of_other_envelopes(
        (root / "src" / "completion.cpp").read_text(encoding="utf-8"),
        (root / "src" / "im_api_ffi.cpp").read_text(encoding="utf-8"),
    )
    if problems:
        print("Envelope catalogue check failed:")
        print("\n".join(f"  {p}" for p in problems))
        return 1
    print(f"the catalogue's {len(cat.EVENTS)} events, completions and error match the sources")
    return 0


if __name__ == "__main__":
    sys.exit(main())
