"""Wrong calls, one per line marked "# wrong": mypy must flag each of them
and nothing else."""

import pathlib
from typing import TYPE_CHECKING

from pyquorvane import Quorvane

if TYPE_CHECKING:
    from pyquorvane import DelMethod

db = Quorvane.load(pathlib.Path("shop.mdb"))  # wrong
c = db.get_collection("users")
c.get(1)  # wrong
c.set("a", None)  # wrong
c.set("a", (1, 2))  # wrong
c.set("a", b"bytes")  # wrong
c.set("a", {1: "int key"})  # wrong
c.set(k="a", value=1)  # wrong
db.create_collection()  # wrong
Quorvane("path.mdb")  # wrong
text: str = c.get("a")  # wrong
c.list().upper()  # wrong
db.get_version(1)  # wrong
remove: "DelMethod" = getattr(c, "del")
remove(1)  # wrong
c.delete("a")  # wrong
c.set("a", [1, None])  # checked when stored, not here
