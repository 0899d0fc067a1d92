// The web page's size and speed against its goals: everything it transfers, gzip'd (< 400 kB);
// the first result after navigation in a fresh headless Chromium (< 400 ms, median of 7); one
// evaluation in the browser against the same entry point built natively (within 3x).
//   node bench/web/bench.mjs SITE NATIVE_BENCH
import { readdirSync, readFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import path from 'node:path';
import { spawnSync } from 'node:child_process';
import { createRequire } from 'node:module';

const [site, nativeBench] = process.argv.slice(2);
const require = createRequire(path.resolve('tests/web/package.json'));
const { default: puppeteer } = await import(require.resolve('puppeteer-core'));
const { serve } = await import(path.resolve('tests/web/serve.mjs'));

const files = readdirSync(site).filter((f) => !f.endsWith('.png'));
let total = 0;
for (const f of files) {
  const gz = gzipSync(readFileSync(path.join(site, f)), { level: 9 }).length;
  total += gz;
  console.log(`${f.padEnd(14)} ${String(gz).padStart(8)} bytes gzip'd`);
}
console.log(`size: ${(total / 1024).toFixed(1)} kB gzip'd in all (goal < 400 kB)`);

const textbook = '?geometry=cylinder&fluid=air&velocity=10m/s&length=12.7mm&t_inf=26.2C&t_surface=128.4C';
const lines = new URLSearchParams(textbook).toString().split('&').map(decodeURIComponent).join('\n');
const server = await serve(path.resolve(site));
const url = `http://127.0.0.1:${server.address().port}/${textbook}`;
const firsts = [];
let perCall = 0;
for (let run = 0; run < 7; ++run) {
  const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox', '--disable-gpu'] });
  const page = await browser.newPage();
  await page.goto(url);
  await page.waitForSelector('body[data-ready=true]');
  firsts.push(await page.evaluate(() => window.nusseltPage.firstResult));
  if (run === 0) {
    perCall = await page.evaluate((l) => {
      const calc = window.nusseltPage.engine().calculate;
      for (let i = 0; i < 2000; ++i) calc(l);
      const n = 20000;
      const t0 = performance.now();
      for (let i = 0; i < n; ++i) calc(l);
      return (performance.now() - t0) * 1000 / n;
    }, lines);
  }
  await browser.close();
}
server.close();
firsts.sort((a, b) => a - b);
console.log(`first result: median ${firsts[3].toFixed(0)} ms after navigation (runs ${firsts.map((t) => t.toFixed(0)).join(', ')}; goal < 400 ms)`);
const native = Number(spawnSync(nativeBench, [lines, '100000'], { encoding: 'utf8' }).stdout.split(' ')[0]);
console.log(`evaluation of the textbook cylinder (JSON answer included): browser ${perCall.toFixed(2)} µs, native ${native.toFixed(2)} µs, ratio ${(perCall / native).toFixed(2)} (goal within 3x)`);
