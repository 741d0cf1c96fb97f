"""The members of Collection: get, set, del and list."""

import inspect

import pytest

from pyquorvane import Quorvane


def delete(c, key):
    return getattr(c, "del")(key)


@pytest.mark.parametrize(
    "name, bound",
    [("get", "(k)"), ("set", "(k, v)"), ("del", "(key)"), ("list", "()")],
)
def test_member_signatures(coll, name, bound):
    method = getattr(type(coll), name)
    assert method.__text_signature__ == "($self" + (", " + bound[1:] if bound != "()" else ")")
    assert method.__doc__ is None
    assert str(inspect.signature(getattr(coll, name))) == bound


def test_collection_class_cannot_be_called(coll):
    with pytest.raises(TypeError) as info:
        type(coll)()
    assert info.value.args == ("No constructor defined for Collection",)
    with pytest.raises(TypeError, match="^No constructor defined for Collection$"):
        type(coll)("c", x=1)


def test_get_missing_key(coll):
    with pytest.raises(ValueError) as info:
        coll.get("missing")
    assert info.value.args == ("error getting key",)


def test_del_missing_key_returns_none(coll):
    assert delete(coll, "missing") is None
    assert coll.list() == []


def test_set_replaces_and_keeps_one_entry(coll):
    assert coll.set("a", "x") is None
    assert coll.get("a") == "x"
    coll.set("a", "y")
    assert coll.get("a") == "y"
    assert coll.list() == ["a"]


def test_del_removes_the_key(coll):
    coll.set("a", 1.5)
    assert delete(coll, "a") is None
    with pytest.raises(ValueError, match="^error getting key$"):
        coll.get("a")
    assert coll.list() == []
    assert delete(coll, "a") is None


def test_list_of_new_and_filled_collection(coll):
    assert coll.list() == []
    coll.set("b", 1.0)
    coll.set("a", 2.0)
    keys = coll.list()
    assert type(keys) is list and sorted(keys) == ["a", "b"]
    assert all(type(k) is str for k in keys)


@pytest.mark.parametrize("size", [0, 5, 8, 9, 1000])
def test_list_is_stable_and_complete(coll, size):
    expected = {f"k{i}" for i in range(size)}
    for key in expected:
        coll.set(key, 1.0)
    first = coll.list()
    assert sorted(first) == sorted(expected)
    assert coll.list() == first  # same order while nothing changes
    first.clear()
    assert len(coll.list()) == size


@pytest.mark.parametrize("key", ["", "a", "A", " a", "a ", "a\0b", "ключ", "\U0001f600", "k" * 5000])
def test_keys_are_exact(coll, key):
    coll.set(key, key)
    others = {"", "a", "A", " a", "a ", "a\0b", "ключ", "\U0001f600", "k" * 5000} - {key}
    for other in others:
        with pytest.raises(ValueError, match="^error getting key$"):
            coll.get(other)
    assert coll.get(key) == key
    assert coll.list() == [key]


def test_keys_differ_by_case(coll):
    coll.set("a", 1.0)
    coll.set("A", 2.0)
    assert (coll.get("a"), coll.get("A")) == (1.0, 2.0)
    assert sorted(coll.list()) == ["A", "a"]


@pytest.mark.parametrize("value", [None, [None], {"a": None}, [1.0, [2.0, (3,)]]])
def test_failed_set_stores_nothing(coll, value):
    coll.set("keep", "old")
    with pytest.raises(ValueError) as info:
        coll.set("keep", value)
    assert info.value.args == ("Unsupported data type",)
    with pytest.raises(ValueError):
        coll.set("new", value)
    assert coll.list() == ["keep"]
    assert coll.get("keep") == "old"


def test_results_are_copies(coll):
    stored = [1.0, {"x": [2.0]}]
    coll.set("a", stored)
    stored.append(3.0)
    stored[1]["x"].append(9.0)
    got = coll.get("a")
    assert got == [1.0, {"x": [2.0]}]
    got.append(4.0)
    got[1]["y"] = 1.0
    assert coll.get("a") == [1.0, {"x": [2.0]}]
    assert coll.get("a") is not coll.get("a")


def test_number_results_kept_by_the_caller_never_change(coll):
    coll.set("a", 1.5)
    coll.set("b", 2.5)
    coll.get("a")  # dropped at once: its float may serve the next get
    kept = coll.get("a")
    pair = (kept, coll.get("b"))
    listed = [coll.get(k) for k in "abab"]
    assert (kept, pair, listed) == (1.5, (1.5, 2.5), [1.5, 2.5, 1.5, 2.5])
    assert sum(map(coll.get, "ab" * 50)) == 200.0


def test_two_objects_see_each_others_changes(db):
    one, two = db.get_collection("c"), db.get_collection("c")
    one.set("a", "x")
    assert two.get("a") == "x"
    delete(two, "a")
    with pytest.raises(ValueError, match="^error getting key$"):
        one.get("a")


def test_collections_of_one_database_are_separate(db):
    db.create_collection("d")
    c, d = db.get_collection("c"), db.get_collection("d")
    c.set("k", 1.0)
    assert d.list() == []


def test_works_after_database_object_is_gone():
    db = Quorvane()
    db.create_collection("a")
    c = db.get_collection("a")
    del db
    c.set("k", "v")
    assert c.get("k") == "v"
    assert c.list() == ["k"]
    assert delete(c, "k") is None


def test_many_keys_round_trip(coll):
    # Texts among the numbers: a get after one of the other kind gets its own.
    def value(i):
        return f"t{i}" if i % 5 == 0 else float(i)

    for i in range(20000):
        coll.set(str(i), value(i))
    for i in range(0, 20000, 7):
        delete(coll, str(i))
    remaining = {str(i) for i in range(20000) if i % 7}
    assert set(coll.list()) == remaining
    assert all(coll.get(k) == value(int(k)) for k in list(remaining)[:500])
