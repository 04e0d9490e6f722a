// The WebAssembly core, as the page loads it, against the native core: the same readings
// (random ones, the ends of every range and odd texts, in both unit systems) must give the
// same captions, message, cool-to line, measures, scenario cells, slider positions and converted texts.
// Usage: node core_agreement.cjs DIST_FOLDER NATIVE_HELPER
'use strict';
const fs = require('fs');
const path = require('path');
const { spawnSync } = require('child_process');

const [dist, helper] = process.argv.slice(2);
if (!dist || !helper) {
  console.error('usage: node core_agreement.cjs DIST_FOLDER NATIVE_HELPER');
  process.exit(2);
}

// A small seeded generator, so that every run checks the same readings.
function generator(seed) {
  let s = seed >>> 0;
  return () => {
    s = (s + 0x6D2B79F5) >>> 0;
    let t = s;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

const RANGES = {
  us: [[40, 100], [0, 100], [40, 100], [0, 25]],
  si: [[4.4, 37.8], [0, 100], [4.4, 37.8], [0, 40.2]],
};
const ODD = [' 7 5 ', '1e1', '&H50', 'abc', '', '   ', '-0', '+80', '8E1', '0x50', '1,5', '50%', '&O120', '1d1',
  '.5', '5.', 'NaN', 'Infinity', '1e400', '-1e-400', '８０', '80\u00a0', '\u0660', '&HFFFF', '4.4000001', '37.80'];
const THRESHOLDS = ['0.15', '.3', 'abc', '', '1e-1', '0', '0.241', '1.14', ' 0.8 ', '-1', '&H1'];
const MIDDLE = { us: ['80', '50', '90', '10'], si: ['27', '50', '32', '16'] };

function cases() {
  const random = generator(20240601);
  const pick = (list) => list[Math.floor(random() * list.length)];
  const list = [];
  const add = (units, texts, alternate = random() < 0.3) => {
    const threshold = alternate ? pick(THRESHOLDS) : (units === 'si' ? '1.0' : '0.2');
    list.push([units, alternate ? '1' : '0', threshold, ...texts]);
  };
  for (const units of ['us', 'si']) {
    // The ends of each range, and just inside and outside them.
    RANGES[units].forEach(([low, up], input) => {
      for (const end of [low, up]) {
        for (const step of [0, 0.05, -0.05, 0.1, -0.1, 0.5, -0.5, 1, -1]) {
          const texts = [...MIDDLE[units]];
          texts[input] = (end + step).toFixed(2);
          add(units, texts, false);
          texts[input] = String(Math.round((end + step) * 10) / 10);
          add(units, texts);
        }
      }
      for (const odd of ODD) {
        const texts = [...MIDDLE[units]];
        texts[input] = odd;
        add(units, texts);
      }
    });
  }
  // Random readings, mostly inside the ranges, written with 0 to 3 decimals.
  for (let i = 0; i < 3000; ++i) {
    const units = random() < 0.5 ? 'us' : 'si';
    const texts = RANGES[units].map(([low, up]) => {
      const span = up - low;
      return (low - 0.05 * span + random() * 1.1 * span).toFixed(Math.floor(random() * 4));
    });
    add(units, texts);
  }
  return list;
}

function wasmLine(core, [units, alternate, threshold, ...texts]) {
  const other = units === 'si' ? 'us' : 'si';
  const fields = texts.map((text, i) => {
    const position = core.sliderValue(i, text, units);
    return `${position === null ? '-' : position}|${core.convertReading(i, text, units, other)}`;
  });
  const [air, humidity, concrete, wind] = texts;
  const r = core.calculate({ air, humidity, concrete, wind }, units, alternate === '1', threshold);
  const heads = r.heads.map((head) => `${head.title}|${head.rate}`);
  if (!r.valid)
    return [...fields, ...heads, 'invalid', r.problem].join('\t');
  fields.push(...heads, r.nomoCaption, r.eqnCaption, r.answer, r.precaution, r.coolTo, r.measures.summary,
    r.measures.list.join('|'));
  const state = { fixed: 'f', varied: 'v', failed: 'x' };
  for (const table of r.scenarios)
    for (const row of table.rows)
      for (const cell of row)
        fields.push(`${cell.text}:${state[cell.state]}`);
  return fields.join('\t');
}

async function main() {
  const create = require(path.resolve(dist, 'brackmere-core.js'));
  const core = await create({ wasmBinary: fs.readFileSync(path.resolve(dist, 'brackmere-core.wasm')) });
  const list = cases();
  const native = spawnSync(helper, { input: list.map((c) => c.join('\t')).join('\n') + '\n', encoding: 'utf8',
    maxBuffer: 1 << 28 });
  if (native.status !== 0) {
    console.error(`native helper failed (${native.status}): ${native.stderr}`);
    return 1;
  }
  const nativeLines = native.stdout.split('\n');
  nativeLines.pop();
  if (nativeLines.length !== list.length) {
    console.error(`native helper answered ${nativeLines.length} lines for ${list.length} readings`);
    return 1;
  }
  let valid = 0;
  let differ = 0;
  list.forEach((c, i) => {
    const mine = wasmLine(core, c);
    if (!mine.includes('\tinvalid\t'))
      ++valid;
    if (mine !== nativeLines[i]) {
      if (++differ <= 10)
        console.error(`readings ${JSON.stringify(c)}\n  wasm:   ${mine}\n  native: ${nativeLines[i]}`);
    }
  });
  // The comparison means something only when the worked case comes out as the desktop shows it.
  const worked = wasmLine(core, ['us', '0', '0.2', '80', '50', '90', '10']).split('\t');
  // Four slider fields and three table heads come first.
  if (worked[7] !== '0.241' || worked[8] !== '0.241' || worked[9] !== 'Measures shall be taken.'
      || worked[11] !== 'Cool the concrete to 86 °F or below') {
    console.error(`worked case 80/50/90/10 °F, %, °F, mph gives ${worked.slice(7, 12).join(' / ')}`);
    return 1;
  }
  if (valid < list.length / 2) {
    console.error(`only ${valid} of ${list.length} readings were valid`);
    return 1;
  }
  console.log(`${list.length} readings compared (${valid} valid): ${differ} differ`);
  return differ === 0 ? 0 : 1;
}

main().then((code) => process.exit(code), (error) => {
  console.error(error);
  process.exit(1);
});
