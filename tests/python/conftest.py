"""Shared fixtures and helpers for the binding tests."""

import functools
import os
import subprocess
import sys
import textwrap

import pytest

from pyquorvane import Quorvane


# (file, size, peak resident bytes, bytes beyond the baseline, seconds, result)
# of every hostile file loaded, listed at the end of the run.
HOSTILE_PEAKS = pytest.StashKey[list]()


def pytest_configure(config):
    config.stash[HOSTILE_PEAKS] = []


def pytest_terminal_summary(terminalreporter, config):
    rows = config.stash[HOSTILE_PEAKS]
    if not rows:
        return
    mb = 1024 * 1024
    terminalreporter.section("hostile files: peak memory of the loading process")
    terminalreporter.write_line(f"{'file':52} {'size MB':>8} {'peak MB':>8} {'extra MB':>9} {'s':>6}")
    for name, size, peak, extra, seconds, _ in rows:
        terminalreporter.write_line(
            f"{name:52} {size / mb:8.1f} {peak / mb:8.1f} {extra / mb:9.1f} {seconds:6.1f}")


@functools.cache
def under_address_sanitizer():
    """Whether AddressSanitizer's runtime is loaded into this process (the
    module's sanitized build runs with it preloaded)."""
    with open("/proc/self/maps") as maps:
        return "libasan" in maps.read()


def under_qemu():
    """Whether this process is a foreign-architecture program run by qemu-user
    (tools/root-pythons says so), which applies no address-space limit to it
    and keeps its translated code in the process's resident memory."""
    return os.environ.get("QUORVANE_UNDER_QEMU") == "1"


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
