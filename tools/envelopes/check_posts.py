#!/usr/bin/env python3
"""Checks what the bridge really posts against docs/envelopes.schema.json.

1. Runs the bridge's test programs (CTest labels "bridge" and "concurrency")
   with every post recorded (ZELBRIDGE_RECORD_POSTS), and the demo with --raw.
2. Validates every envelope the bridge posted, base64 forms after decoding
   them, and checks that the schema's kind is the one the reference's routing
   rule picks. Envelopes that the delivery tests build by hand are counted,
   not validated.
3. Prints the count per kind and fails unless every event kind arrived, with
   all its members filled and with each member the SDK may leave out empty.
4. Makes envelopes of every kind wrong and fails unless the schema rejects
   each one.

Needs python3-jsonschema. Usage: check_posts.py [--build build/dev]
"""

import argparse
import base64
import collections
import json
import os
import pathlib
import subprocess
import sys

from jsonschema import Draft202012Validator
from jsonschema.exceptions import best_match

import catalogue as cat
from generate import event_def_name

ROOT = pathlib.Path(__file__).resolve().parents[2]
SHOWN_FAILURES = 20


# ---- recording ----


def ctest_commands(build, *selection):
    listing = subprocess.run(
        ["ctest", "--test-dir", str(build), "--show-only=json-v1", *selection],
        check=True,
        capture_output=True,
        text=True,
    )
    return [test["command"] for test in json.loads(listing.stdout)["tests"]]


def record(build, recording, failures):
    """Runs the test programs into recording; returns the demo's texts. A
    program that fails is a failure, and the others still run."""
    recording.parent.mkdir(parents=True, exist_ok=True)
    recording.write_bytes(b"")
    programs = list(
        dict.fromkeys(c[0] for c in ctest_commands(build, "-L", "^(bridge|concurrency)$"))
    )
    if not programs:
        raise SystemExit(f"no bridge test programs in {build}: build the dev preset first")
    environment = dict(os.environ, ZELBRIDGE_RECORD_POSTS=str(recording))
    for program in programs:
        run = subprocess.run([program], env=environment, capture_output=True)
        print(f"   ran {pathlib.Path(program).name}: exit {run.returncode}")
        if run.returncode != 0:
            failures.append(f"{pathlib.Path(program).name} failed (exit {run.returncode})")

    (demo,) = ctest_commands(build, "-R", "^zelbridge_demo$")
    run = subprocess.run([*demo, "--raw"], capture_output=True)
    print(f"   ran {pathlib.Path(demo[0]).name} --raw: exit {run.returncode}")
    if run.returncode != 0:
        failures.append(f"the demo failed (exit {run.returncode})")
    return [line[3:] for line in run.stdout.split(b"\n") if line.startswith(b"<< ")]


Post = collections.namedtuple("Post", "source type accepted text")


def read_recording(recording):
    data = recording.read_bytes()
    posts, at = [], 0
    while at < len(data):
        end = data.index(b"\n", at)
        word, source, kind, accepted, length = data[at:end].decode().split()
        if word != "post":
            raise SystemExit(f"{recording}: no record at byte {at}")
        start = end + 1
        stop = start + int(length)
        if data[stop : stop + 1] != b"\n":
            raise SystemExit(f"{recording}: record at byte {at} is cut short")
        posts.append(Post(source, int(kind), accepted == "1", data[start:stop]))
        at = stop + 1
    return posts


# ---- validation ----


