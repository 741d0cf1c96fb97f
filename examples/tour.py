"""A first look at Quorvane: databases, collections and their names."""

from pyquorvane import Quorvane

db = Quorvane()
print("version:", db.get_version())
