// The field edition: four readings in, both rates, the message, the measures, the scenario
// tables and the nomograph out. Every number, range, unit, threshold and text about them comes from
// the computation core (brackmere-core.js, loaded before this module).

import { Nomograph } from './chart.js';
import { ReadingsLog, csvText } from './log.js';
import { PageLanguage } from './language.js';

const KEYS = ['air', 'humidity', 'concrete', 'wind'];
const QUERY = ['ta', 'rh', 'tc', 'v'];
const UNITS_KEY = 'brackmere.field.units';
const TABLE_TITLE = 'Rate of';

const $ = (id) => document.getElementById(id);

function element(tag, className, text) {
  const e = document.createElement(tag);
  if (className)
    e.className = className;
  if (text !== undefined)
    e.textContent = text;
  return e;
}

class FieldPage {
  constructor(core, language) {
    this.core = core;
    this.language = language;
    this.systems = { us: core.unitSystem('us'), si: core.unitSystem('si') };
    this.rows = [...document.querySelectorAll('.reading')].map((el) => ({
      box: el.querySelector('.box'),
      slider: el.querySelector('input[type=range]'),
      low: el.querySelector('.low'),
      up: el.querySelector('.up'),
      valid: el.querySelector('.valid'),
      unitOf: el.querySelector('.unit-of'),
    }));
    this.alternate = $('alternate');
    this.useAlternate = $('use-alternate');
    this.log = new ReadingsLog();
    this.result = null;
    this.nomograph = new Nomograph(core, $('chart'), $('path'));
    this.buildTables();

    const query = new URLSearchParams(location.search);
    let stored = null;
    try {
      stored = localStorage.getItem(UNITS_KEY);
    } catch {
      stored = null;
    }
    const asked = query.get('units');
    this.units = asked === 'si' || asked === 'us' ? asked : stored === 'si' ? 'si' : 'us';
    QUERY.forEach((name, i) => {
      if (query.has(name))
        this.rows[i].box.value = query.get(name);
    });
    // A reload starts from the default threshold, whatever the browser would restore.
    this.alternate.value = this.system.alternateStart;
    this.alternate.disabled = true;
    $('use-default').checked = true;
    $(`units-${this.units}`).checked = true;

    this.connect();
    this.showUnits();
    this.placeChart();
    this.recalculate();
    this.fillLogTime();
    this.showLog();
  }

  get system() {
    return this.systems[this.units];
  }

  unitOf(input, system = this.system) {
    return system.symbols[input];
  }

  connect() {
    this.rows.forEach((row, i) => {
      row.box.addEventListener('input', () => this.recalculate());
      row.slider.addEventListener('input', () => {
        row.box.value = String(row.slider.valueAsNumber);
        this.recalculate();
      });
    });
    for (const radio of document.querySelectorAll('input[name=units]'))
      radio.addEventListener('change', () => this.setUnits(radio.value));
    for (const radio of document.querySelectorAll('input[name=threshold]')) {
      radio.addEventListener('change', () => {
        this.alternate.disabled = !this.useAlternate.checked;
        if (this.useAlternate.checked)
          this.alternate.focus();
        this.recalculate();
      });
    }
    this.alternate.addEventListener('input', () => this.recalculate());

    let pending = 0;
    const later = () => {
      cancelAnimationFrame(pending);
      pending = requestAnimationFrame(() => this.placeChart());
    };
    new ResizeObserver(later).observe($('chart-box'));
    window.addEventListener('resize', later);

    $('log-form').addEventListener('submit', (event) => {
      event.preventDefault();
      this.saveReading();
    });
    $('log-export').addEventListener('click', () => this.exportLog());
  }

  // ---- Units ------------------------------------------------------------------

