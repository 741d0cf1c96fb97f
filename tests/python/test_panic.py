"""The panic exception, and the database lock a panic leaves marked as failed
when it happens while the lock is held outside a conversion."""

import json

import pytest

from pyquorvane import Quorvane
from conftest import panic_type, run_script, under_address_sanitizer

POISONED = "database lock poisoned by an earlier panic"
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


# A get whose result the interpreter cannot make (a MemoryError under an
# address-space limit, in a child process) leaves the lock marked failed; the
# child then reports what every later call raises.
POISON_SCRIPT = r"""
import json, resource
from pyquorvane import Quorvane

def outcome(call):
    try:
        return ["ok", repr(call())]
    except BaseException as exc:
        return [type(exc).__name__, str(exc)]

db = Quorvane()
db.create_collection("c")
db.create_collection("d")
c, other = db.get_collection("c"), db.get_collection("d")
c.set("keep", "old")
c.set("big", "x" * (64 << 20))
with open("/proc/self/status") as status:
    size = next(int(line.split()[1]) * 1024 for line in status if line.startswith("VmSize:"))
_, hard = resource.getrlimit(resource.RLIMIT_AS)
resource.setrlimit(resource.RLIMIT_AS, (size + (32 << 20), hard))
results = {"poisoning get": outcome(lambda: c.get("big"))}
CALLS = {
    "get": lambda: c.get("keep"),
    "set": lambda: c.set("x", 1.0),
    "del": lambda: getattr(c, "del")("keep"),
    "list": c.list,
    "other collection": lambda: other.get("x"),
    "create_collection": lambda: db.create_collection("new"),
    "list_collections": db.list_collections,
    "get_collection": lambda: db.get_collection("c"),
}
resource.setrlimit(resource.RLIMIT_AS, (hard, hard))
for name, call in CALLS.items():
    results[name] = [outcome(call) for _ in range(2)]
results["version"] = outcome(db.get_version)
fresh = Quorvane()
fresh.create_collection("c")
fresh.get_collection("c").set("k", 1.0)
results["fresh database"] = outcome(lambda: fresh.get_collection("c").get("k"))
results["missing argument"] = outcome(lambda: c.get())
results["argument not a str"] = outcome(lambda: db.get_collection(1))
print(json.dumps(results))
"""

CALLS_THAT_LOCK = ["get", "set", "del", "list", "other collection", "create_collection",
                   "list_collections", "get_collection"]


@pytest.fixture(scope="module")
def poisoned():
    if under_address_sanitizer():
        pytest.skip("AddressSanitizer reserves terabytes of address space: no limit applies")
    return json.loads(run_script(POISON_SCRIPT))


def test_failed_interpreter_call_under_the_lock_marks_it_failed(poisoned):
    kind, message = poisoned["poisoning get"]
    assert kind == "PanicException"
    assert message.startswith("the interpreter failed to create an object: MemoryError")


@pytest.mark.parametrize("name", CALLS_THAT_LOCK)
def test_failed_lock_refuses_every_later_call(poisoned, name):
    # and keeps refusing
    assert poisoned[name] == [["PanicException", POISONED]] * 2


def test_failed_lock_leaves_the_rest_alone(poisoned):
    assert poisoned["version"] == ["ok", "'0.2.0'"]  # takes no lock
    assert poisoned["fresh database"] == ["ok", "1.0"]


def test_argument_errors_come_before_the_failed_lock(poisoned):
    kind, message = poisoned["missing argument"]
    assert kind == "TypeError" and "missing 1 required positional argument" in message
    kind, message = poisoned["argument not a str"]
    assert kind == "TypeError" and "cannot be converted to 'PyString'" in message
