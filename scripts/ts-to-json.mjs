// Writes the field edition's catalogue: the translations of the contexts the page shows
// ("Web", its own texts, and "Core", the computation's) from translations/brackmere_*.ts,
// as {"es": {"Web": {english: translation}, "Core": {...}}, ...}. Node runs it because the
// WebAssembly build runs on Node already.
//   node scripts/ts-to-json.mjs OUT.json translations/brackmere_es.ts ...
import { readFileSync, writeFileSync } from 'node:fs';
import { basename } from 'node:path';

const Contexts = ['Web', 'Core'];
const entities = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };
const text = (xml) => xml.replace(/&(amp|lt|gt|quot|apos);/g, (_, name) => entities[name]);

const [out, ...files] = process.argv.slice(2);
const catalogue = {};
for (const file of files) {
  const language = basename(file).match(/_([a-z]{2})\.ts$/)[1];
  const xml = readFileSync(file, 'utf8');
  catalogue[language] = {};
  for (const [, name, body] of xml.matchAll(/<context>\s*<name>([^<]*)<\/name>([\s\S]*?)<\/context>/g)) {
    if (!Contexts.includes(name))
      continue;
    const messages = {};
    for (const [, source, kind, translation] of
      body.matchAll(/<source>([^<]*)<\/source>\s*<translation( type="[a-z]+")?>([^<]*)<\/translation>/g)) {
      if (!kind && translation)
        messages[text(source)] = text(translation);
    }
    catalogue[language][name] = messages;
  }
}
writeFileSync(out, JSON.stringify(catalogue));
