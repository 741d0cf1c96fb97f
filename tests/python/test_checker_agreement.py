"""quorvane-check and the module never disagree: on every example and test
file, and on generated files full of near misses, the checker reports one
error per "Error parsing" line the module prints (quoting the same message,
in the same order), fails exactly the files the module cannot load, its
--typed-json output holds what the module returns, and each warning about a
value stored other than written names the value the module returns."""

import random

import pytest

from checking import (DATA, SAMPLE_FILES, deep_recursion, describe, from_typed, load_with_module,
                      module_messages, reachable, report_lines, run_checker, same, strict_json)

# Pieces that generated lines are made of: every kind of near miss.
CODES = ["1", "2", "3", "4", "5", "6", "0", "7", "+3", "003", "-2", "x", "65535", "65536",
         "99999999", "+", "3x"]
KEYS = ["k", "age", "K", '"q"', '"two words"', "o'clock", "[b]", "{c}", "a:b", "é", "k#1"]
VALUES = ["36", "-2.5", "1e3", "inf", "NaN", "tall", "1e", ".", "true", "FALSE", "yes", "",
          "550e8400-e29b-41d4-a716-446655440000", "{550e8400-e29b-41d4-a716-446655440000}",
          "550e8400e29b41d4a716446655440000", "urn:uuid:550e8400-e29b-41d4-a716-44665544000",
          '"hello world"', '"unclosed', "'single'", "[1, 2]", "[a, [b, c]]", "[1, 2",
          "{a: 1, b: [x]}", "{a: 1", "{}", "[]", '"a,b"', "[{a: [1]}, 2]", "x y z",
          "[" * 600 + "]" * 600, "{a: " * 520 + "1" + "}" * 520, "4.2e38", "1e-46"]
SPACES = [" ", "  ", "\t", "\u00a0", "\u3000", " \t "]


def generated_line(rng):
    roll = rng.random()
    if roll < 0.08:
        return rng.choice(["[a]", "[b]", "[a]", "[]", "[ a ]", "  [a]  ", "[a] # note", "[",
                           "]", "[x", "\ufeff[a]"])
    if roll < 0.12:
        return rng.choice(["", "# comment", "   # indented", "#"])
    words = [rng.choice(CODES), rng.choice(KEYS), rng.choice(VALUES)]
    if rng.random() < 0.15:
        del words[rng.randrange(3)]
    if rng.random() < 0.1:
        words.append(rng.choice(VALUES))
    return rng.choice(SPACES).join(w for w in words)


def generated_file(rng, lines):
    body = [generated_line(rng) for _ in range(lines)]
    if rng.random() < 0.9:
        body.insert(0, "[first]")
    ending = "\r\n" if rng.random() < 0.2 else "\n"
    return ending.join(body) + ending


@pytest.fixture(scope="module")
def generated_files(tmp_path_factory):
    directory = tmp_path_factory.mktemp("generated")
    rng = random.Random(20240611)
    paths = []
    for i in range(40):
        path = directory / f"generated_{i:02d}.mdb"
        path.write_text(generated_file(rng, 60), encoding="utf-8", newline="")
        paths.append(path)
    return paths


def assert_agreement(paths):
    for path, (printed, content) in zip(paths, load_with_module(paths)):
        report = run_checker(path)
        if content is None:
            assert report.returncode == 2, (path, report.stdout)
            assert printed == [], path
            continue
        assert report.returncode in (0, 1), (path, report.stdout, report.stderr)
        lines = report_lines(report.stdout, path)
        assert module_messages(lines) == printed, path
        errors = [line for line in lines if line[1] == "error"]
        assert len(errors) == len(printed), path
        assert report.returncode == (1 if lines else 0), path

        as_json = run_checker("--typed-json", path)
        assert as_json.returncode == report.returncode
        typed = strict_json(as_json.stdout)
        assert typed["file"] == str(path)
        collections = reachable(typed["collections"])
        assert collections.keys() == content.keys(), path
        with deep_recursion():
            for name, entries in content.items():
                values = {key: from_typed(value) for key, value in collections[name].items()}
                assert same(values, entries), (path, name)


def test_sample_files_are_there():
    names = {p.name for p in SAMPLE_FILES}
    assert {"shop.mdb", "mistakes.mdb", "bom.mdb", "invalid_utf8.mdb"} <= names


@pytest.mark.parametrize("path", SAMPLE_FILES, ids=lambda p: p.name)
def test_sample_file(path):
    assert_agreement([path])


def test_generated_files(generated_files):
    assert_agreement(generated_files)


def test_generated_files_hold_every_outcome(generated_files):
    # The generator is only worth something if it reaches every kind of report.
    kinds = set()
    for path in generated_files:
        for _, kind, explanation in report_lines(run_checker(path).stdout, path):
            kinds.add((kind, explanation.split(" ")[0]))
    assert {k for k, _ in kinds} == {"error", "skipped", "warning"}
    firsts = {first for _, first in kinds}
    assert {"type", "value", "line", "key", "section"} <= firsts


def deep_quiet_changes(directory):
    # Quiet changes at the bottom of values nested 64 to 512 deep.
    changes = ["k: v, colour, deep: 1", "k: 1, k: 2", "a: [1, 2", '"b]", c', "k: v, 1"]
    lines = ["[deep]"]
    for n, depth in enumerate((63, 64, 70, 200, 511)):
        for m, change in enumerate(changes):
            inner = "{" + change + "}" if ":" in change else "[" + change + "]"
            lines.append(f"6 d{n}_{m} {{k: {'[' * (depth - 1)}{inner}{']' * (depth - 1)}}}")
    path = directory / "deep_quiet_changes.mdb"
    path.write_text("\n".join(lines) + "\n", encoding="utf-8")
    return path


@pytest.mark.parametrize("deep", [False, True], ids=["sample", "deep"])
def test_warnings_name_the_values_the_module_stores(deep, tmp_path):
    path = deep_quiet_changes(tmp_path) if deep else DATA / "quiet_changes.mdb"
    lines = path.read_text(encoding="utf-8").splitlines()
    [(_, content)] = load_with_module([path])
    warnings = [(n, e) for n, kind, e in report_lines(run_checker(path).stdout, path)
                if kind == "warning"]
    assert len(warnings) >= (len(lines) - 1 if deep else 8)
    for number, explanation in warnings:
        section = next(l[1:-1] for l in reversed(lines[:number]) if l.startswith("["))
        key = lines[number - 1].split()[1]
        with deep_recursion():
            stored = content[section][key]
            described = describe(stored)
        if isinstance(stored, str):
            assert explanation.endswith(f"so it is the text ‹{stored}›"), explanation
        else:
            shown = explanation.split("; the value stored is ‹")[-1].removesuffix("›")
            head, _, tail = shown.partition(" … ")  # long values are shown cut
            assert described.startswith(head) and described.endswith(tail), explanation
