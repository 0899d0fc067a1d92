// The web page in Debian's headless Chromium, driven as a user drives it: choices picked from the
// keyboard, numbers typed, the results table read. Expected values are the worked examples
// recomputed with python3-iapws and the published constants (as tst_flowcase states them), and
// the native `nusselt` itself for a few hundred random cases.
//   node --test tests/web/page.test.mjs      (SITE=build/web, NUSSELT=path of the native nusselt)
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';
import { serve } from './serve.mjs';
import { randomCases, sameAnswer } from './cases.mjs';

const top = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const site = process.env.SITE || path.join(top, 'build/web');
const nusselt = process.env.NUSSELT || path.join(top, 'build/default/cli/nusselt');

let server;
let browser;
let base;
const errors = [];

before(async () => {
  assert.ok(existsSync(path.join(site, 'index.html')), `${site}: build it with scripts/web --build-only`);
  server = await serve(site);
  base = `http://127.0.0.1:${server.address().port}/`;
  browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu'],
  });
});

after(async () => {
  await browser?.close();
  server?.close();
  assert.deepEqual(errors, [], 'JavaScript errors on the page');
});

async function open(query = '') {
  const page = await browser.newPage();
  page.on('pageerror', (e) => errors.push(`${query}: ${e.message}`));
  page.on('console', (m) => m.type() === 'error' && errors.push(`${query}: ${m.text()}`));
  await page.goto(base + query);
  await page.waitForSelector('body[data-ready=true]');
  return page;
}

// An item picked from a box as a user does from the keyboard: focus it, arrow keys to the item.
async function pick(page, selector, label) {
  const [at, to] = await page.$eval(selector, (s, l) =>
    [s.selectedIndex, [...s.options].findIndex((o) => o.text === l)], label);
  assert.ok(to >= 0, `${selector} has no item "${label}"`);
  await page.focus(selector);
  for (let i = at; i !== to; i += Math.sign(to - at))
    await page.keyboard.press(to > at ? 'ArrowDown' : 'ArrowUp');
  const chosen = await page.$eval(selector, (s) => s.options[s.selectedIndex].text);
  assert.equal(chosen, label, `${selector}: picked "${chosen}"`);
}
const choose = (page, key, label) => pick(page, `#input-${key}`, label);

// A unit picked (the typed value follows it), then the number typed over what the field holds.
async function type(page, key, text, unit) {
  if (unit) await pick(page, `#unit-${key}`, unit);
  await page.click(`#input-${key}`, { clickCount: 3 });
  await page.keyboard.press('Backspace');
  await page.keyboard.type(text);
}

// The results table as {name: {column: text}} keyed by "Correlation kind"; null when hidden.
async function results(page) {
  return page.$eval('#results', (t) => {
    if (t.hidden) return null;
    const head = [...t.tHead.rows[0].cells].map((c) => c.textContent);
    const rows = {};
    for (const r of t.tBodies[0].rows) {
      const cells = [...r.cells].map((c) => c.textContent);
      rows[`${cells[0]} ${cells[1]}`] = Object.fromEntries(head.map((h, i) => [h, cells[i]]));
    }
    return { head, rows };
  });
}

const near = (text, expected, tolerance) =>
  assert.ok(Math.abs(Number(text) / expected - 1) <= tolerance, `${text} against ${expected}`);

