"""Conversion of Python objects to stored values and back."""

import decimal
import fractions
import math
import struct
import uuid

import numpy as np
import pytest

from conftest import run_script, under_address_sanitizer, under_qemu

FLT_MAX = struct.unpack("<f", b"\xff\xff\x7f\x7f")[0]
ULP_AT_FLT_MAX = 2.0**104  # spacing of floats just below 2**128


class IndexOnly:
    def __index__(self):
        return 7


class FloatOnly:
    def __float__(self):
        return 2.5


class FloatRaises:
    def __float__(self):
        raise RuntimeError("no")


class FloatWrongType:
    def __float__(self):
        return "1.0"


class FloatSub(float):
    pass


class StrWithFloat(str):
    def __float__(self):
        return 9.0


class ListWithFloat(list):
    def __float__(self):
        return 3.0


def same_float(a, b):
    return (math.isnan(a) and math.isnan(b)) or (a == b and math.copysign(1, a) == math.copysign(1, b))


@pytest.mark.parametrize(
    "stored, expected",
    [
        (1.5, 1.5),
        (0.1, 0.10000000149011612),
        (16777217, 16777216.0),
        (16777219, 16777220.0),  # halfway: ties to the even neighbour
        (1e39, math.inf),
        (-1e39, -math.inf),
        (10**100, math.inf),
        (1e-50, 0.0),
        (-1e-50, -0.0),
        (-0.0, -0.0),
        (1e-45, 1.401298464324817e-45),
        (math.inf, math.inf),
        (-math.inf, -math.inf),
        (FLT_MAX, FLT_MAX),
        (FLT_MAX + ULP_AT_FLT_MAX / 2 - 2.0**80, FLT_MAX),  # just below halfway: stays finite
        (FLT_MAX + ULP_AT_FLT_MAX / 2, math.inf),  # halfway to 2**128: rounds to infinity
        (-(FLT_MAX + ULP_AT_FLT_MAX / 2), -math.inf),
        (5, 5.0),
        (-1, -1.0),
        (-1.0, -1.0),
        (True, 1.0),
        (False, 0.0),
        (IndexOnly(), 7.0),
        (FloatOnly(), 2.5),
        (FloatSub(0.5), 0.5),
        (decimal.Decimal("1.25"), 1.25),
        (fractions.Fraction(1, 4), 0.25),
        (ListWithFloat([1.0, 2.0]), 3.0),  # the float conversion comes before the list test
        (np.float32(0.1), float(np.float32(0.1))),
        (np.float64(2.0), 2.0),
        (np.int64(7), 7.0),
        (np.True_, 1.0),
        (np.False_, 0.0),
    ],
    ids=repr,
)
def test_numbers_are_single_precision_floats(coll, stored, expected):
    coll.set("n", stored)
    got = coll.get("n")
    assert type(got) is float
    assert same_float(got, expected), (got, expected)


def test_nan_stays_nan(coll):
    coll.set("n", math.nan)
    assert math.isnan(coll.get("n"))


@pytest.mark.parametrize(
    "stored",
    ["", "x", "a\0b", "1.5", "TRUE", "550e8400-e29b-41d4-a716-446655440000", "ключ ✓ \U0001f600",
     "abcdefg", "abcdefgh", "abcdefghijklmn", "é", "ключ", StrWithFloat("text")],
    ids=repr,
)
def test_str_is_stored_as_text(coll, stored):
    coll.set("s", stored)
    got = coll.get("s")
    assert type(got) is str and got == str(stored)


@pytest.mark.parametrize(
    "stored",
    [[], {}, [1.0, "a", [2.0, []], {"k": [{}]}], {"a": {"b": {"c": "d"}}, "": 1.0},
     {**{"k" * n: float(n) for n in range(19)}, "ключ": 1.0, "é": 2.0, "\x7f": 3.0}],
    ids=repr,
)
def test_containers_round_trip(coll, stored):
    coll.set("v", stored)
    assert coll.get("v") == stored
    assert coll.get("v") == stored  # keys made before may be handed out again


