"""Per-call cost of the Quorvane members that touch no values, against a no-op
builtin method call ({}.__contains__('a')), and get_collection in databases of
1, 1,000 and 10,000 collections, each against dict.get on a dict of as many
names."""

from pyperf_pairs import Pairs

SETUP = """
from pyquorvane import Quorvane
db = Quorvane()
for i in range(10):
    db.create_collection(f"collection{i}")
empty = {}
noop = empty.__contains__
get_version = db.get_version
list_collections = db.list_collections
get_collection = db.get_collection
"""

BASELINE = "noop('a')"


def many(count, suffix=""):
    """A database `db<suffix>` of `count` collections, a dict `names<suffix>` of
    the same names, and `name<suffix>`, the last name made."""
    return f"""
from pyquorvane import Quorvane
db{suffix} = Quorvane()
names{suffix} = {{}}
for i in range({count}):
    db{suffix}.create_collection(f"collection{{i}}")
    names{suffix}[f"collection{{i}}"] = i
name{suffix} = f"collection{{{count} - 1}}"
get_collection{suffix} = db{suffix}.get_collection
dget{suffix} = names{suffix}.get
"""


if __name__ == "__main__":
    pairs = Pairs()
    pairs.timeit("get_version()", "get_version()", BASELINE, SETUP)
    pairs.timeit("list_collections() of 10", "list_collections()", BASELINE, SETUP)
    pairs.timeit("get_collection(name)", "get_collection('collection5')", BASELINE, SETUP)
    for count in (1, 1_000, 10_000):
        pairs.timeit(f"get_collection of {count:,}", "get_collection(name)", "dget(name)",
                     many(count), target=2, alternate=True)
    pairs.report()
