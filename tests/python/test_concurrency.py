"""Borrow states, the database lock, re-entry from conversion hooks and threads.

Scenarios that could deadlock run in a subprocess with a timeout, so that a
deadlock fails the test instead of hanging the run."""

import gc
import subprocess
import sys
import threading
import time

import pytest

from pyquorvane import Quorvane
from conftest import run_script, under_address_sanitizer


class Hook:
    """A value whose float conversion runs `action` (during set's conversion,
    with the collection borrowed and the database lock held)."""

    def __init__(self, action):
        self.action = action
        self.outcome = None

    def __float__(self):
        try:
            self.outcome = ("ok", self.action())
        except Exception as exc:  # noqa: BLE001 - recorded for the test
            self.outcome = (type(exc), str(exc))
        return 1.0


def run_inside_set(coll, action):
    hook = Hook(action)
    coll.set("hooked", hook)
    assert coll.get("hooked") == 1.0  # the outer call finished normally
    return hook.outcome


REENTERED = "database is locked by a call in progress on this thread"


@pytest.mark.parametrize(
    "action, outcome",
    [
        # The same object: refused by its borrow state.
        (lambda c, c2, db: c.get("a"), (RuntimeError, "Already borrowed")),
        (lambda c, c2, db: c.set("a", 1.0), (RuntimeError, "Already borrowed")),
        (lambda c, c2, db: getattr(c, "del")("a"), (RuntimeError, "Already borrowed")),
        (lambda c, c2, db: c.list(), (RuntimeError, "Already mutably borrowed")),
        # Binding comes before the borrow, the borrow before argument conversion.
        (lambda c, c2, db: c.get(), (TypeError, "Collection.get() missing 1 required positional argument: 'k'")),
        (lambda c, c2, db: c.get(5), (RuntimeError, "Already borrowed")),
        # Another object of the same database: refused by the held lock.
        (lambda c, c2, db: c2.get("a"), (RuntimeError, REENTERED)),
        (lambda c, c2, db: c2.list(), (RuntimeError, REENTERED)),
        (lambda c, c2, db: db.list_collections(), (RuntimeError, REENTERED)),
        (lambda c, c2, db: db.create_collection("n"), (RuntimeError, REENTERED)),
        (lambda c, c2, db: db.get_collection("c"), (RuntimeError, REENTERED)),
        # No lock needed, or another database: works.
        (lambda c, c2, db: db.get_version(), ("ok", "0.2.0")),
        (lambda c, c2, db: Quorvane().list_collections(), ("ok", [])),
    ],
)
def test_reentry_from_a_conversion_hook(db, action, outcome):
    c, c2 = db.get_collection("c"), db.get_collection("c")
    c.set("a", 5.0)
    got = run_inside_set(c, lambda: action(c, c2, db))
    assert got[0] == outcome[0]
    assert got[1] == outcome[1] if got[0] is not RuntimeError or outcome[1] != REENTERED else got[1].startswith(REENTERED)
    # Nothing changed by the refused calls; everything usable afterwards.
    assert c.get("a") == 5.0 and c2.list() and db.list_collections()[0] == "c"


def test_finalizer_calling_into_the_database_is_refused(db):
    c, c2 = db.get_collection("c"), db.get_collection("c")
    seen = []

    class Cyclic:
        def __init__(self):
            self.me = self

        def __del__(self):
            try:
                c2.list()
                seen.append("ok")
            except RuntimeError as exc:
                seen.append(str(exc))

    def collect():
        Cyclic()
        gc.collect()  # runs the finalizer while the database lock is held

    run_inside_set(c, collect)
    assert len(seen) == 1 and seen[0].startswith(REENTERED)
    assert sorted(c2.list()) == ["hooked"]


THREADS_PRELUDE = """
import threading, time
from pyquorvane import Quorvane

def start(target):
    t = threading.Thread(target=target, daemon=True)
    t.start()
    return t

def finish(*threads):
    for t in threads:
        t.join(20)
        assert not t.is_alive(), "thread did not finish"

# A value whose conversion holds its database lock until `release` is set;
# `entered` is set once it does.
release, entered = threading.Event(), threading.Event()

class Held:
    def __float__(self):
        entered.set()
        release.wait(20)
        return 1.0
"""


