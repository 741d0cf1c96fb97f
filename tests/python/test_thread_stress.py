"""Thread stress: several Python threads share one database for a few seconds,
writing, reading, deleting and listing through Collection objects of their
own (two of them share one object), with values whose float conversion
releases the GIL while the database lock is held, and with hooks that call
back into the object being stored. Each thread must get its turns.

The script runs in a child interpreter with a timeout, so that a deadlock
fails the test instead of hanging the run. Each writer owns a range of keys
and remembers what it last did with each, so the final content is known; a
borrow or lock error is expected only from the hooks that really re-enter."""

import json

from conftest import run_script

SCRIPT = r"""
import json, random, sys, threading, time
from pyquorvane import Quorvane

DURATION = 3.0

db = Quorvane()
db.create_collection("c")
elsewhere = Quorvane()  # another database, which hooks may use freely
elsewhere.create_collection("o")
DELETED = object()
problems = []  # anything unexpected, from any thread
reentries = []  # what the re-entering hooks met
counts = {}


class Yielding:
    # Gives the GIL away in the middle of a conversion, lock held.
    def __init__(self, value):
        self.value = value

    def __float__(self):
        time.sleep(0)
        return self.value


class Reentering:
    # Calls the object being stored, another object of the same database and
    # a second database, from inside the conversion.
    def __init__(self, coll, sibling, value):
        self.coll, self.sibling, self.value = coll, sibling, value

    def __float__(self):
        for call in (lambda: self.coll.get("x"), self.sibling.list):
            try:
                call()
                reentries.append("no error")
            except RuntimeError as exc:
                reentries.append(str(exc)[:40])
        elsewhere.get_collection("o").set("x", 1.0)
        time.sleep(0)
        return self.value


def value_for(kind, i, coll, sibling):
    # (value to store, what get must return)
    if kind == 0:
        return float(i), float(i)
    if kind == 1:
        return Yielding(float(i)), float(i)
    if kind == 2:
        return f"text {i}", f"text {i}"
    if kind == 3:
        return [i, "s", [Yielding(1.0)], {}], [float(i), "s", [1.0], {}]
    if kind == 4:
        return {"n": Yielding(float(i)), "l": [True, "x" * (i % 40)]}, {"n": float(i), "l": [1.0, "x" * (i % 40)]}
    return Reentering(coll, sibling, float(i)), float(i)


def writer(n, coll, stop, owned):
    rng = random.Random(n)
    sibling = db.get_collection("c")
    delete = getattr(coll, "del")
    done = 0
    while not stop.is_set():
        key = f"w{n}-{rng.randrange(40)}"
        action = rng.randrange(10)
        try:
            if action < 6:
                value, expected = value_for(action, done, coll, sibling)
                coll.set(key, value)
                owned[key] = expected
            elif action == 6:
                delete(key)
                owned[key] = DELETED
            elif action == 7:
                expected = owned.get(key, DELETED)
                try:
                    got = coll.get(key)
                except ValueError:
                    got = DELETED
                if got is not expected and got != expected:
                    problems.append(f"{key}: read {got!r}, last wrote {expected!r}")
            elif action == 8:
                mine = {k for k in coll.list() if k.startswith(f"w{n}-")}
                live = {k for k, v in owned.items() if v is not DELETED}
                if mine != live:
                    problems.append(f"thread {n}: listed {sorted(mine ^ live)} wrongly")
            else:
                db.get_collection("c").set(f"w{n}-via-new-object", float(done))
                owned[f"w{n}-via-new-object"] = float(done)
        except Exception as exc:
            problems.append(f"thread {n}: {type(exc).__name__}: {exc}")
        done += 1
    counts[n] = done


def browser(stop):
    # Lists, looks up and adds collections while the writers run.
    coll = db.get_collection("c")
    made = 0
    while not stop.is_set():
        try:
            for key in coll.list():
                if not key.startswith("w"):
                    problems.append(f"unknown key {key!r}")
            names = db.list_collections()
            if names[0] != "c" or len(names) != made + 1:
                problems.append(f"collections {names}")
            if made < 50:
                db.create_collection(f"n{made}")
                made += 1
            db.get_collection(f"n{made - 1}" if made else "c").list()
        except Exception as exc:
            problems.append(f"browser: {type(exc).__name__}: {exc}")
    counts["browser"] = made


stop = threading.Event()
shared = db.get_collection("c")
owned = {n: {} for n in range(6)}
threads = [threading.Thread(target=writer, args=(n, db.get_collection("c"), stop, owned[n]))
           for n in range(4)]
# Two writers share one Collection object: other threads wait for its call
# to finish instead of meeting its borrow.
threads += [threading.Thread(target=writer, args=(n, shared, stop, owned[n])) for n in (4, 5)]
threads.append(threading.Thread(target=browser, args=(stop,)))
for t in threads:
    t.start()
time.sleep(DURATION)
stop.set()
for t in threads:
    t.join(60)
    if t.is_alive():
        print(json.dumps({"problems": ["a thread did not finish"]}))
        sys.stdout.flush()
        import os; os._exit(1)

coll = db.get_collection("c")
for n, keys in owned.items():
    for key, expected in keys.items():
        try:
            got = coll.get(key)
        except ValueError:
            got = DELETED
        if got is not expected and got != expected:
            problems.append(f"final {key}: {got!r}, last wrote {expected!r}")
if db.list_collections() != ["c"] + [f"n{i}" for i in range(counts["browser"])]:
    problems.append(f"final collections {db.list_collections()}")
live = {k for keys in owned.values() for k, v in keys.items() if v is not DELETED}
if set(coll.list()) != live:
    problems.append(f"final listing differs by {sorted(set(coll.list()) ^ live)}")
print(json.dumps({"problems": problems[:20], "counts": counts,
                  "reentries": sorted(set(reentries)), "hooks": len(reentries)}))
"""


def test_threads_sharing_a_database_keep_every_write():
    report = json.loads(run_script(SCRIPT, timeout=180))
    assert report["problems"] == []
    counts = report["counts"]
    # Every writer got its turns: a thread whose conversion gives the GIL
    # away while holding the lock must not shut the others out.
    writes = [counts[str(n)] for n in range(6)]
    assert min(writes) > 0.3 * sum(writes) / len(writes), counts
    assert counts["browser"] > 0
    # Only the hooks that re-enter meet refusals: their own object is
    # borrowed, and their database is locked by the call in progress.
    assert report["hooks"] > 0
    assert report["reentries"] == [
        "Already borrowed",
        "database is locked by a call in progress",
    ]


def test_a_busy_thread_does_not_shut_out_a_waiting_one():
    # The busy thread holds the lock for most of its time and gives the GIL
    # away meanwhile; each time it lets go, the waiting thread must come next.
    out = run_script(r"""
import threading, time
from pyquorvane import Quorvane

db = Quorvane()
db.create_collection("c")
busy, patient = db.get_collection("c"), db.get_collection("c")
stop = threading.Event()

class Yielding:
    def __float__(self):
        time.sleep(0.001)
        return 1.0

def keep_busy():
    while not stop.is_set():
        busy.set("busy", Yielding())

t = threading.Thread(target=keep_busy)
t.start()
time.sleep(0.05)
start = time.monotonic()
for i in range(20):
    patient.set(f"p{i}", float(i))
took = time.monotonic() - start
stop.set()
t.join(30)
print(len(patient.list()), took < 5.0)
""", timeout=60)
    assert out.split() == ["21", "True"]
