"""Files built to hurt: huge lines, deep nesting, masses of sections, keys,
quotes and commas, every byte value, broken UTF-8. Each is generated into
tmp_path and loaded by Quorvane.load in a child process with a timeout; the
child must load it (with the expected content) or refuse it cleanly with
FileNotFoundError, never crash or hang, and its peak resident memory beyond
that of a child loading an empty file must stay within a bound proportional
to the file. The peaks are listed at the end of the pytest run."""

import os
import resource
import signal
import subprocess
import sys
import time

import pytest

from conftest import HOSTILE_PEAKS, under_address_sanitizer, under_qemu

MB = 1024 * 1024
# Instrumented builds are slower, and AddressSanitizer's allocator keeps
# freed memory in quarantine (up to 256 MB) and pads every block.
SLOWDOWN = 4 if under_address_sanitizer() else 1
TIMEOUT = 60 * SLOWDOWN
ASAN_EXTRA = 512 * MB if under_address_sanitizer() else 0
QEMU_CODE = 8 * MB if under_qemu() else 0  # qemu-user's translated code is resident too

CHILD = r"""
import sys
from pyquorvane import Quorvane


def resident_bytes(field):
    # This process's own figures (VmHWM the high-water mark); the one rusage
    # reports for a child also counts what the parent had mapped at the fork.
    with open("/proc/self/status") as status:
        for line in status:
            if line.startswith(field + ":"):
                return int(line.split()[1]) * 1024


try:
    db = Quorvane.load(sys.argv[1])
except FileNotFoundError as exc:
    result = "refused: " + str(exc)
except MemoryError:
    result = "out of memory"
else:
    names = db.list_collections()
    first = db.get_collection(names[0]) if names else None
    keys = first.list() if first else []
    result = f"loaded {len(names)} collections, {len(keys)} keys in the first"
    if len(sys.argv) > 2:
        key = bytes.fromhex(sys.argv[2]).decode()  # a key may hold a NUL
        value = first.get(key)
        shown = len(value) if isinstance(value, (str, list, dict)) else value
        result += f", {key!r} -> {type(value).__name__} {shown!r}"
sys.stderr.write(f"{resident_bytes('VmHWM')} {resident_bytes('VmRSS')} {result}\n")
"""


