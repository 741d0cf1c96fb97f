"""Generates realistic database text files, and the same content as JSON.

Used by the load benchmark. The content mixes all six type codes in the
shares a typical application store has (texts and numbers first, then
documents, arrays, ids and booleans), with quoted texts and nested values.
"""

import json
import random
import uuid

FIRST = ["Ada", "Grace", "Alan", "Edsger", "Barbara", "Donald", "Frances", "Ken", "Margaret", "Niklaus"]
LAST = ["Lovelace", "Hopper", "Turing", "Dijkstra", "Liskov", "Knuth", "Allen", "Thompson", "Hamilton"]
CITIES = ["London", "Paris", "Berlin", "Madrid", "Rome", "Vienna", "Prague", "Lisbon", "Dublin", "Oslo"]
WORDS = ["alpha", "beta", "gamma", "delta", "red", "green", "blue", "new", "sale", "gift", "eco"]


def _number(rng: random.Random) -> tuple[str, float]:
    kind = rng.random()
    if kind < 0.5:
        n = rng.randint(0, 100000)
        return str(n), float(n)
    if kind < 0.9:
        x = round(rng.uniform(-1000, 1000), 2)
        return f"{x:.2f}", x
    x = rng.uniform(1e-6, 1e6)
    return f"{x:.6e}", x


def _scalar(rng: random.Random) -> tuple[str, object]:
    """A nested item: its text and its JSON value."""
    kind = rng.random()
    if kind < 0.4:
        w = rng.choice(WORDS)
        return w, w
    if kind < 0.6:
        t = f"{rng.choice(WORDS)} {rng.choice(WORDS)}"
        return f'"{t}"', t
    if kind < 0.9:
        return _number(rng)
    b = rng.random() < 0.5
    return ("true" if b else "false"), b


def _array(rng: random.Random, depth: int = 0) -> tuple[str, list]:
    texts, values = [], []
    for _ in range(rng.randint(1, 6)):
        if depth == 0 and rng.random() < 0.15:
            t, v = _array(rng, depth + 1)
        else:
            t, v = _scalar(rng)
        texts.append(t)
        values.append(v)
    return "[" + ", ".join(texts) + "]", values


def _document(rng: random.Random, depth: int = 0) -> tuple[str, dict]:
    fields = [
        ("city", lambda: (c := rng.choice(CITIES), c)),
        ("street", lambda: (f'"{rng.randint(1, 300)} {rng.choice(LAST)} Street"',
                            None)),
        ("zip", lambda: _number(rng)),
        ("verified", lambda: _scalar(rng)),
        ("tags", lambda: _array(rng, 1)),
    ]
    if depth == 0:
        fields.append(("geo", lambda: _document(rng, depth + 1)))
    texts, values = [], {}
    for name, make in rng.sample(fields, rng.randint(2, len(fields))):
        t, v = make()
        if v is None:  # a quoted text: the value is the text without quotes
            v = t.strip('"')
        texts.append(f"{name}: {t}")
        values[name] = v
    return "{" + ", ".join(texts) + "}", values


def _entry(rng: random.Random, key: str) -> tuple[str, object]:
    kind = rng.random()
    if kind < 0.30:
        name = f"{rng.choice(FIRST)} {rng.choice(LAST)}"
        return f'2 {key}_name "{name}"', name
    if kind < 0.55:
        t, v = _number(rng)
        return f"3 {key}_score {t}", v
    if kind < 0.65:
        b = rng.random() < 0.5
        return f"4 {key}_active {'true' if b else 'false'}", b
    if kind < 0.75:
        u = str(uuid.UUID(int=rng.getrandbits(128)))
        return f"1 {key}_id {u}", u
    if kind < 0.87:
        t, v = _array(rng)
        return f"5 {key}_tags {t}", v
    t, v = _document(rng)
    return f"6 {key}_address {t}", v


def generate(size_bytes: int, sections: int = 300, seed: int = 1) -> tuple[str, str]:
    """Returns (database text, JSON text) of about `size_bytes` each."""
    rng = random.Random(seed)
    per_section = max(1, size_bytes // sections)
    lines, content = [], {}
    for s in range(sections):
        name = f"collection_{s}"
        lines.append(f"[{name}]")
        entries = content.setdefault(name, {})
        written, i = 0, 0
        while written < per_section:
            key = f"u{i}"
            line, value = _entry(rng, key)
            entries[line.split(" ", 2)[1]] = value
            lines.append(line)
            written += len(line) + 1
            i += 1
    return "\n".join(lines) + "\n", json.dumps(content)


if __name__ == "__main__":
    text, _ = generate(4000, sections=2)
    print(text[:2000])
