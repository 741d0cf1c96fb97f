"""Helpers for the tests of quorvane-check: running it, loading files with the
module in a child process, and comparing the two."""

import json
import math
import pathlib
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
DATA = ROOT / "tests" / "data"
SAMPLE_FILES = sorted(ROOT.glob("examples/*.mdb")) + sorted(DATA.glob("*.mdb"))

# Written straight to file descriptor 1 between files, as the module's own
# messages are, so the two stay in order.
MARKER = "\x1fnext file\x1f"

_CHILD = r"""
import json, os, sys
from pyquorvane import Quorvane

results = []
for path in sys.argv[2:]:
    os.write(1, (sys.argv[1] + "\n").encode())
    try:
        db = Quorvane.load(path)
    except FileNotFoundError:
        results.append(None)
        continue
    content = {}
    for name in db.list_collections():
        if name not in content:
            c = db.get_collection(name)
            content[name] = {k: c.get(k) for k in c.list()}
    results.append(content)
sys.stderr.write(json.dumps(results))
"""


def checker():
    """The checker installed next to this interpreter with the package."""
    path = pathlib.Path(sys.executable).parent / "quorvane-check"
    assert path.exists(), f"quorvane-check is not installed in {path.parent}"
    return str(path)


def run_checker(*args, input=None, timeout=120):
    return subprocess.run([checker(), *map(str, args)], capture_output=True, text=True,
                          input=input, timeout=timeout)


def refuse_constant(name):
    raise ValueError(f"not strict JSON: {name}")


def strict_json(text):
    """json.loads that refuses NaN, Infinity and -Infinity."""
    return json.loads(text, parse_constant=refuse_constant)


def from_typed(value):
    """A value of --typed-json output as the module returns it."""
    [(kind, inner)] = value.items()
    if kind == "Number":
        return float(inner)
    if kind == "Boolean":
        return 1.0 if inner else 0.0
    if kind == "Array":
        items = []
        for item in inner:
            items.append(from_typed(item))
        return items
    if kind == "Document":
        entries = {}
        for key in inner:
            entries[key] = from_typed(inner[key])
        return entries
    assert kind in ("Id", "Text"), kind
    return inner


def describe(value):
    """A value the module returned as the checker's warnings name it."""
    if isinstance(value, float):
        return repr(value)
    if isinstance(value, str):
        return f'"{value}"'
    if isinstance(value, list):
        # List comprehensions take no frame of their own: a 512-deep value
        # stays inside the recursion limit.
        return "[" + ", ".join([describe(v) for v in value]) + "]"
    keys = sorted(value, key=lambda k: k.encode())
    return "{" + ", ".join([f"{k}: {describe(value[k])}" for k in keys]) + "}"


def load_with_module(paths):
    """Loads each file with Quorvane.load in one child process. Returns, per
    file, (the lines the module printed, {name: {key: value}} for every
    collection reachable by name, or None when the load failed)."""
    result = subprocess.run([sys.executable, "-c", _CHILD, MARKER, *map(str, paths)],
                            capture_output=True, text=True, timeout=120)
    assert result.returncode == 0, result.stderr
    contents = json.loads(result.stderr)
    printed = result.stdout.split(MARKER + "\n")[1:]
    assert len(printed) == len(contents) == len(paths)
    return [(p.splitlines(), c) for p, c in zip(printed, contents)]


def reachable(collections):
    """The collections of the checker's JSON that get_collection finds: the
    first of each name."""
    found = {}
    for collection in collections:
        found.setdefault(collection["name"], collection["entries"])
    return found


class deep_recursion:
    """Room for the Python-level recursion of the helpers below on values
    nested to the loader's depth limit of 512."""

    def __enter__(self):
        self.saved = sys.getrecursionlimit()
        sys.setrecursionlimit(max(self.saved, 5000))

    def __exit__(self, *exc):
        sys.setrecursionlimit(self.saved)


def as_module_returns(value):
    """A value of the checker's JSON as the module returns it: booleans as
    1.0 and 0.0. Plain loops, no comprehensions: on Python 3.12 those recurse
    through C and meet its lower limit at the loader's depth limit."""
    if isinstance(value, bool):
        return 1.0 if value else 0.0
    if isinstance(value, list):
        items = []
        for item in value:
            items.append(as_module_returns(item))
        return items
    if isinstance(value, dict):
        entries = {}
        for key in value:
            entries[key] = as_module_returns(value[key])
        return entries
    return value


def same(a, b):
    """Equal values of equal types; NaN equals NaN and -0.0 differs from 0.0."""
    if type(a) is not type(b):
        return False
    if isinstance(a, float):
        if math.isnan(a) or math.isnan(b):
            return math.isnan(a) and math.isnan(b)
        return a == b and math.copysign(1, a) == math.copysign(1, b)
    if isinstance(a, list):
        if len(a) != len(b):
            return False
        for x, y in zip(a, b):
            if not same(x, y):
                return False
        return True
    if isinstance(a, dict):
        if a.keys() != b.keys():
            return False
        for key in a:
            if not same(a[key], b[key]):
                return False
        return True
    return a == b


def report_lines(stdout, path):
    """The 'FILE:LINE: kind: explanation' lines of a report (also
    'FILE:LINE:COLUMN: ...'), as (line, kind, explanation)."""
    prefix = f"{path}:"
    found = []
    for line in stdout.split("\n"):
        if not line.startswith(prefix):
            continue
        rest = line[len(prefix):]
        number, _, rest = rest.partition(": ")
        number = number.split(":")[0]
        if number.isdigit():
            kind, _, explanation = rest.partition(": ")
            found.append((int(number), kind, explanation))
    return found


def module_messages(report):
    """The module's messages that the checker's error lines quote, in order."""
    tail = '; the module prints "'
    return [e[e.rindex(tail) + len(tail):-1] for _, kind, e in report
            if kind == "error" and tail in e]
