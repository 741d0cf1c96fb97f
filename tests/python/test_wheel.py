"""The wheel of this interpreter's version and machine in dist/ (made by make wheel)
installs into a fresh virtualenv with everything a user needs: the module,
quorvane-check on the PATH of that environment, and the type stubs; it is a
manylinux wheel. The sdist holds what a build needs and nothing else, and
builds and installs with pip alone, from the copies in third_party/.

The wheel tests are skipped when no wheel was built, unless
QUORVANE_REQUIRE_WHEEL is set; the sdist install (minutes: a whole build)
runs only when QUORVANE_TEST_SDIST_INSTALL is set. tools/run-tests sets both."""

import os
import pathlib
import platform
import re
import shutil
import subprocess
import sys
import tarfile
import zipfile

import pytest

from conftest import under_qemu

ROOT = pathlib.Path(__file__).resolve().parents[2]
SHOP = ROOT / "examples" / "shop.mdb"
SAMPLES = pathlib.Path(__file__).parent / "stub_samples"
TAG = "cp%d%d" % sys.version_info[:2]
MACHINE = platform.machine()  # dist/ may hold the aarch64 wheel of the same version too


def this_versions_wheel():
    wheels = sorted((ROOT / "dist").glob(f"pyquorvane-*-{TAG}-{TAG}-*_{MACHINE}.whl"))
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


def run(args, cwd, timeout=300, **kwargs):
    return subprocess.run(list(map(str, args)), capture_output=True, text=True, cwd=cwd,
                          timeout=timeout, **kwargs)


def test_wheel_holds_module_checker_and_stubs(wheel):
    names = zipfile.ZipFile(wheel).namelist()
    assert any(n.startswith("pyquorvane.cpython-") and n.endswith(".so") for n in names)
    assert "pyquorvane.pyi" in names and "pyquorvane-stubs/__init__.pyi" in names
    assert "pyquorvane-0.2.0.data/scripts/quorvane-check" in names
    licences = {n.split("/licenses/")[1] for n in names if "/licenses/" in n and n[-1] != "/"}
    assert licences == {f"third_party/{lib}/copyright" for lib in ("boost", "cli11", "xxhash")}


def test_wheel_is_manylinux(wheel):
    assert re.fullmatch(rf"pyquorvane-0\.2\.0-{TAG}-{TAG}-manylinux_2_\d+_{MACHINE}\.whl",
                        wheel.name), wheel.name
    show = run([sys.executable, "-m", "auditwheel", "show", wheel], cwd=ROOT)
    assert show.returncode == 0, show.stderr
    text = " ".join(show.stdout.split())
    platform = wheel.name.rsplit("-", 1)[1].removesuffix(".whl")
    assert f'consistent with the following platform tag: "{platform}"' in text, text
    # Nothing had to be grafted in: the module needs only what the policy allows.
    assert not [n for n in zipfile.ZipFile(wheel).namelist() if ".libs/" in n]


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


# What may be in the sdist: the build description and the sources of the
# module, the checker and the vendored libraries. No tests, fuzz corpora,
# benchmarks, examples, CI files or developer tools.
SDIST_TOP = {"PKG-INFO", "pyproject.toml", "CMakeLists.txt", "README.md",
             "cmake", "core", "binding", "checker", "stubs", "third_party"}


@pytest.fixture(scope="module")
def sdist(tmp_path_factory):
    pytest.importorskip("scikit_build_core")
    out = tmp_path_factory.mktemp("sdist")
    code = "import sys\nfrom scikit_build_core.build import build_sdist\nbuild_sdist(sys.argv[1])"
    result = run([sys.executable, "-c", code, out], cwd=ROOT)
    assert result.returncode == 0, result.stderr
    (path,) = out.glob("pyquorvane-0.2.0.tar.gz")
    return path


