"""Shared fixtures and helpers for the binding tests."""

import functools
import subprocess
import sys
import textwrap

import pytest

from pyquorvane import Quorvane


@functools.cache
def under_address_sanitizer():
    """Whether AddressSanitizer's runtime is loaded into this process (the
    module's sanitized build runs with it preloaded)."""
    with open("/proc/self/maps") as maps:
        return "libasan" in maps.read()


@pytest.fixture
def db():
    """A new database holding one empty collection named 'c'."""
    database = Quorvane()
    database.create_collection("c")
    return database


@pytest.fixture
def coll(db):
    return db.get_collection("c")


def panic_type():
    """The module's panic exception class, reached through a panic it raises:
    converting a dict that grows while one of its values is converted."""

    class Grow:
        def __float__(self):
            target["added"] = 1.0
            return 1.0

    database = Quorvane()
    database.create_collection("p")
    target = {"a": Grow(), "b": 2.0}
    try:
        database.get_collection("p").set("k", target)
    except BaseException as exc:  # noqa: BLE001 - the panic is what we want
        return type(exc)
    raise AssertionError("no panic raised")


def run_script(code, timeout=60):
    """Runs `code` in a fresh interpreter and returns its stdout. A deadlock
    shows as a timeout failure instead of a hung test run."""
    try:
        result = subprocess.run(
            [sys.executable, "-c", textwrap.dedent(code)],
            capture_output=True,
            text=True,
            timeout=timeout,
        )
    except subprocess.TimeoutExpired:
        pytest.fail(f"script did not finish within {timeout}s (deadlock?)")
    assert result.returncode == 0, result.stderr
    return result.stdout