class Contract:
    """The schema, one validator per kind, and the reference's routing rule."""

    def __init__(self, schema):
        Draft202012Validator.check_schema(schema)
        self.whole = Draft202012Validator(schema)
        self.kinds = {name: Draft202012Validator(d) for name, d in schema["$defs"].items()}
        self.event_kind = {}
        for name, definition in schema["$defs"].items():
            number = definition["properties"].get("callbackType", {}).get("const")
            if isinstance(number, int):
                self.event_kind[number] = name

    @staticmethod
    def routed(envelope):
        """What the reference's routing table makes of an envelope."""
        if "callbackType" in envelope and "code" in envelope and "status" not in envelope:
            return "error"
        if envelope.get("callback") == cat.COMPLETION_CALLBACK:
            return "completion"
        if envelope.get("callback") == cat.EVENT_CALLBACK:
            return f"event {envelope.get('callbackType')}"
        return "nothing"

    def routing_of(self, kind):
        if kind in ("CompletionError", "EventError"):
            return "error"
        if kind in ("Completion", "ReadMemberListCompletion"):
            return "completion"
        number = next(n for n, name in self.event_kind.items() if name == kind)
        return f"event {number}"

    def check(self, text):
        """(form, kind, envelope) of a posted text; raises ValueError when wrong."""
        form = "text"
        if text.startswith(cat.BASE64_PREFIX.encode()):
            form = "base64"
            try:
                text = base64.b64decode(text[len(cat.BASE64_PREFIX) :], validate=True)
            except ValueError as error:
                raise ValueError(f"not base64: {error}") from None
        # As Dart's utf8.decode(allowMalformed: true): malformed bytes become
        # U+FFFD. They are why the runtime refused the plain text.
        try:
            envelope = json.loads(text.decode("utf-8", errors="replace"))
        except json.JSONDecodeError as error:
            raise ValueError(f"not JSON: {error}") from None
        if not self.whole.is_valid(envelope):
            raise ValueError(self.explain(envelope))
        likely_first = self.candidates(envelope) + list(self.kinds)
        kind = next(name for name in likely_first if self.kinds[name].is_valid(envelope))
        if self.routing_of(kind) != self.routed(envelope):
            raise ValueError(f"the schema says {kind}, routing says {self.routed(envelope)}")
        return form, kind, envelope

    def candidates(self, envelope):
        """The kinds that routing picks for an envelope."""
        route = self.routed(envelope) if isinstance(envelope, dict) else "nothing"
        if route.startswith("event "):
            kind = self.event_kind.get(envelope.get("callbackType"))
            return [kind] if kind else []
        return {
            "error": ["CompletionError", "EventError"],
            "completion": ["Completion", "ReadMemberListCompletion"],
        }.get(route, [])

    def explain(self, envelope):
        """The most telling error: against the kind that routing picks, if any."""
        for kind in self.candidates(envelope):
            error = best_match(self.kinds[kind].iter_errors(envelope))
            if error is not None:
                return f"not a valid {kind}: {error.message} at {list(error.absolute_path)}"
        return f"matches no kind: {best_match(self.whole.iter_errors(envelope)).message}"


# ---- coverage and counts ----


def null_safe_by_kind():
    """Per kind, the members the SDK may leave out (sent as "")."""

    def null_safe(members):
        return sorted(member.name for member in members if member.null_safe)

    kinds = {event_def_name(event): null_safe(event.members) for event in cat.EVENTS}
    kinds["Completion"] = null_safe(m for m, _ in cat.noted_members(cat.COMPLETION))
    kinds["ReadMemberListCompletion"] = null_safe(
        m for m, _ in cat.noted_members(cat.READ_MEMBER_LIST_COMPLETION)
    )
    kinds["CompletionError"] = kinds["EventError"] = []
    return kinds


NULL_SAFE = null_safe_by_kind()


class Tally:
    def __init__(self, contract, schema):
        self.contract = contract
        self.defs = schema["$defs"]
        self.counts = collections.defaultdict(collections.Counter)
        self.empty_seen = collections.defaultdict(set)
        self.filled = collections.Counter()

    def add(self, form, kind, envelope):
        self.counts[kind][form] += 1
        if kind == "EventError":
            self.counts[self.contract.event_kind[envelope["callbackType"]]]["error"] += 1
        if kind == "CompletionError":
            self.counts["Completion"]["error"] += 1
        properties = self.defs[kind]["properties"]
        if all(v != "" or "const" in properties[n] for n, v in envelope.items()):
            self.filled[kind] += 1
        for name in NULL_SAFE[kind]:
            if envelope[name] == "":
                self.empty_seen[kind].add(name)

    def print_table(self):
        print(f"   {'kind':<52} {'text':>6} {'base64':>6} {'errors':>6} {'filled':>6}  empty")
        rows = ["Completion", "ReadMemberListCompletion", "CompletionError", "EventError"]
        rows += [self.contract.event_kind[n] for n in sorted(self.contract.event_kind)]
        for kind in rows:
            count = self.counts[kind]
            number = next((n for n, k in self.contract.event_kind.items() if k == kind), None)
            label = kind if number is None else f"{number:>2} {kind}"
            safe = NULL_SAFE[kind]
            empty = f"{len(self.empty_seen[kind])}/{len(safe)}" if safe else "-"
            print(
                f"   {label:<52} {count['text']:>6} {count['base64']:>6} {count['error']:>6}"
                f" {self.filled[kind]:>6}  {empty}"
            )

    def gaps(self):
        gaps = []
        for number in range(len(cat.EVENTS)):
            kind = self.contract.event_kind.get(number)
            if kind is None or self.counts[kind]["text"] == 0:
                gaps.append(f"event {number} was never posted")
                continue
            if self.filled[kind] == 0:
                gaps.append(f"event {number} never arrived with all its texts filled")
            missing = set(NULL_SAFE[kind]) - self.empty_seen[kind]
            if missing:
                gaps.append(f"event {number} never arrived with {sorted(missing)} empty")
        for kind in ["Completion", "ReadMemberListCompletion", "CompletionError", "EventError"]:
            if sum(self.counts[kind].values()) == 0:
                gaps.append(f"no {kind} was posted")
        if not any(count["base64"] for count in self.counts.values()):
            gaps.append("no base64 form was posted")
        return gaps