def test_containers_come_back_as_plain_types(coll):
    class L(list):
        pass

    class D(dict):
        pass

    coll.set("v", L([D(a=True), 2]))
    got = coll.get("v")
    assert type(got) is list and type(got[0]) is dict
    assert got == [{"a": 1.0}, 2.0]
    assert type(got[0]["a"]) is float


def test_subclass_overrides_are_not_used(coll):
    class L(list):
        def __iter__(self):
            return iter(["wrong"])

        def __getitem__(self, i):
            return "wrong"

        def __len__(self):
            return 0

    class D(dict):
        def items(self):
            return [("wrong", "wrong")]

        def keys(self):
            return ["wrong"]

        def __iter__(self):
            return iter(["wrong"])

        def __getitem__(self, k):
            return "wrong"

    coll.set("l", L([1.0, 2.0]))
    coll.set("d", D(a=1.0))
    assert coll.get("l") == [1.0, 2.0]
    assert coll.get("d") == {"a": 1.0}


UNSUPPORTED = [
    None, (1,), (), {1}, frozenset(), b"x", bytearray(b"x"), complex(1, 2), object(),
    uuid.UUID("550e8400-e29b-41d4-a716-446655440000"), range(3), 10**400, -(10**400),
    "bad\ud800", FloatRaises(), FloatWrongType(), np.array([1.0, 2.0]),
    [1.0, None], [[[None]]], {"a": [1.0, {"b": ()}]}, ["ok", "bad\udfff"],
]


@pytest.mark.parametrize("value", UNSUPPORTED, ids=lambda v: type(v).__name__)
def test_unsupported_values(coll, value):
    with pytest.raises(ValueError) as info:
        coll.set("v", value)
    assert info.value.args == ("Unsupported data type",)
    assert info.value.__context__ is None  # errors of the failed tests are dropped
    assert coll.list() == []


@pytest.mark.parametrize(
    "value, qualname",
    [({1: 1.0}, "int"), ({None: 1.0}, "NoneType"), ({(1,): 1.0}, "tuple"), ({b"k": 1.0}, "bytes"),
     ([1.0, {"a": {2.5: "x"}}], "float")],
    ids=repr,
)
def test_dict_keys_must_be_str(coll, value, qualname):
    with pytest.raises(TypeError) as info:
        coll.set("v", value)
    assert info.value.args == (f"'{qualname}' object cannot be converted to 'PyString'",)
    assert coll.list() == []


def test_dict_key_with_surrogate_raises_encode_error(coll):
    with pytest.raises(UnicodeEncodeError):
        coll.set("v", {"a\ud800": 1.0})
    assert coll.list() == []


def test_innermost_error_is_raised(coll):
    # The key error sits inside an item that would otherwise be unsupported later.
    with pytest.raises(TypeError):
        coll.set("v", [{1: 2.0}, None])
    with pytest.raises(ValueError, match="^Unsupported data type$"):
        coll.set("v", [None, {1: 2.0}])


def test_str_subclass_dict_keys_are_text(coll):
    class K(str):
        pass

    coll.set("v", {K("a"): 1.0})
    got = coll.get("v")
    assert got == {"a": 1.0} and type(next(iter(got))) is str


def test_later_of_two_equal_keys_wins(coll):
    class Distinct(str):
        # Equal text, but a separate dict entry.
        def __hash__(self):
            return 12345

        def __eq__(self, other):
            return self is other

    coll.set("v", {"a": 1.0, Distinct("a"): 2.0})
    assert coll.get("v") == {"a": 2.0}


