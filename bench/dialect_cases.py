#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Files of each kind that real exports show and that once cut wrong.

    bench/dialect_cases.py FOLDER [COPIES]

Writes COPIES (default 20) variants of each case into FOLDER, with a
labels.tsv that bench/dialect_corpus.py reads:

    bench/dialect_corpus.py build/bin/quillora FOLDER FOLDER/labels.tsv

Each case is a class of real files: fields quoted for the separator they
hold ("Smith, John"), a few rows longer or shorter than most, a semicolon
file whose names hold commas (a tie at first sight), a last line without a
break that ends in a separator, a quoted field far into the file, title
lines above the table, semicolon files with decimal points or commas, and
one column of text.
"""

import os
import random
import sys

NAMES = ["Smith, John", "Müller, Hans", "Lee, Ann", "Dupont, Marie", "García, José", "O'Brien, Pat"]
CITIES = ["Zürich", "Lyon", "Köln", "São Paulo", "Kraków", "Malmö"]


def amount(rng, comma):
    text = f"{rng.randint(0, 9999)}.{rng.randint(0, 99):02}"
    return text.replace(".", ",") if comma else text


def date(rng):
    return f"{rng.randint(1, 28):02}.{rng.randint(1, 12):02}.2024"


def quoted(field, sep):
    return f'"{field}"' if sep in field or '"' in field else field


def table(rng, sep, rows, comma_decimals=False):
    lines = [sep.join(["id", "name", "city", "amount", "date"])]
    for i in range(rows):
        cells = [str(i + 1), rng.choice(NAMES), rng.choice(CITIES), amount(rng, comma_decimals), date(rng)]
        lines.append(sep.join(quoted(c, sep) for c in cells))
    return lines


def ragged(rng):
    lines = table(rng, ",", rng.randint(8, 40))
    for i in rng.sample(range(1, len(lines)), 2):
        lines[i] += ",extra"
    lines.append("Total rows: " + str(len(lines) - 1))
    return "\n".join(lines) + "\n", "comma"


def semicolon_names(rng):
    # Names with a comma, amounts with a decimal comma: commas as many as
    # semicolons on every line.
    lines = [f"{rng.choice(NAMES)};{amount(rng, True)};{date(rng)}" for _ in range(rng.randint(3, 12))]
    return "\n".join(lines) + "\n", "semicolon"


def last_line_open(rng):
    lines = table(rng, ",", rng.randint(2, 10))
    return "\n".join(lines) + "\n" + str(len(lines)) + ",", "comma"


def late_quote(rng):
    lines = [f"{i},plain,{amount(rng, False)}" for i in range(rng.randint(5000, 9000))]
    lines.append(f'0,"{rng.choice(NAMES)}",1.00')
    return "id,name,amount\n" + "\n".join(lines) + "\n", "comma"


def above_table(rng):
    title = ["Account statement", f"Exported by the bank on {date(rng)}", ""][: rng.randint(1, 3)]
    return "\n".join(title + table(rng, ";", rng.randint(2, 9), True)) + "\n", "semicolon"


def semicolon_points(rng):
    return "\n".join(table(rng, ";", rng.randint(3, 30))) + "\n", "semicolon"


def tab_quoted(rng):
    return "\n".join(table(rng, "\t", rng.randint(3, 30))).replace("\tSmith, John", '\t"Smith, John"') + "\n", "tab"


def pipe(rng):
    return "\n".join(table(rng, "|", rng.randint(3, 30))) + "\n", "pipe"


def one_column(rng):
    return "name\n" + "\n".join(f'"{rng.choice(NAMES)}"' for _ in range(rng.randint(3, 30))) + "\n", "none"


def quoted_commas(rng):
    return "\n".join(table(rng, ",", rng.randint(3, 30))) + "\n", "comma"


CASES = [quoted_commas, ragged, semicolon_names, last_line_open, late_quote, above_table, semicolon_points,
         tab_quoted, pipe, one_column]


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    copies = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    os.makedirs(folder, exist_ok=True)
    rng = random.Random(48)
    with open(os.path.join(folder, "labels.tsv"), "w", encoding="utf-8") as labels:
        for case in CASES:
            for n in range(copies):
                text, label = case(rng)
                name = f"{case.__name__}-{n:02}.csv"
                with open(os.path.join(folder, name), "w", encoding="utf-8", newline="") as out:
                    out.write(text)
                labels.write(f"{name}\t{label}\n")


if __name__ == "__main__":
    main()