// Worked examples: h in W/(m²·K) from python3-iapws properties at the textbook's reference
// temperatures and the published correlations; 0.3 % covers the property tables.
const examples = [
  {
    name: 'textbook cylinder in air',
    choices: [['geometry', 'Cylinder']],
    fluid: 'Air',
    inputs: [['velocity', '10'], ['length', '12.7', 'mm'], ['t_inf', '26.2'], ['t_surface', '128.4']],
    expect: [['Hilpert average', 88.823494], ['Churchill-Bernstein average', 96.659264],
      ['Zhukauskas average', 105.25551], ['Stagnation point local', 189.14589]],
  },
  {
    name: 'sphere in water',
    choices: [['geometry', 'Sphere'], ['sphere', 'Regular Sphere']],
    fluid: 'Water',
    inputs: [['velocity', '0.5'], ['length', '10', 'mm'], ['t_inf', '20'], ['t_surface', '60']],
    expect: [['Whitaker average', 7335.9102]],
  },
  {
    name: 'laminar plate in air',
    choices: [['geometry', 'Flat Plate'], ['heat', 'Uniform Temp'], ['flow', 'Laminar'], ['fluid_type', 'Regular Fluid']],
    fluid: 'Air',
    inputs: [['velocity', '2'], ['length', '0.5'], ['t_inf', '20'], ['t_surface', '60']],
    expect: [['Laminar plate local', 3.9217465], ['Laminar plate average', 7.8434930]],
  },
  {
    name: 'water drop falling through air',
    choices: [['geometry', 'Sphere'], ['sphere', 'Drops']],
    fluid: 'Air',
    inputs: [['velocity', '3'], ['length', '2', 'mm'], ['t_inf', '25'], ['t_surface', '15']],
    expect: [['Ranz-Marshall average', 163.71321]],
    outside: ['Ranz-Marshall average', 'Re = 397 above the Ranz-Marshall range ≤ 200'],
  },
];

test('worked examples typed into the page', async (t) => {
  for (const ex of examples) {
    await t.test(ex.name, async () => {
      const page = await open();
      for (const [key, label] of ex.choices) await choose(page, key, label);
      await choose(page, 'fluid', ex.fluid);
      for (const [key, text, unit] of ex.inputs) await type(page, key, text, unit);
      const table = await results(page);
      assert.ok(table, await page.$eval('#status', (s) => s.textContent));
      assert.ok(table.head.includes('h'), `header row ${table.head}`);
      for (const [row, h] of ex.expect) {
        assert.ok(table.rows[row], `no row ${row} in ${Object.keys(table.rows)}`);
        near(table.rows[row].h, h, 0.003);
      }
      if (ex.outside)
        assert.equal(table.rows[ex.outside[0]]['Outside the published range'], ex.outside[1]);
      const text = await page.$eval('main', (m) => m.innerText);
      assert.doesNotMatch(text, /NaN|Infinity|undefined/);
      await page.close();
    });
  }
});

test('a refused input is explained beside its field and nothing follows from it', async () => {
  const page = await open('?geometry=cylinder&fluid=water&velocity=1m/s&length=10mm&t_inf=20C&t_surface=120C');
  assert.equal(await results(page), null);
  const message = await page.$eval('#message-t_surface', (m) => m.textContent);
  assert.match(message, /^Water boils at 99\.97 °C at 101\.325 kPa/);
  assert.equal(await page.$eval('#input-t_surface', (i) => i.getAttribute('aria-invalid')), 'true');
  // Lowering Ts as a user would answers at once.
  await type(page, 't_surface', '80');
  assert.equal(await page.$eval('#message-t_surface', (m) => m.textContent), '');
  assert.ok(await results(page));
  await page.close();
});

test('the dimensionless calculator gives the four field texts of the desktop one', async () => {
  const page = await open();
  await page.click('input[name=mode][value=dimensionless]');
  await choose(page, 'geometry', 'Flat Plate');
  await choose(page, 'heat', 'Uniform Temp');
  await choose(page, 'flow', 'Laminar');
  await choose(page, 'fluid_type', 'Regular Fluid');
  await type(page, 're', '1e5');
  await type(page, 'pr', '0.7');
  // Nu_x = 0.332 Re^1/2 Pr^1/3 = 93.2189, average twice that.
  assert.equal(await page.$eval('#shown-field-nusselt', (d) => d.textContent), '93.2189');
  assert.equal(await page.$eval('#shown-field-average_nusselt', (d) => d.textContent), '186.438');
  await type(page, 'pr', '0.5');
  await type(page, 're', '100');
  assert.equal(await page.$eval('#status', (s) => s.textContent),
    'Conditions not met: Check Reynolds and Prandtl numbers');
  assert.equal(await results(page), null);
  await page.close();
});