def test_waiting_thread_releases_the_gil_and_both_finish():
    out = run_script(THREADS_PRELUDE + """
db = Quorvane(); db.create_collection("c")
c, other = db.get_collection("c"), db.get_collection("c")
entered = threading.Event()
order = []

class Sleeper:
    def __float__(self):
        entered.set()
        time.sleep(0.3)          # releases the GIL while the lock is held
        order.append("converted")
        return 2.0

def writer():
    c.set("k", Sleeper())
    order.append("set done")

t = start(writer)
entered.wait(10)
value = other.get("k")           # must wait for the lock without holding the GIL
order.append("get done")
finish(t)
print(value, order)
""")
    assert out.strip() == "2.0 ['converted', 'set done', 'get done']"


def test_other_threads_wait_their_turn_on_the_same_objects():
    # While thread A's call on c runs Python code without the GIL, calls from
    # other threads on the same c and db wait for it instead of meeting its
    # borrow ("Already borrowed" is kept for re-entry from the same thread).
    out = run_script(THREADS_PRELUDE + """
db = Quorvane(); db.create_collection("c")
c = db.get_collection("c")
entered = threading.Event()
results = []

class Sleeper:
    def __float__(self):
        entered.set()
        time.sleep(0.3)
        return 2.0

def call(name, f):
    try:
        results.append((name, f()))
    except Exception as exc:
        results.append((name, repr(exc)))

a = start(lambda: c.set("k", Sleeper()))
entered.wait(10)
others = [start(lambda: call("get", lambda: c.get("k"))),
          start(lambda: call("list", c.list)),
          start(lambda: call("create", lambda: db.create_collection("n"))),
          start(lambda: call("collections", db.list_collections))]
call("version", db.get_version)
finish(a, *others)
print(sorted(results))
""")
    assert out.strip() == (
        "[('collections', ['c', 'n']), ('create', None), ('get', 2.0), ('list', ['k']), "
        "('version', '0.2.0')]"
    ) or out.strip() == (
        "[('collections', ['c']), ('create', None), ('get', 2.0), ('list', ['k']), "
        "('version', '0.2.0')]"
    )


def test_lock_cycle_between_two_databases_is_refused_not_deadlocked():
    out = run_script(THREADS_PRELUDE + """
one, two = Quorvane(), Quorvane()
one.create_collection("c"); two.create_collection("c")
c1, c2 = one.get_collection("c"), two.get_collection("c")
c1.set("x", 1.0); c2.set("x", 2.0)
both_hold = threading.Barrier(2)
errors = []

def hook(read):
    class H:
        def __float__(self):
            both_hold.wait(10)        # each thread holds its own database lock
            try:
                read()
            except RuntimeError as exc:
                errors.append(str(exc))
            return 0.0
    return H()

a = start(lambda: c1.set("k", hook(lambda: c2.get("x"))))
b = start(lambda: c2.set("k", hook(lambda: c1.get("x"))))
finish(a, b)
print(len(errors), errors[0].startswith("waiting for this database would deadlock"))
print(c1.get("k"), c2.get("k"))
""")
    assert out.split() == ["1", "True", "0.0", "0.0"]


def test_many_threads_share_one_database_without_loss():
    out = run_script(THREADS_PRELUDE + """
import sys
sys.setswitchinterval(1e-5)
db = Quorvane(); db.create_collection("c")

class Slow:
    def __init__(self, v): self.v = v
    def __float__(self):
        time.sleep(0.0005)
        return self.v

def worker(n):
    c = db.get_collection("c")
    for i in range(100):
        c.set(f"{n}-{i}", Slow(float(i)) if i % 10 == 0 else float(i))
        assert c.get(f"{n}-{i}") == float(i)
        if i % 3 == 0:
            getattr(c, "del")(f"{n}-{i}")

threads = [start(lambda n=n: worker(n)) for n in range(8)]
finish(*threads)
keys = db.get_collection("c").list()
print(len(keys), len(set(keys)))
""")
    assert out.split() == ["528", "528"]


