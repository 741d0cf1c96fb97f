"""quorvane-check: what it reports for each kind of mistake, its summary,
exit status, --quiet, and the numbers and texts of --json."""

import json
import math
import os
import random
import signal
import struct
import subprocess
import unicodedata

import pytest

from checking import (DATA, ROOT, checker, load_with_module, report_lines, run_checker,
                      strict_json)
from conftest import under_address_sanitizer, under_qemu

# AddressSanitizer, preloaded into the checker too, reserves terabytes of
# address space: an address-space limit stops it before it starts.
needs_plain_memory = pytest.mark.skipif(
    under_address_sanitizer() or under_qemu(),
    reason="an address-space limit stops AddressSanitizer, and qemu-user does not apply it")

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
    ("bom.mdb", 1, ["byte order mark (U+FEFF)", "header", "(a byte order mark begins line 1)"]),
    ("before_header.mdb", 2, ["ahead of the first header", "cannot be loaded"]),
    ("invalid_utf8.mdb", 2, [":2:12: error: invalid UTF-8: \\xE9;", "(invalid UTF-8 on line 2, "]),
    ("utf16.mdb", 1, [":1:1: error: invalid UTF-8: \\xFF (the file is UTF-16LE text"]),
    ("cr_only.mdb", 1, [":1:4: warning: a carriage return", ":1: error: entry line ahead"]),
])
def test_files_the_module_cannot_load(tmp_path, name, line, words):
    path = DATA / name
    if name in ("utf16.mdb", "cr_only.mdb"):
        path = tmp_path / name
        path.write_bytes(b"[a]\r3 k 1\r" if "cr" in name else "[a]\n3 k 1\n".encode("utf-16"))
    result = run_checker(path)
    assert result.returncode == 2
    assert {(n, k) for n, k, _ in report_lines(result.stdout, path)} == {(line, "error")} | \
        ({(line, "warning")} if name == "cr_only.mdb" else set())
    for word in words:
        assert (f"{path}{word}" if word.startswith(":") else word) in result.stdout
    summary = result.stdout.splitlines(keepends=True)[-1]
    assert summary.startswith(f"{path}: not loaded (") and "); 1 error, 0 skipped, " in summary
    assert run_checker("-q", path).stdout == summary


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
    ("fifo", "it is a FIFO; only regular files are read"),
    ("/dev/zero", "it is a character device; only regular files are read"),
])
@pytest.mark.parametrize("quiet", [False, True])
def test_unreadable_files_are_reported_and_the_run_goes_on(tmp_path, target, reason, quiet):
    path = tmp_path / target
    if target == "fifo":
        os.mkfifo(path)
    clean = DATA / "clean.mdb"
    result = run_checker(*(["-q"] if quiet else []), path, clean, timeout=20)
    assert result.returncode == 2
    report = "" if quiet else f"{path}: error: cannot read the file: {reason}\n"
    assert result.stdout.startswith(report + f"{path}: not loaded (cannot read the file: "
                                    f"{reason}); 1 error, 0 skipped, 0 warnings\n"
                                    f"{clean}: 3 collections")


@needs_plain_memory
@pytest.mark.parametrize("args", [["-q"], ["--json"], ["--typed-json"]])
def test_a_file_that_runs_out_of_memory_is_reported_and_the_run_goes_on(tmp_path, args):
    huge = tmp_path / "huge.mdb"
    with open(huge, "wb") as f:
        f.truncate(5 << 30)  # sparse: 5 GB of zero bytes that take no room
    clean = DATA / "clean.mdb"
    result = subprocess.run(["bash", "-c", 'ulimit -v 300000; exec "$@"', "-", checker(),
                             *args, str(huge), str(clean)],
                            capture_output=True, text=True, timeout=60)
    assert result.returncode == 2
    report = f"{huge}: error: cannot check the file: out of memory\n"
    if args == ["-q"]:
        assert result.stdout.startswith(report + f"{huge}: not checked; out of memory\n{clean}: 3")
    else:
        first, second = result.stdout.splitlines()
        assert strict_json(first) in (None, {"file": str(huge), "collections": None})
        assert len(strict_json(second)) > 0
        assert result.stderr.startswith(report)


