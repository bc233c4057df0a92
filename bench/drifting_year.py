#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A drifting year of exports, stacked with one command and checked.

    bench/drifting_year.py QUILLORA [ROWS_PER_MONTH]

Writes twelve monthly order exports as shops and banks write them: a title
line above each table, a header whose columns drift (a column added in
April, renamed in July), every third month from a European program
(semicolons, decimal commas, day-first dates with dots), the others with
commas and day-first dates with slashes; postcodes with leading zeros. Then
stacks them with one command into an .fods file and reads it back with a
reader of its own: every amount a number of the right value, every date a
date of the right day, every postcode text as written, every row under its
column. Prints what it found and how long the import took.
"""

import os
import random
import re
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ET
from datetime import date

NS = {"table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
      "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
      "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0"}


def write_exports(folder, rows):
    random.seed(11)
    truth = []
    for month in range(1, 13):
        european = month % 3 == 0
        sep = ";" if european else ","
        header = ["order", "day", "postcode", "amount"]
        if month >= 4:
            header.append("region")
        if month >= 7:
            header[0] = "order id"
        lines = [f"Orders {month:02d}/2024 exported by the shop", sep.join(header)]
        for n in range(rows):
            day = date(2024, month, random.randint(1, 28))
            # The first row of each file settles the order: a day past 12.
            if n == 0:
                day = date(2024, month, 13 + random.randint(0, 15))
            postcode = random.choice(["01067", "80331", "10115", "04109", "99084"])
            cents = random.randint(1, 999999)
            amount = f"{cents // 100}{',' if european else '.'}{cents % 100:02d}"
            shown = day.strftime("%d.%m.%Y" if european else "%d/%m/%Y")
            cells = [f"{month}-{n}", shown, postcode, amount]
            if month >= 4:
                cells.append(random.choice(["north", "south"]))
            lines.append(sep.join(cells))
            truth.append((f"{month}-{n}", day, postcode, cents / 100))
        with open(os.path.join(folder, f"orders-2024-{month:02d}.csv"), "w", encoding="utf-8") as f:
            f.write("\n".join(lines) + "\n")
    return truth


def cells_of(row):
    cells = []
    for cell in row.findall("table:table-cell", NS):
        repeat = int(cell.get(f"{{{NS['table']}}}number-columns-repeated", "1"))
        kind = cell.get(f"{{{NS['office']}}}value-type")
        text = "".join(p.text or "" for p in cell.findall("text:p", NS))
        value = cell.get(f"{{{NS['office']}}}value") or cell.get(f"{{{NS['office']}}}date-value")
        cells.extend([(kind, text, value)] * min(repeat, 64))
    return cells


def main():
    program = sys.argv[1] if len(sys.argv) > 1 else sys.exit(__doc__)
    rows = int(sys.argv[2]) if len(sys.argv) > 2 else 240
    with tempfile.TemporaryDirectory() as folder:
        truth = write_exports(folder, rows)
        output = os.path.join(folder, "year.fods")
        started = time.monotonic()
        run = subprocess.run([program, "-q", "-f", "-o", output, "--split=auto", "--skip-lines=auto", "--header",
                              "--numbers", "--dates", "--rename=order id=order", "--extension=csv", folder],
                             capture_output=True, text=True)
        seconds = time.monotonic() - started
        table = ET.parse(output).getroot().find(".//table:table", NS)
        sheet = [cells_of(row) for row in table.findall(".//table:table-row", NS)]
        header = [text for _, text, _ in sheet[0]]
        at = {name: header.index(name) for name in ("order", "day", "postcode", "amount")}
        by_order = {row[at["order"]][1]: row for row in sheet[1:] if len(row) > at["amount"]}
        wrong = {"amount": 0, "day": 0, "postcode": 0, "missing": 0}
        for order, day, postcode, amount in truth:
            row = by_order.get(order)
            if row is None:
                wrong["missing"] += 1
                continue
            kind, _, value = row[at["amount"]]
            wrong["amount"] += not (kind == "float" and abs(float(value) - amount) < 1e-9)
            kind, _, value = row[at["day"]]
            wrong["day"] += not (kind == "date" and value == day.isoformat())
            kind, text, _ = row[at["postcode"]]
            wrong["postcode"] += not (kind == "string" and text == postcode)
        print(f"exit {run.returncode}, {seconds:.2f} s, {len(truth)} rows, header {header}")
        print(f"wrong: {wrong}")
        if run.stderr:
            print(re.sub(r"\n+", "\n", run.stderr.strip()))


if __name__ == "__main__":
    main()
