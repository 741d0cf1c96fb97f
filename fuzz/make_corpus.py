"""Writes the seed corpora of the fuzz targets into fuzz/corpus/<target>/.

The seeds are the sample database examples/shop.mdb, its lines and value
texts, and the cases of the unit tests. Run from the repository root after
changing them; the files it writes are committed. Regression inputs found by
fuzzing live beside them under names starting with "regress-" and are kept.
"""

import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
CORPUS = ROOT / "fuzz" / "corpus"
SHOP = (ROOT / "examples" / "shop.mdb").read_bytes()
UUID = b"550e8400-e29b-41d4-a716-446655440000"

# (type code, value text). The fuzzer reads the code from the first byte.
VALUES = [
    (1, UUID), (1, b"{" + UUID.upper() + b"}"), (1, b"urn:uuid:" + UUID),
    (1, b"550E8400E29B41D4A716446655440000"), (2, b'  "  padded "  '), (2, b'"a"b"'),
    (3, b"16777217"), (3, b"-1e39"), (3, b"0.000000000000000000000000000000000000000000001401298"),
    (3, b"-Infinity"), (3, b"nan"), (3, b"1e"), (4, b"TrUe"), (4, b" false\r\n"),
    (5, b"[1,,2]"), (5, b"[[[1], 2], 3]"), (5, b'["a[", "b"]'), (5, b"[a]b, c]"),
    (5, b"[true, " + UUID + b", {" + UUID + b"}, x]"), (5, b"[1,\xc2\xa02\xe3\x80\x80]"),
    (6, b"{a: 1, a: 2}"), (6, b"{a, b: 1}"), (6, b"{:1,}"), (6, b'{"a": 1}'),
    (6, b"{a: [1, 2], b: {c: true}}"), (6, b"{a: x:y, b: [{c: {d: [1]}}]}"),
    (0, b"1"), (7, b"x"), (5, b"[" * 40 + b"]" * 40),
    # Around the nesting limit: 512 levels parse, 513 do not.
    (5, b"[" * 512 + b"1" + b"]" * 512), (5, b"[" * 513 + b"]" * 513),
    (6, b"{a:" * 512 + b"}" * 512), (5, b"[" * 256 + b"{a:" * 257 + b"}" * 257 + b"]" * 256),
]

# Entry lines, as the splitter sees them.
LINES = [
    b"3 age 36", b"3\tage   31", b'2 greeting "hello   world"', b"5 list [1, 2]",
    b'2 "my key" x y', b"2 it's a b", b"\"' x y z", b"6 d {a: [1, {b: 2}], c: \"x y\"}",
    b"2 k \xe2\x80\x83spaced\xe3\x80\x80out\xc2\x85", b"", b" \t ", b"[a] # note",
]

# Whole files, beside the sample database.
FILES = {
    "worked-section": b'[users]\n3 age 36\n4 active TRUE\n5 tags [a, b]\n'
    b"6 address {city: London, zip: 1}\n1 id " + UUID + b'\n2 name "Ziz Raruzaru"\n'
    b"3 height tall\nage 36\n",
    "codes": b"[c]\n+2 a x\n002 b y\n-2 c z\n65535 d 1\n65536 e 1\n0 f 1\n7 g 1\nx h 1\n",
    "crlf-headers": b"\xef\xbb\xbf[a]\r\n  [ b ]  \r\n[]\r\n[[x]]\r\n# c\r\n   # d\r\n2 k v\r\n",
    "entry-before-header": b"2 k v\n[a]\n",
    "invalid-utf8": b"[a]\n2 k \xff\xfe\n",
    "truncated-utf8": b"[a]\n2 k \xe2\x82",
    "duplicates": b"[a]\n2 k 1\n2 k 2\n[a]\n3 k 3\n[b]\n[a\n",
}


def write(target, name, data):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def main():
    write("load_database_fuzzer", "shop", SHOP)
    for name, data in FILES.items():
        write("load_database_fuzzer", name, data)
    for i, (code, text) in enumerate(VALUES):
        write("load_database_fuzzer", f"entry-{i:02d}", b"[v]\n%d k %s\n" % (code, text))
    shop_lines = [line.strip() for line in SHOP.splitlines()]
    entries = [line for line in shop_lines if line and not line.startswith((b"#", b"["))]
    for i, line in enumerate(entries + LINES):
        write("split_entries_fuzzer", f"line-{i:02d}", line)
    shop_values = []
    for line in entries:
        code, _, rest = line.partition(b" ")
        shop_values.append((int(code), rest.partition(b" ")[2]))
    for i, (code, text) in enumerate(shop_values + VALUES):
        write("parse_value_fuzzer", f"value-{i:02d}", bytes([code]) + text)


if __name__ == "__main__":
    main()
