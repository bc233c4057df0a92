#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""How often "each file's own separator" is right on real delimited files.

    bench/dialect_corpus.py QUILLORA CORPUS LABELS [DUCKDB_SNIFF]

LABELS holds one line a file: its path under CORPUS, a tab, and its true
separator (comma, semicolon, tab, pipe, none for one column, other to leave
it out). The corpus is not part of the project: take real files from public
repositories and label them from their own tests or by reading them.

Side by side on the same files: quillora --split=auto (its dry run names the
separator and whether the choice was a tie), Python's csv.Sniffer and, when
DUCKDB_SNIFF names bench/sniff_duckdb.mjs (with @duckdb/node-api installed
beside it), DuckDB's sniff_csv. A file is right when the separator taken is
its label (for "none": no separator taken); "gave up" keeps whole lines on a
file that has one; "wrong" cuts at another separator, "wrong, said" when
the run named a tie.

Then, for each file quillora cut right, the cells it writes (read back from a
.fods file) are compared with Python's csv module reading the file with the
true separator and double quotes.
"""

import codecs
import collections
import concurrent.futures
import csv
import io
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

NAMES = {"commas": "comma", "semicolons": "semicolon", "tabs": "tab",
         "pipes": "pipe", "|": "pipe", ",": "comma", ";": "semicolon",
         "\t": "tab"}
CHARS = {"comma": ",", "semicolon": ";", "tab": "\t", "pipe": "|"}
SAMPLE = 64 * 1024


def env():
    e = dict(os.environ, LC_ALL="C.UTF-8", LANGUAGE="en")
    return e


def quillora_choice(quillora, path):
    run = subprocess.run([quillora, "--dry-run", "--split=auto", path],
                         capture_output=True, text=True, env=env())
    line = run.stdout.splitlines()[0] if run.stdout else ""
    m = re.search(r", separated by (\w+)", line)
    said = "split as well at" in run.stderr
    return (NAMES.get(m.group(1), m.group(1)) if m else "none"), said, line


def sniffer_choice(path):
    text = read_text(path)[:SAMPLE]
    text = text[:text.rfind("\n") + 1] or text
    try:
        return NAMES.get(csv.Sniffer().sniff(text).delimiter, "other")
    except csv.Error:
        return "none"


def duckdb_choices(script, paths):
    if not script:
        return {}
    out = subprocess.run(["node", script], input="\n".join(paths),
                         capture_output=True, text=True).stdout
    got = {}
    for line in out.splitlines():
        path, delimiter, columns = line.split("\t")[:3]
        if delimiter == "ERROR":
            got[path] = "none"
        elif columns == "1":
            got[path] = "none"
        else:
            got[path] = NAMES.get(eval(delimiter), "other")
    return got


def read_text(path, encoding=None):
    raw = open(path, "rb").read()
    if encoding:
        return raw.decode(encoding, "replace").lstrip("\ufeff")
    if raw[:2] in (b"\xff\xfe", b"\xfe\xff"):
        return raw.decode("utf-16")
    for guess in ("utf-8-sig", "cp1252", "latin-1"):
        try:
            return raw.decode(guess)
        except UnicodeDecodeError:
            pass


def encoding_named(line):
    """The encoding a dry run's line names, as Python calls it."""
    name = line.split(": ", 1)[1].split(" (")[0]
    try:
        codecs.lookup(name)
        return name
    except LookupError:
        return None


def python_rows(path, label, encoding):
    reader = csv.reader(io.StringIO(read_text(path, encoding), newline=""),
                        delimiter=CHARS[label], quotechar='"')
    csv.field_size_limit(1 << 30)
    return [trim([as_written(cell) for cell in row]) for row in reader]


# A cell's line break is one LF whatever the file used; a .fods file holds
# no other control character (the run says how many it left out).
UNWRITTEN = {c: None for c in range(32) if c not in (9, 10)}


def as_written(cell):
    return cell.replace("\r\n", "\n").replace("\r", "\n").translate(UNWRITTEN)


def trim(row):
    while row and row[-1] == "":
        row = row[:-1]
    return row


NS = {"table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
      "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0"}


