// Shared by the browser tests and the benchmark: a static server for the
// built page on 127.0.0.1, Debian's chromium through puppeteer-core, the
// page driven as a user drives it, and the native aadx-replay run on the
// same log with the arguments the page used.
import { execFile } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';

export const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const pageDir = process.env.AADX_WEB_DIR || path.join(root, 'build/web');
export const nativeBin = process.env.AADX_NATIVE_BIN || path.join(root, 'build/native/bin');
export const artifacts = path.join(root, 'build/web-test');
const chromium = process.env.CHROMIUM || '/usr/bin/chromium';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css',
  '.js': 'text/javascript',
  '.wasm': 'application/wasm',
};

// Serves build/web at / and the given folders at /<prefix>/.
export function serve(extra = {}) {
  const mounts = [...Object.entries(extra), ['', pageDir]];
  const server = http.createServer((req, res) => {
    const url = new URL(req.url, 'http://127.0.0.1');
    let file = null;
    for (const [prefix, dir] of mounts) {
      const at = prefix ? `/${prefix}/` : '/';
      if (!url.pathname.startsWith(at)) continue;
      const rel = decodeURIComponent(url.pathname.slice(at.length)) || 'index.html';
      const candidate = path.resolve(dir, rel);
      if (candidate.startsWith(path.resolve(dir) + path.sep)) file = candidate;
      break;
    }
    if (!file || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      res.writeHead(404).end('not found');
      return;
    }
    res.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream' });
    fs.createReadStream(file).pipe(res);
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => {
      resolve({ server, base: `http://127.0.0.1:${server.address().port}/` });
    });
  });
}

export function launch() {
  return puppeteer.launch({
    executablePath: chromium,
    headless: true,
    args: ['--no-sandbox', '--disable-dev-shm-usage'],
  });
}

export async function openPage(browser, url) {
  const page = await browser.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(e.message));
  await page.setViewport({ width: 1280, height: 900 });
  await page.goto(url);
  await page.evaluate(() => window.aadxReady);
  page.errors = errors;
  return page;
}

export function waitForRun(page) {
  return page.waitForFunction(
    () => ['done', 'failed'].includes(document.body.dataset.state),
    { timeout: 120000 },
  );
}

// Fills the options (field id -> value; true/false for checkboxes), the
// optional settings and country files, then chooses the log as a user would.
export async function scoreFile(page, logPath, { fields = {}, settings, cty } = {}) {
  for (const [id, value] of Object.entries(fields)) {
    await page.$eval(`#${id}`, (e, v) => {
      if (e.type === 'checkbox') e.checked = v;
      else e.value = v;
    }, value);
  }
  if (settings) await (await page.$('#settings-file')).uploadFile(settings);
  if (cty) await (await page.$('#cty-file')).uploadFile(cty);
  await page.evaluate(() => { document.body.dataset.state = 'choosing'; });
  await (await page.$('#log-file')).uploadFile(logPath);
  await waitForRun(page);
  return pageResult(page);
}

// What the page shows and offers: every download's bytes by the path the
// tool wrote it under, the messages, and the run's arguments.
export async function pageResult(page) {
  return page.evaluate(async () => {
    const files = {};
    for (const a of document.querySelectorAll('#downloads a')) {
      const bytes = new Uint8Array(await (await fetch(a.href)).arrayBuffer());
      let text = '';
      for (let i = 0; i < bytes.length; i += 0x8000) {
        text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
      }
      files[a.dataset.path] = { name: a.download, base64: btoa(text) };
    }
    const messages = document.getElementById('messages');
    return {
      ...window.aadxLast,
      timing: window.aadxTiming,
      files,
      shownMessages: messages.hidden ? '' : document.getElementById('message-text').textContent,
      contactRows: document.querySelectorAll('#contacts tbody tr').length,
    };
  });
}

function listFiles(dir, prefix = '') {
  const out = {};
  for (const entry of fs.readdirSync(dir, { withFileTypes: true })) {
    const rel = prefix + entry.name;
    const full = path.join(dir, entry.name);
    if (entry.isDirectory()) Object.assign(out, listFiles(full, `${rel}/`));
    else out[rel] = fs.readFileSync(full);
  }
  return out;
}

// Runs the native tool in a fresh folder on a copy of the log named as the
// page named it, with the page's arguments (its in-memory paths of the
// country and settings files mapped to the real ones: the page's own
// cty.dat unless another is given). Its printed paths
// are mapped back, so that the output compares with the page's.
export function runNative(logPath, pageArgs, { settings, cty: ctyFile, logName } = {}) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'aadx-web-'));
  const name = logName || path.basename(logPath);
  fs.copyFileSync(logPath, path.join(dir, name));
  const cty = ctyFile || path.join(pageDir, 'cty.dat');
  const args = pageArgs.map((a) => (a === '/cty/cty.dat' ? cty : a === '/cfg/AADX.ini' ? settings : a));
  return new Promise((resolve) => {
    const started = process.hrtime.bigint();
    execFile(path.join(nativeBin, 'aadx-replay'), args, { cwd: dir, encoding: 'buffer', maxBuffer: 1 << 28 },
      (error, stdout, stderr) => {
        const ms = Number(process.hrtime.bigint() - started) / 1e6;
        const files = listFiles(dir);
        delete files[name];
        const unmap = (b) => b.toString('utf8').split(`${dir}/`).join('/work/')
          .split(`${nativeBin}/`).join('').split(cty).join('/cty/cty.dat');
        fs.rmSync(dir, { recursive: true, force: true });
        resolve({ status: error ? error.code : 0, stdout: unmap(stdout), stderr: unmap(stderr), files, ms });
      });
  });
}

// The tool's progress lines come and go with the machine's speed (shown
// after half a second of a stage); they are left out of comparisons.
export function withoutProgress(text) {
  return text.replace(/^aadx-replay: (Reading|Replaying) \d+ of \d+ \(\d+%\)\n/gm, '');
}

export async function screenshot(page, name) {
  fs.mkdirSync(artifacts, { recursive: true });
  const file = path.join(artifacts, `${name}.png`);
  await page.screenshot({ path: file, fullPage: true });
  return file;
}