test('a link reproduces the case, computed at once, and follows every edit', async () => {
  const query = '?geometry=cylinder&fluid=air&velocity=10m/s&length=12.7mm&t_inf=26.2C&t_surface=128.4C';
  const page = await open(query);
  const first = await results(page);
  near(first.rows['Hilpert average'].h, 88.823494, 0.003);
  assert.equal(await page.$eval('#input-length', (i) => i.value), '12.7');
  assert.equal(await page.$eval('#unit-length', (s) => s.value), 'mm');
  assert.equal(new URL(page.url()).search, '?' + new URLSearchParams(query).toString());

  await type(page, 'velocity', '20', 'ft/s');
  const edited = await results(page);
  const link = page.url();
  assert.match(link, /velocity=20ft%2Fs/);
  const again = await open(new URL(link).search);
  assert.deepEqual(await results(again), edited);
  assert.notDeepEqual(edited, first);
  await page.close();
  await again.close();
});

test('SI and US switch converts the inputs, not the problem', async () => {
  const page = await open('?geometry=cylinder&fluid=air&velocity=10m/s&length=12.7mm&t_inf=26.2C&t_surface=128.4C');
  const si = await results(page);
  await page.click('input[name=system][value=US]');
  assert.equal(await page.$eval('#unit-t_inf', (s) => s.value), '°F');
  assert.equal(await page.$eval('#input-t_inf', (i) => i.value), '79.16');
  const us = await results(page);
  // 88.8235 W/(m²·K) is 15.643 Btu/(h·ft²·°F); Nu does not move.
  near(us.rows['Hilpert average'].h, 88.823494 / 5.678263, 2e-5);
  assert.equal(us.rows['Hilpert average'].Nu, si.rows['Hilpert average'].Nu);
  await page.close();
});

test('the engine in the browser answers as the native nusselt, digit for digit', async () => {
  assert.ok(existsSync(nusselt), `${nusselt}: build the native program (or set NUSSELT)`);
  const page = await open();
  const cases = randomCases(300, 20261207);
  const answers = await page.evaluate((all) => all.map((c) =>
    window.nusseltPage.engine().calculate(c.join('\n'))), cases);
  let compared = 0;
  cases.forEach((c, i) => {
    const args = ['calculate', ...c.map((l) => `--${l.slice(0, l.indexOf('=')).replace(/_/g, '-')}=${l.slice(l.indexOf('=') + 1)}`), '--format', 'json'];
    const native = spawnSync(nusselt, args, { encoding: 'utf8' });
    const web = JSON.parse(answers[i]);
    if (native.stdout.trim() === '') {
      assert.ok(web.fault, `${c.join(' ')}: native refused (${native.stderr}), web answered`);
      assert.equal(`nusselt: ${web.fault.message}`, native.stderr.split('\n')[0], c.join(' '));
    } else {
      // Equal doubles are written with the same shortest digits, byte for byte.
      if (sameAnswer(JSON.parse(native.stdout), web, c.join(' ')) === 0)
        assert.equal(answers[i].trimEnd(), native.stdout.trimEnd(), c.join(' '));
      ++compared;
    }
  });
  assert.ok(compared >= 200, `only ${compared} cases answered`);
  await page.close();
});

const textbook = '?geometry=cylinder&fluid=air&velocity=10m/s&length=12.7mm&t_inf=26.2C&t_surface=128.4C';

