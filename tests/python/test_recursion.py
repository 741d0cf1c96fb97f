"""Self-containing and very deeply nested values raise RecursionError."""

import pytest

from pyquorvane import Quorvane
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


def deepest_storable(coll):
    """The largest list depth that set accepts, found by bisection."""
    low, high = 1, 200_000
    while low < high:
        mid = (low + high + 1) // 2
        try:
            coll.set("probe", nested_lists(mid))
            low = mid
        except RecursionError:
            high = mid - 1
    return low


@pytest.mark.skipif(
    under_address_sanitizer(),
    reason="instrumented frames are several times larger, so the thread's stack, not the "
    "interpreter's recursion budget, bounds reading a deep value before storing it",
)
def test_deep_values_round_trip_and_reading_is_guarded_too(coll):
    depth = deepest_storable(coll) - 5  # a margin for the caller's own frames
    assert depth > 100
    coll.set("deep", nested_lists(depth))
    value = coll.get("deep")
    for _ in range(depth):
        value = value[0]
    assert value == 1.0

    # Read the deep value while a conversion already uses most of the depth
    # budget: set's conversion of a deeply nested list calls __float__ at its
    # bottom, which reads the deep value of another database.
    other = Quorvane()
    other.create_collection("c")
    outer = other.get_collection("c")
    seen = []

    class Reader:
        def __float__(self):
            try:
                coll.get("deep")
                seen.append("read")
            except RecursionError:
                seen.append("RecursionError")
            return 0.0

    outer.set("v", nested_lists(depth - 10, Reader()))
    assert seen == ["RecursionError"]
    assert coll.get("deep") is not None  # still readable from a shallow stack


def test_small_thread_stacks_raise_instead_of_crashing():
    # The interpreter's recursion budget assumes a full-size stack; in a thread
    # started with a small one, the stack itself must bound the conversions.
    out = run_script("""
import threading
from pyquorvane import Quorvane

def nested(depth, make):
    value = 1.0
    for _ in range(depth):
        value = make(value)
    return value

db = Quorvane(); db.create_collection("c")
c = db.get_collection("c")
depth = 1
while depth < 200_000:          # the deepest value the main thread can store
    try:
        c.set("deep", nested(depth * 2, lambda v: [v]))
        depth *= 2
    except RecursionError:
        break
results = []
# Built (and later freed) here: the interpreter's own deallocation of such a
# value may itself need a full-size stack.
values = [nested(100_000, lambda v: [v]), nested(100_000, lambda v: {"k": v})]

def small():
    for value in values:
        try:
            c.set("v", value)
            results.append("stored")
        except RecursionError:
            results.append("RecursionError")
    try:
        c.get("deep")
        results.append("read")
    except RecursionError:
        results.append("RecursionError")

threading.stack_size(256 * 1024)
t = threading.Thread(target=small)
t.start()
t.join()
print(results, c.list())
""")
    results, _, keys = out.partition("] ")
    assert results.startswith("['RecursionError', 'RecursionError'")
    assert results.count("RecursionError") + results.count("read") == 3
    assert keys.strip() == "['deep']"
