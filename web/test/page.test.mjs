// The page in Debian's chromium: every download byte for byte what the
// native aadx-replay writes for the same log and options, its messages for
// bad input the tool's, and ?log= links. Screenshots go to build/web-test/.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';
import {
  launch, openPage, pageResult, root, runNative, scoreFile, screenshot, serve, waitForRun,
  withoutProgress,
} from './helpers.mjs';

const samples = path.join(root, 'samples');
const testdata = path.join(root, 'tools/testdata');
const badDir = fs.mkdtempSync(path.join(os.tmpdir(), 'aadx-web-bad-'));

// Logs the page must score as the tool does: the bundled samples, and one
// log in each real logger's style the replay tool's tests use.
const styleLogs = fs.readdirSync(testdata).filter((f) => /_style\.(adi|log)$/.test(f)).sort();
const goodCases = [
  { name: 'sample-asia-cw', log: path.join(samples, 'aadx-asia-cw.adi'),
    settings: path.join(samples, 'AADX.ini') },
  { name: 'sample-dx-ssb', log: path.join(samples, 'aadx-dx-ssb.log'),
    fields: { 'hdr-CATEGORY-POWER': 'LOW', 'hdr-NAME': 'Test Operator',
      'opt-headers': 'SOAPBOX=first line\nSOAPBOX=second line', 'opt-checks': 'JA1QAA 20m' } },
  { name: 'country-file-chosen', log: path.join(testdata, 'example_asia_cw.adi'),
    cty: path.join(testdata, 'sponsor_cty.dat') },
  ...styleLogs.map((f) => ({ name: f.replace(/\W/g, '-'), log: path.join(testdata, f) })),
  { name: 'options-given', log: path.join(samples, 'aadx-asia-cw.adi'),
    fields: { 'opt-call': 'JA1QZX', 'opt-continent': 'AS', 'opt-contest': 'CW',
      'opt-start': '2021-06-19', 'opt-end': '2021-06-20 12:00', 'opt-log-dxcc': true,
      'opt-log-pfx': true, 'opt-cabrillo': false } },
];

// Bad input: not a log, nothing in it, another contest's log, a log whose
// records are all malformed. The tool says why in its messages, or for
// another contest's log in the sponsor's reasons: outside the period.
function badFile(name, bytes) {
  const file = path.join(badDir, name);
  fs.writeFileSync(file, bytes);
  return file;
}
const badCases = [
  { name: 'binary', log: badFile('photo.adi', Buffer.from(Array.from({ length: 4096 }, (_, i) => (i * 37 + 11) % 256))) },
  { name: 'empty', log: badFile('empty.log', Buffer.alloc(0)) },
  { name: 'other-contest', log: path.join(root, 'web/test/data/cq-ww-cw.log'),
    reason: 'outside-period' },
  { name: 'malformed', log: path.join(testdata, 'malformed.adi') },
];

let browser;
let site;

before(async () => {
  site = await serve({ testdata, bad: badDir });
  browser = await launch();
});

after(async () => {
  await browser?.close();
  site?.server.close();
  fs.rmSync(badDir, { recursive: true, force: true });
});

// The page's run against the native one: the same exit status, the same
// text printed, and the same files, byte for byte.
async function assertSameAsNative(got, logPath, { settings, cty } = {}) {
  const native = await runNative(logPath, got.args, { settings, cty, logName: got.args[0] });
  assert.equal(got.status, native.status, 'exit status');
  assert.equal(withoutProgress(got.stderr), withoutProgress(native.stderr), 'messages');
  assert.equal(got.stdout, native.stdout, 'report');
  assert.deepEqual(Object.keys(got.files).sort(), Object.keys(native.files).sort(), 'files written');
  for (const [file, { base64 }] of Object.entries(got.files)) {
    assert.ok(Buffer.from(base64, 'base64').equals(native.files[file]), `${file} byte for byte`);
  }
  return native;
}

describe('downloads match the native aadx-replay', () => {
  for (const c of goodCases) {
    test(c.name, async () => {
      const page = await openPage(browser, site.base);
      const got = await scoreFile(page, c.log, c);
      await screenshot(page, c.name);
      await assertSameAsNative(got, c.log, c);
      const ctyInfo = await page.$eval('#cty-info', (e) => e.textContent);
      assert.ok(ctyInfo.startsWith(c.cty ? path.basename(c.cty) : 'Debian\'s hamradio-files'), ctyInfo);
      assert.equal(got.status, 0);
      const names = Object.keys(got.files);
      for (const ending of ['err.txt', 'sponsor-check.txt', '-scores.json',
        ...(got.args.includes('--cabrillo') ? ['.cbr'] : [])]) {
        assert.ok(names.some((n) => n.endsWith(ending)), `offers a ${ending} file: ${names}`);
      }
      assert.ok(got.contactRows > 0, 'lists the contacts');
      assert.deepEqual(page.errors, []);
      await page.close();
    });
  }
});

describe('bad input gets the tool\'s messages', () => {
  for (const c of badCases) {
    test(c.name, async () => {
      const page = await openPage(browser, site.base);
      const got = await scoreFile(page, c.log);
      await screenshot(page, `bad-${c.name}`);
      const native = await assertSameAsNative(got, c.log);
      assert.equal(got.shownMessages, withoutProgress(native.stderr).trimEnd(), 'shown on the page');
      if (c.reason) {
        const sponsor = await page.$eval('#sponsor', (e) => e.textContent);
        assert.ok(native.stdout.includes(sponsor), 'the sponsor\'s part as printed');
        assert.match(sponsor, new RegExp(`\\n  ${c.reason} +[1-9]`));
      } else {
        assert.notEqual(native.stderr, '', 'the tool says why');
        assert.notEqual(got.status, 0);
      }
      assert.deepEqual(page.errors, []);
      await page.close();
    });
  }
});

describe('?log= opens a log from the same site', () => {
  const cases = [
    { name: 'sample', query: 'samples/aadx-dx-ssb.log', log: path.join(samples, 'aadx-dx-ssb.log') },
    { name: 'style-log', query: `testdata/${styleLogs[0]}`, log: path.join(testdata, styleLogs[0]) },
    { name: 'bad-log', query: 'bad/empty.log', log: path.join(badDir, 'empty.log') },
  ];
  for (const c of cases) {
    test(c.name, async () => {
      const page = await openPage(browser, `${site.base}?log=${encodeURIComponent(c.query)}`);
      await waitForRun(page);
      const got = await pageResult(page);
      await screenshot(page, `query-${c.name}`);
      await assertSameAsNative(got, c.log);
      await page.close();
    });
  }

  const refused = [
    { name: 'other-site', query: 'https://example.org/log.adi', says: /only logs from this site/ },
    { name: 'missing', query: 'samples/no-such-log.adi', says: /no-such-log\.adi: HTTP 404/ },
  ];
  for (const c of refused) {
    test(c.name, async () => {
      const page = await openPage(browser, `${site.base}?log=${encodeURIComponent(c.query)}`);
      await waitForRun(page);
      const state = await page.evaluate(() => ({
        state: document.body.dataset.state,
        text: document.getElementById('message-text').textContent,
        results: !document.getElementById('results').hidden,
      }));
      assert.equal(state.state, 'failed');
      assert.match(state.text, c.says);
      assert.equal(state.results, false);
      await page.close();
    });
  }
});
