"""A first look at Quorvane: load a database file, read it, change it.

Run with `make demo`.
"""

import os
import sys

from pyquorvane import Quorvane

HERE = os.path.dirname(os.path.abspath(__file__))


def show(title, value, plain=False):
    print(f"  {title:<24} {value if plain else repr(value)}")


print("Loading examples/shop.mdb. A line the loader rejects prints a message:")
sys.stdout.flush()  # the loader writes on the process's standard output directly
db = Quorvane.load(os.path.join(HERE, "shop.mdb"))
print()
print("version:", db.get_version())
print("collections, in file order:", db.list_collections())

products = db.get_collection("products")
print("\nproducts: every type code of the file, as Python sees it")
for key in sorted(products.list()):
    show(key, products.get(key))

customers = db.get_collection("customers")
print("\ncustomers: nested documents and arrays come back as dicts and lists")
address = customers.get("ada-address")
show("ada-address city", address["city"])
show("first order", sorted(customers.get("ada-orders")[0].items()))
show("ada-id (braced in file)", customers.get("ada-id"))

settings = db.get_collection("settings")
print("\nsettings: 'broken-price' was rejected, so it is absent")
show("keys", sorted(settings.list()))

print("\nStoring Python values")
customers.set("grace", {"name": "Grace Hopper", "tags": ["navy", "cobol"], "vip": True})
customers.set("pi", 3.141592653589793)
show("grace", sorted(customers.get("grace").items()))
show("pi (single precision)", customers.get("pi"))
getattr(customers, "del")("pi")  # `del` is a Python keyword: reach it with getattr
show("'pi' in keys", "pi" in customers.list())

print("\nWhat the store refuses")
for value in (None, (1, 2), {1: "one"}, b"bytes"):
    try:
        customers.set("x", value)
    except (ValueError, TypeError) as error:
        show(repr(value), f"{type(error).__name__}: {error}", plain=True)
try:
    customers.get("nobody")
except ValueError as error:
    show("get('nobody')", f"ValueError: {error}", plain=True)
try:
    db.create_collection("customers")
except ValueError as error:
    show("create 'customers'", f"ValueError: {error}", plain=True)

print("\nChanges live in memory only; the file is never written.")
