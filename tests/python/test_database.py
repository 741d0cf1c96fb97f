"""The class Quorvane: class properties, construction and collection management."""

import copy
import gc
import inspect
import os
import pickle
import weakref

import pytest

from pyquorvane import Quorvane


def new_collection():
    db = Quorvane()
    db.create_collection("x")
    return db.get_collection("x")


def collection_class():
    return type(new_collection())


INSTANCES = [pytest.param(Quorvane, id="Quorvane"), pytest.param(new_collection, id="Collection")]


@pytest.mark.parametrize("make", INSTANCES)
def test_class_identity(make):
    cls = type(make())
    assert cls.__name__ in ("Quorvane", "Collection")
    assert cls.__module__ == "builtins"
    assert cls.__qualname__ == cls.__name__
    assert cls.__bases__ == (object,)


@pytest.mark.parametrize("make", INSTANCES)
def test_class_cannot_be_subclassed(make):
    with pytest.raises(TypeError):
        type("Sub", (type(make()),), {})


@pytest.mark.parametrize("make", INSTANCES)
def test_instances_have_no_dict_and_no_weakref(make):
    obj = make()
    assert not hasattr(obj, "__dict__")
    with pytest.raises(AttributeError):
        obj.extra = 1
    with pytest.raises(TypeError):
        weakref.ref(obj)


@pytest.mark.parametrize("make", INSTANCES)
def test_no_special_methods_beyond_object(make):
    cls = type(make())
    for name in ("__repr__", "__eq__", "__hash__", "__str__"):
        assert getattr(cls, name) is getattr(object, name), name
    for name in ("__len__", "__iter__", "__getitem__", "__contains__"):
        assert not hasattr(cls, name), name


def test_quorvane_docstring_and_signature():
    assert Quorvane.__text_signature__ == "()"
    doc = Quorvane.__doc__
    assert "wrapper" in doc and "database" in doc and "Python" in doc
    assert doc.count(".") == 1 and doc.endswith(".")
    assert str(inspect.signature(Quorvane)) == "()"


def test_collection_has_no_docstring():
    assert collection_class().__doc__ is None


@pytest.mark.parametrize(
    "name, signature",
    [
        ("get_version", "($self)"),
        ("create_collection", "($self, name)"),
        ("list_collections", "($self)"),
        ("get_collection", "($self, name)"),
        ("load", "(path)"),
    ],
)
def test_method_docstrings_are_signatures_only(name, signature):
    method = getattr(Quorvane, name)
    assert method.__text_signature__ == signature
    assert method.__doc__ is None  # nothing beyond the signature


def test_load_is_static():
    assert isinstance(inspect.getattr_static(Quorvane, "load"), staticmethod)


def test_new_database_is_empty_and_creates_no_file(tmp_path, monkeypatch):
    monkeypatch.chdir(tmp_path)
    db = Quorvane()
    assert db.list_collections() == []
    assert db.get_version() == "0.2.0"
    assert os.listdir(tmp_path) == []


def test_get_version_returns_a_new_str_each_call():
    db = Quorvane()
    version = db.get_version()
    assert type(version) is str and version == "0.2.0"


def test_create_collection_twice_fails_and_keeps_one():
    db = Quorvane()
    assert db.create_collection("a") is None
    with pytest.raises(ValueError) as info:
        db.create_collection("a")
    assert info.value.args == ("Collection already exists",)
    assert db.list_collections() == ["a"]
    db.create_collection("A")
    assert db.list_collections() == ["a", "A"]


@pytest.mark.parametrize("name", ["", " a ", "a\0b", "é✓", "\U0001f600", "x" * 10000, "[b]"])
def test_any_name_is_kept_exactly(name):
    db = Quorvane()
    db.create_collection(name)
    assert db.list_collections() == [name]
    c = db.get_collection(name)
    c.set("k", 1.0)
    assert db.get_collection(name).get("k") == 1.0


def test_names_are_not_trimmed_or_case_folded():
    db = Quorvane()
    db.create_collection("a")
    for other in ("A", " a", "a "):
        with pytest.raises(ValueError, match="^error getting collection$"):
            db.get_collection(other)


def test_str_subclass_names_are_accepted():
    class Name(str):
        pass

    db = Quorvane()
    db.create_collection(Name("a"))
    assert db.get_collection(Name("a")).list() == []
    assert type(db.list_collections()[0]) is str


def test_list_collections_keeps_creation_order_and_is_a_new_list():
    db = Quorvane()
    for name in ("b", "a", "c"):
        db.create_collection(name)
    first = db.list_collections()
    assert first == ["b", "a", "c"]
    first.append("z")
    assert db.list_collections() == ["b", "a", "c"]
    assert db.list_collections() is not db.list_collections()


def test_get_collection_missing():
    db = Quorvane()
    with pytest.raises(ValueError) as info:
        db.get_collection("missing")
    assert info.value.args == ("error getting collection",)


def test_keywords_work():
    db = Quorvane()
    db.create_collection(name="a")
    assert db.get_collection(name="a").list() == []


def test_each_get_collection_makes_a_new_object_on_the_same_data():
    db = Quorvane()
    db.create_collection("a")
    one, two = db.get_collection("a"), db.get_collection("a")
    assert one is not two and one != two
    one.set("k", "v")
    assert two.get("k") == "v"
    getattr(two, "del")("k")
    assert one.list() == []


def test_collections_outlive_their_database_object():
    db = Quorvane()
    db.create_collection("a")
    c = db.get_collection("a")
    c.set("k", [1.0])
    del db
    gc.collect()
    assert c.get("k") == [1.0]
    c.set("j", "v")
    assert sorted(c.list()) == ["j", "k"]


def test_databases_are_independent():
    one, two = Quorvane(), Quorvane()
    one.create_collection("a")
    assert two.list_collections() == []
    two.create_collection("a")
    one.get_collection("a").set("k", 1.0)
    with pytest.raises(ValueError, match="^error getting key$"):
        two.get_collection("a").get("k")


def test_collection_position_stays_right_as_collections_are_added():
    db = Quorvane()
    db.create_collection("first")
    first = db.get_collection("first")
    for i in range(100):  # grows (and moves) the database's collection storage
        db.create_collection(f"c{i}")
    first.set("k", 1.0)
    assert db.get_collection("first").get("k") == 1.0
    assert db.get_collection("c99").list() == []


@pytest.mark.parametrize("make", INSTANCES)
@pytest.mark.parametrize("how", ["copy", "deepcopy", "pickle"])
def test_objects_cannot_be_copied_or_pickled(make, how):
    # A copy made through the default protocol would be a new, empty database.
    obj = make()
    action = {"copy": copy.copy, "deepcopy": copy.deepcopy, "pickle": pickle.dumps}[how]
    with pytest.raises(TypeError, match="cannot pickle"):
        action(obj)