@needs_plain_memory
def test_reports_are_written_as_they_are_made_in_bounded_memory(tmp_path):
    path = tmp_path / "bad.mdb"
    path.write_text("[a]\n" + "3 k x\n" * 300_000)
    result = subprocess.run(["bash", "-c", 'ulimit -v 200000; "$@" | wc -l', "-", checker(),
                             str(path)], capture_output=True, text=True, timeout=120)
    assert (result.stdout.strip(), result.stderr) == (str(2 * 300_000 + 1), "")
    path.write_text("[a]\n" + "".join(f"3 k{i} 1\n" for i in range(1_000_000)))  # 12 MB
    result = subprocess.run(["bash", "-c", 'ulimit -v 200000; "$@"', "-", checker(), "-q", path],
                            capture_output=True, text=True, timeout=120)
    assert "1 collection, 1000000 entries; 0 errors" in result.stdout


@pytest.mark.parametrize("redirect, message", [
    (">/dev/full", "quorvane-check: cannot write the output: No space left on device\n"),
    (">&-", "quorvane-check: cannot write the output: standard output is closed\n"),
])
def test_write_failures_are_reported(redirect, message):
    result = subprocess.run(["bash", "-c", f'"$@" {redirect}', "-", checker(), "--json",
                             str(DATA / "clean.mdb")], capture_output=True, text=True, timeout=60)
    assert (result.returncode, result.stderr) == (4, message)


def test_a_closed_pipe_ends_the_run_quietly(tmp_path):
    path = tmp_path / "bad.mdb"
    path.write_text("[a]\n" + "3 k x\n" * 100_000)
    # Even when the parent leaves SIGPIPE ignored, as some shells and daemons do.
    ignore = lambda: signal.signal(signal.SIGPIPE, signal.SIG_IGN)  # noqa: E731
    with subprocess.Popen([checker(), str(path)], stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                          preexec_fn=ignore) as child:
        child.stdout.readline()
        child.stdout.close()
        assert child.wait(timeout=60) == -signal.SIGPIPE
        assert child.stderr.read() == b""


def test_paths_are_never_shortened(tmp_path):
    folder = tmp_path / ("d" * 120) / ("e" * 120)
    folder.mkdir(parents=True)
    path = folder / "x.mdb"
    path.write_text("[a]\n3 k x\n")
    assert report_lines(run_checker(path).stdout, path)[0][:2] == (2, "error")


def test_standard_input():
    result = run_checker("-", input="[a]\n3 k x\n")
    assert result.returncode == 1
    assert result.stdout.startswith("<stdin>:2: error: value ‹x›")
    assert result.stdout.endswith("<stdin>: 1 collection, 0 entries; 1 error, 0 skipped, "
                                  "0 warnings\n")
    typed = strict_json(run_checker("--typed-json", "-", input="[a]\n3 k 1\n").stdout)
    assert typed == {"file": "<stdin>", "collections": [
        {"name": "a", "entries": {"k": {"Number": 1.0}}}]}


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


@pytest.mark.parametrize("args", [[], ["--no-such-option", "x.mdb"], ["--json", "--quiet", "x"],
                                  ["--json", "--typed-json", "x"], ["-q", "--typed-json", "x"]])
def test_bad_usage_has_a_status_of_its_own(args):
    result = run_checker(*args)
    assert result.returncode == 3 and result.stdout == ""
    assert result.stderr


@pytest.mark.parametrize("args", [["-x.mdb"], ["a.mdb", "-x.mdb"]])
def test_a_file_named_like_an_option_is_pointed_to_double_dash(tmp_path, args):
    (tmp_path / "-x.mdb").write_text("[a]\n")
    run = lambda *a: subprocess.run([checker(), *a], cwd=tmp_path, capture_output=True)  # noqa
    assert (run(*args).returncode, run(*args).stdout, run("--", "-x.mdb").returncode) == (3, b"", 0)
    assert run(*args).stderr == b"quorvane-check: -x.mdb is no option, but a file of that name " \
        b"exists; to check it, put -- before it: quorvane-check -- -x.mdb\n"


