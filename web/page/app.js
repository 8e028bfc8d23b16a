// The page: runs aadx-replay (compiled to WebAssembly, the plug-in linked
// in; worker.js) on the chosen log with the options given, then shows what
// it printed and offers the files it wrote.
'use strict';

(() => {
  const $ = (id) => document.getElementById(id);
  const SHOWN_ROWS = 1000; // contacts drawn at once; sorting and filtering see all
  const HEADER_FIELDS = ['CATEGORY-OPERATOR', 'CATEGORY-BAND', 'CATEGORY-POWER',
    'NAME', 'EMAIL', 'OPERATORS'];

  const state = {
    cty: null, // {bytes}
    settings: null, // {name, bytes}
    log: null, // {name, bytes}
    loading: Promise.resolve(), // the settings or country file being read
    contacts: [],
    sort: { column: -1, up: true },
    latest: 0, // the run whose results the page shows
  };

  // --- Input ----------------------------------------------------------------

  // A file name the tool can be given as is: the last part of the path,
  // without separators.
  function safeName(name) {
    const base = String(name).split(/[\\/]/).pop().replace(/\0/g, '');
    return base === '' || base === '.' || base === '..' ? 'log' : base;
  }

  // The country file's version entry (=VERyyyymmdd), as a date.
  function ctyInfo(bytes, source) {
    const text = new TextDecoder('latin1').decode(bytes);
    const m = /=VER(\d{4})(\d{2})(\d{2})/.exec(text);
    const version = m ? `version of ${m[1]}-${m[2]}-${m[3]}` : 'no version entry';
    return `${source}, ${version}, ${bytes.length} bytes`;
  }

  function headerValues() {
    const values = [];
    for (const tag of HEADER_FIELDS) {
      const v = $(`hdr-${tag}`).value.trim();
      if (v) values.push(`${tag}=${v}`);
    }
    for (const line of $('opt-headers').value.split('\n')) {
      if (line.trim()) values.push(line.trim());
    }
    return values;
  }

  // aadx-replay's arguments for the options on the page.
  function replayArgs(logName, jsonName) {
    const args = [logName, '--cty', '/cty/cty.dat', '--out', 'out', '--json', jsonName];
    const text = (id, option) => {
      const v = $(id).value.trim();
      if (v) args.push(option, v);
    };
    text('opt-call', '--call');
    text('opt-continent', '--continent');
    text('opt-contest', '--contest');
    text('opt-start', '--start');
    text('opt-end', '--end');
    if ($('opt-cabrillo').checked) args.push('--cabrillo');
    if ($('opt-log-dxcc').checked) args.push('--log-dxcc');
    if ($('opt-log-pfx').checked) args.push('--log-pfx');
    for (const value of headerValues()) args.push('--header', value);
    for (const line of $('opt-checks').value.split('\n')) {
      const [call, band, mode] = line.trim().split(/\s+/);
      if (!call) continue;
      args.push('--check', call, '--band', band || '');
      if (mode) args.push('--mode', mode);
    }
    if (state.settings) args.push('--settings', '/cfg/AADX.ini');
    return args;
  }

  // --- Running the tool -----------------------------------------------------

  // The runs happen in worker.js, each in a module instance of its own.
  const worker = new Worker('worker.js');
  const pending = new Map();
  let nextRun = 0;
  const workerReady = new Promise((resolve, reject) => {
    worker.addEventListener('message', (event) => {
      const data = event.data;
      if ('ready' in data) {
        if (data.ready) resolve();
        else reject(new Error(data.error));
        return;
      }
      const run = pending.get(data.id);
      pending.delete(data.id);
      if (data.error) run.reject(new Error(data.error));
      else run.resolve(data.result);
    });
    worker.addEventListener('error', (e) => reject(new Error(e.message || 'worker.js failed')));
  });

  // Runs the tool on the log; resolves to its exit status, output and files.
  function runReplay(log, args) {
    nextRun += 1;
    const id = nextRun;
    return new Promise((resolve, reject) => {
      pending.set(id, { resolve, reject });
      worker.postMessage({
        id, log, args, cty: state.cty.bytes, settings: state.settings && state.settings.bytes,
      });
    });
  }

  // --- Showing the results --------------------------------------------------

  function show(id, visible) {
    $(id).hidden = !visible;
  }

  // The tool's progress lines, which it prints to a non-terminal for runs
  // longer than half a second: no news once the run is done.
  const PROGRESS_LINE = /^aadx-replay: (Reading|Replaying) \d+ of \d+ \(\d+%\)\n/gm;

  function withoutProgress(text) {
    return text.replace(PROGRESS_LINE, '');
  }

  function setMessages(text, isError) {
    $('message-text').textContent = text;
    $('messages').classList.toggle('info', !isError);
    show('messages', text !== '');
  }

  // The report's parts: the plug-in's summary, the sponsor's table with the
  // reconciliation, and the rest (counts, checks, files).
  function splitReport(stdout) {
    const sponsorAt = stdout.indexOf('Score by the sponsor');
    if (sponsorAt < 0) return { summary: stdout, sponsor: '', rest: '' };
    const summary = stdout.slice(0, sponsorAt).trimEnd();
    const after = stdout.slice(sponsorAt);
    // The sponsor's part ends with the reconciliation, before the counts.
    const countsAt = after.search(/\n\n(?=Records\n)/);
    if (countsAt < 0) return { summary, sponsor: after.trimEnd(), rest: '' };
    return { summary, sponsor: after.slice(0, countsAt).trimEnd(), rest: after.slice(countsAt).trim() };
  }

  function downloadName(path) {
    return path.split('/').pop();
  }

  function renderDownloads(files, jsonName) {
    const box = $('downloads');
    box.textContent = '';
    const order = (p) => (p.endsWith('.cbr') ? 0 : p.endsWith('err.txt') ? 1
      : p.endsWith('sponsor-check.txt') ? 2 : p === jsonName ? 3 : 4);
    const paths = Object.keys(files).sort((a, b) => order(a) - order(b) || a.localeCompare(b));
    for (const path of paths) {
      const a = document.createElement('a');
      const blob = new Blob([files[path]], { type: 'application/octet-stream' });
      a.href = URL.createObjectURL(blob);
      a.download = downloadName(path);
      a.dataset.path = path;
      a.textContent = `${downloadName(path)} (${files[path].length} bytes)`;
      box.appendChild(a);
    }
    if (paths.length === 0) box.textContent = 'No files were written.';
  }

  // One line of sponsor-check.txt: time, band, call, entity, continent,
  // prefix, points, then the new multiplier (8 wide) and the reasons.
  const CHECK_LINE = /^(\S+ \S+)\s{2,}(\S+)\s{2,}(\S+)\s{2,}(\S+)\s{2,}(\S+)\s{2,}(\S+)\s{2,}(-?\d+)(.*)$/;

  function parseCheckReport(text) {
    const contacts = [];
    const lines = text.split(/\r?\n/);
    for (const line of lines.slice(2)) {
      const m = CHECK_LINE.exec(line);
      if (!m) continue;
      const rest = m[8];
      const reasons = rest.slice(12).trim();
      contacts.push([m[1], m[2], m[3], m[4], m[5], m[6], Number(m[7]),
        rest.slice(2, 10).trim(), reasons]);
    }
    return contacts;
  }

  const COLUMNS = ['Time', 'Band', 'Call', 'Entity', 'Cont', 'Prefix', 'Points', 'New mult', 'Reason'];

  function renderContacts() {
    const filter = $('reason-filter').value;
    let rows = state.contacts;
    if (filter === '(none)') rows = rows.filter((c) => c[8] === '');
    else if (filter) rows = rows.filter((c) => c[8].split(', ').includes(filter));
    const { column, up } = state.sort;
    if (column >= 0) {
      rows = rows.slice().sort((a, b) => {
        const x = a[column];
        const y = b[column];
        const order = typeof x === 'number' ? x - y : String(x).localeCompare(String(y));
        return up ? order : -order;
      });
    }
    const head = $('contacts').tHead;
    head.textContent = '';
    const tr = head.insertRow();
    COLUMNS.forEach((name, i) => {
      const th = document.createElement('th');
      th.textContent = name;
      if (i === column) th.className = up ? 'sorted-up' : 'sorted-down';
      th.addEventListener('click', () => {
        state.sort = { column: i, up: state.sort.column === i ? !state.sort.up : true };
        renderContacts();
      });
      tr.appendChild(th);
    });
    const body = document.createElement('tbody');
    for (const c of rows.slice(0, SHOWN_ROWS)) {
      const row = body.insertRow();
      if (c[6] === 0 && c[8] !== '') row.className = 'refused';
      c.forEach((v, i) => {
        const td = row.insertCell();
        td.textContent = v;
        if (i === 6) td.className = 'num';
      });
    }
    $('contacts').replaceChild(body, $('contacts').tBodies[0]);
    $('contact-count').textContent = rows.length > SHOWN_ROWS
      ? `${rows.length} contacts, the first ${SHOWN_ROWS} shown`
      : `${rows.length} contacts`;
  }

  function fillReasonFilter() {
    const select = $('reason-filter');
    const counts = new Map();
    for (const c of state.contacts) {
      for (const r of c[8] ? c[8].split(', ') : ['(none)']) counts.set(r, (counts.get(r) || 0) + 1);
    }
    select.textContent = '';
    select.add(new Option(`all contacts (${state.contacts.length})`, ''));
    for (const [reason, n] of [...counts].sort()) {
      const label = reason === '(none)' ? 'no reason' : reason;
      select.add(new Option(`${label} (${n})`, reason));
    }
  }

  // --- Charts (SVG) ---------------------------------------------------------

  const SVG = 'http://www.w3.org/2000/svg';

  function svgElement(name, attributes, text) {
    const e = document.createElementNS(SVG, name);
    for (const [k, v] of Object.entries(attributes)) e.setAttribute(k, v);
    if (text !== undefined) e.textContent = text;
    return e;
  }

  // Bars of one or two series over labelled slots, with a title per bar.
  function barChart(slots, series, options) {
    const width = 560;
    const height = options.height || 200;
    const left = 36;
    const bottom = 22;
    const top = options.legend ? 26 : 12;
    const svg = svgElement('svg', { viewBox: `0 0 ${width} ${height}`, role: 'img' });
    const max = Math.max(1, ...series.flatMap((s) => s.values));
    const plotH = height - top - bottom;
    const slotW = (width - left - 4) / Math.max(1, slots.length);
    const barW = Math.max(1, (slotW * 0.8) / series.length);
    svg.appendChild(svgElement('line', { x1: left, y1: top + plotH, x2: width, y2: top + plotH, class: 'axis' }));
    for (const frac of [0.5, 1]) {
      const y = top + plotH * (1 - frac);
      svg.appendChild(svgElement('line', { x1: left, y1: y, x2: width, y2: y, class: 'axis' }));
      svg.appendChild(svgElement('text', { x: left - 4, y: y + 4, 'text-anchor': 'end' }, String(Math.round(max * frac))));
    }
    slots.forEach((label, i) => {
      const x0 = left + i * slotW + slotW * 0.1;
      series.forEach((s, j) => {
        const v = s.values[i];
        const h = (plotH * v) / max;
        const bar = svgElement('rect', { x: x0 + j * barW, y: top + plotH - h, width: barW, height: h, class: s.className });
        bar.appendChild(svgElement('title', {}, `${label}: ${v} ${s.name}`));
        svg.appendChild(bar);
      });
      if (options.labelEvery === undefined || i % options.labelEvery === 0) {
        svg.appendChild(svgElement('text', { x: x0 + (barW * series.length) / 2, y: height - 6, 'text-anchor': 'middle' }, label));
      }
    });
    if (options.legend) {
      series.forEach((s, j) => {
        svg.appendChild(svgElement('rect', { x: left + 8 + j * 120, y: 2, width: 10, height: 10, class: s.className }));
        svg.appendChild(svgElement('text', { x: left + 22 + j * 120, y: 11 }, s.name));
      });
    }
    return svg;
  }

  function renderHourChart() {
    const box = $('chart-hours');
    box.textContent = '';
    const times = [];
    for (const c of state.contacts) {
      const m = /^(\d{4})-(\d\d)-(\d\d) (\d\d)(\d\d)(\d\d)?$/.exec(c[0]);
      if (m) times.push(Date.UTC(m[1], m[2] - 1, m[3], m[4], m[5], m[6] || 0));
    }
    if (times.length === 0) {
      box.textContent = 'No contact times.';
      return;
    }
    const hour = 3600e3;
    const first = Math.floor(times.reduce((a, b) => Math.min(a, b)) / hour);
    const last = Math.floor(times.reduce((a, b) => Math.max(a, b)) / hour);
    const counts = new Array(Math.min(last - first + 1, 24 * 14)).fill(0);
    for (const t of times) {
      const i = Math.floor(t / hour) - first;
      if (i < counts.length) counts[i] += 1;
    }
    const slots = counts.map((_, i) => {
      const d = new Date((first + i) * hour);
      return `${String(d.getUTCDate()).padStart(2, '0')}/${String(d.getUTCHours()).padStart(2, '0')}`;
    });
    box.appendChild(barChart(slots, [{ name: 'QSOs', values: counts, className: 'bar1' }],
      { labelEvery: Math.max(1, Math.ceil(slots.length / 8)) }));
    const note = document.createElement('p');
    note.className = 'muted note';
    note.textContent = 'UTC day/hour of every contact the sponsor\'s check lists, refused ones included.';
    box.appendChild(note);
  }

  function renderBandChart(json) {
    const box = $('chart-bands');
    box.textContent = '';
    if (!json) {
      box.textContent = 'No scores to chart.';
      return;
    }
    const bands = [];
    for (const b of [...json.plugin.bands, ...json.sponsor.bands]) {
      if (!bands.includes(b.band)) bands.push(b.band);
    }
    const figure = (table, band, key) => {
      const b = table.bands.find((x) => x.band === band);
      return b ? b[key] : 0;
    };
    for (const [key, title] of [['points', 'points'], ['multipliers', 'multipliers']]) {
      box.appendChild(barChart(bands, [
        { name: `plug-in ${title}`, values: bands.map((b) => figure(json.plugin, b, key)), className: 'bar1' },
        { name: `sponsor ${title}`, values: bands.map((b) => figure(json.sponsor, b, key)), className: 'bar2' },
      ], { height: 150, legend: true }));
    }
  }

  function parseJson(bytes) {
    if (!bytes) return null;
    try {
      return JSON.parse(new TextDecoder().decode(bytes));
    } catch (e) {
      return null;
    }
  }

  // --- Driving a run --------------------------------------------------------

  async function score(startedAt) {
    await state.loading;
    if (!state.log || !state.cty) return;
    document.body.dataset.state = 'running';
    $('run').disabled = true;
    const started = startedAt || performance.now();
    const stem = state.log.name.replace(/\.[^.]*$/, '') || 'log';
    const jsonName = `${stem}-scores.json`;
    const args = replayArgs(state.log.name, jsonName);
    $('timing').textContent = `${state.log.name}: scoring…`;
    state.latest += 1;
    const run = state.latest;
    let result;
    try {
      result = await runReplay(state.log, args);
    } catch (e) {
      result = { status: 2, stdout: '', stderr: `aadx-replay: ${e.message || e}\n`, files: {} };
    }
    if (run !== state.latest) return; // another log was chosen meanwhile
    const ran = performance.now();
    window.aadxLast = { args, status: result.status, stdout: result.stdout, stderr: result.stderr,
      jsonName, files: Object.keys(result.files) };

    setMessages(withoutProgress(result.stderr).trimEnd(), result.status !== 0);
    const scored = result.stdout !== '';
    show('results', scored || Object.keys(result.files).length > 0);
    const parts = splitReport(result.stdout);
    $('summary').textContent = parts.summary;
    $('sponsor').textContent = parts.sponsor || '(none)';
    $('report').textContent = parts.rest;
    renderDownloads(result.files, jsonName);
    const check = result.files['out/sponsor-check.txt'];
    state.contacts = check ? parseCheckReport(new TextDecoder('latin1').decode(check)) : [];
    state.sort = { column: -1, up: true };
    fillReasonFilter();
    renderContacts();
    renderHourChart();
    renderBandChart(parseJson(result.files[jsonName]));
    const done = performance.now();
    window.aadxTiming = { runMs: ran - started, totalMs: done - started };
    $('timing').textContent = `${state.log.name}: scored in ${Math.round(ran - started)} ms, shown in ${Math.round(done - started)} ms (exit status ${result.status}).`;
    $('run').disabled = false;
    // The options stay at hand, out of the results' way.
    if (scored) $('options').open = false;
    document.body.dataset.state = result.status === 0 ? 'done' : 'failed';
  }

  async function openLog(name, bytesPromise, startedAt) {
    const started = startedAt || performance.now();
    document.body.dataset.state = 'running';
    try {
      const bytes = new Uint8Array(await bytesPromise);
      state.log = { name: safeName(name), bytes };
      $('log-name').textContent = `${state.log.name}, ${bytes.length} bytes`;
    } catch (e) {
      setMessages(`${name}: ${e.message || e}`, true);
      document.body.dataset.state = 'failed';
      return;
    }
    await ready;
    await state.loading;
    await score(started);
  }

  function fileChosen(file) {
    if (file) openLog(file.name, file.arrayBuffer(), performance.now());
  }

  // ?log=URL: a log from this site.
  function logFromQuery() {
    const param = new URLSearchParams(location.search).get('log');
    if (!param) return;
    let url;
    try {
      url = new URL(param, location.href);
    } catch (e) {
      setMessages(`?log=${param}: not a URL`, true);
      return;
    }
    if (url.origin !== location.origin) {
      setMessages(`?log=${param}: only logs from this site can be opened; choose the file instead`, true);
      document.body.dataset.state = 'failed';
      return;
    }
    const name = decodeURIComponent(url.pathname.split('/').pop()) || 'log';
    openLog(name, fetch(url).then((r) => {
      if (!r.ok) throw new Error(`HTTP ${r.status} ${r.statusText}`.trim());
      return r.arrayBuffer();
    }));
  }

  // --- Wiring ---------------------------------------------------------------

  const ready = (async () => {
    try {
      const [, ctyBytes] = await Promise.all([
        workerReady,
        fetch('cty.dat').then((r) => {
          if (!r.ok) throw new Error(`cty.dat: HTTP ${r.status}`);
          return r.arrayBuffer();
        }),
      ]);
      const bytes = new Uint8Array(ctyBytes);
      state.cty = { bytes };
      $('cty-info').textContent = ctyInfo(bytes, "Debian's hamradio-files cty.dat");
      $('run').disabled = false;
    } catch (e) {
      setMessages(`The page could not load: ${e.message || e}`, true);
      document.body.dataset.state = 'failed';
      throw e;
    }
  })();
  window.aadxReady = ready;

  $('log-file').addEventListener('change', (e) => fileChosen(e.target.files[0]));
  $('settings-file').addEventListener('change', (e) => {
    const f = e.target.files[0];
    state.loading = (async () => {
      state.settings = f ? { name: f.name, bytes: new Uint8Array(await f.arrayBuffer()) } : null;
    })();
  });
  $('cty-file').addEventListener('change', (e) => {
    const f = e.target.files[0];
    if (!f) return;
    state.loading = (async () => {
      await ready;
      const bytes = new Uint8Array(await f.arrayBuffer());
      state.cty = { bytes };
      $('cty-info').textContent = ctyInfo(bytes, safeName(f.name));
    })();
  });
  $('run').addEventListener('click', () => score());
  $('reason-filter').addEventListener('change', renderContacts);
  const drop = $('drop');
  drop.addEventListener('dragover', (e) => {
    e.preventDefault();
    drop.classList.add('over');
  });
  drop.addEventListener('dragleave', () => drop.classList.remove('over'));
  drop.addEventListener('drop', (e) => {
    e.preventDefault();
    drop.classList.remove('over');
    fileChosen(e.dataTransfer.files[0]);
  });
  document.body.dataset.state = 'idle';
  logFromQuery();
})();
