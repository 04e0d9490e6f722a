#!/usr/bin/python3
"""The field edition in Debian's headless Chromium, served from 127.0.0.1 by this script.

    page_test.py --dist DIR results      worked cases, scenario cells, units, sliders, chart
    page_test.py --dist DIR offline      reload with the server stopped
    page_test.py --dist DIR log          log readings, delete one, export the CSV file
    page_test.py --dist DIR accessibility   axe-core in every language and unit system; the language switch
    page_test.py --dist DIR measure      first load and recalculation times (not a test)
    page_test.py --dist DIR screenshots OUT_DIR
"""

import argparse
import functools
import http.server
import os
import shutil
import statistics
import sys
import tempfile
import threading
import time
import urllib.error
import urllib.request

from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

CHROMIUM_FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                  '--disable-background-networking', '--disable-component-update', '--disable-sync']

WORKED = [
    # query, nomograph, equation, message, message is a warning, cool-to line (None: hidden), measures listed
    ('ta=80&rh=50&tc=90&v=10&units=us', '0.241', '0.241', 'Measures shall be taken.', True,
     'Cool the concrete to 86 °F or below', 8),
    ('ta=27&rh=50&tc=32&v=16&units=si', None, '1.14', 'Measures shall be taken.', True,
     'Cool the concrete to 30 °C or below', 8),
    ('ta=80&rh=50&tc=85&v=10&units=us', None, '0.190', 'Measures may be needed.', False, None, 6),
    ('ta=70&rh=70&tc=70&v=5&units=us', '0.039', '0.037', 'OK', False, None, 2),
]

# The scenario tables of 80 °F, 50 %, 90 °F, 10 mph as the desktop shows them: for the
# rates 0.1 and 0.2 lb/ft²/hr, a row per varied reading, (text, state) per column.
SCENARIOS_80_50_90_10 = {
    0: [[('105.3', 'failed'), ('50', 'fixed'), ('90', 'fixed'), ('10', 'fixed')],
        [('80', 'fixed'), ('99.3', 'varied'), ('90', 'fixed'), ('10', 'fixed')],
        [('80', 'fixed'), ('50', 'fixed'), ('74.9', 'varied'), ('10', 'fixed')],
        [('80', 'fixed'), ('50', 'fixed'), ('90', 'fixed'), ('2.7', 'varied')]],
    1: [[('88.5', 'varied'), ('50', 'fixed'), ('90', 'fixed'), ('10', 'fixed')],
        [('80', 'fixed'), ('64.4', 'varied'), ('90', 'fixed'), ('10', 'fixed')],
        [('80', 'fixed'), ('50', 'fixed'), ('86.0', 'varied'), ('10', 'fixed')],
        [('80', 'fixed'), ('50', 'fixed'), ('90', 'fixed'), ('7.9', 'varied')]],
}


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)
    print(f'  ok: {what}')


def equal(actual, expected, what):
    if actual != expected:
        raise Failure(f'{what}: expected {expected!r}, got {actual!r}')
    print(f'  ok: {what} = {actual!r}')


class Server:
    """The dist folder over HTTP on 127.0.0.1, on a free port, in a thread of this process."""

    def __init__(self, folder):
        handler = functools.partial(QuietHandler, directory=folder)
        self.httpd = QuietServer(('127.0.0.1', 0), handler)
        self.url = f'http://127.0.0.1:{self.httpd.server_address[1]}/'
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        if self.thread:
            self.httpd.shutdown()
            self.httpd.server_close()
            self.thread.join(5)
            self.thread = None


class QuietServer(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        # A browser closed while it still fetched: nothing the test needs to hear of.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.js': 'text/javascript',
                      '.webmanifest': 'application/manifest+json'}

    def log_message(self, *args):
        pass


