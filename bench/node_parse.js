// node bench/node_parse.js FILE: Node's JSON.parse of the package list, for comparison with
// bench_catalog. Reading the file is not timed; only the parse is.
'use strict';
const fs = require('fs');

if (process.argv.length !== 3) {
  console.error('usage: node node_parse.js FILE');
  process.exit(2);
}
const text = fs.readFileSync(process.argv[2], 'utf8');
const start = process.hrtime.bigint();
const list = JSON.parse(text);
const ms = Number(process.hrtime.bigint() - start) / 1e6;
console.log(`node_parse_ms ${ms.toFixed(1)} ms`);
console.error(`(${Array.isArray(list) ? list.length : 0} packages)`);