def repeat(unit, times, prefix=b"", suffix=b""):
    """Writes prefix + unit * times + suffix in pieces of about 1 MB."""

    def write(path):
        with open(path, "wb") as out:
            out.write(prefix)
            per_chunk = max(1, MB // max(1, len(unit)))
            left = times
            while left:
                n = min(per_chunk, left)
                out.write(unit * n)
                left -= n
            out.write(suffix)

    return write


def lines(make_line, count, prefix=b""):
    def write(path):
        with open(path, "wb") as out:
            out.write(prefix)
            for start in range(0, count, 10_000):
                out.write(b"".join(make_line(i) for i in range(start, min(count, start + 10_000))))

    return write


def raw(data):
    def write(path):
        with open(path, "wb") as out:
            out.write(data)

    return write


ALL_ASCII_BUT_LF = bytes(b for b in range(128) if b != 0x0A)
ASCII_WORD = bytes(b for b in ALL_ASCII_BUT_LF if not chr(b).isspace())
REFUSED = "refused: Path can't be loaded"

# name -> (writer, key to read back or None, expected result line, memory
# allowed beyond the baseline as (bytes per file byte, fixed bytes))
CASES = {
    "100 MB single line of one text value": (
        repeat(b"x", 100 * MB, prefix=b"[a]\n2 k "), "k",
        "loaded 1 collections, 1 keys in the first, 'k' -> str 104857600", (4, 64 * MB)),
    "100 MB single line without a header": (
        repeat(b"x", 100 * MB), None, REFUSED, (2, 64 * MB)),
    "100 MB single line of 33 million words": (
        repeat(b"ab ", 33 * MB, prefix=b"[a]\n2 k "), None,
        "loaded 1 collections, 0 keys in the first", (4, 64 * MB)),
    "100 MB single line of one quoted field": (
        repeat(b"ab ", 33 * MB, prefix=b'[a]\n2 k "', suffix=b'"'), "k",
        "loaded 1 collections, 1 keys in the first, 'k' -> str 103809024", (5, 64 * MB)),
    "a million nested brackets": (
        repeat(b"[", MB, prefix=b"[a]\n5 k ", suffix=b"]" * MB), None,
        "loaded 1 collections, 0 keys in the first", (4, 64 * MB)),
    "a million nested brackets, inferred": (
        repeat(b"[", MB, prefix=b"[a]\n5 k [1, ", suffix=b"]" * MB + b"]"), None,
        "loaded 1 collections, 0 keys in the first", (4, 64 * MB)),
    "a million nested documents": (
        repeat(b"{a: ", MB, prefix=b"[a]\n6 k ", suffix=b"}" * MB), None,
        "loaded 1 collections, 0 keys in the first", (4, 64 * MB)),
    "nesting just inside the depth limit": (
        repeat(b"[", 512, prefix=b"[a]\n5 k ", suffix=b"1" + b"]" * 512), "k",
        "loaded 1 collections, 1 keys in the first, 'k' -> list 1", (4, 64 * MB)),
    "a million unbalanced brackets": (
        repeat(b"[", MB, prefix=b"[a]\n2 k "), "k",
        "loaded 1 collections, 1 keys in the first, 'k' -> str 1048576", (4, 64 * MB)),
    "a million sections": (
        lines(lambda i: b"[s%d]\n" % i, MB), None,
        "loaded 1048576 collections, 0 keys in the first", (40, 64 * MB)),
    "a million entries in one section": (
        lines(lambda i: b"3 k%d %d\n" % (i, i), MB, prefix=b"[a]\n"), "k999",
        "loaded 1 collections, 1048576 keys in the first, 'k999' -> float 999.0", (30, 64 * MB)),
    "a million rejected lines": (
        lines(lambda i: b"3 k%d tall\n" % i, MB, prefix=b"[a]\n"), None,
        "loaded 1 collections, 0 keys in the first", (1, 8 * MB)),
    "a million updates of one key": (
        lines(lambda i: b"3 k %d\n" % i, MB, prefix=b"[a]\n"), "k",
        "loaded 1 collections, 1 keys in the first, 'k' -> float 1048575.0", (1, 8 * MB)),
    "a million updates of 100 keys": (
        lines(lambda i: b"3 k%d %d\n" % (i % 100, i), MB, prefix=b"[a]\n"), None,
        "loaded 1 collections, 100 keys in the first", (4, 64 * MB)),
    "a million bracket lines in a section": (
        repeat(b"[\n", MB, prefix=b"[a]\n"), None,
        "loaded 1 collections, 0 keys in the first", (2, 64 * MB)),
    "every byte value": (
        repeat(bytes(range(256)), 4096), None, REFUSED, (2, 64 * MB)),
    "every ASCII byte in names, keys and values": (
        raw(b"[" + ALL_ASCII_BUT_LF + b"]\n2 \x00\x01\x7f \x00" + ASCII_WORD + b"\n"),
        "\x00\x01\x7f", "loaded 1 collections, 1 keys in the first, "
        f"'\\x00\\x01\\x7f' -> str {1 + len(ASCII_WORD)}", (2, 64 * MB)),
    "a 2-byte UTF-8 sequence cut at the end": (raw(b"[a]\n2 k \xc3"), None, REFUSED, (2, 64 * MB)),
    "a 3-byte UTF-8 sequence cut at the end": (raw(b"[a]\n2 k \xe2\x82"), None, REFUSED, (2, 64 * MB)),
    "a 4-byte UTF-8 sequence cut at the end": (raw(b"[a]\n2 k \xf0\x9f\x98"), None, REFUSED, (2, 64 * MB)),
    "an encoded surrogate": (raw(b"[a]\n2 k \xed\xa0\x80\n"), None, REFUSED, (2, 64 * MB)),
    "an overlong encoding": (raw(b"[a]\n2 k \xc0\xaf\n"), None, REFUSED, (2, 64 * MB)),
    "a byte order mark": (raw(b"\xef\xbb\xbf[a]\n"), None, REFUSED, (2, 64 * MB)),
    "a line of 10 million quotes": (
        repeat(b'"', 10 * MB, prefix=b"[a]\n2 k "), "k",
        "loaded 1 collections, 1 keys in the first, 'k' -> str 0", (4, 64 * MB)),
    "10 million quotes and apostrophes between words": (
        repeat(b"\"' ", 10 * MB, prefix=b"[a]\n2 k "), None,
        "loaded 1 collections, 0 keys in the first", (2, 64 * MB)),
    "a million commas in an array": (
        repeat(b",", MB, prefix=b"[a]\n5 k [", suffix=b"x]"), "k",
        "loaded 1 collections, 1 keys in the first, 'k' -> list 1048577", (200, 64 * MB)),
    "a million colons in a document": (
        repeat(b"a:", MB, prefix=b"[a]\n6 k {", suffix=b"}"), "k",
        "loaded 1 collections, 1 keys in the first, 'k' -> dict 1", (4, 64 * MB)),
    "a million pairs with one key": (
        repeat(b"a: 1, ", MB, prefix=b"[a]\n6 k {", suffix=b"}"), "k",
        "loaded 1 collections, 1 keys in the first, 'k' -> dict 1", (4, 64 * MB)),
    "a number of 10 million digits": (
        repeat(b"9", 10 * MB, prefix=b"[a]\n3 k 0.", suffix=b"e-30"), "k",
        "loaded 1 collections, 1 keys in the first, 'k' -> float 1.0000000031710769e-30", (4, 64 * MB)),
    "a collection name of 50 million bytes": (
        repeat(b"n", 50 * MB, prefix=b"[", suffix=b"]\n2 k v\n"), None,
        "loaded 1 collections, 1 keys in the first", (4, 64 * MB)),
    "a million sections of one name": (
        repeat(b"[s]\n3 k 1\n", MB), None,
        "loaded 1048576 collections, 1 keys in the first", (40, 64 * MB)),
    "a key of 50 million bytes": (
        repeat(b"k", 50 * MB, prefix=b"[a]\n2 ", suffix=b" v"), None,
        "loaded 1 collections, 1 keys in the first", (5, 64 * MB)),
    "10 million blank lines of Unicode whitespace": (
        repeat("\u3000\u2028\r\n".encode(), 10 * MB // 8), None,
        "loaded 0 collections, 0 keys in the first", (2, 64 * MB)),
    "10 million comment lines": (
        repeat(b"#\n", 5 * MB, prefix=b"[a]\n"), None,
        "loaded 1 collections, 0 keys in the first", (2, 64 * MB)),
}


# Resident memory that a database loaded from these files may keep beyond
# the baseline: tables sized for every line or pair give back the room unused.
KEPT = {name: 4 * MB for name in ["a million updates of one key", "a million updates of 100 keys",
                                   "a million rejected lines", "a million pairs with one key"]}


def run_child(path, key, address_space=None, timeout=TIMEOUT):
    """Loads `path` in a child process, its address space limited to
    `address_space` bytes if given; returns its result line, its peak
    resident memory and what stays resident after the load, in bytes. The
    child is killed at the timeout."""
    argv = [sys.executable, "-c", CHILD, str(path)] + ([key.encode().hex()] if key is not None else [])

    def limit():
        if address_space:
            resource.setrlimit(resource.RLIMIT_AS, (address_space, address_space))

    child = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                             preexec_fn=limit)
    deadline = time.monotonic() + timeout
    while True:
        pid, status, _ = os.wait4(child.pid, os.WNOHANG)
        if pid:
            break
        if time.monotonic() > deadline:
            child.kill()
            child.wait()
            pytest.fail(f"loading took longer than {timeout}s")
        time.sleep(0.02)
    child.returncode = os.waitstatus_to_exitcode(status)
    stderr = child.stderr.read().decode(errors="replace")
    child.stderr.close()
    assert child.returncode == 0, (
        f"child ended with {child.returncode}"
        + (f" ({signal.Signals(-child.returncode).name})" if child.returncode < 0 else "")
        + f":\n{stderr[-3000:]}")
    peak, kept, result = stderr.strip().splitlines()[-1].split(" ", 2)
    return result, int(peak), int(kept)


@pytest.fixture(scope="module")
def baseline(tmp_path_factory):
    path = tmp_path_factory.mktemp("baseline") / "empty.mdb"
    path.write_bytes(b"")
    result, peak, kept = run_child(path, None)
    assert result == "loaded 0 collections, 0 keys in the first"
    return peak, kept


@pytest.mark.parametrize("name", list(CASES))
def test_hostile_file_loads_or_is_refused_within_bounds(tmp_path, baseline, request, name):
    write, key, expected, (per_byte, fixed) = CASES[name]
    path = tmp_path / "hostile.mdb"
    write(path)
    size = path.stat().st_size
    started = time.monotonic()
    result, peak, kept = run_child(path, key)
    seconds = time.monotonic() - started
    path.unlink()
    extra = max(0, peak - baseline[0])
    request.config.stash[HOSTILE_PEAKS].append((name, size, peak, extra, seconds, result))
    assert result == expected
    assert extra <= per_byte * size + fixed + ASAN_EXTRA, f"{extra / MB:.0f} MB beyond the baseline"
    if name in KEPT:
        assert kept - baseline[1] <= KEPT[name] + ASAN_EXTRA + QEMU_CODE, f"{(kept - baseline[1]) / MB:.0f} MB kept"


@pytest.mark.skipif(
    under_address_sanitizer(),
    reason="AddressSanitizer reserves terabytes of address space for its shadow memory "
    "and reports an allocation beyond its maximum as an error instead of failing it",
)
def test_more_than_memory_holds_is_a_memory_error(tmp_path, baseline, request):
    # The file is read whole: what cannot be held fails with MemoryError
    # before it is read, since its size is known.
    path = tmp_path / "sparse.mdb"
    with open(path, "wb") as out:
        out.truncate(1 << 40)  # 1 TB, all hole
    started = time.monotonic()
    result, peak, _ = run_child(path, None)
    request.config.stash[HOSTILE_PEAKS].append(
        ("a file of 1 TB, all hole", os.stat(path).st_size, peak, max(0, peak - baseline[0]),
         time.monotonic() - started, result))
    assert result == "out of memory"
    assert peak < 1100 * MB


@pytest.mark.parametrize(
    "source", ["a FIFO with no writer", "/dev/zero", "/dev/urandom", "/dev/null", "a directory"])
def test_anything_but_a_regular_file_is_refused_at_once(tmp_path, source):
    # A FIFO would block the whole interpreter until a writer came, and a
    # device may never end: neither is read at all.
    if source == "a FIFO with no writer":
        path = tmp_path / "fifo"
        os.mkfifo(path)
    elif source == "a directory":
        path = tmp_path
    else:
        path = source
    limit = None if under_address_sanitizer() else 1 << 30
    result, _, _ = run_child(path, None, address_space=limit, timeout=10 * SLOWDOWN)
    assert result == REFUSED


INTERRUPTED_CHILD = r"""
import sys
from pyquorvane import Quorvane

def bytes_read():
    with open("/proc/self/io") as io:
        return int(io.readline().split()[1])  # rchar

before = bytes_read()
print("loading", before, flush=True)
try:
    Quorvane.load(sys.argv[1])
    outcome = "loaded"
except KeyboardInterrupt:
    outcome = "KeyboardInterrupt"
except FileNotFoundError:
    outcome = "refused"
print(outcome, bytes_read() - before, flush=True)
"""


@pytest.mark.parametrize("stage", ["reading", "parsing"])
def test_ctrl_c_ends_a_long_load(tmp_path, stage):
    # Ctrl-C arrives while a file of 1 GB is read, or once one of 48 MB is
    # read whole (the parent watches the child's read count): the load stops
    # with KeyboardInterrupt, before the message of the last line is printed.
    path = tmp_path / "long.mdb"
    section = "".join(f"3 k{j} {j}\n" for j in range(1000))
    path.write_text("".join(f"[s{i}]\n{section}" for i in range(48 * MB // len(section))) + "3 k x")
    wait_for = path.stat().st_size
    if stage == "reading":
        os.truncate(path, 1 << 30)  # the rest is a hole: nothing on disk
        wait_for = 16 * MB
    child = subprocess.Popen([sys.executable, "-c", INTERRUPTED_CHILD, str(path)],
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    try:
        start = int(child.stdout.readline().removeprefix("loading "))

        def bytes_read():
            with open(f"/proc/{child.pid}/io") as io:
                return int(io.readline().split()[1])  # rchar

        deadline = time.monotonic() + TIMEOUT
        while bytes_read() - start < wait_for and time.monotonic() < deadline:
            pass
        child.send_signal(signal.SIGINT)
        out, err = child.communicate(timeout=TIMEOUT)
    finally:
        child.kill()
        child.wait()
    outcome, _, read = out.strip().partition(" ")
    assert (outcome, child.returncode, out.count("\n")) == ("KeyboardInterrupt", 0, 1), err
    assert int(read) < (1 << 30) // 2
