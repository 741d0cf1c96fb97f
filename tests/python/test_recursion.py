"""Self-containing values, and values nesting more than 512 lists and dicts
(the limit of values read from files), raise RecursionError. The deepest
accepted values work on threads with small stacks."""

import os
import platform

import pytest

from pyquorvane import Quorvane
from checking import DATA
from conftest import run_script, under_address_sanitizer


def self_list():
    items = [1.0]
    items.append(items)
    return items


def self_dict():
    d = {"a": 1.0}
    d["self"] = d
    return d


def mutual():
    a, b = [], {}
    a.append(b)
    b["a"] = a
    return a


def nested_lists(depth, value=1.0):
    for _ in range(depth):
        value = [value]
    return value


def nested_dicts(depth):
    value = 1.0
    for _ in range(depth):
        value = {"k": value}
    return value


CYCLIC = [
    pytest.param(self_list, id="self-list"),
    pytest.param(self_dict, id="self-dict"),
    pytest.param(mutual, id="list-dict-cycle"),
    pytest.param(lambda: nested_lists(100_000), id="100000-lists"),
    pytest.param(lambda: nested_dicts(100_000), id="100000-dicts"),
    pytest.param(lambda: nested_lists(513), id="513-lists"),
    pytest.param(lambda: nested_dicts(513), id="513-dicts"),
    pytest.param(lambda: nested_lists(257, nested_dicts(256)), id="513-mixed"),
]


@pytest.mark.parametrize("make", CYCLIC)
def test_unbounded_nesting_raises_recursion_error(coll, make):
    coll.set("keep", "old")
    value = make()
    with pytest.raises(RecursionError):
        coll.set("v", value)
    with pytest.raises(RecursionError):
        coll.set("keep", [value])
    assert coll.list() == ["keep"]
    assert coll.get("keep") == "old"
    coll.set("after", [[1.0]])  # the process and the database stay healthy
    assert coll.get("after") == [[1.0]]


def test_deepest_values_round_trip_and_recursion_through_hooks_stops(coll):
    for make, step in ((nested_lists, lambda v: v[0]), (nested_dicts, lambda v: v["k"])):
        coll.set("deep", make(512))
        value = coll.get("deep")
        for _ in range(512):
            value = step(value)
        assert value == 1.0

    # Conversions and reads nested through conversion hooks, each hook one
    # level deeper down the stack, until the interpreter's budget or the
    # stack ends it: the innermost hook sees RecursionError, the rest succeed.
    seen = []

    class Reader:
        def __float__(self):
            try:
                coll.get("deep")
                nest()
            except RecursionError:
                seen.append("RecursionError")
            return 0.0

    def nest():
        other = Quorvane()
        other.create_collection("c")
        other.get_collection("c").set("v", nested_lists(500, Reader()))

    nest()
    assert seen == ["RecursionError"]
    assert coll.get("deep") is not None  # still readable from a shallow stack


# The deepest values need about 200 KiB of stack on x86-64 and more than 256
# KiB on aarch64 (measured). Instrumented frames are several times larger:
# under AddressSanitizer, loading the deepest file needs about 1.5 MiB.
SMALL_STACK = (512 if platform.machine() == "aarch64" else 256) * 1024 * (
    8 if under_address_sanitizer() else 1)


def test_deepest_values_work_on_small_thread_stacks():
    # Every operation on the deepest values, from Python and from a file, and
    # the release of their database, on a thread with a 256 KiB stack. A value
    # that nests deeper is refused even where the stack would hold it.
    out = run_script(f"""
import threading
from pyquorvane import Quorvane

def nested(depth, make):
    value = 1.0
    for _ in range(depth):
        value = make(value)
    return value

SHAPES = {{"list": lambda v: [v], "dict": lambda v: {{"k": v}},
          "mixed": lambda v: [v] if isinstance(v, dict) else {{"k": v}}}}
db = Quorvane(); db.create_collection("c")
c = db.get_collection("c")
results = []
try:
    c.set("too deep", nested(5_000, SHAPES["dict"]))  # the main thread's stack holds it
    results.append("stored 5000")
except RecursionError:
    results.append("refused 5000")
values = {{name: (nested(512, make), nested(513, make)) for name, make in SHAPES.items()}}

def depth_of(value):
    depth = 0
    while not isinstance(value, float):
        value = value[0] if isinstance(value, list) else next(iter(value.values()))
        depth += 1
    return depth

def small():
    global db, c
    for name, (deepest, deeper) in values.items():
        c.set(name, deepest)
        results.append(f"{{name}} {{depth_of(c.get(name))}}")
        c.set(name, deepest)  # replaces
        try:
            c.set(name, deeper)
            results.append("stored 513")
        except RecursionError:
            results.append("refused 513")
    loaded = Quorvane.load({str(DATA / "deep.mdb")!r})
    for key in ("array-512", "document-512"):
        value = loaded.get_collection("deep").get(key)
        c.set(key, value)
        results.append(f"{{key}} {{depth_of(c.get(key))}}")
    del loaded  # released here, with its deep values
    for key in c.list():
        getattr(c, "del")(key)
    db = c = None  # the last reference: released here
    results.append("released")

threading.stack_size({SMALL_STACK})
t = threading.Thread(target=small)
t.start()
t.join()
print(results)
""")
    assert out.splitlines()[-1] == str([
        "refused 5000",
        "list 512", "refused 513", "dict 512", "refused 513", "mixed 512", "refused 513",
        "array-512 512", "document-512 512", "released"])


def test_deepest_file_loads_on_a_64_kib_thread_stack():
    # Reading a value text recurses on no level, so the load's stack does not
    # grow with nesting. aarch64's threads take 128 KiB at the least.
    stack = max(64 * 1024, os.sysconf("SC_THREAD_STACK_MIN"))
    out = run_script(f"""
import threading
from pyquorvane import Quorvane
loaded = []
threading.stack_size({stack * (8 if under_address_sanitizer() else 1)})
t = threading.Thread(target=lambda: loaded.append(Quorvane.load({str(DATA / "deep.mdb")!r})))
t.start()
t.join()
print(sorted(loaded[0].get_collection("deep").list()))
""")
    assert out.splitlines()[-1] == str(["array-512", "document-512"])
