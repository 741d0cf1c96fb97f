"""quorvane-check: what it reports for each kind of mistake, its summary,
exit status, --quiet, and the numbers and texts of --json."""

import json
import random
import struct

import pytest

from checking import DATA, ROOT, load_with_module, report_lines, run_checker

MISTAKES = DATA / "mistakes.mdb"

# (line, kind, words the explanation must hold) for every report on mistakes.mdb.
MISTAKES_REPORT = [
    (6, "warning", ["key ‹age›", "section ‹users›", "line 4", "lost"]),
    (8, "skipped", ["2 fields", '‹"full name" "Ada Lovelace"›', "field 2", '‹"›']),
    (10, "skipped", ["4 fields", "‹Ada› ‹Lovelace›", "double quotes"]),
    (12, "skipped", ["2 fields", "‹o'clock 5pm›", "‹'›"]),
    (14, "skipped", ["2 fields", "value is missing"]),
    (16, "error", ["type code ‹x›", "Some(ParseIntError { kind: InvalidDigit })"]),
    (18, "error", ["‹70000› is larger than 65535", "kind: PosOverflow"]),
    (20, "error", ["type code ‹age›", "swapped"]),
    (22, "error", ["value ‹tall›", "key ‹height›", "3 (Number)", "unresolved value"]),
    (23, "error", ["value ‹yes›", "4 (Boolean)", "true or false"]),
    (24, "error", ["1 (Id)", "UUID"]),
    (25, "error", ["value ‹{a, b}›", "5 (Array)", "square brackets"]),
    (26, "error", ["value ‹[London]›", "6 (Document)", "curly braces"]),
    (28, "error", ["type code 7 names no type"]),
    (31, "error", ["key ‹deep›", "deeper than the limit of 512"]),
    (32, "skipped", ["no header", "line of its own", "section ‹users›"]),
    (37, "warning", ["section ‹users›", "line 3", "get_collection"]),
]


def test_mistakes_are_each_reported_at_their_line():
    result = run_checker(MISTAKES)
    assert result.returncode == 1
    found = report_lines(result.stdout, MISTAKES)
    assert [(n, k) for n, k, _ in found] == [(n, k) for n, k, _ in MISTAKES_REPORT]
    for (_, _, explanation), (line, _, words) in zip(found, MISTAKES_REPORT):
        for word in words:
            assert word in explanation, (line, word, explanation)
    assert result.stdout.endswith(
        f"{MISTAKES}: 4 collections, 6 entries; 10 errors, 5 skipped, 2 warnings\n")
    assert result.stderr == ""


def test_each_report_shows_the_line_below_it():
    lines = run_checker(MISTAKES).stdout.splitlines()
    at = next(i for i, line in enumerate(lines) if line.startswith(f"{MISTAKES}:22:"))
    assert lines[at + 1] == "    3 height tall"


def test_long_lines_are_shortened():
    lines = run_checker(MISTAKES).stdout.splitlines()
    at = next(i for i, line in enumerate(lines) if line.startswith(f"{MISTAKES}:31:"))
    excerpt = lines[at + 1]
    assert excerpt.startswith("    5 deep [[[[") and excerpt.endswith("]]]]")
    assert " … " in excerpt and len(excerpt) < 120


def test_the_deliberate_mistake_of_the_example():
    shop = ROOT / "examples" / "shop.mdb"
    result = run_checker(shop)
    assert result.returncode == 1
    [(line, kind, explanation)] = report_lines(result.stdout, shop)
    assert (line, kind) == (26, "error")
    assert "value ‹twelve› of key ‹broken-price›" in explanation
    assert shop.read_text().splitlines()[line - 1] == "3 broken-price twelve"


@pytest.mark.parametrize("name, line, words", [
    ("bom.mdb", 1, ["byte order mark (U+FEFF)", "header", "cannot be loaded"]),
    ("before_header.mdb", 2, ["ahead of the first header", "cannot be loaded"]),
    ("invalid_utf8.mdb", 2, ["invalid UTF-8", "byte offset 18", "byte 12 of the line", "\\xE9"]),
])
def test_files_the_module_cannot_load(name, line, words):
    path = DATA / name
    result = run_checker(path)
    assert result.returncode == 2
    [(found_line, kind, explanation)] = report_lines(result.stdout, path)
    assert (found_line, kind) == (line, "error")
    for word in words:
        assert word in explanation
    assert result.stdout.endswith(f"{path}: not loaded; 1 error, 0 skipped, 0 warnings\n")


def test_the_byte_order_mark_is_shown_escaped():
    result = run_checker(DATA / "bom.mdb")
    assert "    \\uFEFF[settings]\n" in result.stdout


