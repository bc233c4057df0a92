#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""How often quillora names the encoding of real text right.

Builds a corpus from the translations installed on this machine (the
messages of Debian's packages, as their translators wrote them), each
language in the encodings its files come in, in three sizes; asks
`quillora --dry-run` what each file is; counts a file right when the text
read in the encoding named is the text written.

    bench/encoding_corpus.py QUILLORA [QUILLORA_BEFORE ...]
"""

import codecs
import gettext
import glob
import os
import random
import re
import subprocess
import sys
import tempfile

# Language, the encodings its exports come in.
LANGUAGES = [
    ("ru", ["cp1251", "koi8_r", "cp866", "iso8859_5"]),
    ("uk", ["cp1251", "koi8_u"]),
    ("bg", ["cp1251"]),
    ("el", ["cp1253", "iso8859_7"]),
    ("tr", ["cp1254", "iso8859_9"]),
    ("he", ["cp1255", "iso8859_8"]),
    ("ar", ["cp1256"]),
    ("pl", ["cp1250", "iso8859_2"]),
    ("cs", ["cp1250", "iso8859_2"]),
    ("hu", ["cp1250"]),
    ("de", ["cp1252", "cp850"]),
    ("fr", ["cp1252", "cp850"]),
    ("es", ["cp1252"]),
    ("lt", ["cp1257"]),
    ("vi", ["cp1258"]),
    ("th", ["cp874"]),
    ("ja", ["shift_jis", "euc_jp", "iso2022_jp"]),
    ("zh_CN", ["gb18030", "gb2312"]),
    ("zh_TW", ["big5"]),
    ("ko", ["cp949", "euc_kr", "iso2022_kr"]),
]
# Every language in UTF-8 too, and some in UTF-16 without a mark: what is
# read right must stay so.
UNICODE = {"ru": ["utf_8", "utf_16_le"], "ja": ["utf_8", "utf_16_be"], "de": ["utf_8", "utf_16_le"]}
SIZES = {"short": 1, "medium": 12, "long": 400}
PER_SIZE = {"short": 6, "medium": 3, "long": 1}

# What quillora names an encoding, as Python knows it.
PYTHON_NAMES = {"utf-16le": "utf_16_le", "utf-16be": "utf_16_be", "windows-949": "cp949", "windows-874": "cp874", "iso-8859-8-i": "iso8859_8"}


def messages(language):
    """Translated messages of a language with a letter past ASCII, one line each."""
    found = []
    for path in sorted(glob.glob(f"/usr/share/locale/{language}/LC_MESSAGES/*.mo")):
        try:
            with open(path, "rb") as f:
                catalog = gettext.GNUTranslations(f)
        except Exception:
            continue
        for text in catalog._catalog.values():
            if not isinstance(text, str):
                continue
            line = " ".join(text.split())
            if 8 <= len(line) <= 200 and any(ord(c) > 0x7F for c in line):
                found.append(line)
    return found


def build(folder):
    random.seed(7)
    corpus = []
    for language, encodings in LANGUAGES:
        lines = messages(language)
        if not lines:
            continue
        for encoding in encodings + UNICODE.get(language, ["utf_8"]):
            fitting = [l for l in lines if fits(l, encoding)]
            for size, count in SIZES.items():
                for n in range(PER_SIZE[size]):
                    if len(fitting) < count:
                        break
                    picked = random.sample(fitting, count)
                    text = "".join(f"{i + 1},{line}\n" for i, line in enumerate(picked))
                    name = os.path.join(folder, f"{language}-{encoding}-{size}-{n}.txt")
                    with open(name, "wb") as f:
                        f.write(text.encode(encoding))
                    corpus.append((name, encoding, text))
    return corpus


def fits(line, encoding):
    try:
        line.encode(encoding)
        return True
    except UnicodeEncodeError:
        return False


def named(quillora, folder, files):
    out = subprocess.run([os.path.abspath(quillora), "--dry-run", *files], cwd=folder,
                         capture_output=True, text=True).stdout
    names = {}
    for line in out.splitlines():
        m = re.match(r"^(\S+): (\S+) \((found|guessed|chosen)\)", line)
        if m:
            names[m.group(1)] = m.group(2)
    return names


def right(name, path, text):
    if name is None:
        return False
    try:
        codec = codecs.lookup(PYTHON_NAMES.get(name.lower(), name))
    except LookupError:
        return False
    with open(path, "rb") as f:
        return f.read().decode(codec.name, errors="replace") == text


def main():
    programs = sys.argv[1:]
    if not programs:
        sys.exit(__doc__)
    with tempfile.TemporaryDirectory() as folder:
        corpus = build(folder)
        files = [os.path.basename(path) for path, _, _ in corpus]
        table = {}
        for program in programs:
            names = named(program, folder, files)
            for path, encoding, text in corpus:
                size = path.rsplit("-", 2)[1]
                key = (encoding, size)
                table.setdefault(key, [0] + [0] * len(programs))
                if program == programs[0]:
                    table[key][0] += 1
                ok = right(names.get(os.path.basename(path)), path, text)
                table[key][1 + programs.index(program)] += ok
                if not ok and os.environ.get("VERBOSE"):
                    print(f"{program}: {os.path.basename(path)} read as {names.get(os.path.basename(path))}",
                          file=sys.stderr)
        header = ["encoding", "size", "files"] + [f"right ({p})" for p in programs]
        print(" | ".join(header))
        totals = [0] * (1 + len(programs))
        for (encoding, size), counts in table.items():
            print(" | ".join([encoding, size] + [str(c) for c in counts]))
            totals = [a + b for a, b in zip(totals, counts)]
        print(" | ".join(["all", ""] + [str(c) for c in totals]))


if __name__ == "__main__":
    main()
