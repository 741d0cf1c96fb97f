"""The type stubs installed with the module: mypy finds them, accepts a
program that uses every member, flags wrong calls, and their signatures are
those of the module itself."""

import ast
import inspect
import pathlib
import re
import site
import subprocess
import sys

import pytest

from pyquorvane import Quorvane

ROOT = pathlib.Path(__file__).resolve().parents[2]
SAMPLES = pathlib.Path(__file__).parent / "stub_samples"
STUB = ROOT / "stubs" / "pyquorvane.pyi"


def mypy(tmp_path, *args, python=sys.executable):
    """Runs mypy from an empty folder, so that only installed stubs count."""
    return subprocess.run(
        [sys.executable, "-m", "mypy", "--python-executable", python, "--no-error-summary",
         "--cache-dir", str(tmp_path / "mypy-cache"), *map(str, args)],
        capture_output=True, text=True, cwd=tmp_path, timeout=300)


def flagged_lines(output, name):
    return sorted({int(line.split(":")[1]) for line in output.splitlines()
                   if line.startswith(str(name)) and ": error:" in line})


def marked_lines(path):
    return [i for i, line in enumerate(path.read_text().splitlines(), 1)
            if line.endswith("# wrong")]


def test_installed_stubs_are_the_source_file():
    installed = pathlib.Path(site.getsitepackages()[0])
    assert (installed / "pyquorvane-stubs" / "__init__.pyi").read_text() == STUB.read_text()
    assert (installed / "pyquorvane.pyi").read_text() == STUB.read_text()


def test_mypy_finds_the_stubs(tmp_path):
    result = mypy(tmp_path, "-c", "import pyquorvane\nreveal_type(pyquorvane.Quorvane.load)")
    assert result.returncode == 0, result.stdout
    assert re.search(r"def \(path: (builtins\.)?str\) -> pyquorvane\.Quorvane", result.stdout)


def test_mypy_accepts_every_member_used_right(tmp_path):
    result = mypy(tmp_path, "--strict", SAMPLES / "good_usage.py")
    assert (result.returncode, result.stdout) == (0, "")


def test_the_well_typed_program_runs():
    result = subprocess.run([sys.executable, SAMPLES / "good_usage.py", ROOT / "examples/shop.mdb"],
                            capture_output=True, text=True, timeout=60)
    assert result.returncode == 0, result.stderr
    assert result.stdout.endswith(
        "['address', 'admin', 'copy', 'name', 'numbers', 'tags'] "
        "['products', 'customers', 'settings']\n")


def test_mypy_flags_each_wrong_call(tmp_path):
    bad = SAMPLES / "bad_usage.py"
    result = mypy(tmp_path, bad)
    assert result.returncode == 1
    assert flagged_lines(result.stdout, bad) == marked_lines(bad), result.stdout


def stub_signatures():
    """{class name: {method name: [parameter names]}} as the stub declares them."""
    tree = ast.parse(STUB.read_text())
    found = {}
    for node in tree.body:
        if isinstance(node, ast.ClassDef) and node.name in ("Quorvane", "Collection"):
            found[node.name] = {
                f.name: [a.arg for a in f.args.args]
                for f in node.body if isinstance(f, ast.FunctionDef) and f.name != "__init__"}
    return found


def runtime_signatures():
    db = Quorvane()
    db.create_collection("c")
    found = {}
    for cls in (Quorvane, type(db.get_collection("c"))):
        found[cls.__name__] = {
            name: list(inspect.signature(getattr(cls, name)).parameters)
            for name in vars(cls) if not name.startswith("_")}
    return found


def test_stub_signatures_are_the_module_signatures():
    stub, runtime = stub_signatures(), runtime_signatures()
    # del cannot be declared in a stub (its name is a keyword); the stub
    # describes it in a comment and with DelMethod.
    assert runtime["Collection"].pop("del") == ["self", "key"]
    assert stub == runtime
    assert "def __call__(self, key: str) -> None" in STUB.read_text()


@pytest.mark.parametrize("name", ["Collection", "Value", "Storable", "DelMethod"])
def test_names_for_type_checkers_only_are_not_in_the_module(name):
    # The stub says so in its docstring; this keeps that sentence true.
    import pyquorvane

    assert not hasattr(pyquorvane, name)
    assert name in STUB.read_text().split('"""')[1]
