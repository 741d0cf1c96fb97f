"""Reference and memory leaks: every member of both classes, every conversion
in both directions and every failure path, run thousands of times, leave the
interpreter's block count, the C heap and the resident memory flat.

Each operation is warmed up first (caches, interned strings, type slots), then
run for a few intervals of many calls each, measured after each interval. A
leak of one object, one value or one buffer per call grows the counts in every
interval by at least the number of calls, far beyond the tolerances, which
only absorb the interpreter's own noise (a cache that grows now and then)."""

import ctypes
import gc
import math
import os
import sys

import numpy as np
import pytest

from pyquorvane import Quorvane
from conftest import panic_type, under_address_sanitizer, under_qemu

pytestmark = pytest.mark.skipif(
    under_address_sanitizer(),
    reason="AddressSanitizer keeps freed memory in quarantine and bypasses Python's "
    "allocator, so neither the heap nor the block count can show a leak; ASan covers "
    "memory errors of the same operations instead",
)

WARM_UP = 300
CALLS = 1500  # per measured interval
INTERVALS = 3
# A leak of one object per call adds CALLS blocks in every interval, and a
# leaked C block at least 32 bytes. The interpreter's own caches grow now and
# then by a step of some kilobytes; a leak grows every interval, so the
# smallest growth of the intervals is what is checked.
BLOCKS_TOLERANCE = CALLS // 10
HEAP_TOLERANCE = 8 * CALLS  # bytes


class MallInfo2(ctypes.Structure):
    _fields_ = [
        (name, ctypes.c_size_t)
        for name in ("arena", "ordblks", "smblks", "hblks", "hblkhd", "usmblks",
                     "fsmblks", "uordblks", "fordblks", "keepcost")
    ]


_libc = ctypes.CDLL(None)
_libc.mallinfo2.restype = MallInfo2


def heap_bytes():
    """Bytes that the C library's malloc has handed out and not got back."""
    info = _libc.mallinfo2()
    return info.uordblks + info.hblkhd


def resident_bytes():
    with open("/proc/self/statm") as statm:
        return int(statm.read().split()[1]) * os.sysconf("SC_PAGE_SIZE")


def expect(exc_type, call, *args, **kwargs):
    try:
        call(*args, **kwargs)
    except exc_type:
        return
    raise AssertionError(f"{call} did not raise {exc_type.__name__}")


BIG_TEXT = "x" * 2000
NESTED = {
    "text": "Ziz Raruzaru", "long": BIG_TEXT, "number": 1.5, "flag": True,
    "list": [1.0, "a", [2.0, {"k": "v"}], []], "doc": {"a": {"b": {"c": [1.0, 2.0]}}},
    "empty": {}, "many": [float(i) for i in range(50)],
}


class FloatOnly:
    def __float__(self):
        return 2.5


class IndexOnly:
    def __index__(self):
        return 7


class FloatRaises:
    def __float__(self):
        raise RuntimeError("no")


class ListSub(list):
    def __iter__(self):
        raise AssertionError("not called")


class DictSub(dict):
    def items(self):
        raise AssertionError("not called")


class StrSub(str):
    pass


def self_list():
    items = [1.0]
    items.append(items)
    return items


def reentering_hook(coll):
    class Hook:
        def __float__(self):
            expect(RuntimeError, coll.get, "a")  # the borrowed object itself
            return 1.0

    return Hook()


def other_object_hook(other):
    class Hook:
        def __float__(self):
            expect(RuntimeError, other.list)  # the locked database, another object
            return 1.0

    return Hook()


def growing_dict():
    target = {}

    class Grow:
        def __float__(self):
            target["added"] = 1.0
            return 1.0

    target["a"] = Grow()
    target["b"] = 2.0
    return target


