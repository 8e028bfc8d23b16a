// Runs aadx-replay (compiled to WebAssembly, the plug-in linked in) off the
// page's thread, so that the page stays responsive during a long log. Every
// run gets a fresh instance of the module, as the tool loads the plug-in
// afresh: the log, the country file and the settings file go into
// emscripten's in-memory file system, main runs with the tool's arguments,
// and what it printed and wrote goes back to the page.
'use strict';

importScripts('aadx-replay.js');

const compiled = fetch('aadx-replay.wasm').then((response) => {
  if (!response.ok) throw new Error(`aadx-replay.wasm: HTTP ${response.status}`);
  return response.arrayBuffer();
}).then((bytes) => WebAssembly.compile(bytes));

function byteSink(list) {
  return (byte) => {
    if (byte !== null && byte !== undefined) list.push(byte);
  };
}

function readTree(FS, dir, into, prefix) {
  for (const name of FS.readdir(dir)) {
    if (name === '.' || name === '..') continue;
    const path = `${dir}/${name}`;
    if (FS.isDir(FS.stat(path).mode)) readTree(FS, path, into, `${prefix}${name}/`);
    else into[prefix + name] = FS.readFile(path);
  }
}

async function runReplay({ log, cty, settings, args }) {
  const wasm = await compiled;
  const out = [];
  const err = [];
  const module = await createAadxReplay({
    noInitialRun: true,
    instantiateWasm(imports, done) {
      WebAssembly.instantiate(wasm, imports).then((instance) => done(instance, wasm));
      return {};
    },
    stdout: byteSink(out),
    stderr: byteSink(err),
  });
  const { FS } = module;
  for (const dir of ['/work', '/cty', '/cfg']) FS.mkdir(dir);
  FS.writeFile(`/work/${log.name}`, log.bytes);
  FS.writeFile('/cty/cty.dat', cty);
  if (settings) FS.writeFile('/cfg/AADX.ini', settings);
  FS.chdir('/work');
  let status;
  try {
    status = module.callMain(args);
  } catch (e) {
    err.push(...new TextEncoder().encode(`aadx-replay: ${e}\n`));
    status = 2;
  }
  const files = {};
  readTree(FS, '/work', files, '');
  delete files[log.name];
  const decode = (bytes) => new TextDecoder('utf-8').decode(new Uint8Array(bytes));
  return { status, stdout: decode(out), stderr: decode(err), files };
}

compiled.then(() => postMessage({ ready: true }),
  (e) => postMessage({ ready: false, error: String(e.message || e) }));

onmessage = async (event) => {
  const { id } = event.data;
  try {
    const result = await runReplay(event.data);
    postMessage({ id, result }, Object.values(result.files).map((bytes) => bytes.buffer));
  } catch (e) {
    postMessage({ id, error: String(e.message || e) });
  }
};
