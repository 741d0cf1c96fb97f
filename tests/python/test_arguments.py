"""Argument binding and str conversion, the same for every member of both classes."""

import pathlib

import pytest

from pyquorvane import Quorvane


def members():
    """(full name, parameter names, callable) for every member that takes arguments."""
    db = Quorvane()
    db.create_collection("a")
    c = db.get_collection("a")
    return [
        ("Quorvane.__new__", (), Quorvane),
        ("Quorvane.load", ("path",), Quorvane.load),
        ("Quorvane.create_collection", ("name",), db.create_collection),
        ("Quorvane.get_collection", ("name",), db.get_collection),
        ("Collection.get", ("k",), c.get),
        ("Collection.set", ("k", "v"), c.set),
        ("Collection.del", ("key",), getattr(c, "del")),
    ]


MEMBERS = {name: (params, call) for name, params, call in members()}


def quoted(names):
    names = [f"'{n}'" for n in names]
    return names[0] if len(names) == 1 else " and ".join(names)


def binding_cases():
    for name, (params, _) in MEMBERS.items():
        n = len(params)
        full = f"{name}()"
        for extra in (1, 2):
            given = n + extra
            word = "was" if given == 1 else "were"
            yield pytest.param(
                name, ("x",) * given, {},
                f"{full} takes {n} positional arguments but {given} {word} given",
                id=f"{name}-too-many-{extra}",
            )
        yield pytest.param(
            name, ("x",) * n, {"bogus": 1},
            f"{full} got an unexpected keyword argument 'bogus'", id=f"{name}-unexpected",
        )
        # Too many positional arguments are reported before a bad keyword.
        yield pytest.param(
            name, ("x",) * (n + 1), {"bogus": 1},
            f"{full} takes {n} positional arguments but {n + 1} {'was' if n + 1 == 1 else 'were'} given",
            id=f"{name}-too-many-before-keyword",
        )
        if n == 0:
            continue
        yield pytest.param(
            name, ("x",), {params[0]: "y"},
            f"{full} got multiple values for argument '{params[0]}'", id=f"{name}-multiple",
        )
        yield pytest.param(
            name, (), {}, f"{full} missing {n} required positional argument{'s' if n > 1 else ''}: "
            f"{quoted(params)}", id=f"{name}-missing-all",
        )
        # A bad keyword is reported before missing parameters.
        yield pytest.param(
            name, (), {"nam": "a"}, f"{full} got an unexpected keyword argument 'nam'",
            id=f"{name}-unexpected-before-missing",
        )


@pytest.mark.parametrize("name, args, kwargs, message", list(binding_cases()))
def test_binding_messages(name, args, kwargs, message):
    _, call = MEMBERS[name]
    with pytest.raises(TypeError) as info:
        call(*args, **kwargs)
    assert info.value.args == (message,)


@pytest.mark.parametrize(
    "args, kwargs, message",
    [
        # Keywords are examined in call order; the first bad one decides.
        (("a",), {"bogus": 1, "k": "a"}, "got an unexpected keyword argument 'bogus'"),
        (("a",), {"k": "b", "bogus": 1}, "got multiple values for argument 'k'"),
        ((), {"v": 1, "zzz": 2, "k": "a"}, "got an unexpected keyword argument 'zzz'"),
        (("a", "b"), {"v": 1, "zzz": 2}, "got multiple values for argument 'v'"),
        ((), {"k": "a", "k2": 1}, "got an unexpected keyword argument 'k2'"),
        # A parameter filled twice wins over one left missing.
        (("a",), {"k": "b"}, "got multiple values for argument 'k'"),
    ],
)
def test_keyword_order_decides(coll, args, kwargs, message):
    with pytest.raises(TypeError) as info:
        coll.set(*args, **kwargs)
    assert info.value.args == (f"Collection.set() {message}",)
    assert coll.list() == []


def test_missing_second_parameter(coll):
    with pytest.raises(TypeError) as info:
        coll.set("a")
    assert info.value.args == ("Collection.set() missing 1 required positional argument: 'v'",)
    with pytest.raises(TypeError) as info:
        coll.set(v=1)
    assert info.value.args == ("Collection.set() missing 1 required positional argument: 'k'",)


def test_keywords_bind_by_exact_name(coll):
    coll.set(k="a", v=1.0)
    coll.set(v=2.0, k="b")
    assert coll.get(k="a") == 1.0
    getattr(coll, "del")(key="b")
    assert coll.list() == ["a"]
    with pytest.raises(TypeError, match="unexpected keyword argument 'K'"):
        coll.get(K="a")


@pytest.mark.parametrize("call", ["get_version", "list_collections"])
def test_members_without_parameters_refuse_arguments(call):
    method = getattr(Quorvane(), call)
    with pytest.raises(TypeError):
        method(1)
    with pytest.raises(TypeError):
        method(x=1)


def test_collection_list_refuses_arguments(coll):
    with pytest.raises(TypeError):
        coll.list(1)


class Outer:
    class Inner:
        pass


NON_STR = [
    (5, "int"),
    (1.5, "float"),
    (None, "NoneType"),
    (b"a", "bytes"),
    (True, "bool"),
    (["a"], "list"),
    (pathlib.Path("a"), "PosixPath"),
    (Outer.Inner(), "Outer.Inner"),
]


def str_params():
    for name, (params, _) in MEMBERS.items():
        for index, param in enumerate(params):
            if param != "v":
                yield pytest.param(name, index, param, id=f"{name}-{param}")


@pytest.mark.parametrize("value, qualname", NON_STR, ids=[q for _, q in NON_STR])
@pytest.mark.parametrize("name, index, param", list(str_params()))
def test_non_str_arguments_are_refused(name, index, param, value, qualname):
    params, call = MEMBERS[name]
    args = ["a"] * len(params)
    args[index] = value
    with pytest.raises(TypeError) as info:
        call(*args)
    assert info.value.args == (
        f"argument '{param}': '{qualname}' object cannot be converted to 'PyString'",
    )


@pytest.mark.parametrize("name, index, param", list(str_params()))
def test_lone_surrogates_raise_the_interpreters_error(name, index, param):
    params, call = MEMBERS[name]
    args = ["a"] * len(params)
    args[index] = "a\ud800"
    with pytest.raises(UnicodeEncodeError) as info:
        call(*args)
    assert info.value.encoding == "utf-8"


def test_binding_comes_before_conversion(coll):
    with pytest.raises(TypeError, match="takes 1 positional arguments but 2 were given"):
        coll.get(1, 2)
    with pytest.raises(TypeError, match="^argument 'k'"):
        coll.set(1, None)  # parameters convert in order: k fails first


class Key(str):
    def __hash__(self):
        raise AssertionError("the key must not be hashed by Python")

    def __eq__(self, other):
        raise AssertionError("the key must not be compared by Python")


def test_str_subclass_arguments_are_read_as_text(coll):
    coll.set(Key("a"), Key("value"))
    assert coll.get(Key("a")) == "value"
    assert type(coll.get("a")) is str
    getattr(coll, "del")(Key("a"))
    assert coll.list() == []