def test_document_keys_come_back_once_each(coll):
    # More short keys than any cache of key strings holds, in one large
    # document and in many small ones, read twice over.
    stored = {f"k{i}": float(i) for i in range(2000)}
    small = [{f"s{i}_{j}": float(j) for j in range(30)} for i in range(100)]
    coll.set("v", stored)
    coll.set("w", small)
    for _ in range(2):
        got = coll.get("v")
        assert sorted(got) == sorted(stored) and len(got) == 2000
        assert got == stored
        assert coll.get("w") == small


def fake_numpy_type(name, module="numpy", truth=None):
    namespace = {"__module__": module}
    if truth is not None:
        namespace["__bool__"] = truth
    return type(name, (), namespace)


@pytest.mark.parametrize(
    "name, module, truth, expected",
    [
        ("bool_", "numpy", lambda self: True, 1.0),
        ("bool_", "numpy", lambda self: False, 0.0),
        ("bool", "numpy", lambda self: True, 1.0),
        ("bool_", "numpy", None, None),  # no truth-value slot
        ("bool_", "numpy", lambda self: 1 / 0, None),  # the slot fails
        ("bool_", "numpyx", lambda self: True, None),
        ("Bool_", "numpy", lambda self: True, None),
        ("int_", "numpy", lambda self: True, None),
    ],
)
def test_numpy_bool_rule(coll, name, module, truth, expected):
    value = fake_numpy_type(name, module, truth)()
    if expected is None:
        with pytest.raises(ValueError, match="^Unsupported data type$"):
            coll.set("b", value)
        assert coll.list() == []
    else:
        coll.set("b", value)
        got = coll.get("b")
        assert type(got) is float and got == expected


class Interrupting:
    def __init__(self, exc):
        self.exc = exc

    def __float__(self):
        raise self.exc


@pytest.mark.parametrize("exc", [KeyboardInterrupt, SystemExit, MemoryError])
def test_interrupts_in_conversion_hooks_are_not_swallowed(coll, exc):
    with pytest.raises(exc):
        coll.set("v", [1.0, Interrupting(exc())])
    assert coll.list() == []
    coll.set("v", 1.0)  # the database is still usable
    assert coll.get("v") == 1.0


@pytest.mark.skipif(under_address_sanitizer() or under_qemu(),
                    reason="AddressSanitizer's shadow memory needs more address space than the "
                    "limit, and qemu-user does not apply it")
@pytest.mark.parametrize("thread", [False, True], ids=["main thread", "new thread"])
def test_running_out_of_memory_is_a_memory_error(thread):
    # 2**25 leaves need more memory than the limit. The std::bad_alloc that says so
    # may be the thread's first C++ exception, whose state the C++ runtime
    # would only then allocate: that must not abort the process.
    out = run_script(f"""
import resource, threading
from pyquorvane import Quorvane
resource.setrlimit(resource.RLIMIT_AS, (512 << 20, resource.RLIM_INFINITY))
db = Quorvane(); db.create_collection("c")
c = db.get_collection("c")
v = 1.0
for _ in range(25):
    v = [v, v]

def store():
    try:
        c.set("big", v)
    except MemoryError:
        print("MemoryError", c.list())

if {thread}:
    t = threading.Thread(target=store); t.start(); t.join()
else:
    store()
c.set("small", [1.0])
print(c.get("small"))
""")
    assert out == "MemoryError []\n[1.0]\n"


def test_conversion_holds_items_that_python_code_drops(coll):
    items = []

    class Shrinker:
        def __float__(self):
            items.clear()  # drops every item of the list being converted
            return 4.0

    items.extend([Shrinker(), StrWithFloat("gone"), 1.0])
    coll.set("v", items)
    # The list shrank during the conversion: its items stop at the new length.
    assert coll.get("v") == [4.0]


def test_conversion_stops_at_the_starting_length(coll):
    items = []

    class Grower:
        def __float__(self):
            items.append(99.0)
            return 1.0

    items.extend([Grower(), 2.0])
    coll.set("v", items)
    assert coll.get("v") == [1.0, 2.0]
