"""The module object: its attributes, re-import and subinterpreters."""

import importlib
import sys

import pytest

import pyquorvane
from conftest import panic_type, run_script

STANDARD = {"__name__", "__doc__", "__package__", "__loader__", "__spec__", "__file__"}


def test_module_doc_is_empty():
    assert pyquorvane.__doc__ == ""


def test_module_has_only_quorvane_and_all():
    assert set(vars(pyquorvane)) - STANDARD == {"Quorvane", "__all__"}
    assert pyquorvane.__all__ == ["Quorvane"]
    assert type(pyquorvane.__all__) is list
    assert pyquorvane.Quorvane.__name__ == "Quorvane"


def test_star_import_gives_quorvane_only():
    namespace = {}
    exec("from pyquorvane import *", namespace)
    assert set(namespace) - {"__builtins__"} == {"Quorvane"}


def test_collection_class_and_panic_are_not_module_attributes():
    assert not hasattr(pyquorvane, "Collection")
    assert not hasattr(pyquorvane, "PanicException")


def test_reimport_returns_the_same_module_object():
    first = sys.modules.pop("pyquorvane")
    try:
        again = importlib.import_module("pyquorvane")
        assert again is first
        assert again.Quorvane is first.Quorvane
        assert again.__all__ == ["Quorvane"]
    finally:
        sys.modules["pyquorvane"] = first


def test_objects_survive_a_reimport():
    db = pyquorvane.Quorvane()
    db.create_collection("a")
    first = sys.modules.pop("pyquorvane")
    try:
        importlib.import_module("pyquorvane")
        assert db.list_collections() == ["a"]
        assert type(db) is pyquorvane.Quorvane
    finally:
        sys.modules["pyquorvane"] = first


SUBINTERPRETER = """
import os, sys, tempfile
out = tempfile.mktemp()
code = f'''
try:
    import pyquorvane
    result = "imported"
except ImportError as exc:
    result = "ImportError"
with open({out!r}, "w") as f:
    f.write(result)
'''
if IMPORT_FIRST:
    import pyquorvane
if KIND == "legacy":
    import _testcapi
    _testcapi.run_in_subinterp(code)
else:
    try:
        import _interpreters as interpreters
    except ImportError:
        import _xxsubinterpreters as interpreters
    interp = interpreters.create()
    interpreters.run_string(interp, code)
    interpreters.destroy(interp)
with open(out) as f:
    print(f.read())
os.unlink(out)
import pyquorvane
print(pyquorvane.Quorvane().get_version())
"""


def _subinterpreters_available(kind):
    names = ["_testcapi"] if kind == "legacy" else ["_interpreters", "_xxsubinterpreters"]
    for name in names:
        try:
            importlib.import_module(name)
            return True
        except ImportError:
            pass
    return False


@pytest.mark.parametrize("import_first", [True, False], ids=["main-first", "sub-first"])
@pytest.mark.parametrize("kind", ["legacy", "isolated"])
def test_import_from_a_subinterpreter_fails(kind, import_first):
    if not _subinterpreters_available(kind):
        pytest.skip(f"no {kind} subinterpreter support in this interpreter")
    out = run_script(f"KIND = {kind!r}\nIMPORT_FIRST = {import_first}\n" + SUBINTERPRETER)
    assert out.split() == ["ImportError", "0.2.0"]


def test_panic_exception_derives_directly_from_base_exception():
    panic = panic_type()
    assert panic.__name__ == "PanicException"
    assert panic.__bases__ == (BaseException,)
    assert not issubclass(panic, Exception)