def test_a_signal_handler_that_raises_ends_a_wait_and_the_queue_goes_on():
    # Threads that wait for the lock: `first` before the main thread, `last`
    # after it. SIGINT ends the main thread's wait with KeyboardInterrupt; the
    # interrupted calls did nothing, and the others still get their turns in
    # order.
    out = run_script(THREADS_PRELUDE + """
import os, signal
db = Quorvane(); db.create_collection("c")
c, first, last = (db.get_collection("c") for _ in range(3))
order = []

holder = start(lambda: c.set("k", Held()))
entered.wait(10)
a = start(lambda: order.append(first.list()))
time.sleep(0.2)
b = start(lambda: (time.sleep(0.3), order.append(last.get("k"))))
for call in (lambda: c.get("k"), c.list, lambda: db.create_collection("n")):
    threading.Timer(0.6, os.kill, (os.getpid(), signal.SIGINT)).start()
    try:
        call()
        print("not interrupted")
    except KeyboardInterrupt:
        print("interrupted")

def handler(signum, frame):  # calls the database it interrupts, then raises
    try:
        first.list()
    except RuntimeError as exc:
        raise ZeroDivisionError(str(exc)[:40])

signal.signal(signal.SIGUSR1, handler)
threading.Timer(0.3, os.kill, (os.getpid(), signal.SIGUSR1)).start()
try:
    c.list()
except ZeroDivisionError as exc:
    print(exc)
release.set()
finish(holder, a, b)
print(order, db.list_collections())
""", timeout=30)
    assert out.split("\n")[:5] == ["interrupted"] * 3 + [
        "this thread is waiting for a database lo", "[['k'], 1.0] ['c']"]


FORK_PRELUDE = THREADS_PRELUDE + """
import os, signal, warnings
warnings.simplefilter("ignore", DeprecationWarning)  # fork() with threads running
busy = Quorvane(); busy.create_collection("c")
c = busy.get_collection("c"); c.set("a", 1.0)
idle = Quorvane(); idle.create_collection("c")
i = idle.get_collection("c")

def outcome(call):
    try:
        return repr(call())
    except RuntimeError as exc:
        return str(exc)[:40]

def in_child(report):
    # Runs report() in the child of a fork, returns its lines in the parent.
    r, w = os.pipe()
    pid = os.fork()
    if pid == 0:
        signal.alarm(20)  # a child that hangs ends all the same
        os.write(w, "\\n".join(report()).encode())
        os._exit(0)
    os.close(w)
    chunks = []
    while chunk := os.read(r, 65536):
        chunks.append(chunk)
    assert os.waitstatus_to_exitcode(os.waitpid(pid, 0)[1]) == 0
    return b"".join(chunks).decode()

def report():
    i.set("b", 3.0)
    return [outcome(lambda: c.get("a")), outcome(c.list), outcome(busy.list_collections),
            outcome(lambda: busy.get_collection("c")), outcome(lambda: sorted(i.list()))]
"""


def test_fork_while_another_thread_holds_a_database_lock():
    out = run_script(FORK_PRELUDE + """
holder = start(lambda: c.set("k", Held()))
entered.wait(10)
print(in_child(report))
release.set()
finish(holder)
print(c.get("k"))
""", timeout=30)
    refused = "database is locked by a thread that does"
    assert out.split("\n") == [refused] * 4 + ["['b']", "1.0", ""]


def test_fork_by_the_thread_that_holds_the_lock():
    # The child goes on with the set that forked, and with the database.
    out = run_script(FORK_PRELUDE + """
forked = {}

class ForkInside:
    def __float__(self):
        forked["pid"] = os.fork()
        return 1.0

r, w = os.pipe()
c.set("k", ForkInside())
if forked["pid"] == 0:
    signal.alarm(20)
    os.write(w, repr((c.get("k"), c.list(), busy.list_collections())).encode())
    os._exit(0)
os.close(w)
print(os.read(r, 65536).decode(), os.waitstatus_to_exitcode(os.waitpid(forked["pid"], 0)[1]))
""", timeout=30)
    assert out == "(1.0, ['a', 'k'], ['c']) 0\n"