# ---- wrong envelopes ----


def other_payload(defs, kind):
    """Payload member names and types, to tell events of one shape apart."""
    properties = defs[kind]["properties"]
    return sorted((n, p.get("type")) for n, p in properties.items() if n != "callbackType")


def other_shapes(contract, defs, number):
    """The nearest numbers below and above, and the first and the last, of
    events whose payload differs from event number's (27 to 31, for one, share
    a payload, so only callbackType tells them apart)."""
    shape = other_payload(defs, contract.event_kind[number])
    others = [
        n
        for n in sorted(contract.event_kind)
        if other_payload(defs, contract.event_kind[n]) != shape
    ]
    below = [n for n in others if n < number][-1:]
    above = [n for n in others if n > number][:1]
    return sorted(set(below + above + others[:1] + others[-1:]))


def wrong_envelopes(contract, defs, examples):
    """(how it is wrong, envelope or posted text) for each example's kind."""
    for kind, envelope in examples.items():
        properties = defs[kind]["properties"]
        if kind in contract.event_kind.values():
            for number in other_shapes(contract, defs, envelope["callbackType"]):
                yield "another callbackType", {**envelope, "callbackType": number}
            for number in (-1, len(cat.EVENTS), str(envelope["callbackType"]), None):
                yield "callbackType out of range or no number", {**envelope, "callbackType": number}
        for name in properties:
            yield "a member missing", {n: v for n, v in envelope.items() if n != name}
            yield "a misspelt member", {
                (n[:-1] if n == name else n): v for n, v in envelope.items()
            }
            value, schema = envelope[name], properties[name]
            if schema.get("type") == "string":
                yield "a number where a text belongs", {**envelope, name: 7}
                if schema.get("contentMediaType") and value:
                    yield "an SDK document not sent as text", {**envelope, name: [value]}
            if schema.get("type") == "integer" and "const" not in schema:
                yield "a text where a number belongs", {**envelope, name: str(value)}
                yield "a number out of range", {**envelope, name: schema["maximum"] + 1}
                yield "a number out of range", {**envelope, name: schema["minimum"] - 1}
            if schema.get("type") == "boolean":
                yield "a text where a bool belongs", {**envelope, name: "true"}
            if "const" in schema and name != "callbackType":
                wrong = schema["const"] + 1 if isinstance(schema["const"], int) else "x"
                yield "a fixed member with another value", {**envelope, name: wrong}
        yield "an extra member", {**envelope, "extra": ""}
    if "Completion" in examples:
        yield "the routing members of an event on a completion", {
            **examples["Completion"],
            "callback": cat.EVENT_CALLBACK,
        }
    if "CompletionError" in examples:
        yield "an error envelope of a completion with a number", {
            **examples["CompletionError"],
            "callbackType": 7,
        }
    yield "not an object", []
    yield "not an object", "globalCallback"
    yield "not an object", None


def as_text(envelope):
    return json.dumps(envelope, separators=(",", ":"), sort_keys=True).encode()


def check_wrong(contract, defs, examples):
    made = collections.Counter()
    passed = []
    for how, envelope in wrong_envelopes(contract, defs, examples):
        for form, text in (
            ("text", as_text(envelope)),
            ("base64", b"base64:" + base64.b64encode(as_text(envelope))),
        ):
            made[how] += 1
            try:
                contract.check(text)
                passed.append(f"{how} ({form}): {text[:200]!r}")
            except ValueError:
                pass
    for how, text in (("base64 that is not base64", b"base64:e30*"), ("not JSON", b'{"callback"')):
        made[how] += 1
        try:
            contract.check(text)
            passed.append(f"{how}: {text!r}")
        except ValueError:
            pass
    return made, passed


