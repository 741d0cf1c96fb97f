"""Type information for pyquorvane, an in-memory document store.

`Collection`, `Value`, `Storable` and `DelMethod` exist for type checkers
only: the module itself holds just `Quorvane`. Import them under
`if typing.TYPE_CHECKING:` (or write them in quotes) in annotations.
"""

import builtins
from typing import Any, Protocol, SupportsFloat, SupportsIndex, TypeAlias, final

__all__ = ["Quorvane"]

# What Collection.get returns: an Id or a Text comes back as str, a Number or
# a Boolean as float (True as 1.0), an Array as list and a Document as dict.
Value: TypeAlias = str | float | builtins.list[Value] | dict[str, Value]

# What Collection.set accepts: str, anything float() or an index conversion
# accepts (int, bool and float included), and lists and dicts of such values
# with str keys. The items of lists and dicts are checked when the value is
# stored (ValueError "Unsupported data type"), not here: list and dict are
# invariant, so spelling their items out would refuse a plain list[int].
Storable: TypeAlias = str | SupportsFloat | SupportsIndex | builtins.list[Any] | dict[str, Any]

class DelMethod(Protocol):
    """The type of `getattr(collection, "del")`: annotate the bound method
    with it to have its calls checked."""

    def __call__(self, key: str) -> None: ...

@final
class Collection:
    """One named collection of a database. Made only by
    Quorvane.get_collection; calling the class raises TypeError."""

    # del(key) -> None also exists: it removes `key`, and an absent key is no
    # error. Its name is a Python keyword, so it is reached only as
    # getattr(collection, "del"), which type checkers see as Any:
    #     remove: DelMethod = getattr(collection, "del")
    def get(self, k: str) -> Value:
        """The value stored under `k`; ValueError "error getting key" when absent."""

    def set(self, k: str, v: Storable) -> None:
        """Stores a copy of `v` under `k`, replacing any earlier value."""

    def list(self) -> builtins.list[str]:
        """The keys, in no particular order."""

@final
class Quorvane:
    """A wrapper that exposes the database to Python."""

    def __init__(self) -> None: ...
    @staticmethod
    def load(path: str) -> Quorvane:
        """Loads the database text file at `path` (a str, not a path object);
        FileNotFoundError "Path can't be loaded" when it cannot be loaded."""

    def get_version(self) -> str: ...
    def create_collection(self, name: str) -> None:
        """ValueError "Collection already exists" when the name is taken."""

    def list_collections(self) -> list[str]: ...
    def get_collection(self, name: str) -> Collection:
        """ValueError "error getting collection" when there is none of the name."""
