// The page's speed and weight: the 300-contact sample from choosing the
// file to the results shown, a generated 50,000-contact log in the page and
// in the native aadx-replay side by side (same arguments, same machine),
// and the bytes a browser loads (HTML, CSS, JS, WASM; cty.dat apart).
// Usage: node test/bench.mjs [runs]   (scripts/bench-web builds first)
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import {
  launch, openPage, pageDir, root, runNative, scoreFile, serve,
} from './helpers.mjs';

const runs = Number(process.argv[2] || 5);
const out = path.join(root, 'build/web-bench');
fs.mkdirSync(out, { recursive: true });

// A CW log of `count` contacts over the 48 hours, from a fixed sequence:
// calls on prefixes of several continents, the six bands, two-digit ages.
function generateLog(count) {
  const prefixes = ['JA1', 'JA7', 'JH3', 'BY1', 'BV2', 'HL5', 'VU2', 'YB1', 'HS0', 'UA9', 'DL1', 'G3',
    'F5', 'I2', 'OH2', 'K1', 'W6', 'VE3', 'PY2', 'LU1', 'VK2', 'ZL1', 'ZS6', 'CN8', 'EA8', '4X4'];
  const bands = [['160M', '1.8235'], ['80M', '3.5250'], ['40M', '7.0150'], ['20M', '14.0250'],
    ['15M', '21.0250'], ['10M', '28.0250']];
  let seed = 12345;
  const next = (n) => {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return seed % n;
  };
  const field = (tag, value) => `<${tag}:${value.length}>${value}`;
  const lines = ['Generated for the page benchmark', field('ADIF_VER', '3.1.0'), '<EOH>'];
  const start = Date.UTC(2021, 5, 19, 0, 0, 0);
  for (let i = 0; i < count; i += 1) {
    const t = new Date(start + Math.floor((i * 48 * 3600e3) / count));
    const date = t.toISOString().slice(0, 10).replace(/-/g, '');
    const time = t.toISOString().slice(11, 19).replace(/:/g, '');
    const suffix = String.fromCharCode(65 + next(26), 65 + next(26), 65 + next(26));
    const [band, freq] = bands[next(bands.length)];
    lines.push([field('CALL', prefixes[next(prefixes.length)] + suffix), field('QSO_DATE', date),
      field('TIME_ON', time), field('BAND', band), field('FREQ', freq), field('MODE', 'CW'),
      field('RST_SENT', '599'), field('RST_RCVD', '599'), field('STX_STRING', '45'),
      field('SRX_STRING', String(20 + next(70))), field('STATION_CALLSIGN', 'JA1QZX'), '<EOR>'].join(' '));
  }
  return `${lines.join('\n')}\n`;
}

const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (v) => `${Math.round(v)} ms`;

const big = path.join(out, 'bench-50000.adi');
fs.writeFileSync(big, generateLog(50000));
const sample = path.join(root, 'samples/aadx-asia-cw.adi');

const site = await serve();
const browser = await launch();
try {
  const results = [];
  for (const [name, log, count] of [['sample', sample, runs], ['50000', big, Math.min(runs, 3)]]) {
    const page = [];
    const native = [];
    const choose = [];
    for (let i = 0; i < count; i += 1) {
      const tab = await openPage(browser, site.base);
      const before = Date.now();
      const got = await scoreFile(tab, log);
      choose.push(Date.now() - before);
      page.push(got.timing.totalMs);
      const nat = await runNative(log, got.args);
      native.push(nat.ms);
      if (got.status !== 0) throw new Error(`${name}: exit status ${got.status}: ${got.stderr}`);
      // The downloads once more against the native files, at this size.
      const same = Object.keys(got.files).length === Object.keys(nat.files).length &&
        Object.entries(got.files).every(([f, { base64 }]) => nat.files[f] &&
          Buffer.from(base64, 'base64').equals(nat.files[f]));
      if (!same) throw new Error(`${name}: the page's files differ from the native tool's`);
      await tab.close();
    }
    results.push({ name, page: median(page), choose: median(choose), native: median(native) });
  }
  const files = ['index.html', 'style.css', 'app.js', 'worker.js', 'aadx-replay.js', 'aadx-replay.wasm'];
  let total = 0;
  let gzip = 0;
  console.log(`load: ${fs.readFileSync('/proc/loadavg', 'utf8').split(' ').slice(0, 3).join(' ')}; medians of ${runs} (50,000: of ${Math.min(runs, 3)}) runs`);
  for (const r of results) {
    console.log(`${r.name.padEnd(7)} page ${ms(r.page).padStart(9)} from choosing the file to shown` +
      ` (${ms(r.choose)} as the test driver sees it), native aadx-replay ${ms(r.native)},` +
      ` ratio ${(r.page / r.native).toFixed(2)}; downloads identical to the native files`);
  }
  for (const f of files) {
    const bytes = fs.readFileSync(path.join(pageDir, f));
    total += bytes.length;
    gzip += zlib.gzipSync(bytes, { level: 9 }).length;
    console.log(`  ${f.padEnd(18)} ${String(bytes.length).padStart(8)} bytes`);
  }
  console.log(`page weight: ${total} bytes (${(total / 1048576).toFixed(2)} MiB; ${gzip} bytes gzipped);` +
    ` cty.dat ${fs.statSync(path.join(pageDir, 'cty.dat')).size} bytes apart`);
} finally {
  await browser.close();
  site.server.close();
}