def write_sections(path, sections, size):
    lines = "".join(f"3 k{j} {j}\n" for j in range(size // sections // 10))
    path.write_text("".join(f"[s{i}]\n{lines}" for i in range(sections)))


@pytest.mark.parametrize("cpus", ["one processor", "every processor"])
def test_fork_in_a_signal_handler_during_a_load(tmp_path, cpus):
    # Both go on loading: the parent loads the whole file, the child (which
    # has lost the load's threads) whole or failing cleanly.
    write_sections(tmp_path / "f.mdb", 148, 9 * 1024 * 1024)
    out = run_script(f"""
import os, signal
from pyquorvane import Quorvane
if {cpus == "one processor"}:
    os.sched_setaffinity(0, {{min(os.sched_getaffinity(0))}})
forked, (r, w) = {{}}, os.pipe()
def fork(*_):
    if forked.pop("loading", False):  # once
        signal.setitimer(signal.ITIMER_REAL, 0)
        forked["pid"] = os.fork()
signal.signal(signal.SIGALRM, fork)
signal.setitimer(signal.ITIMER_REAL, 0.005, 0.005)
forked["loading"] = True
try:
    outcome = str(len(Quorvane.load({str(tmp_path / "f.mdb")!r}).list_collections()))
except (FileNotFoundError, RuntimeError) as exc:
    outcome = type(exc).__name__
if forked.get("pid") == 0:
    os._exit(os.write(w, outcome.encode()) and 0)
os.close(w)
print(outcome, os.read(r, 99).decode(), os.waitstatus_to_exitcode(os.waitpid(forked["pid"], 0)[1]))
""", timeout=60).split()
    assert out[::2] == ["148", "0"] and out[1] in ("148", "FileNotFoundError", "RuntimeError")


def test_other_threads_run_while_a_file_loads(tmp_path):
    # No forced GIL switch happens: this thread runs during the load only if
    # the load gives the GIL up.
    write_sections(tmp_path / "f.mdb", 64, 8 * 1024 * 1024)
    interval, ticks, seen = sys.getswitchinterval(), [0], []
    sys.setswitchinterval(1000)
    loader = threading.Thread(target=lambda: seen.extend(
        [ticks[0], Quorvane.load(str(tmp_path / "f.mdb")), ticks[0]]))
    try:
        loader.start()
        while loader.is_alive():
            ticks[0] += 1
            time.sleep(0.0005)  # gives the GIL up when the loader wants it
    finally:
        sys.setswitchinterval(interval)
    assert seen[2] > seen[0] and len(seen[1].list_collections()) == 64


# Daemon threads still calling when the main thread returns: the interpreter
# ends each of them when it next tries to take the GIL, which may be in the
# middle of a conversion or of a wait for a database lock.
EXIT_PROGRAMS = {
    "set, get, del, list and load, on one database and on their own": """
import fractions, sys, threading, time
from pyquorvane import Quorvane
VALUE = [fractions.Fraction(1, 3)] * 50  # converting runs Python code
shared = Quorvane(); shared.create_collection("c")
CALLS = [lambda c: None, lambda c: c.get("k"), lambda c: getattr(c, "del")("k"),
         lambda c: c.list(), lambda c: Quorvane.load(sys.argv[1])]

def loop(db, call):
    c = db.get_collection("c")
    while True:
        c.set("k", VALUE)
        try:
            call(c)
        except ValueError:
            pass

def own():
    db = Quorvane(); db.create_collection("c")
    return db

for call in CALLS:
    for db in (shared, shared, own()):
        threading.Thread(target=loop, args=(db, call), daemon=True).start()
time.sleep(0.3)
""",
    "a finalizer at exit calls a database held by a thread asleep in a hook": """
import os, sys, threading, time, types
from pyquorvane import Quorvane
db = Quorvane(); db.create_collection("c")
c = db.get_collection("c")
entered = threading.Event()

class Sleeper:
    def __float__(self):
        entered.set()
        time.sleep(0.5)  # the GIL is released, the lock held
        return 1.0

class AtTeardown:
    def __init__(self, c, write):
        self.c, self.write = c, write

    def __del__(self):
        try:
            self.c.list()
            self.write(1, b"listed")
        except RuntimeError as exc:
            self.write(1, str(exc).encode())

threading.Thread(target=lambda: c.set("k", Sleeper()), daemon=True).start()
entered.wait(10)
threading.Thread(target=lambda: c.get("k"), daemon=True).start()  # waits for the lock
# A module that only sys.modules holds is released while the interpreter finalizes.
sys.modules["teardown"] = types.ModuleType("teardown")
sys.modules["teardown"].keeper = AtTeardown(c, os.write)
time.sleep(0.1)
""",
}


@pytest.mark.skipif(
    under_address_sanitizer(),
    reason="AddressSanitizer's runtime does not follow the forced unwind of a thread ended at "
    "exit: the stack poisoning it leaves behind fails a CHECK at the next rethrow",
)
@pytest.mark.parametrize("name", list(EXIT_PROGRAMS))
def test_threads_still_calling_at_interpreter_exit_end_cleanly(tmp_path, name):
    path = tmp_path / "small.mdb"
    path.write_text("[c]\n3 k 1\n")
    for _ in range(3):
        try:
            result = subprocess.run([sys.executable, "-c", EXIT_PROGRAMS[name], str(path)],
                                    capture_output=True, text=True, timeout=30)
        except subprocess.TimeoutExpired:
            pytest.fail("the program did not end")
        assert (result.returncode, result.stderr) == (0, "")
        if name.startswith("a finalizer"):
            assert result.stdout == "database is locked by a thread that the interpreter ended at exit"