class Browser:
    """Chromium with an empty profile of its own, driven through chromedriver."""

    def __init__(self, width=360, height=780, scale=1, mobile=True, downloads=None):
        self.profile = tempfile.mkdtemp(prefix='brackmere-chromium-')
        options = webdriver.ChromeOptions()
        options.binary_location = shutil.which('chromium')
        for flag in CHROMIUM_FLAGS + [f'--user-data-dir={self.profile}', f'--window-size={width},{height}']:
            options.add_argument(flag)
        options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
        self.driver = webdriver.Chrome(service=Service(shutil.which('chromedriver')), options=options)
        self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': width, 'height': height, 'deviceScaleFactor': scale, 'mobile': mobile})
        if downloads:
            self.driver.execute_cdp_cmd('Browser.setDownloadBehavior',
                                        {'behavior': 'allow', 'downloadPath': downloads})

    def close(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def open(self, url):
        self.driver.get(url)
        self.wait_ready()

    def wait_ready(self):
        try:
            WebDriverWait(self.driver, 20).until(
                lambda d: d.execute_script("return document.body.dataset.ready === 'true'"))
        except TimeoutException:
            raise Failure(f'the page did not start: {self.text("message")!r}') from None

    def until(self, script, seconds=5):
        """Whether the script comes to return true within the time."""
        try:
            WebDriverWait(self.driver, seconds).until(lambda d: d.execute_script(script))
            return True
        except TimeoutException:
            return False

    def text(self, element_id):
        return self.js('const e = document.getElementById(arguments[0]); return e ? e.textContent : null;',
                       element_id)

    def type(self, element_id, text):
        """Types into a box as a person would: the old text selected away, the new one key by key."""
        self.js("const e = document.getElementById(arguments[0]); e.value = '';"
                "e.dispatchEvent(new Event('input', {bubbles: true}));", element_id)
        if text:
            self.driver.find_element(By.ID, element_id).send_keys(text)

    def set_value(self, element_id, value):
        self.js("const e = document.getElementById(arguments[0]); e.value = arguments[1];"
                "e.dispatchEvent(new Event('input', {bubbles: true}));", element_id, value)

    def click(self, selector):
        self.driver.find_element(By.CSS_SELECTOR, selector).click()

    def errors(self):
        return [entry['message'] for entry in self.driver.get_log('browser') if entry['level'] == 'SEVERE']

    def path_pixels(self):
        """How many pixels of the path canvas are drawn."""
        return self.js("""
            const c = document.getElementById('path');
            const data = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
            let n = 0;
            for (let i = 3; i < data.length; i += 4) n += data[i] > 0;
            return n;""")

    def scenario_cells(self, block):
        return self.js("""
            const rows = document.querySelectorAll(`table[data-block="${arguments[0]}"] tbody tr`);
            return [...rows].map((tr) => [...tr.querySelectorAll('td')].slice(0, 4)
                .map((td) => [td.textContent, td.className]));""", block)


def results(dist):
    server = Server(dist)
    browser = Browser(scale=2)
    try:
        for query, nomo, eqn, message, warning, cool_to, measures in WORKED:
            print(query)
            browser.open(f'{server.url}index.html?{query}')
            if nomo is not None:
                equal(browser.text('nomo'), nomo, 'rate by nomograph')
            equal(browser.text('eqn'), eqn, 'rate by ACI equation')
            equal(browser.text('message'), message, 'message')
            equal(browser.js("return document.getElementById('message').classList.contains('warning')"), warning,
                  'message in the warning colour')
            unit = 'kg/m²/hr' if 'units=si' in query else 'lb/ft²/hr'
            equal(browser.js("return document.querySelector('.by-equation .unit-rate').textContent"), unit,
                  'rate unit')
            equal(None if browser.js("return document.getElementById('cool-to').hidden") else browser.text('cool-to'),
                  cool_to, 'cool-to line')
            listed = browser.js("return [...document.querySelectorAll('#measures-list li')]"
                                ".map((li) => li.textContent)")
            equal(len(listed), measures, 'measures listed')
            equal(listed, browser.js("const [u, q] = [arguments[0], new URLSearchParams(arguments[1])];"
                                     "return brackmerePage.core.calculate({air: q.get('ta'), humidity: q.get('rh'),"
                                     " concrete: q.get('tc'), wind: q.get('v')}, u, false, '').measures.list",
                                     'si' if 'units=si' in query else 'us', query),
                  'the core\'s measures for the class, in order')

        print('scenario tables of 80 °F, 50 %, 90 °F, 10 mph')
        browser.open(f'{server.url}index.html?{WORKED[0][0]}')
        for block, expected in SCENARIOS_80_50_90_10.items():
            equal([[tuple(cell) for cell in row] for row in browser.scenario_cells(block)], expected,
                  f'table {block} cells')
        check('.2 lb/ft²/hr' in browser.js("return document.querySelector('table[data-block=\"1\"] caption')"
                                           ".textContent"), 'table 1 titled with .2 lb/ft²/hr')

        print('chart')
        sizes = browser.js("const c = document.getElementById('chart');"
                           "return [c.width, c.height, c.getBoundingClientRect().width, devicePixelRatio];")
        check(sizes[3] == 2 and abs(sizes[0] - sizes[2] * 2) < 1, f'chart backing store at 2 pixels a CSS pixel: {sizes}')
        drawn = browser.path_pixels()
        check(drawn > 1000, f'solution path drawn ({drawn} pixels)')
        browser.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': 1280, 'height': 900, 'deviceScaleFactor': 1, 'mobile': False})
        check(browser.until(f"return document.getElementById('chart').width > {sizes[0] // 2 + 50}"
                            " && devicePixelRatio === 1"), 'chart drawn again for a wider window')
        check(browser.path_pixels() > 1000, 'solution path drawn again')
        browser.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': 360, 'height': 780, 'deviceScaleFactor': 2, 'mobile': True})

        print('sliders')
        browser.type('reading-0', '55.5')
        equal(browser.js("return document.querySelector('[data-input=\"0\"] input[type=range]').value"), '56',
              'air temperature slider for 55.5 °F')
        browser.type('reading-0', '120')
        equal(browser.js("return document.querySelector('[data-input=\"0\"] input[type=range]').hidden"), True,
              'slider hidden outside the range')
        equal(browser.text('message'), 'The air temperature 120 °F is outside 40 to 100 °F.', 'problem')
        equal(browser.text('nomo') + browser.text('eqn'), '', 'rates blank')
        check(browser.text('measures-summary').startswith('Enter four readings')
              and browser.js("return document.querySelectorAll('#measures-list li').length") == 0,
              'no measures without a rate')
        equal(browser.path_pixels(), 0, 'no solution path')
        browser.js("const s = document.querySelector('[data-input=\"3\"] input[type=range]');"
                   "s.value = '20'; s.dispatchEvent(new Event('input', {bubbles: true}));")
        equal(browser.js("return document.getElementById('reading-3').value"), '20',
              'wind slider writes a whole number into its box')
        browser.type('reading-0', '')
        equal(browser.text('message'), 'No air temperature.', 'problem of an empty box')

        print('units')
        browser.open(f'{server.url}index.html?{WORKED[0][0]}')
        browser.click('label[for=units-si]')
        equal([browser.js(f"return document.getElementById('reading-{i}').value") for i in range(4)],
              ['26.7', '50', '32.2', '16.1'], 'readings converted to °C, %, °C, km/h')
        equal(browser.js("return document.getElementById('alternate').value"), '0.25', 'alternate start rate in SI')
        equal(browser.text('message'), 'Measures shall be taken.', 'message in SI')
        check(browser.until("return location.search === '?ta=26.7&rh=50&tc=32.2&v=16.1&units=si'"),
              'address keeps the readings and the units')
        browser.click('label[for=use-alternate]')
        browser.type('alternate', '2')
        equal(browser.text('message'), 'Measures may be needed.', 'message against an alternate 2 kg/m²/hr')
        check('of 2. kg/m²/hr, the threshold in force' in browser.js(
            "return document.querySelector('table[data-block=\"2\"] caption').textContent"),
            'table in force titled with 2. kg/m²/hr, as the desktop writes it')
        browser.click('label[for=units-us]')
        equal(browser.js("return document.getElementById('alternate').value"), '0.410',
              'alternate rate converted to lb/ft²/hr')

        print('page')
        origins = browser.js("return [...new Set(performance.getEntriesByType('resource')"
                             ".map((e) => new URL(e.name).origin))]")
        check(all(origin == server.url.rstrip('/') for origin in origins), f'no request to another host: {origins}')
        errors = browser.errors()
        check(not errors, f'no errors in the console: {errors}')
    finally:
        browser.close()
        server.stop()


def offline(dist):
    served = tempfile.mkdtemp(prefix='brackmere-served-')
    shutil.copytree(dist, served, dirs_exist_ok=True)
    server = Server(served)
    browser = Browser()
    try:
        browser.open(f'{server.url}index.html?{WORKED[0][0]}')
        try:
            WebDriverWait(browser.driver, 30).until(
                lambda d: d.execute_script('return !!navigator.serviceWorker.controller'))
        except TimeoutException:
            raise Failure('the service worker never took control of the page') from None
        print('  ok: the service worker controls the page')
        worker_file = os.path.join(served, 'sw.js')
        with open(worker_file, encoding='utf-8') as worker:
            worker_text = worker.read()
        build = worker_text.split("`${PREFIX}")[1].split('`')[0]
        caches = browser.driver.execute_async_script('caches.keys().then(arguments[0])')
        equal(caches, [f'brackmere-field-{build}'], 'cache named after the build')

        # The next build's worker (another build id) replaces the cache.
        with open(worker_file, 'w', encoding='utf-8') as worker:
            worker.write(worker_text.replace(build, 'next-build'))
        browser.driver.execute_async_script(
            'navigator.serviceWorker.getRegistration().then((r) => r.update()).then(() => arguments[0]())')
        check(browser.until("return caches.keys().then((k) => k.length === 1 && k[0] === 'brackmere-field-next-build')",
                            20), 'the next build\'s cache replaced the first')

        server.stop()
        try:
            urllib.request.urlopen(server.url, timeout=2)
            raise Failure('the server still answers')
        except urllib.error.URLError:
            print('  ok: the server is stopped')
        browser.driver.refresh()
        browser.wait_ready()
        equal(browser.text('eqn'), '0.241', 'rate by ACI equation after the offline reload')
        for box, text in zip(range(4), ['70', '70', '70', '5']):
            browser.type(f'reading-{box}', text)
        equal(browser.text('nomo'), '0.039', 'offline recalculation, by nomograph')
        equal(browser.text('message'), 'OK', 'offline recalculation, message')
    finally:
        browser.close()
        server.stop()
        shutil.rmtree(served, ignore_errors=True)


def expected_csv():
    rows = [
        'RecID,RecordDate,RecordTime,AirTemp,ConcreteTemp,RH,WindVelocity,EvapRate,RateNote,MiscNote,'
        'RateThreshold,Units,Site,SavedBy,CopiedFrom,Source,ConcreteRule,WindFactor',
        '1,2025-06-01,14:03,80,90,50,10,0.241,Measures shall be taken.,Windbreak up; fog spray ready,0.2,US,'
        '"Quay 3, ""north"" bay",,,Field log,,',
        '2,2025-06-02,07:45,27,32,50,16,1.14,Measures shall be taken.,"Second pour, 12 m³",0.8,SI,Zürich Süd,,,'
        'Field log,,',
    ]
    return '\ufeff'.encode() + ''.join(row + '\r\n' for row in rows).encode('utf-8')


def log(dist):
    server = Server(dist)
    downloads = tempfile.mkdtemp(prefix='brackmere-downloads-')
    browser = Browser(width=1280, height=900, mobile=False, downloads=downloads)

    def save(date, time_of_day, site, note):
        browser.set_value('log-date', date)
        browser.set_value('log-time', time_of_day)
        browser.set_value('log-site', site)
        browser.set_value('log-note', note)
        browser.click('#log-save')

    try:
        browser.open(f'{server.url}index.html?{WORKED[0][0]}')
        check(browser.js("return /^\\d{4}-\\d\\d-\\d\\d$/.test(document.getElementById('log-date').value)"),
              'date filled in')
        save('2025-06-01', '14:03', 'Quay 3, "north" bay', 'Windbreak up; fog spray ready')
        browser.click('label[for=units-si]')
        for box, text in zip(range(4), ['27', '50', '32', '16']):
            browser.type(f'reading-{box}', text)
        browser.click('label[for=use-alternate]')
        browser.type('alternate', '0.8')
        save('2025-06-02', '07:45', 'Zürich Süd', 'Second pour, 12 m³')
        save('2025-06-02', '08:00', 'Spare', 'to be deleted')
        equal(browser.text('log-count'), '3 readings logged', 'log count')

        browser.driver.refresh()
        browser.wait_ready()
        equal(browser.text('log-count'), '3 readings logged', 'log kept over a reload')
        browser.click('#log-entries li:first-child .delete')
        browser.driver.switch_to.alert.accept()
        equal(browser.text('log-count'), '2 readings logged', 'log count after a delete')

        browser.click('#log-export')
        target = os.path.join(downloads, 'brackmere-log.csv')
        deadline = time.monotonic() + 15
        while not os.path.exists(target) and time.monotonic() < deadline:
            time.sleep(0.1)
        check(os.path.exists(target), 'CSV file downloaded')
        with open(target, 'rb') as exported:
            data = exported.read()
        expected = expected_csv()
        if data != expected:
            raise Failure(f'CSV bytes differ:\n  got      {data!r}\n  expected {expected!r}')
        print(f'  ok: CSV file matches, {len(data)} bytes')

        # Stored data never stops the page: an older or damaged entry is left out and said so.
        browser.js("const log = JSON.parse(localStorage.getItem('brackmere.field.log'));"
                   "log.push({key: 99, date: '2024-05-01', air: 80}, null, 'x');"
                   "localStorage.setItem('brackmere.field.log', JSON.stringify(log));")
        browser.driver.refresh()
        browser.wait_ready()
        equal(browser.text('log-count'), '2 readings logged', 'log count with damaged entries stored')
        check('3 stored readings are not shown' in browser.text('log-left-out'), 'damaged entries named')
        check(browser.text('eqn'), 'the page computes as usual')
        browser.js("localStorage.setItem('brackmere.field.log', '[{\"key\": 1,')")
        browser.driver.refresh()
        browser.wait_ready()
        check(browser.text('log-left-out').startswith('The stored log could not be read.'), 'unreadable log said')
        check(not browser.errors(), f'no errors in the console: {browser.errors()}')
    finally:
        browser.close()
        server.stop()
        shutil.rmtree(downloads, ignore_errors=True)


def measure(dist):
    """First load to a result with an empty cache, and one recalculation, in milliseconds."""
    server = Server(dist)
    loads = []
    try:
        for _ in range(5):
            browser = Browser()
            try:
                browser.open(f'{server.url}index.html?{WORKED[0][0]}')
                loads.append(browser.js("return performance.getEntriesByName('brackmere-ready')[0].startTime"))
            finally:
                browser.close()
        browser = Browser()
        try:
            browser.open(f'{server.url}index.html?{WORKED[0][0]}')
            time.sleep(1)  # the worker has cached the files and the page is idle
            timing = browser.js("""
                const box = document.getElementById('reading-1');
                const page = window.brackmerePage;
                const median = (list) => list.sort((a, b) => a - b)[list.length >> 1];
                const each = [];
                const core = [];
                for (let i = 0; i < 400; ++i) {
                  const humidity = String(30 + i % 40);
                  let start = performance.now();
                  box.value = humidity;
                  box.dispatchEvent(new Event('input'));
                  each.push(performance.now() - start);
                  start = performance.now();
                  page.core.calculate({air: '80', humidity, concrete: '90', wind: '10'}, 'us', false, '0.05');
                  core.push(performance.now() - start);
                }
                return [median(each.slice(100)), median(core.slice(100))];""")
        finally:
            browser.close()
    finally:
        server.stop()
    print(f'first load to a result: median {statistics.median(loads):.0f} ms of {len(loads)} '
          f'({", ".join(f"{t:.0f}" for t in loads)})')
    print(f'one recalculation in the page (input event to results, tables and path drawn): median {timing[0]:.3f} ms; '
          f'the core\'s calculate alone: median {timing[1]:.3f} ms')


# axe-core, a test-only tool from the npm registry (scripts/install-deps.sh test installs it).
AXE = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'node_modules', 'axe-core', 'axe.min.js')
LANGUAGE_SAMPLES = {
    # language: the results' heading, the message of 80 °F, 50 %, 90 °F, 10 mph
    'en': ('Rate of evaporation', 'Measures shall be taken.'),
    'es': ('Tasa de evaporación', 'Deben tomarse medidas.'),
    'fr': ("Taux d'évaporation", 'Des mesures doivent être prises.'),
    'de': ('Verdunstungsrate', 'Maßnahmen sind zu ergreifen.'),
}


