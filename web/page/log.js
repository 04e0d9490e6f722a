// The log of readings kept on the phone, in the browser's localStorage: a few hundred
// bytes a reading, written at once and whole when Save returns, and read without waiting.
// Exported as the desktop exports its records.

const KEY = 'brackmere.field.log';
// A stored log that could not be read is kept here before a new one is begun.
const UNREADABLE_KEY = 'brackmere.field.log.unreadable';

export const CSV_COLUMNS = ['RecID', 'RecordDate', 'RecordTime', 'AirTemp', 'ConcreteTemp', 'RH', 'WindVelocity',
  'EvapRate', 'RateNote', 'MiscNote', 'RateThreshold', 'Units', 'Site', 'SavedBy', 'CopiedFrom', 'Source',
  'ConcreteRule', 'WindFactor'];
// What the desktop's Source column says of a reading logged here.
export const SOURCE = 'Field log';

const TEXTS = ['date', 'time', 'units', 'air', 'humidity', 'concrete', 'wind', 'evapRate', 'rateNote', 'threshold'];
const OPTIONAL_TEXTS = ['site', 'note', 'nomoRate', 'precaution'];

// Whether an entry holds everything the page shows and exports: one saved by an older
// version of the page, or changed by other hands, may not.
export function usable(entry) {
  return entry !== null && typeof entry === 'object' && Number.isInteger(entry.key)
    && TEXTS.every((name) => typeof entry[name] === 'string')
    && OPTIONAL_TEXTS.every((name) => entry[name] === undefined || typeof entry[name] === 'string')
    && (entry.units === 'US' || entry.units === 'SI');
}

export class ReadingsLog {
  constructor(storage = window.localStorage) {
    this.storage = storage;
  }

  // Every stored entry, usable or not; `unreadable` when the stored text is no list.
  stored() {
    let text;
    try {
      text = this.storage.getItem(KEY);
    } catch {
      return { list: [], unreadable: true };
    }
    if (!text)
      return { list: [], unreadable: false };
    try {
      const list = JSON.parse(text);
      return Array.isArray(list) ? { list, unreadable: false } : { list: [], unreadable: true };
    } catch {
      return { list: [], unreadable: true };
    }
  }

  // The readings the page can show, oldest first.
  all() {
    return this.stored().list.filter(usable);
  }

  // What is stored but left out: entries that are not usable, and whether the stored
  // text could not be read at all. Nothing of it is thrown away.
  leftOut() {
    const { list, unreadable } = this.stored();
    return { entries: list.filter((entry) => !usable(entry)).length, unreadable };
  }

  // Adds a reading; throws when the browser refuses to store it (storage full).
  add(entry) {
    const { list, unreadable } = this.stored();
    if (unreadable)
      this.storage.setItem(UNREADABLE_KEY, this.storage.getItem(KEY));
    const key = list.reduce((most, e) => Math.max(most, Number.isInteger(e?.key) ? e.key : 0), 0) + 1;
    list.push({ ...entry, key });
    this.storage.setItem(KEY, JSON.stringify(list));
  }

  remove(key) {
    const { list, unreadable } = this.stored();
    if (!unreadable)
      this.storage.setItem(KEY, JSON.stringify(list.filter((entry) => entry?.key !== key)));
  }

  sites() {
    return [...new Set(this.all().map((entry) => entry.site).filter(Boolean))];
  }
}

// A field as the desktop writes it (output/Csv.cpp, tested against the same table of
// cases): a text beginning with =, +, -, @, a tab or a carriage return gets a leading
// apostrophe, so that a spreadsheet never runs it as a formula (a number such as -5
// stays); then it is quoted when it holds a comma, a double quote or a line break, its
// quotes doubled.
export function field(value) {
  let text = String(value ?? '');
  if (/^[=+\-@\t\r]/.test(text) && !/^[+-]?(\d+([.,]\d*)?|[.,]\d+)([eE][+-]?\d+)?$/.test(text))
    text = `'${text}`;
  return /[",\r\n]/.test(text) ? `"${text.replace(/"/g, '""')}"` : text;
}

// The whole file: a byte order mark, the header and a line per reading, CRLF line ends.
// RecID numbers the readings from 1 in the order they were logged.
export function csvText(entries) {
  const rows = [CSV_COLUMNS];
  entries.forEach((e, i) => rows.push([i + 1, e.date, e.time, e.air, e.concrete, e.humidity, e.wind, e.evapRate,
    e.rateNote, e.note, e.threshold, e.units, e.site, '', '', SOURCE, '', '']));
  return '\uFEFF' + rows.map((row) => row.map(field).join(',') + '\r\n').join('');
}