@pytest.fixture(scope="module")
def files(tmp_path_factory):
    folder = tmp_path_factory.mktemp("leaks")
    paths = {}
    for name, data in {
        "good": b"[a]\n3 n 1.5\n4 f TRUE\n1 id 550e8400-e29b-41d4-a716-446655440000\n"
        b"5 l [1, x, {k: [true]}]\n6 d {a: 1, b: \"x y\"}\n2 t \"text\"\n[b]\n",
        "bad-utf8": b"[a]\n2 k \xff\n",
        "no-header": b"2 k v\n[a]\n",
        "rejected-lines": b"[a]\n3 k tall\nx k 1\n99999 k 1\n",
    }.items():
        path = folder / name
        path.write_bytes(data)
        paths[name] = str(path)
    return paths


@pytest.fixture(scope="module")
def env(files):
    """A database with a populated collection, a second object on it, and a
    loaded database."""
    db = Quorvane()
    db.create_collection("c")
    coll, other = db.get_collection("c"), db.get_collection("c")
    for key, value in NESTED.items():
        coll.set(key, value)
    coll.set("a", 5.0)
    loaded = Quorvane.load(files["good"]).get_collection("a")
    loaded.set("b", NESTED)
    return {"db": db, "coll": coll, "other": other, "loaded": loaded, "files": files,
            "panic": panic_type()}


def new_with_collection(e):
    fresh = Quorvane()
    fresh.create_collection("x")
    return fresh.get_collection("x")


def collection_outliving_database(e):
    coll = new_with_collection(e)
    coll.set("k", NESTED)
    return coll.get("k")


def panic_in_conversion(e):
    db = Quorvane()
    db.create_collection("c")
    coll = db.get_collection("c")
    expect(e["panic"], coll.set, "k", growing_dict())
    return coll.list(), db.list_collections()  # the database stays usable


def delete(e, *args, **kwargs):
    return getattr(e["coll"], "del")(*args, **kwargs)