def test_control_characters_are_escaped(tmp_path):
    path = tmp_path / "controls.mdb"
    path.write_bytes(b"[a]\n3 bell\x07 ring\x1b[31m x\n")
    result = run_checker(path)
    assert "\x07" not in result.stdout and "\x1b" not in result.stdout
    assert "bell\\x07" in result.stdout and "ring\\x1B[31m" in result.stdout


@pytest.mark.parametrize("target, reason", [
    ("missing.mdb", "No such file or directory"),
    (".", "it is a directory"),
])
def test_unreadable_files(tmp_path, target, reason):
    path = tmp_path / target
    result = run_checker(path)
    assert result.returncode == 2
    assert result.stdout == (f"{path}: error: cannot read the file: {reason}\n"
                             f"{path}: not loaded; 1 error, 0 skipped, 0 warnings\n")


def test_clean_file_exits_zero_with_its_summary_only():
    result = run_checker(DATA / "clean.mdb")
    assert (result.returncode, result.stderr) == (0, "")
    assert result.stdout == f"{DATA / 'clean.mdb'}: 3 collections, 14 entries; " \
                            "0 errors, 0 skipped, 0 warnings\n"


def test_quiet_prints_only_the_summaries_and_the_worst_status_wins():
    paths = [DATA / "clean.mdb", MISTAKES, DATA / "bom.mdb"]
    result = run_checker("--quiet", *paths)
    assert result.returncode == 2
    assert [line.split(": ")[0] for line in result.stdout.splitlines()] == list(map(str, paths))
    assert run_checker("-q", DATA / "clean.mdb", MISTAKES).returncode == 1


@pytest.mark.parametrize("args", [[], ["--no-such-option", "x.mdb"], ["--json", "--quiet", "x"]])
def test_bad_usage_exits_two(args):
    result = run_checker(*args)
    assert result.returncode == 2 and result.stdout == ""
    assert result.stderr


def test_help_and_version():
    assert "Usage: quorvane-check" in run_checker("--help").stdout
    assert run_checker("--version").stdout.strip() == "quorvane-check 0.2.0"


def test_json_is_one_line_per_file_with_null_for_unloadable_ones():
    result = run_checker("--json", ROOT / "examples" / "shop.mdb", DATA / "bom.mdb")
    assert result.returncode == 2
    first, second = result.stdout.splitlines()
    assert [c["name"] for c in json.loads(first)] == ["products", "customers", "settings"]
    assert second == "null"
    assert "byte order mark" in result.stderr


def test_json_keeps_every_collection_in_file_order():
    collections = json.loads(run_checker("--json", MISTAKES).stdout)
    assert [c["name"] for c in collections] == ["users", "orders", "users", ""]
    assert collections[2]["entries"] == {"age": 1.0}
    assert collections[3]["entries"] == {"ok": True}


def test_json_texts_are_escaped(tmp_path):
    path = tmp_path / "texts.mdb"
    text = 'q"uote\\back\x00nul\x07bell\x1f\x7fé東\U0001F600'
    path.write_text(f"[t]\n2 k {text}\n", encoding="utf-8")
    output = run_checker("--json", path).stdout
    assert '"q\\"uote\\\\back\\u0000nul\\u0007bell\\u001f\x7fé東\U0001F600"' in output
    [collection] = json.loads(output)
    [(_, content)] = load_with_module([path])
    assert collection["entries"]["k"] == content["t"]["k"] == text


def raw_numbers(stdout):
    """The numbers of --json output as the texts that were written."""
    [collection] = json.loads(stdout, parse_float=str, parse_constant=str, parse_int=str)
    return collection["entries"]


def test_json_numbers_are_what_python_json_writes_for_the_module_values():
    path = DATA / "numbers.mdb"
    raw = raw_numbers(run_checker("--json", path).stdout)
    [(_, content)] = load_with_module([path])
    values = content["numbers"]
    assert raw.keys() == values.keys()
    for key, value in values.items():
        assert raw[key] == (json.dumps(value) if key != "list" else [json.dumps(v) for v in value])


def test_json_numbers_of_random_single_precision_values(tmp_path):
    rng = random.Random(7)
    patterns = [rng.getrandbits(32) for _ in range(3000)]
    patterns += [0x00000001, 0x007FFFFF, 0x00800000, 0x7F7FFFFF, 0x80000000, 0x7F800000]
    floats = [struct.unpack("<f", struct.pack("<I", p))[0] for p in patterns]
    path = tmp_path / "random.mdb"
    # repr of the widened value has enough digits to name the float exactly.
    path.write_text("[r]\n" + "".join(f"3 n{i} {v!r}\n" for i, v in enumerate(floats)))
    raw = raw_numbers(run_checker("--json", path).stdout)
    [(_, content)] = load_with_module([path])
    assert len(raw) == len(floats)
    for key, value in content["r"].items():
        assert raw[key] == json.dumps(value), key
