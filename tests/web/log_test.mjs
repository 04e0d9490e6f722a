// The field edition's log without a browser: its CSV fields against the desktop's table of
// cases, the file the desktop's import test reads, and stored data it must survive.
// node log_test.mjs SOURCE_DIR

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';

const root = process.argv[2];
const read = (file) => fs.readFileSync(path.join(root, file));
const log = await import('data:text/javascript,' + encodeURIComponent(read('web/page/log.js').toString()));
let failed = 0;
const check = (name, test) => {
  try {
    test();
    console.log(`ok: ${name}`);
  } catch (error) {
    failed += 1;
    console.log(`FAILED: ${name}\n${error.message}`);
  }
};

for (const c of JSON.parse(read('tests/output/data/csv-fields.json')).cases)
  check(`field: ${c.name}`, () => assert.equal(log.field(c.value), c.csv));

check('export is the file the desktop imports', () =>
  assert.equal(log.csvText(JSON.parse(read('tests/records/data/field-log.json'))),
    read('tests/records/data/field-log.csv').toString()));

class Storage {
  constructor(items) { this.items = { ...items }; }
  getItem(key) { return this.items[key] ?? null; }
  setItem(key, value) { this.items[key] = String(value); }
}
const good = JSON.parse(read('tests/records/data/field-log.json'))[0];
const older = { key: 7, date: '2024-05-01', time: '09:00', air: 80, humidity: '50' };
const stored = [
  { name: 'usable, an older entry and damaged ones', text: JSON.stringify([good, older, null, 'x', { ...good, key: 'a' }]),
    shown: [1], leftOut: { entries: 4, unreadable: false } },
  { name: 'not JSON', text: '[{"key": 1,', shown: [], leftOut: { entries: 0, unreadable: true } },
  { name: 'not a list', text: '{"key": 1}', shown: [], leftOut: { entries: 0, unreadable: true } },
];
for (const s of stored) {
  check(`stored log: ${s.name}`, () => {
    const storage = new Storage({ 'brackmere.field.log': s.text });
    const readings = new log.ReadingsLog(storage);
    assert.deepEqual(readings.all().map((e) => e.key), s.shown);
    assert.deepEqual(readings.leftOut(), s.leftOut);
    readings.add({ ...good, key: undefined });
    // Nothing stored is lost: skipped entries stay, an unreadable text is kept aside.
    assert.equal(readings.all().length, s.shown.length + 1);
    assert.equal(readings.leftOut().entries, s.leftOut.entries);
    assert.equal(storage.getItem('brackmere.field.log.unreadable'), s.leftOut.unreadable ? s.text : null);
  });
}

console.log(`${stored.length + 1 + JSON.parse(read('tests/output/data/csv-fields.json')).cases.length - failed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
