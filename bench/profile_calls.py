"""A loop of calls to profile with callgrind, one case per run:

    valgrind --tool=callgrind --toggle-collect='*collection_get*' \\
        .venv/bin/python bench/profile_calls.py hot

counts the instructions of 10,000 Collection.get calls at 1,000 hot keys of
a collection of 100,000 floats, from the entry point down; "rand" makes
100,000 gets at keys drawn from all entries (add --cache-sim=yes for the
cache misses), "str" the hot gets of short texts, and "get_collection"
10,000 calls in a database of 1,000 collections (toggle
'*quorvane_get_collection*'). Set PYTHONHASHSEED=0 so that runs compare
exactly. Not a benchmark: bench_collection.py and bench_calls.py time these."""

import random
import sys

from pyquorvane import Quorvane

SIZE = 100_000


def main(case: str) -> None:
    db = Quorvane()
    db.create_collection("c")
    c = db.get_collection("c")
    keys = [f"key{i}" for i in range(SIZE)]
    for i, key in enumerate(keys):
        c.set(key, f"v{i}" if case == "str" else 1.5)
    rng = random.Random(7)
    hots = rng.choices(rng.sample(keys, 1_000), k=10_000)
    randoms = rng.choices(keys, k=SIZE)
    for i in range(1_000):
        db.create_collection(f"collection{i}")
    get, get_collection = c.get, db.get_collection
    if case in ("hot", "str"):
        for k in hots:
            get(k)
    elif case == "rand":
        for k in randoms:
            get(k)
    elif case == "get_collection":
        for _ in hots:
            get_collection("collection999")
    else:
        sys.exit(f"unknown case {case!r}: hot, str, rand or get_collection")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "hot")
