"""The panic exception, raised when a dict changes while it is converted, and
reads that fail: neither leaves the database unusable."""

import json

import pytest

from pyquorvane import Quorvane
from conftest import panic_type, run_script, under_address_sanitizer, under_qemu

SIZE = "dictionary changed size during iteration"
KEYS = "dictionary keys changed during iteration"


def hook(action):
    """A value whose float conversion runs `action`."""

    class Hook:
        def __float__(self):
            action()
            return 1.0

    return Hook()


# How a conversion hook (third value of {"k1" ... "k5"}) changes the dict.
CHANGES = {
    "add a key": (lambda d: d.__setitem__("added", 1.0), SIZE),
    "delete a later key": (lambda d: d.pop("k4"), SIZE),
    "delete the last key": (lambda d: d.pop("k5"), SIZE),
    "clear": (lambda d: d.clear(), SIZE),
    "replace an earlier key": (lambda d: (d.pop("k1"), d.__setitem__("z", 1.0)), KEYS),
    "replace a later key": (lambda d: (d.pop("k4"), d.__setitem__("z", 1.0)), KEYS),
    "replace two earlier keys": (lambda d: (d.pop("k1"), d.pop("k2"), d.update(y=1, z=2)), KEYS),
    "replace all keys": (lambda d: (d.clear(), d.update(v=0.0, w=0.0, x=1.0, y=2.0, z=3.0)), KEYS),
    "clear and refill": (lambda d: (d.clear(), d.update({f"k{i}": 1 for i in range(1, 6)})), KEYS),
}


@pytest.mark.parametrize("where", ["top level", "in a list", "outer dict, from an inner hook"])
@pytest.mark.parametrize("change", list(CHANGES))
def test_dict_changed_during_conversion_panics_and_stores_nothing(db, change, where):
    coll = db.get_collection("c")
    coll.set("keep", "old")
    act, message = CHANGES[change]
    target = {"k1": 1.0, "k2": 2.0}
    third = hook(lambda: act(target))
    target["k3"] = {"inner": third} if where.startswith("outer") else third
    target.update(k4=4.0, k5=5.0)
    with pytest.raises(BaseException) as info:
        try:
            coll.set("k", [target] if where == "in a list" else target)
        except Exception:  # noqa: BLE001 - must not catch the panic
            pytest.fail("the panic was caught as an Exception")
    assert type(info.value) is panic_type()
    assert str(info.value) == message
    # Nothing was stored, and the lock was not marked failed: conversion
    # comes before any change to the store.
    assert sorted(coll.list()) == ["keep"] and coll.get("keep") == "old"
    coll.set("k", {"a": 1.0})
    assert db.list_collections() == ["c"] and coll.get("k") == {"a": 1.0}


def test_new_value_for_a_present_key_is_no_change(coll):
    target = {}
    target["a"] = hook(lambda: target.__setitem__("c", 5.0))
    target["b"] = 2.0
    target["c"] = 3.0
    coll.set("k", target)
    assert coll.get("k") == {"a": 1.0, "b": 2.0, "c": 5.0}


def test_dict_changes_are_caught_without_a_dict_watcher():
    # A child process takes every dict watcher of the interpreter before the
    # module is imported, then runs the two tests above.
    run_script(f"""
import ctypes, sys
import pytest
Callback = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_int, *[ctypes.py_object] * 3)
callback = Callback(lambda *args: 0)
add_watcher = ctypes.pythonapi.PyDict_AddWatcher
add_watcher.argtypes = [Callback]
try:
    while True:
        add_watcher(callback)
except RuntimeError:
    pass
sys.stdout = sys.stderr  # a failure's report goes with the exit status
sys.exit(pytest.main(["-q", "-p", "no:cacheprovider", {__file__!r},
                      "-k", "changed_during_conversion or no_change"]))
""")


# Reads whose result cannot be made (a MemoryError under an address-space
# limit, in a child process) fail alone: every later call works.
FAILED_READS_SCRIPT = r"""
import json, resource
from pyquorvane import Quorvane

def outcome(call):
    try:
        return ["ok", repr(call())]
    except BaseException as exc:
        return [type(exc).__name__, str(exc)]

db = Quorvane()
for name in ("c", "d", "n" * (48 << 20)):
    db.create_collection(name)
c, other = db.get_collection("c"), db.get_collection("d")
c.set("keep", "old")
c.set("big", "x" * (64 << 20))
for i in range(48):
    other.set("%d" % i * (1 << 20), 1.0)
with open("/proc/self/status") as status:
    size = next(int(line.split()[1]) * 1024 for line in status if line.startswith("VmSize:"))
_, hard = resource.getrlimit(resource.RLIMIT_AS)
resource.setrlimit(resource.RLIMIT_AS, (size + (32 << 20), hard))
failed = [outcome(lambda: c.get("big")), outcome(other.list), outcome(db.list_collections)]
resource.setrlimit(resource.RLIMIT_AS, (hard, hard))
CALLS = {
    "get": lambda: c.get("keep"),
    "set": lambda: c.set("x", 1.0),
    "del": lambda: getattr(c, "del")("keep"),
    "list": c.list,
    "other collection": lambda: other.get("x"),
    "create_collection": lambda: db.create_collection("new"),
    "list_collections": lambda: len(db.list_collections()),
    "get_collection": lambda: db.get_collection("c") and None,
}
print(json.dumps({"failed": failed, **{name: outcome(call) for name, call in CALLS.items()}}))
"""


def test_a_read_that_fails_leaves_the_database_usable():
    if under_address_sanitizer():
        pytest.skip("AddressSanitizer reserves terabytes of address space: no limit applies")
    if under_qemu():
        pytest.skip("qemu-user applies no address-space limit")
    results = json.loads(run_script(FAILED_READS_SCRIPT))
    assert results.pop("failed") == [["MemoryError", ""]] * 3
    assert results == {"get": ["ok", "'old'"], "set": ["ok", "None"], "del": ["ok", "None"],
                       "list": ["ok", "['big', 'x']"],
                       "other collection": ["ValueError", "error getting key"],
                       "create_collection": ["ok", "None"], "list_collections": ["ok", "4"],
                       "get_collection": ["ok", "None"]}
