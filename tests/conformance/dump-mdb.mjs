// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Prints every table of an .mdb file as JSON, read with mdb-reader, a reader independent of
// libmdb:  node dump-mdb.mjs file.mdb
// Output: {"systemTables": [names], "tables": {name: {"columns": [{name, type, size}],
// "rows": [[values]]} or {"error": message}}}. Binary values are {"hex": "..."}, dates ISO strings.
import { readFileSync } from "node:fs";
import MDBReader from "mdb-reader";

function plain(value) {
    if (value === null || value === undefined) return null;
    if (Buffer.isBuffer(value)) return { hex: value.toString("hex") };
    if (value instanceof Date) return value.toISOString();
    return value;
}

const path = process.argv[2];
if (!path) {
    process.stderr.write("usage: node dump-mdb.mjs file.mdb\n");
    process.exit(2);
}
try {
    const reader = new MDBReader(readFileSync(path));
    const all = reader.getTableNames({ normalTables: true, systemTables: true });
    const normal = new Set(reader.getTableNames({ normalTables: true, systemTables: false }));
    const out = { systemTables: all.filter((name) => !normal.has(name)), tables: {} };
    for (const name of all) {
        try {
            const table = reader.getTable(name);
            const columns = table.getColumns().map((c) => ({ name: c.name, type: c.type, size: c.size }));
            const rows = table.getData().map((row) => columns.map((c) => plain(row[c.name])));
            out.tables[name] = { rowCount: table.rowCount, columns, rows };
        } catch (error) {
            // Access's own files hold system tables with types this reader does not know.
            out.tables[name] = { error: String(error.message ?? error) };
        }
    }
    process.stdout.write(JSON.stringify(out));
} catch (error) {
    process.stderr.write(`${path}: ${error.stack ?? error}\n`);
    process.exit(1);
}