def test_help_and_version():
    help = " ".join(run_checker("--help").stdout.split())
    assert "Usage: quorvane-check" in help
    for words in ['"-" reads standard input', "become null", '{"Number": "nan"}', "3 bad usage",
                  "4 the output could not be written"]:
        assert words in help
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
    assert '"q\\"uote\\\\back\\u0000nul\\u0007bell\\u001f\\u007fé東\U0001F600"' in output
    [collection] = json.loads(output)
    [(_, content)] = load_with_module([path])
    assert collection["entries"]["k"] == content["t"]["k"] == text


def raw_numbers(stdout):
    """The numbers of --json output as the texts that were written."""
    [collection] = json.loads(stdout, parse_float=str, parse_int=str)
    return collection["entries"]


def json_text(value):
    """What --json writes for a number: Python's json text, null if not finite."""
    return json.dumps(value) if math.isfinite(value) else None


def test_json_numbers_are_what_python_json_writes_for_the_module_values():
    path = DATA / "numbers.mdb"
    result = run_checker("--json", path)
    strict_json(result.stdout)
    raw = raw_numbers(result.stdout)
    [(_, content)] = load_with_module([path])
    values = content["numbers"]
    assert raw.keys() == values.keys()
    for key, value in values.items():
        assert raw[key] == (json_text(value) if key != "list" else [json_text(v) for v in value])


@pytest.mark.parametrize("option", ["--json", "--typed-json"])
def test_json_is_strict_and_one_line_per_file_for_every_line_splitter(tmp_path, option):
    path = tmp_path / "odd.mdb"
    path.write_text("[a\u2028b\u2029c\u0085d\x7fe\x80]\n3 nan nan\n3 inf -inf\n"
                    "6 d {k\x9f: inf}\n[\u2028]\n", encoding="utf-8")
    output = run_checker(option, path, path).stdout
    assert len(output.splitlines()) == 2  # str.splitlines also splits at U+2028 and U+0085
    for line in output.splitlines():
        parsed = strict_json(line)
        collections = parsed["collections"] if option == "--typed-json" else parsed
        assert [c["name"] for c in collections] == ["a\u2028b\u2029c\u0085d\x7fe\x80", "\u2028"]


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
        assert raw[key] == json_text(value), key


# Unicode 15.1's Default_Ignorable_Code_Point outside category Cf, and U+2800.
BLANK = {0x34F, 0x115F, 0x1160, 0x17B4, 0x17B5, 0x2065, 0x2800, 0x3164, *range(0xFE00, 0xFE10),
         0xFFA0, *range(0x180B, 0x1810), *range(0xFFF0, 0xFFF9), *range(0xE0000, 0xE1000)}


def shown(char):
    """How a report shows one character of a file: escaped when it is a control,
    a format character, a line or paragraph separator, blank without being
    whitespace, or one of \\ ‹ ›."""
    code = ord(char)
    if char == "\t":
        return "\\t"
    if char == "\\":
        return "\\\\"
    if unicodedata.category(char) not in ("Cc", "Cf", "Zl", "Zp") and char not in "‹›" \
            and code not in BLANK:
        return char
    if code < 0x80:
        return f"\\x{code:02X}"
    return f"\\u{code:04X}" if code <= 0xFFFF else f"\\U{code:08X}"


def test_excerpts_escape_by_one_rule_over_every_code_point(tmp_path):
    chars = [chr(c) for c in range(0x110000)
             if chr(c) not in "\n\r" and not 0xD800 <= c <= 0xDFFF]
    chunks = ["".join(chars[i:i + 90]) for i in range(0, len(chars), 90)]
    path = tmp_path / "every.mdb"
    path.write_text("[a]\n" + "".join(f"3 k <{chunk}>\n" for chunk in chunks), encoding="utf-8")
    lines = run_checker(path).stdout.split("\n")
    excerpts = [line[4:] for line in lines if line.startswith("    ")]
    assert len(excerpts) == len(chunks)
    for chunk, excerpt in zip(chunks, excerpts):
        assert excerpt == "3 k <" + "".join(map(shown, chunk)) + ">"