test('the plot draws each correlation, dashed only outside its published range', async () => {
  const page = await open(textbook);
  const curves = await page.$$eval('#plot svg g[data-label]', (gs) => gs.map((g) => ({
    label: g.dataset.label,
    solid: g.querySelectorAll('polyline.inside').length,
    dashed: g.querySelectorAll('polyline.outside').length,
    markers: g.querySelectorAll('circle.marker').length,
  })));
  assert.deepEqual(curves.map((c) => c.label), ['Stagnation point', 'Hilpert', 'Churchill-Bernstein', 'Zhukauskas']);
  for (const c of curves) {
    assert.equal(c.markers, 1, c.label);
    assert.ok(c.solid >= 1, c.label);
  }
  // Hilpert's table covers 0.4 to 4·10^5 and it has no value outside; Churchill and Bernstein ask
  // Re·Pr >= 0.2, which holds from the plot's lowest Re, 0.4 (Hilpert's bound), on: both are
  // dashed only where the flow is slow enough for buoyancy to matter, Ri = Gr/Re² above 0.1, that
  // is below Re = (10 Gr)^½ with the case's Gr. Zhukauskas is published for 1 <= Re <= 10^6:
  // dashed below 1 (and where Ri > 0.1).
  const lines = await page.evaluate(() => window.nusseltPage.lines().join('\n'));
  const drawn = await page.evaluate((l) => JSON.parse(window.nusseltPage.engine().curves(l, 160)).curves, lines);
  const args = ['calculate', ...new URLSearchParams(textbook).entries()].flatMap((e) =>
    Array.isArray(e) ? [`--${e[0].replace(/_/g, '-')}`, e[1]] : [e]);
  const native = JSON.parse(spawnSync(nusselt, [...args, '--format', 'json'], { encoding: 'utf8' }).stdout);
  const mixedBelow = Math.sqrt(10 * native.grashof);
  for (const i of [1, 2]) {
    assert.equal(curves[i].dashed, drawn[i].segments.filter((s) => !s.inside).length);
    for (const s of drawn[i].segments.filter((seg) => !seg.inside))
      assert.ok(Math.min(...s.points.map((p) => p[0])) < mixedBelow, `${drawn[i].label} dashed above Re ${mixedBelow}`);
    for (const s of drawn[i].segments.filter((seg) => seg.inside))
      assert.ok(Math.max(...s.points.map((p) => p[0])) > mixedBelow, `${drawn[i].label} solid below Re ${mixedBelow}`);
  }
  assert.ok(curves[3].dashed >= 1);
  await page.close();
});

test('a sweep of the velocity gives the worked example on its way and a CSV of it', async () => {
  const page = await open(textbook);
  await pick(page, '#sweep-input', 'Velocity');
  for (const [id, text] of [['sweep-start', '1'], ['sweep-end', '100'], ['sweep-steps', '3']]) {
    await page.click(`#${id}`, { clickCount: 3 });
    await page.keyboard.type(text);
  }
  await page.focus('#sweep-steps');
  await page.keyboard.press('Enter');
  const rows = await page.$$eval('#sweep tbody tr', (rs) => rs.map((r) => [...r.cells].map((c) => c.textContent)));
  const head = await page.$$eval('#sweep thead th', (hs) => hs.map((h) => h.textContent));
  assert.deepEqual(rows.map((r) => r[0]), ['1', '10', '100']);
  const hilpertH = head.indexOf('Hilpert h (W/(m²·K))');
  assert.ok(hilpertH > 0, head.join('|'));
  near(rows[1][hilpertH], 88.823494, 0.003);
  const csv = await page.$eval('#sweep-csv', (a) => fetch(a.href).then((r) => r.text()));
  const lines = csv.trim().split('\r\n');
  assert.equal(lines.length, 4);
  const csvHead = lines[0].split(',');
  // The sweep window's own file: the same columns as the table, with the ranges and refusals.
  assert.deepEqual(csvHead.filter((h) => !h.endsWith('outside_range') && h !== 'error'), head.slice(0, -1));
  assert.equal(csvHead[0], 'Velocity (m/s)');
  near(lines[2].split(',')[csvHead.indexOf('Hilpert h (W/(m²·K))')], 88.823494, 0.003);
  // Steps that are no whole number are refused beside the form.
  await page.click('#sweep-steps', { clickCount: 3 });
  await page.keyboard.type('2.5');
  await page.keyboard.press('Enter');
  assert.match(await page.$eval('#sweep-message', (m) => m.textContent), /whole number of steps/);
  await page.close();
});

test('a sweep takes its ends in the unit of the input and shows h in the unit chosen for it', async () => {
  // The textbook cylinder with its velocity in ft/s (32.8084 ft/s = 10 m/s) and h shown in US units.
  const page = await open(textbook.replace('velocity=10m/s', 'velocity=32.8084ft/s'));
  await pick(page, '#sweep-input', 'Velocity');
  assert.equal(await page.$eval('#sweep-start-label', (l) => l.textContent), 'From (ft/s)');
  await pick(page, '#shown-h', 'Btu/(h·ft²·°F)');
  for (const [id, text] of [['sweep-start', '3.28084'], ['sweep-end', '328.084'], ['sweep-steps', '3']]) {
    await page.click(`#${id}`, { clickCount: 3 });
    await page.keyboard.type(text);
  }
  await page.focus('#sweep-steps');
  await page.keyboard.press('Enter');
  const head = await page.$$eval('#sweep thead th', (hs) => hs.map((h) => h.textContent));
  const rows = await page.$$eval('#sweep tbody tr', (rs) => rs.map((r) => [...r.cells].map((c) => c.textContent)));
  assert.equal(head[0], 'Velocity (ft/s)');
  assert.deepEqual(rows.map((r) => r[0]), ['3.28084', '32.8084', '328.084']);
  // 88.8235 W/(m²·K) at 10 m/s is 15.643 Btu/(h·ft²·°F) (1 Btu/(h·ft²·°F) = 5.678263 W/(m²·K)).
  near(rows[1][head.indexOf('Hilpert h (Btu/(h·ft²·°F))')], 88.823494 / 5.678263, 0.003);
  await page.close();
});