  setUnits(to) {
    const from = this.units;
    if (to === from)
      return;
    this.rows.forEach((row, i) => {
      row.box.value = this.core.convertReading(i, row.box.value, from, to);
    });
    // The alternate rate keeps its meaning; the start value of one system becomes the other's.
    const alternate = this.alternate.value.trim();
    this.alternate.value = alternate === this.systems[from].alternateStart ? this.systems[to].alternateStart
      : this.core.convertRate(alternate, from, to);
    this.units = to;
    try {
      localStorage.setItem(UNITS_KEY, to);
    } catch {
      // Units are remembered where the browser lets the page store them.
    }
    this.showUnits();
    this.placeChart();
    this.recalculate();
  }

  showUnits() {
    const system = this.system;
    this.rows.forEach((row, i) => {
      const range = system.ranges[i];
      row.unitOf.textContent = `(${this.unitOf(i)})`;
      row.slider.min = String(range.firstWhole);
      row.slider.max = String(range.lastWhole);
      row.low.textContent = range.lowText;
      row.up.textContent = range.upText;
    });
    for (const unit of document.querySelectorAll('.unit-rate'))
      unit.textContent = system.rateUnit;
    $('default-rate').textContent = system.shallText;
    this.tables.forEach((table) => {
      table.headings.forEach((th, i) => {
        th.textContent = `${system.headings[i]} (${this.unitOf(i)})`;
      });
      table.rateHeading.textContent = `Evap (${system.rateUnit})`;
    });
  }

  // ---- The calculation --------------------------------------------------------

  recalculate() {
    const texts = this.rows.map((row) => row.box.value);
    const readings = Object.fromEntries(KEYS.map((key, i) => [key, texts[i]]));
    const alternate = this.useAlternate.checked;
    const r = this.core.calculate(readings, this.units, alternate, this.alternate.value);
    this.rows.forEach((row, i) => {
      const position = this.core.sliderValue(i, row.box.value, this.units);
      row.slider.hidden = position === null;
      row.valid.hidden = position !== null;
      if (position !== null)
        row.slider.value = String(position);
    });

    const message = $('message');
    message.classList.toggle('warning', r.valid && r.precaution === 'shall');
    message.classList.toggle('problem', !r.valid);
    message.textContent = r.valid ? this.language.core(r.answer) : r.problem;
    $('nomo').textContent = r.valid ? r.nomoCaption : '';
    $('eqn').textContent = r.valid ? r.eqnCaption : '';
    document.querySelector('.rates').classList.toggle('blank', !r.valid);
    this.showScenarios(r);
    this.showMeasures(r);
    this.nomograph.drawPath(r.valid ? r : null);

    this.result = r.valid ? { r, texts, threshold: r.thresholdText, units: this.system.code } : null;
    $('log-save').disabled = !r.valid;
    // A slider drags through many readings a second; the address follows when it rests.
    clearTimeout(this.addressTimer);
    this.addressTimer = setTimeout(() => this.keepInAddress(texts), 250);
  }

  // The address carries the readings, so that a reload or a bookmark shows them again.
  keepInAddress(texts) {
    const query = new URLSearchParams();
    texts.forEach((text, i) => {
      if (text !== '')
        query.set(QUERY[i], text);
    });
    query.set('units', this.units);
    const address = `${location.pathname}?${query}`;
    if (address !== location.pathname + location.search)
      history.replaceState(null, '', address);
  }

  // ---- Measures ---------------------------------------------------------------

  showMeasures(r) {
    $('measures-summary').textContent = this.language.core(r.measures.summary);
    const coolTo = $('cool-to');
    coolTo.textContent = r.coolTo;
    coolTo.hidden = r.coolTo === '';
    $('measures-list').replaceChildren(...r.measures.list.map((measure) => element('li', '', this.language.core(measure))));
  }

  // ---- Scenario tables --------------------------------------------------------

