"""Prints the ratio of every C++ benchmark to its baseline.

Reads Google Benchmark's console output. A benchmark named BM_Baseline<X>/<arg>
is the baseline of every BM_<Y>/<arg> listed in the same file whose name
shares the last word of <X> (for example BM_BaselineUnorderedMapFind pairs
with BM_DocumentFind: both end in "Find").
"""

import re
import sys

LINE = re.compile(r"^(BM_\w+)(/\S+)?\s+([\d.]+) (ns|us|ms|s)\s")
SCALE = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}


def last_word(name: str) -> str:
    words = re.findall(r"[A-Z][a-z0-9]*", name)
    return words[-1] if words else name


def main(path: str) -> None:
    times = {}
    for line in open(path, encoding="utf-8"):
        m = LINE.match(line)
        if m:
            times[(m.group(1), m.group(2) or "")] = float(m.group(3)) * SCALE[m.group(4)]
    for (name, arg), t in times.items():
        if name.startswith("BM_Baseline"):
            continue
        for (base, base_arg), bt in times.items():
            if base.startswith("BM_Baseline") and base_arg == arg and last_word(base) == last_word(name):
                print(f"  {name}{arg}: {t / bt:.2f}x the time of {base}{arg}")


if __name__ == "__main__":
    main(sys.argv[1])