# Each operation takes the env fixture's dict.
OPERATIONS = {
    # Quorvane: construction, members, argument binding and conversion.
    "new": lambda e: Quorvane(),
    "new-too-many-args": lambda e: expect(TypeError, Quorvane, 1),
    "new-unexpected-keyword": lambda e: expect(TypeError, Quorvane, path="x"),
    "get_version": lambda e: e["db"].get_version(),
    "create_collection": new_with_collection,
    "create_collection-exists": lambda e: expect(ValueError, e["db"].create_collection, "c"),
    "create_collection-not-str": lambda e: expect(TypeError, e["db"].create_collection, 5),
    "create_collection-surrogate": lambda e: expect(
        UnicodeEncodeError, e["db"].create_collection, "\ud800"),
    "create_collection-missing-arg": lambda e: expect(TypeError, e["db"].create_collection),
    "create_collection-multiple-values": lambda e: expect(
        TypeError, e["db"].create_collection, "a", name="b"),
    "list_collections": lambda e: e["db"].list_collections(),
    "list_collections-args": lambda e: expect(TypeError, e["db"].list_collections, 1),
    "get_collection": lambda e: e["db"].get_collection(name="c"),
    "get_collection-missing": lambda e: expect(ValueError, e["db"].get_collection, "nope"),
    "get_collection-str-subclass": lambda e: e["db"].get_collection(StrSub("c")),
    "collection-outlives-database": collection_outliving_database,
    # Quorvane.load and its failures.
    "load": lambda e: Quorvane.load(e["files"]["good"]),
    "load-rejected-lines": lambda e: Quorvane.load(path=e["files"]["rejected-lines"]),
    "load-missing": lambda e: expect(FileNotFoundError, Quorvane.load, "/no/such/file"),
    "load-directory": lambda e: expect(FileNotFoundError, Quorvane.load, "/"),
    "load-bad-utf8": lambda e: expect(FileNotFoundError, Quorvane.load, e["files"]["bad-utf8"]),
    "load-no-header": lambda e: expect(FileNotFoundError, Quorvane.load, e["files"]["no-header"]),
    "load-nul-in-path": lambda e: expect(FileNotFoundError, Quorvane.load, e["files"]["good"] + "\0"),
    "load-not-str": lambda e: expect(TypeError, Quorvane.load, b"path"),
    # Collection members; values out of the store (every variant) ...
    "get-nested": lambda e: e["coll"].get("doc"),
    "get-long-text": lambda e: e["coll"].get("long"),
    "get-list": lambda e: e["coll"].get("many"),
    "get-loaded-values": lambda e: [e["loaded"].get(k) for k in ("n", "f", "id", "l", "d", "t", "b")],
    "get-missing": lambda e: expect(ValueError, e["coll"].get, "missing"),
    "get-not-str": lambda e: expect(TypeError, e["coll"].get, 1),
    "get-unexpected-keyword": lambda e: expect(TypeError, e["coll"].get, key="a"),
    # ... and into it, with every way a conversion can fail.
    "set-nested": lambda e: e["coll"].set("n", NESTED),
    "set-scalars": lambda e: [e["coll"].set(k="s", v=v)
                              for v in (1.5, 10**100, -0.0, math.nan, "t", True)],
    "set-number-likes": lambda e: [e["coll"].set("s", v) for v in
                                   (FloatOnly(), IndexOnly(), np.float32(2.0), np.bool_(True))],
    "set-subclasses": lambda e: e["coll"].set("s", [ListSub([1.0]), DictSub(a=1.0), StrSub("s")]),
    "set-unsupported": lambda e: expect(ValueError, e["coll"].set, "s", [1.0, None]),
    "set-float-raises": lambda e: expect(ValueError, e["coll"].set, "s", {"a": FloatRaises()}),
    "set-huge-int": lambda e: expect(ValueError, e["coll"].set, "s", 10**400),
    "set-surrogate-value": lambda e: expect(ValueError, e["coll"].set, "s", ["\udc80"]),
    "set-int-key": lambda e: expect(TypeError, e["coll"].set, "s", {"a": 1.0, 2: 1.0}),
    "set-surrogate-key": lambda e: expect(UnicodeEncodeError, e["coll"].set, "s", {"\ud800": 1.0}),
    "set-missing-arg": lambda e: expect(TypeError, e["coll"].set, "s"),
    "set-self-containing": lambda e: expect(RecursionError, e["coll"].set, "s", self_list()),
    "set-reentering-same-object": lambda e: e["coll"].set("s", reentering_hook(e["coll"])),
    "set-reentering-locked-database": lambda e: e["coll"].set("s", other_object_hook(e["other"])),
    "set-panic": panic_in_conversion,
    "del": lambda e: (e["coll"].set("d", BIG_TEXT), delete(e, "d")),
    "del-missing": lambda e: delete(e, key="missing"),
    "del-not-str": lambda e: expect(TypeError, delete, e, 3),
    "list": lambda e: e["coll"].list(),
    "list-args": lambda e: expect(TypeError, e["coll"].list, 1),
    "constructor": lambda e: expect(TypeError, type(e["coll"])),
}


def run(operation, times):
    for _ in range(times):
        operation()


def snapshot():
    gc.collect()
    return sys.getallocatedblocks(), heap_bytes()


@pytest.mark.parametrize("name", list(OPERATIONS))
def test_operation_does_not_leak(env, capfd, name):
    operation = lambda: OPERATIONS[name](env)
    run(operation, WARM_UP)
    block_growth, heap_growth = [], []
    blocks, heap = snapshot()
    for _ in range(INTERVALS):
        run(operation, CALLS)
        blocks_after, heap_after = snapshot()
        block_growth.append(blocks_after - blocks)
        heap_growth.append(heap_after - heap)
        blocks, heap = blocks_after, heap_after
    capfd.readouterr()  # rejected lines print on standard output
    assert min(block_growth) < BLOCKS_TOLERANCE, f"Python objects leak: {block_growth}"
    assert min(heap_growth) < HEAP_TOLERANCE, f"the C heap grows: {heap_growth}"


def test_resident_memory_stays_flat(env, capfd):
    def round_of_all():
        for operation in OPERATIONS.values():
            operation(env)

    run(round_of_all, 100)
    before = resident_bytes()
    run(round_of_all, 3000)
    grown = resident_bytes() - before
    capfd.readouterr()
    # Every round stores and reads several kilobytes; a leak of any of it
    # would grow the process by megabytes.
    limit = (12 if under_qemu() else 4) * 1024 * 1024  # qemu-user's translated code grows too
    assert grown < limit, f"resident memory grew by {grown} bytes"
