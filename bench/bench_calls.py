"""Per-call cost of the Quorvane members that touch no values, against a no-op
builtin method call ({}.__contains__('a'))."""

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

if __name__ == "__main__":
    pairs = Pairs()
    pairs.timeit("get_version()", "get_version()", BASELINE, SETUP)
    pairs.timeit("list_collections() of 10", "list_collections()", BASELINE, SETUP)
    pairs.timeit("get_collection(name)", "get_collection('collection5')", BASELINE, SETUP)
    pairs.report()
