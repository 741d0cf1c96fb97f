"""Uses every member of the module as its type stubs describe it. mypy
--strict must accept it, and it runs: python good_usage.py SHOP_FILE."""

import sys
from typing import TYPE_CHECKING, assert_type

from pyquorvane import Quorvane

if TYPE_CHECKING:
    from pyquorvane import Collection, DelMethod, Storable, Value


def total_price(c: "Collection", keys: list[str]) -> float:
    total = 0.0
    for key in keys:
        value = c.get(key)
        if isinstance(value, float):
            total += value
    return total


def main(path: str) -> None:
    shop = Quorvane.load(path)
    assert_type(shop, Quorvane)
    shop = Quorvane.load(path=path)
    assert_type(shop.get_version(), str)
    assert_type(shop.list_collections(), list[str])

    db = Quorvane()
    db.create_collection("users")
    db.create_collection(name="orders")
    users = db.get_collection("users")
    assert_type(users, "Collection")
    orders = db.get_collection(name="orders")

    numbers: list[int] = [1, 2, 3]
    tags: "Storable" = ["a", "b"]
    users.set("age", 36)
    users.set("height", 1.8)
    users.set("admin", True)
    users.set("name", "Ada")
    users.set("numbers", numbers)
    users.set("tags", tags)
    users.set(k="address", v={"city": "London", "zip": [1, 2.5, {"deep": "x"}]})
    value = users.get("address")
    assert_type(value, "Value")
    if isinstance(value, dict):
        users.set("copy", value)  # what get returns can be stored again
    assert_type(users.list(), list[str])
    assert total_price(users, ["age", "height"]) == 36 + 1.7999999523162842

    remove: "DelMethod" = getattr(users, "del")
    remove("age")
    remove(key="height")
    orders.set("n", users.get(k="numbers"))
    print(sorted(users.list()), shop.list_collections())


if __name__ == "__main__":
    main(sys.argv[1])
