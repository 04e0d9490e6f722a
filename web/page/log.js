// The log of readings kept on the phone, in the browser's localStorage: a few hundred
// bytes a reading, written at once and whole when Save returns, and read without waiting.
// Exported as the desktop exports its records.

const KEY = 'brackmere.field.log';

export const CSV_COLUMNS = ['RecID', 'RecordDate', 'RecordTime', 'AirTemp', 'ConcreteTemp', 'RH', 'WindVelocity',
  'EvapRate', 'RateNote', 'MiscNote', 'RateThreshold', 'Units', 'Site', 'SavedBy', 'CopiedFrom'];

export class ReadingsLog {
  constructor(storage = window.localStorage) {
    this.storage = storage;
  }

  // The readings, oldest first.
  all() {
    const text = this.storage.getItem(KEY);
    if (!text)
      return [];
    try {
      const list = JSON.parse(text);
      return Array.isArray(list) ? list : [];
    } catch {
      return [];
    }
  }

  // Adds a reading; throws when the browser refuses to store it (storage full).
  add(entry) {
    const list = this.all();
    const key = list.reduce((most, e) => Math.max(most, e.key || 0), 0) + 1;
    list.push({ ...entry, key });
    this.storage.setItem(KEY, JSON.stringify(list));
  }

  remove(key) {
    this.storage.setItem(KEY, JSON.stringify(this.all().filter((entry) => entry.key !== key)));
  }

  sites() {
    return [...new Set(this.all().map((entry) => entry.site).filter(Boolean))];
  }
}

// A field as RFC 4180 writes it: quoted when it holds a comma, a double quote or a line
// break, its quotes doubled.
function field(value) {
  const text = String(value ?? '');
  return /[",\r\n]/.test(text) ? `"${text.replace(/"/g, '""')}"` : text;
}

// The whole file: a byte order mark, the header and a line per reading, CRLF line ends.
// RecID numbers the readings from 1 in the order they were logged.
export function csvText(entries) {
  const rows = [CSV_COLUMNS];
  entries.forEach((e, i) => rows.push([i + 1, e.date, e.time, e.air, e.concrete, e.humidity, e.wind, e.evapRate,
    e.rateNote, e.note, e.threshold, e.units, e.site, '', '']));
  return '\uFEFF' + rows.map((row) => row.map(field).join(',') + '\r\n').join('');
}