def accessibility(dist):
    """No violation of impact serious or critical in any language or unit system; the switch
    speaks each language, is remembered, and the message announces itself."""
    with open(AXE, encoding='utf-8') as f:
        axe = f.read()
    server = Server(dist)
    browser = Browser(1280, 900, 1, False)
    try:
        for units, query in [('us', WORKED[0][0]), ('si', WORKED[1][0])]:
            browser.open(f'{server.url}index.html?{query}')
            for language, (heading, message) in LANGUAGE_SAMPLES.items():
                browser.js("""const s = document.getElementById('language');
                              s.value = arguments[0]; s.dispatchEvent(new Event('change'));""", language)
                WebDriverWait(browser.driver, 10).until(
                    lambda d: d.execute_script("return document.documentElement.lang") == language)
                equal(browser.js("return document.getElementById('results-title').textContent"), heading,
                      f'{language} {units}: the results heading')
                equal(browser.js("return document.getElementById('message').textContent"), message,
                      f'{language} {units}: the message')
                browser.js(axe)
                found = browser.driver.execute_async_script("""const done = arguments[arguments.length - 1];
                    axe.run(document, {resultTypes: ['violations']}).then((r) => done(r.violations.map(
                      (v) => [v.id, v.impact, v.nodes.map((n) => n.target.join(' ')).join(', ')])));""")
                serious = [v for v in found if v[1] in ('serious', 'critical')]
                if found:
                    print(f'  axe, minor or moderate: {found}')
                check(not serious, f'{language} {units}: axe finds nothing serious or critical '
                                   f'({len(found)} minor or moderate){"" if not serious else ": " + repr(serious)}')
        equal(browser.js("return document.getElementById('message').getAttribute('role')"), 'status',
              'the message is announced (role status, aria-live polite)')
        browser.open(f'{server.url}index.html?{WORKED[0][0]}')
        equal(browser.js("return document.documentElement.lang"), 'de', 'the language chosen last is kept')
    finally:
        browser.close()
        server.stop()