# ---- the run ----


class Recorded:
    """Every envelope the bridge posted, checked once per distinct text."""

    def __init__(self, contract, schema):
        self.contract = contract
        self.schema = schema
        self.results = {}
        self.tally = Tally(contract, schema)
        self.examples = {}  # per kind, a valid envelope to make wrong
        self.demo_documents = 0
        self.failures = []

    def result(self, text):
        if text not in self.results:
            try:
                self.results[text] = self.contract.check(text)
            except ValueError as error:
                self.results[text] = error
                self.failures.append(f"{error}: {text[:300]!r}")
        return self.results[text]

    def add(self, text, from_demo=False):
        result = self.result(text)
        if isinstance(result, ValueError):
            return
        form, kind, envelope = result
        self.tally.add(form, kind, envelope)
        if form == "text" and (kind not in self.examples or "" not in envelope.values()):
            self.examples[kind] = envelope
        if from_demo:
            self.check_documents(kind, envelope)

    def check_documents(self, kind, envelope):
        """The demo's SDK texts are real documents: those marked as SDK JSON
        must decode."""
        for name, value in envelope.items():
            member = self.schema["$defs"][kind]["properties"][name]
            if not member.get("contentMediaType") or not value:
                continue
            try:
                json.loads(value)
                self.demo_documents += 1
            except json.JSONDecodeError:
                self.failures.append(f"demo: {kind}.{name} is no SDK JSON: {value[:200]!r}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=ROOT / "build" / "dev", type=pathlib.Path)
    parser.add_argument(
        "--schema", default=ROOT / "docs" / "envelopes.schema.json", type=pathlib.Path
    )
    args = parser.parse_args()
    schema = json.loads(args.schema.read_text(encoding="utf-8"))
    contract = Contract(schema)
    failures = []

    print("== recording what the bridge posts")
    recording = args.build / "envelopes" / "posts.rec"
    demo_texts = record(args.build, recording, failures)
    posts = read_recording(recording)
    bridge = [p for p in posts if p.source == "bridge"]
    hand_made = [p for p in posts if p.source == "hand-made"]
    failures += [
        f"a post of Dart_CObject type {p.type}, not a string" for p in bridge if p.type != 5
    ]

    recorded = Recorded(contract, schema)
    for post in bridge:
        recorded.add(post.text)
    for text in demo_texts:
        recorded.add(text, from_demo=True)
    failures += recorded.failures
    hand_made_invalid = sum(
        isinstance(Recorded(contract, schema).result(text), ValueError)
        for text in set(p.text for p in hand_made)
    )

    refused = sum(not p.accepted for p in bridge)
    print(
        f"== {len(bridge) + len(demo_texts)} envelopes posted by the bridge validated:"
        f" {len(bridge)} by the test programs ({refused} of them refused by the runtime"
        f" stand-in),\n   {len(demo_texts)} by the demo; {len(recorded.results)} distinct texts."
        " Per kind:"
    )
    recorded.tally.print_table()
    print(
        "   (errors: error envelopes that replaced one of this kind; filled: every text"
        " non-empty; empty: members the SDK may leave out, seen empty)"
    )
    print(f"   {recorded.demo_documents} SDK JSON members of the demo's envelopes decoded as JSON")
    print(
        f"   not validated: {len(hand_made)} envelopes the delivery tests built by hand"
        f" ({hand_made_invalid} distinct ones of them are no valid envelope, on purpose)"
    )
    failures += recorded.tally.gaps()

    print("== wrong envelopes, each posted as text and in base64")
    made, passed = check_wrong(contract, schema["$defs"], recorded.examples)
    for how, count in made.items():
        print(f"   {how:<52} {count:>5} made")
    print(f"   {sum(made.values())} made, {sum(made.values()) - len(passed)} rejected")
    failures += [f"a wrong envelope passed: {p}" for p in passed]
    missing = sorted(set(schema["$defs"]) - set(recorded.examples))
    if missing:
        failures.append(f"no valid envelope to make wrong of {missing}")

    if failures:
        print(f"== envelope check FAILED: {len(failures)} problems")
        for failure in failures[:SHOWN_FAILURES]:
            print(f"   {failure}")
        if len(failures) > SHOWN_FAILURES:
            print(f"   ... and {len(failures) - SHOWN_FAILURES} more")
        return 1
    print(f"== envelope check passed: all {len(cat.EVENTS)} event kinds, every envelope valid")
    return 0


if __name__ == "__main__":
    sys.exit(main())