def paragraph_text(p):
    parts = [p.text or ""]
    for child in p:
        tag = child.tag.split("}")[1]
        if tag == "s":
            parts.append(" " * int(child.get(f"{{{NS['text']}}}c", "1")))
        elif tag == "tab":
            parts.append("\t")
        elif tag == "line-break":
            parts.append("\n")
        else:
            parts.append(paragraph_text(child))
        parts.append(child.tail or "")
    return "".join(parts)


def fods_rows(path):
    rows = []
    table = f"{{{NS['table']}}}"
    for row in ET.parse(path).iter(table + "table-row"):
        cells = []
        for cell in row.findall(table + "table-cell"):
            value = "\n".join(paragraph_text(p) for p in cell.findall(f"{{{NS['text']}}}p"))
            cells += [value] * int(cell.get(table + "number-columns-repeated", "1"))
        rows += [trim(cells)] * int(row.get(table + "number-rows-repeated", "1"))
    return rows


def quillora_rows(quillora, path):
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "cells.fods")
        subprocess.run([quillora, "-q", "--split=auto", "-o", out, path],
                       capture_output=True, env=env())
        return fods_rows(out) if os.path.exists(out) else None


def same_cells(quillora, path, label, line):
    want = python_rows(path, label, encoding_named(line))
    got = quillora_rows(quillora, path)
    if got is None:
        return False, "no document"
    while got and not got[-1]:
        got.pop()
    while want and not want[-1]:
        want.pop()
    # A sheet keeps no empty row of its own for a blank line's cells.
    want = [row if row != [""] else [] for row in want]
    if got == want:
        return True, ""
    for i, (a, b) in enumerate(zip(got, want)):
        if a != b:
            return False, f"row {i + 1}: {a[:6]!r} against {b[:6]!r}"
    return False, f"{len(got)} rows against {len(want)}"


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    quillora, corpus, labels = sys.argv[1:4]
    duck_script = sys.argv[4] if len(sys.argv) > 4 else None
    files = []
    for line in open(labels, encoding="utf-8"):
        name, label = line.rstrip("\n").split("\t")
        if label != "other":
            files.append((os.path.join(corpus, name), label))
    with concurrent.futures.ThreadPoolExecutor(os.cpu_count()) as pool:
        ours = list(pool.map(lambda f: quillora_choice(quillora, f[0]), files))
    duck = duckdb_choices(duck_script, [f for f, _ in files])
    tally = {name: collections.Counter() for name in ("quillora", "csv.Sniffer", "DuckDB")}
    by_label = collections.Counter(label for _, label in files)
    misses = []
    for (path, label), (choice, said, line) in zip(files, ours):
        for name, taken in (("quillora", choice), ("csv.Sniffer", sniffer_choice(path)),
                            ("DuckDB", duck.get(path))):
            if taken is None:
                continue
            if taken == label:
                verdict = "right"
            elif taken == "none":
                verdict = "gave up"
            else:
                verdict = "wrong, said" if name == "quillora" and said else "wrong"
            tally[name][verdict] += 1
            if name == "quillora" and verdict != "right":
                misses.append(f"  {verdict}: {os.path.relpath(path, corpus)} ({label}): {line}")
    total = len(files)
    print(f"{total} files: " + ", ".join(f"{n} {k}" for k, n in sorted(by_label.items())))
    for name, counts in tally.items():
        if counts:
            right = counts["right"]
            rest = ", ".join(f"{counts[k]} {k}" for k in ("gave up", "wrong", "wrong, said") if counts[k])
            print(f"{name:12} {right:4} right ({100 * right / total:.1f}%){', ' + rest if rest else ''}")
    print("quillora's misses:")
    print("\n".join(misses) or "  none")

    cut = [(p, l, line) for (p, l), (c, _, line) in zip(files, ours) if c == l and l != "none"]
    with concurrent.futures.ThreadPoolExecutor(os.cpu_count()) as pool:
        results = list(pool.map(lambda f: same_cells(quillora, *f), cut))
    differ = [(p, why) for (p, _, _), (same, why) in zip(cut, results) if not same]
    print(f"cells equal to Python's csv with the true separator: {len(cut) - len(differ)} of {len(cut)}")
    for path, why in differ:
        print(f"  {os.path.relpath(path, corpus)}: {why}")


if __name__ == "__main__":
    main()
