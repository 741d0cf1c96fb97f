"""The target table of the benchmarks: every measured figure that has a
target prints one line starting with "target:", which tools/run-bench
gathers at the end of `make bench`."""


def report_target(what: str, figure: float, relation: str, target: float) -> None:
    """Prints `what`, the measured ratio, its target and whether it is met.
    `relation` is ">=" (higher is better) or "<=" (lower is better)."""
    met = figure >= target if relation == ">=" else figure <= target
    print(f"target: {what}: {figure:.2f}x (target {relation} {target:g}x) "
          f"{'met' if met else 'NOT MET'}", flush=True)
