"""Quorvane.load: argument rules, failures, and loaded databases."""

import os
import pathlib

import pytest

from conftest import run_script
from pyquorvane import Quorvane

SAMPLE = """\
# a sample database
[a]
3 age 36
4 active TRUE
1 id 550E8400-e29b-41d4-a716-446655440000
2 name "Ziz Raruzaru"
[b]
3 height tall
[a]
3 other 1
"""


def write(tmp_path, text, name="db.mdb"):
    path = tmp_path / name
    path.write_text(text, encoding="utf-8")
    return str(path)


def assert_cannot_load(path):
    with pytest.raises(FileNotFoundError) as info:
        Quorvane.load(path)
    assert info.value.args == ("Path can't be loaded",)
    assert info.value.errno is None and info.value.filename is None


def test_missing_file(tmp_path):
    assert_cannot_load("no/such/file")
    assert_cannot_load(str(tmp_path / "missing.mdb"))


def test_directory(tmp_path):
    assert_cannot_load(str(tmp_path))


def test_invalid_utf8(tmp_path):
    path = tmp_path / "bad.mdb"
    path.write_bytes(b"[a]\n2 k \xff\xfe\n")
    assert_cannot_load(str(path))


def test_path_with_nul_is_refused(tmp_path):
    # A NUL would cut the path short at the system call: refuse it outright.
    good = write(tmp_path, "[a]\n")
    assert_cannot_load(good + "\0ignored")


def test_path_must_be_str(tmp_path):
    with pytest.raises(TypeError) as info:
        Quorvane.load(pathlib.Path(write(tmp_path, "[a]\n")))
    assert info.value.args == (
        "argument 'path': 'PosixPath' object cannot be converted to 'PyString'",
    )
    with pytest.raises(TypeError, match="'bytes' object cannot be converted"):
        Quorvane.load(b"db.mdb")


def test_keyword_and_errors(tmp_path):
    with pytest.raises(FileNotFoundError):
        Quorvane.load(path="no/such/file")
    with pytest.raises(TypeError) as info:
        Quorvane.load()
    assert info.value.args == ("Quorvane.load() missing 1 required positional argument: 'path'",)
    with pytest.raises(TypeError) as info:
        Quorvane.load("a", "b")
    assert info.value.args == ("Quorvane.load() takes 1 positional arguments but 2 were given",)


def test_load_through_an_instance_leaves_it_alone(tmp_path):
    db = Quorvane()
    db.create_collection("mine")
    try:
        loaded = db.load(write(tmp_path, SAMPLE))
    except FileNotFoundError:
        loaded = None
    assert db.list_collections() == ["mine"]
    if loaded is not None:
        assert type(loaded) is Quorvane and loaded is not db
        assert "mine" not in loaded.list_collections()


def test_loaded_database(tmp_path, capfd):
    db = Quorvane.load(write(tmp_path, SAMPLE))
    assert db.get_version() == "0.2.0"
    assert db.list_collections() == ["a", "b", "a"]
    db.create_collection("c")
    assert db.list_collections() == ["a", "b", "a", "c"]
    with pytest.raises(ValueError, match="^Collection already exists$"):
        db.create_collection("a")
    a = db.get_collection("a")  # the first of the two sections named a
    assert sorted(a.list()) == ["active", "age", "id", "name"]
    assert a.get("age") == 36.0
    active = a.get("active")
    assert type(active) is float and active == 1.0
    assert a.get("name") == "Ziz Raruzaru"
    assert db.get_collection("b").list() == []
    assert "Error parsing: unresolved value" in capfd.readouterr().out


MESSAGE = "Error parsing: unresolved value\n"


@pytest.mark.parametrize("stdout, expected", [
    pytest.param("", "before\n" + MESSAGE + "after\n", id="buffered"),
    # No sys.stdout that can be flushed: the load goes on, the buffered text comes later.
    pytest.param("sys.stdout = None", MESSAGE + "after\nbefore\n", id="None"),
    pytest.param("sys.stdout = type('F', (), {'flush': lambda self: 1 / 0})()",
                 MESSAGE + "after\nbefore\n", id="failing"),
    # Ctrl-C during the flush ends the load, nothing printed or loaded.
    pytest.param("sys.stdout = type('F', (), {'flush': lambda self: raise_signal(SIGINT)})()",
                 "KeyboardInterrupt\nafter\nbefore\n", id="interrupted"),
])
def test_load_messages_come_after_what_was_printed_before(tmp_path, stdout, expected):
    # Standard output is a pipe; the messages go to file descriptor 1 directly.
    path = write(tmp_path, SAMPLE)
    out = run_script(f"""
import io, os, sys
from signal import SIGINT, raise_signal
from pyquorvane import Quorvane
sys.stdout = io.TextIOWrapper(open(1, "wb", closefd=False))  # buffered, whatever -u says
print("before")
real = sys.stdout
{stdout}
try:
    Quorvane.load({path!r})
except KeyboardInterrupt:
    os.write(1, b"KeyboardInterrupt\\n")
os.write(1, b"after\\n")
sys.stdout = real
real.flush()
""")
    assert out == expected


def test_loaded_id_reads_back_as_lowercase_text(tmp_path):
    db = Quorvane.load(write(tmp_path, SAMPLE))
    a = db.get_collection("a")
    uid = a.get("id")
    assert uid == "550e8400-e29b-41d4-a716-446655440000"
    a.set("copy", uid)  # a str is always stored as text
    assert a.get("copy") == uid


def test_loading_twice_gives_independent_databases(tmp_path):
    path = write(tmp_path, SAMPLE)
    one, two = Quorvane.load(path), Quorvane.load(path)
    one.get_collection("a").set("new", 1.0)
    with pytest.raises(ValueError, match="^error getting key$"):
        two.get_collection("a").get("new")


def test_relative_path_uses_the_current_directory(tmp_path, monkeypatch):
    write(tmp_path, "[here]\n", name="rel.mdb")
    monkeypatch.chdir(tmp_path)
    assert Quorvane.load("rel.mdb").list_collections() == ["here"]


def contents(db):
    return [(name, sorted((key, db_value(c, key)) for key in c.list()))
            for name, c in ((n, db.get_collection(n)) for n in db.list_collections())]


def db_value(collection, key):
    return repr(collection.get(key))


def test_large_file_loads_on_every_processor_as_on_one(tmp_path, capfd):
    # Several MiB of sections, some named alike, with lines that print in
    # every part, loaded with the processors the process may use and pinned
    # to one: the same database and the same messages in the same order.
    sections = [SAMPLE.replace("[a]", f"[s{i % 300}]").replace("[b]", f"[t{i}]")
                + (f"q bad{i} 1\n" if i * 7919 % 13 < 5 else "")
                + f"3 n{i} {i}\n5 arr{i} [1, x, {{k: {i}}}]\n" + "# pad\n" * 200
                for i in range(2500)]
    path = write(tmp_path, "".join(sections))
    assert pathlib.Path(path).stat().st_size > 3 << 20
    cpus = os.sched_getaffinity(0)
    capfd.readouterr()
    shared = Quorvane.load(path)
    shared_out = capfd.readouterr().out
    os.sched_setaffinity(0, {min(cpus)})
    try:
        alone = Quorvane.load(path)
    finally:
        os.sched_setaffinity(0, cpus)
    alone_out = capfd.readouterr().out
    assert shared_out == alone_out
    assert shared_out.count("InvalidDigit") == sum(i * 7919 % 13 < 5 for i in range(2500))
    assert contents(shared) == contents(alone)