def test_sdist_holds_what_a_build_needs_and_nothing_else(sdist):
    with tarfile.open(sdist) as tar:
        names = {m.name.removeprefix("pyquorvane-0.2.0/") for m in tar.getmembers() if m.isfile()}
    assert {n.split("/")[0] for n in names} == SDIST_TOP
    tracked = subprocess.run(["git", "ls-files", *sorted(SDIST_TOP - {"PKG-INFO"})], cwd=ROOT,
                             capture_output=True, text=True, check=True).stdout.split()
    # Exactly the tracked files there: no build output or stray local files.
    assert names == set(tracked) | {"PKG-INFO"}
    assert {"third_party/boost/copyright", "third_party/xxhash/include/xxhash.h",
            "third_party/cli11/include/CLI/CLI.hpp", "checker/main.cc"} <= names


@pytest.mark.skipif(not os.environ.get("QUORVANE_TEST_SDIST_INSTALL"),
                    reason="a whole build; QUORVANE_TEST_SDIST_INSTALL=1 runs it")
def test_sdist_installs_with_pip_alone(sdist, tmp_path):
    """pip builds the sdist with the system copies of the vendored libraries
    ignored, and with sudo and apt refusing to run; the module imports and
    the checker runs from the new environment."""
    env_dir, build, trap = tmp_path / "env", tmp_path / "build", tmp_path / "trap"
    trap.mkdir()
    for tool in ("sudo", "apt", "apt-get", "dpkg"):
        (trap / tool).write_text(f"#!/bin/sh\necho {tool} >> {trap}/called\nexit 1\n")
        (trap / tool).chmod(0o755)
    subprocess.run([sys.executable, "-m", "venv", env_dir], check=True)
    env = dict(os.environ, PATH=f"{trap}{os.pathsep}{os.environ['PATH']}")
    install = run([env_dir / "bin" / "python", "-m", "pip", "install", "-v", sdist,
                   "-Ccmake.define.QUORVANE_USE_SYSTEM_DEPS=OFF", f"-Cbuild-dir={build}"],
                  cwd=tmp_path, env=env, timeout=1800)
    assert install.returncode == 0, install.stdout[-4000:] + install.stderr
    assert not (trap / "called").exists()
    assert "quorvane-check: built" in install.stdout + install.stderr

    # Every header came from the sources: none from /usr/include.
    ninja = shutil.which("ninja", path=pathlib.Path(sys.executable).parent) or "ninja"
    deps = run([ninja, "-C", build, "-t", "deps"], cwd=tmp_path).stdout
    assert "third_party/boost/include/boost/unordered/unordered_flat_map.hpp" in deps
    assert not re.findall(r"/usr/include/(?:boost/|CLI/|xxhash\.h)", deps)

    bin_dir = env_dir / "bin"
    module = run([bin_dir / "python", "-c", "import pyquorvane; print(pyquorvane.Quorvane().get_version())"],
                 cwd=tmp_path)
    assert (module.returncode, module.stdout) == (0, "0.2.0\n"), module.stderr
    check = run([bin_dir / "quorvane-check", "--quiet", SHOP], cwd=tmp_path)
    assert check.returncode == 1
    assert check.stdout == f"{SHOP}: 3 collections, 15 entries; 1 error, 0 skipped, 0 warnings\n"


@pytest.mark.skipif(under_qemu(), reason="configuring under qemu-user outlasts the timeout")
def test_module_is_configured_when_the_checker_cannot_be_built(tmp_path):
    """A compiler that cannot build the checker (here: every probe fails to
    link) still gets the module, and the configure output says so."""
    cmake = shutil.which("cmake", path=pathlib.Path(sys.executable).parent) or "cmake"
    result = run([cmake, "-S", ROOT, "-B", tmp_path, "-G", "Ninja", "-DQUORVANE_BUILD_MODULE=ON",
                  "-DQUORVANE_BUILD_TESTS=OFF", f"-DPython_EXECUTABLE={sys.executable}",
                  "-DCMAKE_REQUIRED_LIBRARIES=quorvane_no_such_library"], cwd=tmp_path)
    assert result.returncode == 0, result.stderr
    assert "quorvane-check is not built" in " ".join(result.stderr.split())
    targets = run([cmake, "--build", tmp_path, "--target", "help"], cwd=tmp_path).stdout
    assert "pyquorvane" in targets and "quorvane-check" not in targets