test('a case file of the desktop window opens, and the page saves its case as one', async () => {
  const dir = mkdtempSync(path.join(tmpdir(), 'nusselt-web-'));
  const file = path.join(dir, 'cylinder.json');
  // The textbook cylinder typed in US units, as the window saves it.
  writeFileSync(file, JSON.stringify({
    format: 'nusselt-case', version: 1, case: { geometry: 'cylinder' }, fluid: 'air',
    inputs: { velocity: { text: '32.8084', unit: 'ft/s' }, length: { text: '0.5', unit: 'in' },
      t_inf: { text: '79.16', unit: '°F' }, t_surface: { text: '263.12', unit: '°F' } },
  }));
  const page = await open();
  const input = await page.$('#open-case');
  await input.uploadFile(file);
  await page.waitForFunction(() => document.querySelector('#input-velocity')?.value === '32.8084');
  assert.equal(await page.$eval('#unit-length', (s) => s.value), 'in');
  near((await results(page)).rows['Hilpert average'].h, 88.823494, 0.003);

  const downloads = path.join(dir, 'downloads');
  const cdp = await browser.target().createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  await page.click('#save-case');
  const saved = path.join(downloads, 'cylinder.json');
  const deadline = Date.now() + 10000;
  while (!existsSync(saved) && Date.now() < deadline) await new Promise((r) => setTimeout(r, 50));
  const written = JSON.parse(readFileSync(saved, 'utf8'));
  assert.deepEqual(written.inputs.velocity, { text: '32.8084', unit: 'ft/s' });
  assert.deepEqual(written.inputs.t_inf, { text: '79.16', unit: '°F' });
  assert.deepEqual(written.case, { geometry: 'cylinder' });

  const bad = path.join(dir, 'bad.json');
  writeFileSync(bad, '{"format": "nusselt-case", "version": 7}');
  await input.uploadFile(bad);
  await page.waitForFunction(() => document.querySelector('#case-message').textContent !== '');
  assert.match(await page.$eval('#case-message', (m) => m.textContent), /^Not a case file: /);
  await page.close();
  rmSync(dir, { recursive: true });
});

test('a case file with a fluid of one\'s own opens as the desktop window saved it and is saved back the same', async () => {
  const dir = mkdtempSync(path.join(tmpdir(), 'nusselt-web-'));
  const file = path.join(top, 'tests/cli_corpus/cases/sphere_custom.json');
  const page = await open();
  await (await page.$('#open-case')).uploadFile(file);
  await page.waitForFunction(() => document.querySelector('#input-surface_viscosity')?.value === '2.08e-5');
  // The same numbers as nusselt calculate --case on the same file.
  const native = JSON.parse(spawnSync(nusselt, ['calculate', '--case', file, '--format', 'json'], { encoding: 'utf8' }).stdout);
  const whitaker = (await results(page)).rows['Whitaker average'];
  near(whitaker.Nu, native.results[0].nusselt, 1e-5);
  near(whitaker.h, native.results[0].h, 1e-5);

  const downloads = path.join(dir, 'downloads');
  const cdp = await browser.target().createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  await page.click('#save-case');
  const saved = path.join(downloads, 'sphere.json');
  const deadline = Date.now() + 10000;
  while (!existsSync(saved) && Date.now() < deadline) await new Promise((r) => setTimeout(r, 50));
  const written = JSON.parse(readFileSync(saved, 'utf8'));
  assert.equal(written.fluid, 'custom');
  assert.deepEqual(written.custom, JSON.parse(readFileSync(file, 'utf8')).custom);
  assert.deepEqual(written.inputs.length, { text: '0.5', unit: 'in' });
  await page.close();
  rmSync(dir, { recursive: true });
});

