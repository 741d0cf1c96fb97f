"""Runs pairs of pyperf benchmarks (a measured call and its baseline, in the
same run) and prints each pair's ratio as "name: X.XXx baseline" at the end;
a pair given a target also prints its line of the target table (targets.py).

Kept short on purpose: a few worker processes and values per benchmark, so
that a script finishes in a minute or two. Pass pyperf options (for example
--rigorous) on the command line for steadier numbers."""

import statistics
import timeit

import pyperf

from targets import report_target


def bound_timer(stmt, namespace):
    """A timeit.Timer of `stmt` whose locals are the names of `namespace`."""
    names = [n for n in namespace if not n.startswith("__")]
    bind = "\n".join(f"{n} = __ns[{n!r}]" for n in names)
    return timeit.Timer(stmt, setup=bind, globals={"__ns": namespace})


def statement_timer(stmt, setup):
    """A pyperf time function running `stmt` `loops` times. `setup` runs once
    per worker process; the names it defines are locals of the timed loop."""
    state = {}

    def run(loops):
        if not state:
            namespace = {}
            exec(setup, namespace)
            state["timer"] = bound_timer(stmt, namespace)
        return state["timer"].timeit(loops)

    return run


def alternating_ratio(stmt, baseline, setup, rounds=15, repeat=5):
    """The median over `rounds` of the ratio of `stmt`'s time to `baseline`'s,
    each the best of `repeat` runs, the two timed in turn in this process on
    the objects of one `setup`. Two pyperf benchmarks run in separate worker
    processes, each with its own memory layout and moment of the machine;
    at keys that miss the caches that alone moved their ratio by 15 to 40%."""
    namespace = {}
    exec(setup, namespace)
    mine, base = bound_timer(stmt, namespace), bound_timer(baseline, namespace)
    ratios = [min(mine.repeat(repeat, 1)) / min(base.repeat(repeat, 1)) for _ in range(rounds)]
    return statistics.median(ratios)


class Pairs:
    def __init__(self):
        self.runner = pyperf.Runner(processes=4, values=3, warmups=1, min_time=0.05)
        self.pairs = []
        self.alternated = []

    def timeit(self, name, stmt, baseline, setup, target=None, alternate=False):
        """Times the statements `stmt` and `baseline` after the same `setup`.
        `target`, when given, is the highest ratio of the target table; with
        `alternate`, it is judged by alternating_ratio, which is also printed."""
        self.time_func(name, statement_timer(stmt, setup), baseline,
                       statement_timer(baseline, setup), None if alternate else target)
        if alternate and not self.runner.args.worker:
            self.alternated.append((name, baseline, alternating_ratio(stmt, baseline, setup),
                                    target))

    def time_func(self, name, func, baseline_name, baseline_func, target=None):
        """Times two functions of pyperf's bench_time_func form: f(loops) -> seconds."""
        mine = self.runner.bench_time_func(name, func)
        base = self.runner.bench_time_func(f"{name} [baseline: {baseline_name}]", baseline_func)
        self.pairs.append((name, baseline_name, mine, base, target))

    def report(self):
        if self.runner.args.worker:
            return
        print()
        for name, baseline_name, mine, base, target in self.pairs:
            if mine is None or base is None:
                continue
            ratio = mine.median() / base.median()
            print(f"{name}: {ratio:.2f}x baseline")
            if target is not None:
                report_target(f"{name} vs {baseline_name} (time)", ratio, "<=", target)
        for name, baseline_name, ratio, target in self.alternated:
            print(f"{name}, timed in turn: {ratio:.2f}x baseline")
            if target is not None:
                report_target(f"{name} vs {baseline_name} (time, in turn)", ratio, "<=", target)
