// SPDX-License-Identifier: GPL-3.0-or-later
// DuckDB's sniff_csv on each path read from standard input, for
// bench/dialect_corpus.py: prints path, delimiter (JSON) and the number of
// columns found, or ERROR. Needs `npm install @duckdb/node-api` beside it.
import { DuckDBInstance } from '@duckdb/node-api';
import * as readline from 'node:readline';

const db = await DuckDBInstance.create(':memory:');
const con = await db.connect();
for await (const path of readline.createInterface({ input: process.stdin })) {
  try {
    const quoted = path.replaceAll("'", "''");
    const reader = await con.runAndReadAll(
      `SELECT Delimiter, len(Columns) FROM sniff_csv('${quoted}')`);
    const [delimiter, columns] = reader.getRows()[0];
    console.log(`${path}\t${JSON.stringify(delimiter)}\t${columns}`);
  } catch (e) {
    console.log(`${path}\tERROR\t${String(e.message).split('\n')[0]}`);
  }
}