test('a slow cylinder says that buoyancy matters, with the numbers nusselt gives', async () => {
  const slow = textbook.replace('velocity=10m/s', 'velocity=0.1m/s');
  const page = await open(slow);
  const summary = await page.$eval('#summary', (d) => Object.fromEntries(
    [...d.querySelectorAll('dt')].map((t) => [t.textContent, t.nextElementSibling.textContent])));
  const args = ['calculate', ...new URLSearchParams(slow).entries()].flatMap((e) =>
    Array.isArray(e) ? [`--${e[0].replace(/_/g, '-')}`, e[1]] : [e]);
  const native = JSON.parse(spawnSync(nusselt, [...args, '--format', 'json'], { encoding: 'utf8' }).stdout);
  near(summary['Grashof number Gr'], native.grashof, 1e-5);
  near(summary['Richardson number Ri = Gr/Re²'], native.richardson, 1e-5);
  near(summary['Free convection Nu (Churchill-Chu)'], native.free_convection.nusselt, 1e-5);
  const hilpert = (await results(page)).rows['Hilpert average'];
  near(hilpert['Nu mixed (estimate)'], native.results.find((r) => r.correlation === 'Hilpert').combined_nusselt_estimate, 1e-5);
  assert.match(hilpert['Outside the published range'], /above 0\.1: mixed convection/);
  await page.close();
});

test('the geometries and fluids Flow Conditions has: a tube bank, a square bar, steam', async () => {
  // The textbook staggered bank (D 16.4 mm, S_T 31.3 mm, S_L 34.3 mm, 7 rows of 8, air at 15 °C
  // and 6 m/s, Ts 70 °C), typed: V_max = 6·31.3/(31.3 − 16.4) = 12.604 m/s; with properties of the
  // reference formulations at the mean temperature h = 138.1 W/(m²·K), T_o = 25.64 °C (the
  // textbook, with its table's properties at 15 °C: 135.6 and 25.5 °C).
  const page = await open();
  await choose(page, 'geometry', 'Tube Bank');
  await choose(page, 'arrangement', 'Staggered');
  await choose(page, 'fluid', 'Air');
  for (const [key, text, unit] of [['velocity', '6'], ['length', '16.4', 'mm'], ['t_inf', '15'], ['t_surface', '70'],
    ['transverse_pitch', '31.3', 'mm'], ['longitudinal_pitch', '34.3', 'mm'], ['rows', '7'], ['tubes_per_row', '8']])
    await type(page, key, text, unit);
  const bank = await results(page);
  assert.ok(bank, await page.$eval('#status', (st) => st.textContent));
  near(bank.rows['Zukauskas tube bank average'].h, 138.09, 0.001);
  const summary = async () => page.$eval('#summary', (d) => Object.fromEntries(
    [...d.querySelectorAll('dt')].map((dt) => [dt.textContent, dt.nextElementSibling.textContent])));
  assert.match((await summary())['Maximum velocity V_max'], /^12\.604\d* m\/s$/);
  near((await summary())['Outlet temperature T_o'].split(' ')[0], 25.64, 0.001);

  // A square bar with a face to the flow (Sparrow, Abraham and Tong): Nu = 0.158 Re^0.66 Pr^⅓.
  await page.goto(`${base}?geometry=noncircular&section=square&fluid=air&velocity=10m/s&length=20mm&t_inf=20C&t_surface=80C`);
  await page.waitForSelector('body[data-ready=true]');
  const bar = await summary();
  const re = Number(bar['Reynolds number Re']);
  const pr = Number(bar['Prandtl number Pr']);
  near((await results(page)).rows['Sparrow-Abraham-Tong average'].Nu, 0.158 * re ** 0.66 * pr ** (1 / 3), 1e-4);

  // Steam below its boiling point is refused beside the field that made it so.
  await page.goto(`${base}?geometry=cylinder&fluid=steam&velocity=10m/s&length=20mm&t_inf=90C&t_surface=150C`);
  await page.waitForSelector('body[data-ready=true]');
  assert.equal(await page.$eval('#input-fluid', (f) => f.selectedOptions[0].text), 'Steam');
  assert.match(await page.$eval('#field-t_inf', (f) => f.textContent), /Steam condenses at 99\.98 °C/);
  assert.equal(await results(page), null);
  await page.close();
});