  buildTables() {
    const holder = $('tables');
    this.tables = [0, 1, 2].map((block) => {
      const table = element('table', 'scenario');
      const caption = element('caption');
      table.append(caption);
      const head = element('tr');
      const headings = KEYS.map(() => head.appendChild(element('th')));
      headings.forEach((th) => th.setAttribute('scope', 'col'));
      head.append(element('td', 'arrow'));  // the arrow's column is no heading: nothing to read
      const rateHeading = head.appendChild(element('th', 'rate'));
      rateHeading.setAttribute('scope', 'col');
      table.appendChild(element('thead')).append(head);
      const body = table.appendChild(element('tbody'));
      const cells = [];
      const rates = [];
      for (let row = 0; row < 4; ++row) {
        const tr = body.appendChild(element('tr'));
        cells.push(KEYS.map(() => tr.appendChild(element('td'))));
        tr.appendChild(element('td', 'arrow', '→')).setAttribute('aria-hidden', 'true');
        rates.push(tr.appendChild(element('td', 'rate')));
      }
      table.dataset.block = String(block);
      holder.append(table);
      return { table, caption, headings, rateHeading, cells, rates };
    });
  }

  showScenarios(r) {
    const unit = this.system.rateUnit;
    const heads = r.heads;
    this.tables.forEach((table, block) => {
      table.caption.replaceChildren(`${TABLE_TITLE} `, element('span', 'nowrap', `${heads[block].title} ${unit}`),
        block === 2 ? ', the threshold in force' : '');
      table.rates.forEach((td) => { td.textContent = heads[block].rate; });
      table.cells.forEach((cells, varied) => {
        cells.forEach((td, column) => {
          const cell = r.valid ? r.scenarios[block].rows[varied][column] : null;
          td.textContent = cell ? cell.text : '';
          td.className = cell ? cell.state : varied === column ? 'varied' : 'fixed';
        });
      });
    });
  }

  // ---- The chart --------------------------------------------------------------

  placeChart() {
    const box = $('chart-box');
    const width = box.clientWidth;
    if (width <= 0)
      return;
    const height = Math.max(window.innerHeight - 40, 400);
    const layout = this.nomograph.resize(width, height, this.units);
    box.style.height = `${layout.height}px`;
    const left = `${Math.floor((width - layout.width) / 2)}px`;
    for (const canvas of box.querySelectorAll('canvas'))
      canvas.style.left = left;
  }

  // ---- The log ----------------------------------------------------------------

  fillLogTime() {
    const now = new Date();
    const two = (n) => String(n).padStart(2, '0');
    $('log-date').value = `${now.getFullYear()}-${two(now.getMonth() + 1)}-${two(now.getDate())}`;
    $('log-time').value = `${two(now.getHours())}:${two(now.getMinutes())}`;
  }

  saveReading() {
    const status = $('log-status');
    if (!this.result) {
      status.textContent = 'Nothing to save: the readings give no result.';
      return;
    }
    const { r, texts, threshold, units } = this.result;
    try {
      this.log.add({
        date: $('log-date').value,
        time: $('log-time').value,
        site: $('log-site').value.trim(),
        note: $('log-note').value,
        units,
        air: texts[0],
        humidity: texts[1],
        concrete: texts[2],
        wind: texts[3],
        nomoRate: r.nomoCaption,
        evapRate: r.eqnCaption,
        rateNote: r.answer,
        precaution: r.precaution,
        threshold,
      });
    } catch {
      status.textContent = 'Not saved: the browser refused to store the reading (storage full?).';
      return;
    }
    if (navigator.storage && navigator.storage.persist)
      navigator.storage.persist().catch(() => {});
    status.textContent = `Saved: ${r.eqnCaption} ${this.system.rateUnit}, ${r.answer}`;
    $('log-note').value = '';
    this.fillLogTime();
    this.showLog();
  }

  showLog() {
    const entries = this.log.all();
    const list = $('log-entries');
    list.replaceChildren();
    $('log-count').textContent = entries.length === 0 ? 'No readings logged'
      : entries.length === 1 ? '1 reading logged' : `${entries.length} readings logged`;
    $('log-export').disabled = entries.length === 0;
    const sites = $('log-sites');
    sites.replaceChildren(...this.log.sites().map((site) => Object.assign(element('option'), { value: site })));
    let failed = 0;
    for (const entry of [...entries].reverse()) {
      try {
        list.append(this.logItem(entry));
      } catch {
        failed += 1;
      }
    }
    $('log-left-out').textContent = this.leftOutText(this.log.leftOut(), failed);
  }

