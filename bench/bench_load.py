"""Loading a database file against JSON decoders reading the same content.

Generates (once, cached in bench/data/) a realistic database file (16 MB by
default: about 8 kB of entries per collection, so 1,953 collections) and the
same content as JSON, then measures in one run:
  - Quorvane.load(path), as it runs (a file this large on every processor
    the process may use), and once more pinned to one processor,
  - json.loads(text) of the JSON file (CPython's C parser),
  - orjson.loads and msgspec.json.decode of the JSON bytes,
  - the floor: reading the file and counting its lines,
and prints MB/s and the ratios, plus the resident memory that the loaded
database adds against that of the dict json.loads returns (each measured in
a fresh child process). Each time is the best of several runs, since one
load takes up to a second and pyperf's many short samples do not fit it; the
contenders take turns, round after round, so that a slow spell of a shared
machine falls on all of them alike.

Usage: python bench/bench_load.py [size_mb]
"""

import gc
import json
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
import datagen  # noqa: E402
from targets import report_target  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "data")
SECTION_BYTES = 8192  # entry bytes per collection


def files(size_mb: int) -> tuple[str, str]:
    os.makedirs(DATA, exist_ok=True)
    sections = max(1, round(size_mb * 1_000_000 / SECTION_BYTES))
    mdb = os.path.join(DATA, f"load_{size_mb}mb_{sections}.mdb")
    js = os.path.join(DATA, f"load_{size_mb}mb_{sections}.json")
    if not (os.path.exists(mdb) and os.path.exists(js)):
        text, json_text = datagen.generate(size_mb * 1_000_000, sections=sections)
        with open(mdb, "w", encoding="utf-8") as f:
            f.write(text)
        with open(js, "w", encoding="utf-8") as f:
            f.write(json_text)
    return mdb, js


def best_times(contenders: dict, rounds: int = 7) -> dict:
    """The best time of each contender, run in turn round after round, so
    that a slow spell of a shared machine falls on all of them alike."""
    best = dict.fromkeys(contenders, float("inf"))
    for _ in range(rounds):
        for name, (fn, setup, teardown) in contenders.items():
            setup()
            gc.collect()
            t0 = time.perf_counter()
            result = fn()
            best[name] = min(best[name], time.perf_counter() - t0)
            del result
            teardown()
    return best


def rss_kb() -> int:
    with open("/proc/self/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def child_memory(kind: str, path: str) -> None:
    """Runs in a child: prints the resident memory the loaded content adds."""
    if kind == "json":
        with open(path, encoding="utf-8") as f:
            text = f.read()
        gc.collect()
        before = rss_kb()
        content = json.loads(text)
    else:
        from pyquorvane import Quorvane

        gc.collect()
        before = rss_kb()
        content = Quorvane.load(path)
    gc.collect()
    print(rss_kb() - before)
    del content


def memory_kb(kind: str, path: str) -> int:
    out = subprocess.run([sys.executable, __file__, "--memory", kind, path],
                         check=True, capture_output=True, text=True).stdout
    return int(out.strip().splitlines()[-1])


def main() -> None:
    import msgspec
    import orjson
    from pyquorvane import Quorvane

    size_mb = int(sys.argv[1]) if len(sys.argv) > 1 else 16
    mdb, js = files(size_mb)
    mdb_mb = os.path.getsize(mdb) / 1e6
    js_mb = os.path.getsize(js) / 1e6
    with open(js, "rb") as f:
        json_bytes = f.read()
    json_text = json_bytes.decode("utf-8")

    def floor():
        with open(mdb, "rb") as f:
            return f.read().count(b"\n")

    # A file of several MiB loads on as many threads as the process may run
    # on; pinned to one processor, the same load runs on one thread.
    cpus = os.sched_getaffinity(0)
    nothing = lambda: None  # noqa: E731
    t = best_times({
        "load": (lambda: Quorvane.load(mdb), nothing, nothing),
        "load_one": (lambda: Quorvane.load(mdb), lambda: os.sched_setaffinity(0, {min(cpus)}),
                     lambda: os.sched_setaffinity(0, cpus)),
        "json": (lambda: json.loads(json_text), nothing, nothing),
        "orjson": (lambda: orjson.loads(json_bytes), nothing, nothing),
        "msgspec": (lambda: msgspec.json.decode(json_bytes), nothing, nothing),
        "floor": (floor, nothing, nothing),
    })
    t_load, t_load_one, t_json = t["load"], t["load_one"], t["json"]
    t_orjson, t_msgspec, t_floor = t["orjson"], t["msgspec"], t["floor"]

    load_speed = mdb_mb / t_load
    print(f"database file {mdb_mb:.1f} MB, JSON file {js_mb:.1f} MB")
    for name, t, mb in (("Quorvane.load", t_load, mdb_mb),
                        ("... on one thread", t_load_one, mdb_mb), ("json.loads", t_json, js_mb),
                        ("orjson.loads", t_orjson, js_mb),
                        ("msgspec.json.decode", t_msgspec, js_mb),
                        ("read + count lines", t_floor, mdb_mb)):
        print(f"{name + ':':22}{t * 1e3:8.1f} ms  {mb / t:8.1f} MB/s")
    print(f"load speed: {load_speed / (js_mb / t_orjson):.2f}x orjson.loads (no target); "
          f"{len(cpus)} processors; on one thread {(mdb_mb / t_load_one) / (js_mb / t_json):.2f}x "
          f"json.loads, {t_load_one / t_floor:.2f}x the floor")
    report_target("load MB/s vs json.loads", load_speed / (js_mb / t_json), ">=", 6)
    report_target("load MB/s vs msgspec.json.decode", load_speed / (js_mb / t_msgspec), ">=", 3)
    report_target("load time vs read + count lines", t_load / t_floor, "<=", 4)

    db_kb = memory_kb("quorvane", mdb)
    json_kb = memory_kb("json", js)
    print(f"memory: database {db_kb / 1024:.0f} MiB ({db_kb * 1024 / 1e6 / mdb_mb:.2f}x its file), "
          f"json dict {json_kb / 1024:.0f} MiB ({json_kb * 1024 / 1e6 / js_mb:.2f}x its file)")
    report_target("retained memory vs the json.loads dict", db_kb / json_kb, "<=", 0.45)


if __name__ == "__main__":
    if len(sys.argv) > 1 and sys.argv[1] == "--memory":
        child_memory(sys.argv[2], sys.argv[3])
    else:
        main()
