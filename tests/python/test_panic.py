"""The panic exception and the database lock it leaves marked as failed."""

import pytest

from pyquorvane import Quorvane
from conftest import panic_type

POISONED = "database lock poisoned by an earlier panic"


def grow(target):
    class Grow:
        def __float__(self):
            target["added"] = 1.0
            return 1.0

    return Grow()


def swap(target):
    class Swap:
        def __float__(self):
            del target["a"]  # same size, but one entry more to visit
            target["z"] = 1.0
            return 1.0

    return Swap()


def shrink(target):
    class Shrink:
        def __float__(self):
            del target["b"]
            return 1.0

    return Shrink()


@pytest.mark.parametrize(
    "make, message",
    [
        (grow, "dictionary changed size during iteration"),
        (shrink, "dictionary changed size during iteration"),
        (swap, "dictionary keys changed during iteration"),
    ],
)
def test_dict_changed_during_conversion_panics(db, make, message):
    coll = db.get_collection("c")
    coll.set("keep", "old")
    target = {}
    target["a"] = make(target)
    target["b"] = 2.0
    target["c"] = 3.0
    with pytest.raises(BaseException) as info:
        try:
            coll.set("k", [target])
        except Exception:  # noqa: BLE001 - must not catch the panic
            pytest.fail("the panic was caught as an Exception")
    assert type(info.value) is panic_type()
    assert str(info.value) == message


@pytest.fixture
def poisoned():
    db = Quorvane()
    db.create_collection("c")
    db.create_collection("d")
    c = db.get_collection("c")
    c.set("keep", "old")
    other = db.get_collection("d")
    target = {}
    target["a"] = grow(target)
    target["b"] = 2.0
    with pytest.raises(panic_type()):
        c.set("k", target)
    return db, c, other


CALLS_THAT_LOCK = [
    ("get", lambda db, c, other: c.get("keep")),
    ("set", lambda db, c, other: c.set("x", 1.0)),
    ("del", lambda db, c, other: getattr(c, "del")("keep")),
    ("list", lambda db, c, other: c.list()),
    ("other collection", lambda db, c, other: other.get("x")),
    ("create_collection", lambda db, c, other: db.create_collection("new")),
    ("list_collections", lambda db, c, other: db.list_collections()),
    ("get_collection", lambda db, c, other: db.get_collection("c")),
]


@pytest.mark.parametrize("call", [c for _, c in CALLS_THAT_LOCK], ids=[n for n, _ in CALLS_THAT_LOCK])
def test_failed_lock_refuses_every_later_call(poisoned, call):
    panic = panic_type()
    for _ in range(2):  # and keeps refusing
        with pytest.raises(panic) as info:
            call(*poisoned)
        assert str(info.value) == POISONED


def test_failed_lock_leaves_the_rest_alone(poisoned):
    db, c, other = poisoned
    assert db.get_version() == "0.2.0"  # takes no lock
    fresh = Quorvane()
    fresh.create_collection("c")
    fresh.get_collection("c").set("k", 1.0)
    assert fresh.get_collection("c").get("k") == 1.0


def test_argument_errors_come_before_the_failed_lock(poisoned):
    db, c, other = poisoned
    with pytest.raises(TypeError, match="missing 1 required positional argument"):
        c.get()
    with pytest.raises(TypeError, match="cannot be converted to 'PyString'"):
        db.get_collection(1)
