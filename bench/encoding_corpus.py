#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""How often quillora names the encoding of real text right.

Builds a corpus from the translations installed on this machine (the
messages of Debian's packages, as their translators wrote them), each
language in the encodings its files come in, in three sizes; asks
`quillora --dry-run` what each file is; counts a file right when the text
read in the encoding named is the text written.

    bench/encoding_corpus.py QUILLORA [QUILLORA_BEFORE ...]

Western exports (windows-1252 and ISO-8859-15, 1 KB to 10 MB) come too,
unless WESTERN=0. Also counts how many legacy files the import notes as
maybe being UTF-8 with other bytes mixed in, and how many of those were
read right all the same (a false alarm), and how many files were read
wrong while their encoding was said to be found (a silent loss).
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

# Western exports: names, streets, towns and products as shops and banks in
# these languages write them, in windows-1252 and ISO-8859-15, from 1 KB to
# 10 MB: the most common legacy files of all.
WESTERN = {
    "fr": (["Lefèvre Hélène", "Garçon François", "Bénédicte Façade", "Zoë Dupré", "Noël Crémieux"],
           ["12 rue de la Paix", "3 place du Marché", "8 allée des Érables", "27 quai de l'Hôtel-de-Ville"],
           ["Besançon", "Orléans", "Nîmes", "Saint-Étienne"], ["crème brûlée", "pâté en croûte", "café noisette"]),
    "de": (["Müller Jürgen", "Größe Käthe", "Schäfer Björn", "Weiß Dörte", "Krüger Ölaf"],
           ["Bahnhofstraße 5", "Hauptstraße 12", "Am Göttinger Tor 3", "Königsallee 27"],
           ["München", "Düsseldorf", "Göttingen", "Lübeck"], ["Brötchen", "Käsekuchen", "Süßwaren", "Weißbier"]),
    "es": (["Peña Íñigo", "Muñoz María José", "Martínez Begoña", "Ibáñez Ramón"],
           ["calle Larios 8", "avenida de Andalucía 14", "plaza de España 2", "camino Viejo 31"],
           ["Málaga", "Cádiz", "Córdoba", "León"], ["jamón ibérico", "turrón", "piña", "caña de azúcar"]),
    "pt": (["Conceição João", "Gonçalves Inês", "Simões André", "Magalhães Cristóvão"],
           ["rua Augusta 15", "avenida da Liberdade 42", "praça do Comércio 7", "travessa São João 3"],
           ["São Paulo", "Lisboa", "Évora", "Guimarães"], ["pão de queijo", "maçã", "açúcar", "limão"]),
    "nordic": (["Søren Kierkegård", "Åsa Öberg", "Bjørn Ødegård", "Ærø Fiskeri", "Jökull Þórsson"],
               ["Storgatan 5", "Østergade 12", "Ågatan 3", "Søndre gate 27"],
               ["Ålesund", "Göteborg", "Århus", "Tromsø"], ["smørbrød", "kanelbullar", "rødgrød", "lakrits"]),
}
WESTERN_SIZES = {"1k": 1_000, "10k": 10_000, "100k": 100_000, "1m": 1_000_000, "10m": 10_000_000}


def western(folder):
    corpus = []
    for language, (names, streets, towns, products) in WESTERN.items():
        for encoding in ["cp1252", "iso8859_15"]:
            for size, length in WESTERN_SIZES.items():
                rng = random.Random(f"{language}{encoding}{size}")
                rows = ["id;customer;street;town;product;amount" if language != "nordic" else "id,customer,street,town,product,amount"]
                total = len(rows[0])
                while total < length:
                    sep = ";" if language != "nordic" else ","
                    row = sep.join([f"{len(rows):06d}", rng.choice(names), rng.choice(streets), rng.choice(towns),
                                    rng.choice(products), f"{rng.randint(1, 99999) / 100:.2f}"])
                    rows.append(row)
                    total += len(row) + 1
                text = "\n".join(rows) + "\n"
                name = os.path.join(folder, f"western-{language}-{encoding}-{size}.csv")
                with open(name, "wb") as f:
                    f.write(text.encode(encoding))
                corpus.append((name, encoding, text))
    return corpus


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
            TAKEN[(quillora, m.group(1))] = m.group(3)
    return names


# How each program took each file's encoding: found, guessed or chosen.
TAKEN = {}


def mixed_notes(quillora, folder, files):
    """The files whose import says they may be UTF-8 with other bytes mixed in."""
    out = subprocess.run([os.path.abspath(quillora), "-f", "-o", os.path.join(folder, "out.ods"), *files],
                         cwd=folder, capture_output=True, text=True).stderr
    return {m.group(1) for m in re.finditer(r'"([^"\n]+)"[^\n]*valid UTF-8 sequence', out)}


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
        corpus = build(folder) + (western(folder) if os.environ.get("WESTERN", "1") == "1" else [])
        files = [os.path.basename(path) for path, _, _ in corpus]
        table = {}
        for program in programs:
            names = named(program, folder, files)
            for path, encoding, text in corpus:
                size = path.rsplit("-", 2)[1] if not os.path.basename(path).startswith("western") else \
                    "western " + path.rsplit("-", 1)[1].split(".")[0]
                key = (encoding, size)
                table.setdefault(key, [0] + [0] * len(programs))
                if program == programs[0]:
                    table[key][0] += 1
                ok = right(names.get(os.path.basename(path)), path, text)
                table[key][1 + programs.index(program)] += ok
                if not ok and os.environ.get("VERBOSE"):
                    print(f"{program}: {os.path.basename(path)} read as {names.get(os.path.basename(path))}",
                          file=sys.stderr)
        # The note that a file may be UTF-8 after all: how often, and how
        # often on a file that was read right all the same.
        for program in programs:
            names = named(program, folder, files)
            noted = mixed_notes(program, folder, files)
            legacy = [(p, t) for p, e, t in corpus if not e.startswith("utf")]
            said = [p for p, _ in legacy if os.path.basename(p) in noted]
            wrongly = [p for p, t in legacy if os.path.basename(p) in noted and right(names.get(os.path.basename(p)), p, t)]
            print(f"{program}: {len(said)} of {len(legacy)} legacy files noted as maybe UTF-8, {len(wrongly)} of them read right")
            if os.environ.get("VERBOSE"):
                print("  " + " ".join(os.path.basename(p) for p in wrongly), file=sys.stderr)
        # Read wrong without a word: the loss nobody sees.
        for program in programs:
            names = named(program, folder, files)
            silent = [p for p, _, t in corpus if TAKEN.get((program, os.path.basename(p))) == "found"
                      and not right(names.get(os.path.basename(p)), p, t)]
            print(f"{program}: {len(silent)} of {len(corpus)} files read wrong as \"found\"")
            if os.environ.get("VERBOSE"):
                print("  " + " ".join(os.path.basename(p) for p in silent), file=sys.stderr)
        header = ["encoding", "size", "files"] + [f"right ({p})" for p in programs]
        print(" | ".join(header))
        totals = [0] * (1 + len(programs))
        for (encoding, size), counts in table.items():
            print(" | ".join([encoding, size] + [str(c) for c in counts]))
            totals = [a + b for a, b in zip(totals, counts)]
        print(" | ".join(["all", ""] + [str(c) for c in totals]))


if __name__ == "__main__":
    main()
