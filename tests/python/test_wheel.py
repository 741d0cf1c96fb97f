"""The wheel of this interpreter's version in dist/ (made by make wheel)
installs into a fresh virtualenv with everything a user needs: the module,
quorvane-check on the PATH of that environment, and the type stubs.

Skipped when no wheel was built, unless QUORVANE_REQUIRE_WHEEL is set (as
tools/run-tests sets it)."""

import os
import pathlib
import subprocess
import sys
import zipfile

import pytest

ROOT = pathlib.Path(__file__).resolve().parents[2]
SHOP = ROOT / "examples" / "shop.mdb"
SAMPLES = pathlib.Path(__file__).parent / "stub_samples"
TAG = "cp%d%d" % sys.version_info[:2]


def this_versions_wheel():
    wheels = sorted((ROOT / "dist").glob(f"pyquorvane-*-{TAG}-{TAG}-*.whl"))
    if not wheels:
        if os.environ.get("QUORVANE_REQUIRE_WHEEL"):
            pytest.fail(f"no wheel for {TAG} in dist/")
        pytest.skip(f"no wheel for {TAG} in dist/ (make wheel builds it)")
    assert len(wheels) == 1, wheels
    return wheels[0]


@pytest.fixture(scope="module")
def wheel():
    return this_versions_wheel()


@pytest.fixture(scope="module")
def fresh_env(wheel, tmp_path_factory):
    """A new virtualenv holding nothing but the wheel; returns its bin folder."""
    env = tmp_path_factory.mktemp("wheel-env") / "env"
    subprocess.run([sys.executable, "-m", "venv", "--without-pip", env], check=True)
    subprocess.run([sys.executable, "-m", "pip", "--python", env / "bin" / "python", "install",
                    "-q", "--no-deps", "--no-index", wheel], check=True, capture_output=True)
    return env / "bin"


def run(args, cwd, **kwargs):
    return subprocess.run(list(map(str, args)), capture_output=True, text=True, cwd=cwd,
                          timeout=300, **kwargs)


def test_wheel_holds_module_checker_and_stubs(wheel):
    names = zipfile.ZipFile(wheel).namelist()
    assert any(n.startswith("pyquorvane.cpython-") and n.endswith(".so") for n in names)
    assert "pyquorvane.pyi" in names and "pyquorvane-stubs/__init__.pyi" in names
    assert "pyquorvane-0.2.0.data/scripts/quorvane-check" in names


def test_module_loads_the_example(fresh_env, tmp_path):
    code = ("import pyquorvane, sys\n"
            "assert pyquorvane.__file__.startswith(sys.prefix), pyquorvane.__file__\n"
            "db = pyquorvane.Quorvane.load(sys.argv[1])\n"
            "print(db.list_collections(), db.get_collection('settings').get('tax-rate'))\n")
    result = run([fresh_env / "python", "-c", code, SHOP], cwd=tmp_path)
    assert result.returncode == 0, result.stderr
    assert result.stdout == ("Error parsing: unresolved value\n"
                             "['products', 'customers', 'settings'] 0.20000000298023224\n")


def test_checker_is_on_the_environments_path(fresh_env, tmp_path):
    env = dict(os.environ, PATH=f"{fresh_env}{os.pathsep}/usr/bin:/bin")
    result = run(["quorvane-check", SHOP], cwd=tmp_path, env=env)
    assert result.returncode == 1
    assert result.stdout.startswith(f"{SHOP}:26: error: value ‹twelve› of key ‹broken-price›")


def test_stubs_type_check_from_the_fresh_environment(fresh_env, tmp_path):
    def mypy(*args):
        return run([sys.executable, "-m", "mypy", "--python-executable", fresh_env / "python",
                    "--no-error-summary", "--cache-dir", tmp_path / "cache", *args], cwd=tmp_path)

    good = mypy("--strict", SAMPLES / "good_usage.py")
    assert (good.returncode, good.stdout) == (0, "")
    bad = mypy(SAMPLES / "bad_usage.py")
    assert bad.returncode == 1
    assert "bad_usage.py:14: error: Argument 1 to \"get\" of \"Collection\"" in bad.stdout
    assert "bad_usage.py:12: error: Argument 1 to \"load\" of \"Quorvane\"" in bad.stdout
