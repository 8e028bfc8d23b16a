// aadx-check's results page in headless chromium: it opens from the disk
// with nothing loaded from anywhere else, and ranks the bundled contest's
// logs the way results.csv does.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import { root, nativeBin, launch, screenshot } from './helpers.mjs';

let browser;
let out;

before(async () => {
  out = fs.mkdtempSync(path.join(os.tmpdir(), 'aadx-check-page-'));
  execFileSync(path.join(nativeBin, 'aadx-check'), [
    path.join(root, 'tools/testdata/check_contest'),
    '--cty', path.join(root, 'tools/testdata/test_cty.dat'), '--out', out,
  ], { stdio: 'pipe' });
  browser = await launch();
});

after(async () => {
  await browser?.close();
  fs.rmSync(out, { recursive: true, force: true });
});

test('results page ranks every checked log and loads nothing else', async () => {
  const page = await browser.newPage();
  const requests = [];
  page.on('request', (r) => requests.push(r.url()));
  const errors = [];
  page.on('pageerror', (e) => errors.push(e.message));
  await page.setViewport({ width: 1000, height: 900 });
  const url = pathToFileURL(path.join(out, 'results.html')).href;
  await page.goto(url);
  await screenshot(page, 'check-results');

  assert.deepEqual(requests, [url]);
  assert.deepEqual(errors, []);
  assert.equal(await page.$eval('h1', (e) => e.textContent),
    'AADX-CW 2025 results after the log check');
  // Every log results.csv ranks is on the page with its checked score; a
  // check log (rank "check") helps the check but is ranked nowhere.
  const rows = await page.$$eval('table tr', (trs) => trs.map((r) => [...r.cells]
    .map((c) => c.textContent)));
  const onPage = new Set(rows.map((r) => `${r[1]} ${r[5]}`));
  const csv = fs.readFileSync(path.join(out, 'results.csv'), 'latin1').trim().split(/\r?\n/);
  assert.ok(csv.length > 1);
  for (const line of csv.slice(1)) {
    const f = line.split(',');
    const ranked = f[1] !== 'check';
    assert.equal(onPage.has(`${f[2]} ${f[5]}`), ranked, `${f[2]} ranked: ${ranked}`);
  }
  await page.close();
});