  // Stored data never stops the page: what cannot be shown is left out, said here, and kept.
  leftOutText({ entries, unreadable }, failed) {
    const notes = [];
    if (unreadable)
      notes.push('The stored log could not be read. It is kept aside, and the next reading saved begins a new log.');
    const count = entries + failed;
    if (count > 0)
      notes.push(`${count === 1 ? '1 stored reading is' : `${count} stored readings are`} not shown: saved by an `
        + 'older version of this page or damaged. They stay stored but are not exported.');
    return notes.join(' ');
  }

  logItem(entry) {
    const system = Object.values(this.systems).find((s) => s.code === entry.units) || this.systems.us;
    const li = element('li', 'entry');
    const when = `${entry.date} ${entry.time}`;
    const head = li.appendChild(element('div', 'entry-head'));
    head.append(element('strong', '', when));
    if (entry.site)
      head.append(element('span', 'site', entry.site));
    const readings = [entry.air, entry.humidity, entry.concrete, entry.wind]
      .map((text, i) => `${system.headings[i]} ${text.trim()} ${this.unitOf(i, system)}`).join(' · ');
    li.append(element('div', 'entry-readings', readings));
    const result = li.appendChild(element('div', 'entry-result'));
    result.append(`${entry.evapRate} ${system.rateUnit} by ACI equation · `);
    const precaution = entry.precaution ?? this.core.precautionOfMessage(entry.rateNote);
    result.append(element('span', precaution === 'shall' ? 'warning' : '', entry.rateNote));
    result.append(` · threshold ${entry.threshold.trim()} ${system.rateUnit}`);
    if (entry.note)
      li.append(element('div', 'entry-note', entry.note));
    const remove = li.appendChild(element('button', 'delete', 'Delete'));
    remove.type = 'button';
    remove.setAttribute('aria-label', `Delete the reading of ${when}`);
    remove.addEventListener('click', () => {
      if (!window.confirm(`Delete the reading of ${when}?`))
        return;
      this.log.remove(entry.key);
      this.showLog();
    });
    return li;
  }

  exportLog() {
    const blob = new Blob([csvText(this.log.all())], { type: 'text/csv;charset=utf-8' });
    const link = element('a');
    link.href = URL.createObjectURL(blob);
    link.download = 'brackmere-log.csv';
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  }
}

function registerWorker() {
  const state = $('offline-state');
  if (!('serviceWorker' in navigator)) {
    state.textContent = 'This browser cannot keep the page for use offline.';
    return;
  }
  navigator.serviceWorker.register('sw.js').catch(() => {
    state.textContent = 'The page could not be kept for use offline.';
  });
  navigator.serviceWorker.ready.then(() => {
    state.textContent = 'Kept on this device: works offline.';
  });
  // A new build's worker takes over at once; the page already open stays as it was loaded.
  const hadWorker = !!navigator.serviceWorker.controller;
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (hadWorker)
      state.textContent = 'A new version is kept on this device: reload the page to use it.';
  });
}

async function start() {
  const language = new PageLanguage(document.body);
  const choice = $('language');
  choice.value = PageLanguage.initial();
  try {
    await language.choose(choice.value, false);
    const core = await window.BrackmereCore();
    const page = new FieldPage(core, language);
    window.brackmerePage = page;
    choice.addEventListener('change', async () => {
      await language.choose(choice.value, true);
      page.recalculate();
    });
    performance.mark('brackmere-ready');
    document.body.dataset.ready = 'true';
  } catch (error) {
    const message = $('message');
    message.classList.add('problem');
    message.textContent = `The calculator could not start: ${error}`;
  }
  registerWorker();
}

start();