def screenshots(dist, out):
    server = Server(dist)
    os.makedirs(out, exist_ok=True)
    try:
        for name, width, height, scale, mobile in [('web-phone.png', 360, 780, 2, True),
                                                   ('web-desktop.png', 1280, 900, 1, False)]:
            browser = Browser(width, height, scale, mobile)
            try:
                browser.open(f'{server.url}index.html?{WORKED[0][0]}')
                time.sleep(0.5)
                browser.driver.save_screenshot(os.path.join(out, name))
                print(f'wrote {os.path.join(out, name)}')
            finally:
                browser.close()
    finally:
        server.stop()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('--dist', required=True)
    parser.add_argument('what', choices=['results', 'offline', 'log', 'accessibility', 'measure', 'screenshots'])
    parser.add_argument('out', nargs='?')
    args = parser.parse_args()
    dist = os.path.abspath(args.dist)
    if not os.path.exists(os.path.join(dist, 'sw.js')):
        print(f'{dist} holds no built page; run scripts/build-web.sh', file=sys.stderr)
        return 1
    try:
        if args.what == 'screenshots':
            screenshots(dist, args.out or '.')
        else:
            {'results': results, 'offline': offline, 'log': log, 'accessibility': accessibility, 'measure': measure}[args.what](dist)
    except Failure as failure:
        print(f'FAILED: {failure}', file=sys.stderr)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