test('labelled, keyboard-operable, and readable on a phone and at 200 % zoom', async () => {
  const page = await open(textbook);
  const unlabelled = await page.$$eval('input, select, button', (es) =>
    es.filter((e) => !(e.labels?.length || e.getAttribute('aria-label') || e.textContent.trim())).map((e) => e.id));
  assert.deepEqual(unlabelled, []);
  // Tab from the top reaches the geometry choice and then every input of the case in order.
  const order = [];
  await page.evaluate(() => document.activeElement.blur());
  for (let i = 0; i < 14; ++i) {
    await page.keyboard.press('Tab');
    order.push(await page.evaluate(() => document.activeElement.id || document.activeElement.name));
  }
  for (const id of ['input-geometry', 'input-fluid', 'input-velocity', 'unit-velocity', 'input-length', 'input-t_inf', 'input-t_surface'])
    assert.ok(order.includes(id), `${id} not reached by Tab: ${order}`);
  assert.ok(order.indexOf('input-velocity') < order.indexOf('input-t_surface'));
  // A phone's width, and a 1280-pixel screen at 200 %: nothing wider than the screen but the
  // tables, which scroll inside their own box.
  for (const width of [360, 640]) {
    await page.setViewport({ width, height: 800 });
    const wide = await page.evaluate(() => document.documentElement.scrollWidth);
    assert.ok(wide <= width, `${wide} px wide at ${width}`);
  }
  await page.close();
});

test('once loaded, the page answers offline', async () => {
  const page = await open(textbook);
  await page.evaluate(() => navigator.serviceWorker.ready);
  // The worker takes over on the next load, which fills its cache.
  await page.reload();
  await page.waitForSelector('body[data-ready=true]');
  await page.setOfflineMode(true);
  await page.reload();
  await page.waitForSelector('body[data-ready=true]');
  near((await results(page)).rows['Hilpert average'].h, 88.823494, 0.003);
  await page.setOfflineMode(false);
  await page.close();
});

test('a fluid of one\'s own: the properties its case takes, typed, give the hand-worked answer', async () => {
  // Engine oil over a 1 m plate at 0.1 m/s, T∞ 100 °C, surface 20 °C, film properties from a
  // table: ρ 864 kg/m³, ν 86.1e-6 m²/s, k 0.140 W/(m·K), Pr 1081. By hand: Re_L = 1161.44,
  // Nu_L = 0.664 Re^1/2 Pr^1/3 = 232.243, h = 32.5140 W/(m²·K).
  const page = await open();
  await choose(page, 'geometry', 'Flat Plate');
  await choose(page, 'heat', 'Uniform Temp');
  await choose(page, 'flow', 'Laminar');
  await choose(page, 'fluid_type', 'Regular Fluid');
  await choose(page, 'fluid', 'A fluid of my own');
  const fields = await page.$$eval('#inputs .field', (fs) => fs.map((f) => f.id.replace('field-', '')));
  assert.deepEqual(fields.filter((f) => /density|viscosity|conductivity|specific|prandtl/.test(f)),
    ['density', 'viscosity', 'conductivity', 'specific_heat']);
  const mu = 86.1e-6 * 864;
  for (const [key, text] of [['velocity', '0.1'], ['length', '1'], ['t_inf', '100'], ['t_surface', '20'],
    ['density', '864'], ['viscosity', String(mu)], ['conductivity', '0.140'], ['specific_heat', String(1081 * 0.140 / mu)]])
    await type(page, key, text);
  const table = await results(page);
  assert.ok(table, await page.$eval('main', (m) => m.innerText));
  near(table.rows['Laminar plate average'].Re, 1161.4402, 1e-5);
  near(table.rows['Laminar plate average'].h, 32.513953, 1e-5);
  // A property left out is asked for beside its field.
  await type(page, 'conductivity', '');
  assert.notEqual(await page.$eval('#message-conductivity', (m) => m.textContent), '');
  await page.close();
});
