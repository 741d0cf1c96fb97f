"""Self-containing and very deeply nested values raise RecursionError."""

import pytest

from pyquorvane import Quorvane


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


def test_deep_values_round_trip_and_reading_is_guarded_too(coll):
    depth = deepest_storable(coll) - 5  # a margin for the caller's own frames
    assert depth > 100
    coll.set("deep", nested_lists(depth))
    value = coll.get("deep")
    for _ in range(depth):
        value = value[0]
    assert value == 1.0

    # Read the deep value while a conversion already uses part of the depth
    # budget: set's conversion of a nested list calls __float__ at its bottom,
    # which reads the deep value of another database.
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

    outer.set("v", nested_lists(50, Reader()))
    assert seen == ["RecursionError"]
    assert coll.get("deep") is not None  # still readable from a shallow stack
