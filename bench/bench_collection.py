"""Collection members on a collection of 100,000 entries against the same
operations on a dict (get at one key, at keys drawn at random from all the
entries and from 1,000 hot ones; set and del), value round trips (set, then get) against
copy.deepcopy of the same object, and the get of a small document against
msgspec.json.decode of its JSON."""

import copy
import time

from pyperf_pairs import Pairs
from pyquorvane import Quorvane

SIZE = 100_000

SETUP = f"""
from pyquorvane import Quorvane
db = Quorvane()
db.create_collection("c")
c = db.get_collection("c")
d = {{}}
keys = [f"key{{i}}" for i in range({SIZE})]
for key in keys:
    c.set(key, 1.5)
    d[key] = 1.5
k = keys[{SIZE} // 2]
get, cset = c.get, c.set
dget, dset = d.get, d.__setitem__
clist = c.list
"""

# Keys for the loops below. Draws at random from all entries miss the caches;
# draws from 1,000 entries picked at random stay in them. Collection "s" holds
# texts of up to 14 bytes, which are stored inline, without a block of their own.
DRAWS = 10_000
DRAWN = SETUP + f"""
import random
rng = random.Random(7)
randoms = rng.choices(keys, k={SIZE})
hot = rng.sample(keys, 1_000)
hots = rng.choices(hot, k={DRAWS})
db.create_collection("s")
s = db.get_collection("s")
ds = {{}}
for i, key in enumerate(keys):
    s.set(key, f"v{{i}}")
    ds[key] = f"v{{i}}"
sget, dsget = s.get, ds.get
# The same content with a float object of its own per key, as json.loads or
# arithmetic makes a dict: d above shares one constant, which stays in cache.
own = {{key: c.get(key) for key in keys}}
oget = own.get
"""

DOCUMENT_SETUP = """
import msgspec
from pyquorvane import Quorvane
db = Quorvane()
db.create_collection("c")
c = db.get_collection("c")
doc = {"name": "Ada Lovelace", "age": 36.0, "score": 0.5,
       "tags": ["admin", "ops", "dev"], "address": {"city": "London", "zip": 12.0}}
c.set("doc", doc)
assert c.get("doc") == doc
encoded = msgspec.json.encode(doc)
get, decode = c.get, msgspec.json.decode
"""


def filled(n):
    """A collection and a dict holding the same n keys."""
    db = Quorvane()
    db.create_collection("c")
    c = db.get_collection("c")
    d = {}
    for i in range(n):
        c.set(f"key{i}", 1.5)
        d[f"key{i}"] = 1.5
    return db, c, d


def deleting(use_collection):
    """Deletes `loops` present keys from a collection (or dict) of SIZE entries or more."""

    def run(loops):
        db, c, d = filled(SIZE)
        victims = [f"victim{i}" for i in range(loops)]
        for key in victims:
            c.set(key, 1.5)
            d[key] = 1.5
        if use_collection:
            remove = getattr(c, "del")
            start = time.perf_counter()
            for key in victims:
                remove(key)
        else:
            pop = d.pop
            start = time.perf_counter()
            for key in victims:
                pop(key, None)
        return time.perf_counter() - start

    return run


def round_trip(make):
    def run(loops):
        db = Quorvane()
        db.create_collection("c")
        c = db.get_collection("c")
        value = make()
        start = time.perf_counter()
        for _ in range(loops):
            c.set("v", value)
            c.get("v")
        return time.perf_counter() - start

    return run


def deep_copying(make):
    def run(loops):
        value = make()
        start = time.perf_counter()
        for _ in range(loops):
            copy.deepcopy(value)
        return time.perf_counter() - start

    return run


def floats():
    return [float(i) for i in range(1_000_000)]


def str_to_float():
    return {f"key{i}": float(i) for i in range(100_000)}


if __name__ == "__main__":
    pairs = Pairs()
    pairs.timeit("get(k) of a float", "get(k)", "dget(k)", SETUP)
    pairs.timeit("get of a float, random keys of 100,000", "for k in randoms: get(k)",
                 "for k in randoms: dget(k)", DRAWN, target=0.8, alternate=True)
    pairs.timeit("get of a float, random keys of 100,000, a float object per key in the dict",
                 "for k in randoms: get(k)", "for k in randoms: oget(k)", DRAWN, alternate=True)
    pairs.timeit("get of a float, 1,000 hot keys", "for k in hots: get(k)",
                 "for k in hots: dget(k)", DRAWN, target=1.3, alternate=True)
    pairs.timeit("get of a short str, 1,000 hot keys", "for k in hots: sget(k)",
                 "for k in hots: dsget(k)", DRAWN, target=2.0, alternate=True)
    pairs.timeit("set(k, 1.5)", "cset(k, 1.5)", "dset(k, 1.5)", SETUP)
    pairs.timeit("set of a float, random keys of 100,000", "for k in randoms: cset(k, 1.5)",
                 "for k in randoms: dset(k, 1.5)", DRAWN)
    pairs.time_func("del(k) of a present key", deleting(True), "d.pop(k, None)", deleting(False))
    pairs.timeit("list() of 100,000 keys", "clist()", "list(d)", SETUP, target=3)
    pairs.timeit("get of a 5-field document", "get('doc')", "decode(encoded)", DOCUMENT_SETUP,
                 target=1.0)
    pairs.time_func("round trip of 1,000,000 floats", round_trip(floats), "copy.deepcopy",
                    deep_copying(floats))
    pairs.time_func("round trip of a 100,000-item dict", round_trip(str_to_float),
                    "copy.deepcopy", deep_copying(str_to_float), target=0.25)
    pairs.report()
