"""Runs pairs of pyperf benchmarks (a measured call and its baseline, in the
same run) and prints each pair's ratio as "name: X.XXx baseline" at the end;
a pair given a target also prints its line of the target table (targets.py).

Kept short on purpose: a few worker processes and values per benchmark, so
that a script finishes in a minute or two. Pass pyperf options (for example
--rigorous) on the command line for steadier numbers."""

import timeit

import pyperf

from targets import report_target


def statement_timer(stmt, setup):
    """A pyperf time function running `stmt` `loops` times. `setup` runs once
    per worker process; the names it defines are locals of the timed loop."""
    state = {}

    def run(loops):
        if not state:
            namespace = {}
            exec(setup, namespace)
            names = [n for n in namespace if not n.startswith("__")]
            bind = "\n".join(f"{n} = __ns[{n!r}]" for n in names)
            state["timer"] = timeit.Timer(stmt, setup=bind, globals={"__ns": namespace})
        return state["timer"].timeit(loops)

    return run


class Pairs:
    def __init__(self):
        self.runner = pyperf.Runner(processes=4, values=3, warmups=1, min_time=0.05)
        self.pairs = []

    def timeit(self, name, stmt, baseline, setup, target=None):
        """Times the statements `stmt` and `baseline` after the same `setup`.
        `target`, when given, is the highest ratio of the target table."""
        self.time_func(name, statement_timer(stmt, setup), baseline,
                       statement_timer(baseline, setup), target)

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
