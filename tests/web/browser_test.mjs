// The web edition in a real browser: headless chromium loads build-web/site/
// from a local server, driven over the DevTools protocol on a pipe (no package
// beyond node itself), and the page's pixels are compared with gyrosolid-cli's.
//
//   node tests/web/browser_test.mjs SITE_DIR GYROSOLID_CLI [--figures 1,5,11]
//
// Checks: every listed figure at two sizes and after 50 automatic-rotation
// frames gives the desktop renderer's pixels (a hash of the canvas against a
// hash of the CLI's BMP); Q/W keys step the figure as the desktop's order does;
// a mouse drag turns the picture as the desktop's drag does; a shared link
// (the URL's fragment) shows the same picture in a new page; a settings file
// loaded in the page draws what the CLI draws with it. Prints the times it saw.

import { spawn, execFile } from 'node:child_process';
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, writeFileSync, rmSync, existsSync } from 'node:fs';
import { tmpdir, cpus } from 'node:os';
import { join, extname, resolve } from 'node:path';
import { promisify } from 'node:util';

const run = promisify(execFile);
const [siteDir, cliPath, ...rest] = process.argv.slice(2);
if (!siteDir || !cliPath) {
  console.error('usage: node browser_test.mjs SITE_DIR GYROSOLID_CLI [--figures N,N,...]');
  process.exit(2);
}
const figuresArg = rest.includes('--figures') ? rest[rest.indexOf('--figures') + 1] : null;
// --frame-times: also measures every figure's frame in the page against the
// CLI's bench (printed, never judged: the machine's load decides them).
const frameTimes = rest.includes('--frame-times');
const work = mkdtempSync(join(tmpdir(), 'gyro-web-test-'));
let failures = 0;
const fail = (what) => { failures += 1; console.log('FAIL ' + what); };
const pass = (what) => console.log('ok   ' + what);

// ---- The local server -------------------------------------------------------

const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm' };
const outside = [];
const pageLog = [];
const server = createServer((req, res) => {
  const path = new URL(req.url, 'http://127.0.0.1').pathname;
  const file = join(siteDir, path === '/' ? 'index.html' : path);
  if (!resolve(file).startsWith(resolve(siteDir)) || !existsSync(file)) {
    res.writeHead(404);
    res.end();
    return;
  }
  res.writeHead(200, { 'Content-Type': types[extname(file)] || 'application/octet-stream' });
  res.end(readFileSync(file));
});
await new Promise((ok) => server.listen(0, '127.0.0.1', ok));
const origin = `http://127.0.0.1:${server.address().port}`;

// ---- The browser over the DevTools protocol on a pipe ----------------------

const browser = spawn('chromium', [
  '--headless=new', '--no-sandbox', '--disable-gpu', '--remote-debugging-pipe', '--no-first-run',
  '--force-device-scale-factor=1', '--window-size=800,600', `--user-data-dir=${join(work, 'profile')}`,
  '--disable-background-timer-throttling', '--disable-renderer-backgrounding', 'about:blank',
], { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'] });
let browserLog = '';
browser.stderr.on('data', (d) => { browserLog = (browserLog + d).slice(-4000); });
const toBrowser = browser.stdio[3];
const fromBrowser = browser.stdio[4];
let nextId = 1;
const waiting = new Map();
const listeners = [];
let buffered = '';
fromBrowser.on('data', (chunk) => {
  buffered += chunk.toString('utf8');
  let end;
  while ((end = buffered.indexOf('\0')) >= 0) {
    const message = JSON.parse(buffered.slice(0, end));
    buffered = buffered.slice(end + 1);
    if (message.id && waiting.has(message.id)) {
      const { ok, no } = waiting.get(message.id);
      waiting.delete(message.id);
      if (message.error) no(new Error(JSON.stringify(message.error))); else ok(message.result);
    } else if (message.method) {
      for (const l of listeners) l(message);
    }
  }
});
function send(method, params = {}, sessionId) {
  const id = nextId++;
  toBrowser.write(JSON.stringify({ id, method, params, ...(sessionId ? { sessionId } : {}) }) + '\0');
  return new Promise((ok, no) => waiting.set(id, { ok, no }));
}

async function openPage(url) {
  const { targetId } = await send('Target.createTarget', { url: 'about:blank' });
  const { sessionId } = await send('Target.attachToTarget', { targetId, flatten: true });
  const page = {
    sessionId,
    targetId,
    call: (method, params) => send(method, params, sessionId),
    async eval(expression) {
      const r = await send('Runtime.evaluate', { expression, awaitPromise: true, returnByValue: true }, sessionId);
      if (r.exceptionDetails) throw new Error(expression.slice(0, 80) + ': ' + JSON.stringify(r.exceptionDetails));
      return r.result.value;
    },
  };
  await page.call('Runtime.enable');
  await page.call('Network.enable');
  listeners.push((m) => {
    if (m.sessionId === sessionId && m.method === 'Network.requestWillBeSent' &&
        !m.params.request.url.startsWith(origin) && !m.params.request.url.startsWith('data:') &&
        !m.params.request.url.startsWith('about:') && !m.params.request.url.startsWith('blob:')) {
      outside.push(m.params.request.url);
    }
    if (m.sessionId === sessionId && m.method === 'Runtime.consoleAPICalled') {
      pageLog.push(m.params.type + ': ' + m.params.args.map((a) => a.value ?? a.description).join(' '));
    }
    if (m.sessionId === sessionId && m.method === 'Runtime.exceptionThrown') {
      fail('the page threw: ' + JSON.stringify(m.params.exceptionDetails).slice(0, 300));
    }
  });
  const started = Date.now();
  await page.call('Page.navigate', { url });
  for (let i = 0; i < 600; ++i) {
    if (await page.eval('document.body && document.body.dataset.ready === "1"')) {
      page.readyMs = Date.now() - started;
      return page;
    }
    await new Promise((ok) => setTimeout(ok, 25));
  }
  throw new Error('the page did not start: ' + url + '\n' + pageLog.join('\n') + '\n' + browserLog);
}

// ---- The desktop's pixels ---------------------------------------------------

// FNV-1a over R, G, B of every pixel, rows top-down: the page's pictureHash.
function bmpHash(path) {
  const b = readFileSync(path);
  const w = b.readInt32LE(18), h = b.readInt32LE(22);
  const stride = Math.ceil((w * 3) / 4) * 4;
  let hash = 0x811c9dc5;
  for (let y = 0; y < h; ++y) {
    const row = 54 + (h - 1 - y) * stride;
    for (let x = 0; x < w; ++x) {
      const p = row + x * 3;
      for (const v of [b[p + 2], b[p + 1], b[p]]) {
        hash ^= v;
        hash = Math.imul(hash, 0x01000193) >>> 0;
      }
    }
  }
  return `${w}x${h}:` + hash.toString(16).padStart(8, '0');
}

async function cliHash(figure, size, extra = []) {
  const out = join(work, `f${figure}-${size}-${extra.length}-${Math.random().toString(36).slice(2)}.bmp`);
  await run(cliPath, ['render', String(figure), '--size', size, '-o', out, ...extra]);
  const h = bmpHash(out);
  rmSync(out);
  return h;
}

// Runs `jobs` (functions giving promises) two at a time.
async function inPairs(jobs) {
  const results = new Array(jobs.length);
  let next = 0;
  const worker = async () => { while (next < jobs.length) { const i = next++; results[i] = await jobs[i](); } };
  await Promise.all(Array.from({ length: Math.min(2, cpus().length) }, worker));
  return results;
}

// ---- The checks -------------------------------------------------------------

const timing = {};
try {
  let t0 = Date.now();
  const page = await openPage(origin + '/?test');
  timing.firstPage = page.readyMs;
  const listed = (await run(cliPath, ['list'])).stdout.trim().split('\n').map((l) => Number(l.split('\t')[0]));
  const figures = figuresArg ? figuresArg.split(',').map(Number) : listed;
  if (!figuresArg && figures.length < 400) fail(`the CLI lists only ${figures.length} figures`);

  // 1. Every figure at two sizes and after 50 frames of automatic rotation.
  const autoSettings = join(work, 'auto.txt');
  writeFileSync(autoSettings, 'autoroton:1\n');
  const cases = [
    { name: '256x256', w: 256, h: 256, page: '', cli: [] },
    { name: '301x177', w: 301, h: 177, page: '', cli: [] },
    { name: '256x256 after 50 frames of automatic rotation', w: 256, h: 256,
      page: 'p.api.set("autoroton:1");', after: 'p.api.motion(50);',
      cli: ['--settings', autoSettings, '--frames', '50'] },
  ];
  for (const c of cases) {
    t0 = Date.now();
    const want = await inPairs(figures.map((n) => () => cliHash(n, `${c.w}x${c.h}`, c.cli)));
    timing['cli ' + c.name] = Date.now() - t0;
    t0 = Date.now();
    const got = [];
    for (let i = 0; i < figures.length; i += 40) {
      const chunk = figures.slice(i, i + 40);
      got.push(...await page.eval(`(() => { const p = window.gyroPage; return ${JSON.stringify(chunk)}.map((n) => {
        p.fresh(${c.w}, ${c.h}); ${c.page} p.api.setFigure(n); ${c.after || ''} p.draw(); return p.pictureHash(); }); })()`));
    }
    timing['page ' + c.name] = Date.now() - t0;
    const wrong = figures.filter((n, i) => got[i] !== want[i]);
    if (wrong.length === 0) pass(`${figures.length} figures at ${c.name}: the page's pixels are the CLI's`);
    else fail(`${wrong.length} of ${figures.length} figures differ at ${c.name}: ${wrong.slice(0, 20).join(' ')}` +
              ` (figure ${wrong[0]}: page ${got[figures.indexOf(wrong[0])]}, cli ${want[figures.indexOf(wrong[0])]})`);
  }

  // 2. Keys: W steps forward, Q back, as the desktop's figure keys.
  await page.eval('window.gyroPage.fresh(256, 256); window.gyroPage.api.setFigure(5); window.gyroPage.draw(); 0');
  const key = async (code, k) => {
    for (const type of ['keyDown', 'keyUp']) {
      await page.call('Input.dispatchKeyEvent', { type, code, key: k, windowsVirtualKeyCode: k.toUpperCase().charCodeAt(0) });
    }
  };
  await key('KeyW', 'w');
  const stepped = await page.eval('window.gyroPage.api.figure()');
  const steppedHash = await page.eval('window.gyroPage.draw(), window.gyroPage.pictureHash()');
  await key('KeyQ', 'q');
  const back = await page.eval('window.gyroPage.api.figure()');
  if (stepped !== 5 && back === 5 && steppedHash === await cliHash(stepped, '256x256')) {
    pass(`W steps from figure 5 to ${stepped} (drawn as the CLI draws it), Q back to 5`);
  } else {
    fail(`keys: W gave figure ${stepped}, Q then ${back}`);
  }
  // A held arrow key turns the picture in the next pass.
  const before = await page.eval('window.gyroPage.draw(), window.gyroPage.pictureHash()');
  await page.call('Input.dispatchKeyEvent', { type: 'keyDown', code: 'ArrowUp', key: 'ArrowUp', windowsVirtualKeyCode: 38 });
  await page.eval('window.gyroPage.pass(), 0');
  await page.call('Input.dispatchKeyEvent', { type: 'keyUp', code: 'ArrowUp', key: 'ArrowUp', windowsVirtualKeyCode: 38 });
  const afterArrow = await page.eval('window.gyroPage.pictureHash()');
  if (afterArrow !== before) pass('a held arrow key turns the picture'); else fail('the arrow key did not turn the picture');

  // 3. A drag turns the picture as the desktop's drag: the CLI, given the
  // view the drag left (from the page's link), draws the same pixels.
  await page.eval('window.gyroPage.fresh(256, 256); window.gyroPage.api.setFigure(11); window.gyroPage.draw(); 0');
  const unturned = await page.eval('window.gyroPage.pictureHash()');
  const box = await page.eval('(() => { const r = document.getElementById("picture").getBoundingClientRect(); return [r.left, r.top]; })()');
  const mouse = (type, x, y, buttons) => page.call('Input.dispatchMouseEvent', {
    type, x: box[0] + x, y: box[1] + y, button: 'left', buttons, clickCount: type === 'mouseMoved' ? 0 : 1 });
  await mouse('mousePressed', 100, 100, 1);
  for (let i = 1; i <= 6; ++i) await mouse('mouseMoved', 100 + 7 * i, 100 + 3 * i, 1);
  await mouse('mouseReleased', 142, 118, 0);
  const turned = await page.eval('window.gyroPage.draw(), window.gyroPage.pictureHash()');
  const link = await page.eval('window.gyroPage.api.link()');
  const lines = linkToSettings(link);
  const dragSettings = join(work, 'drag.txt');
  writeFileSync(dragSettings, lines.text);
  const dragWant = await cliHash(lines.figure, '256x256', ['--settings', dragSettings]);
  if (turned !== unturned && turned === dragWant) pass('a drag turns the picture, as the desktop draws that view');
  else fail(`drag: unturned ${unturned}, turned ${turned}, CLI with the dragged view ${dragWant}`);

  // 4. The shared link: a new page opened with it shows the same picture.
  await page.eval('window.gyroPage.fitCanvas(); window.gyroPage.draw(); 0');
  const shown = await page.eval('window.gyroPage.pictureHash()');
  const shared = await openPage(origin + '/?test#' + link);
  const restored = await shared.eval('window.gyroPage.draw(), window.gyroPage.pictureHash()');
  const restoredFigure = await shared.eval('window.gyroPage.api.figure()');
  if (restoredFigure === 11 && restored === shown) pass('a shared link restores the figure and the view');
  else fail(`link: figure ${restoredFigure}, picture ${restored} instead of ${shown}`);
  const junk = await shared.eval('window.gyroPage.api.openLink("z=99999&ax=1,2") + window.gyroPage.api.openLink("rad=1")');
  if (junk === 0 && await shared.eval('window.gyroPage.api.figure()') === 11) pass('a broken link changes nothing');
  else fail('a broken link was taken');
  await send('Target.closeTarget', { targetId: shared.targetId });

  // 5. A settings file loaded in the page draws what the CLI draws with it.
  const settings = join(work, 'look.txt');
  writeFileSync(settings, 'zukei:120\nfacecolmode:9\nbkmode:1\npenbold:0\nlightmode:1\nrad:0.8\n' +
                          'ax[0][0]:0.8\nax[0][2]:0.6\nax[2][0]:-0.6\nax[2][2]:0.8\n');
  const loaded = await page.eval(`(() => { const p = window.gyroPage; p.fresh(256, 256);
    const ok = p.api.loadSettings(${JSON.stringify(readFileSync(settings, 'utf8'))}); p.draw();
    return [ok, p.api.figure(), p.pictureHash()]; })()`);
  const settingsWant = await cliHash(120, '256x256', ['--settings', settings]);
  if (loaded[0] === 1 && loaded[1] === 120 && loaded[2] === settingsWant) pass('a loaded settings file draws as on the desktop');
  else fail(`settings file: loaded ${loaded[0]}, figure ${loaded[1]}, picture ${loaded[2]}, CLI ${settingsWant}`);
  // The BMP download is the CLI's file, byte for byte.
  const pageBmp = await page.eval(`(() => { const p = window.gyroPage, m = p.core; const at = m._malloc(4);
    const ptr = p.api.bmp(at); const n = m.HEAP32[at >> 2]; m._free(at);
    return Array.from(m.HEAPU8.subarray(ptr, ptr + n)).map((b) => b.toString(16).padStart(2, '0')).join(''); })()`);
  const cliBmp = join(work, 'look.bmp');
  await run(cliPath, ['render', '120', '--size', '256x256', '--settings', settings, '-o', cliBmp]);
  if (pageBmp === readFileSync(cliBmp).toString('hex')) pass('the BMP download is the CLI\'s BMP file');
  else fail(`the BMP download differs from the CLI's (${pageBmp.length / 2} bytes)`);
  const saved = await page.eval('window.gyroPage.api.saveSettings()');
  const cliSaved = (await run(cliPath, ['settings', '--settings', settings])).stdout;
  if (saved === cliSaved) pass('the page saves the settings file the desktop saves');
  else fail('the saved settings differ from the CLI\'s');
  const refused = await page.eval('window.gyroPage.api.loadSettings("no settings here") * 10 + window.gyroPage.api.figure()');
  if (refused === 120) pass('a file without settings changes nothing'); else fail('a file without settings was taken: ' + refused);

  if (outside.length) fail('the page asked for addresses outside the local server: ' + outside.join(' '));
  else pass('nothing was fetched from outside the local server');

  if (frameTimes) await measureFrames(page, figures);
  console.log('times (ms): ' + Object.entries(timing).map(([k, v]) => `${k} ${v}`).join(', '));
} catch (error) {
  fail(String(error && error.stack || error));
} finally {
  const exited = new Promise((ok) => browser.once('exit', ok));
  browser.kill();
  await exited;
  server.close();
  rmSync(work, { recursive: true, force: true, maxRetries: 5 });
}
console.log(failures ? `${failures} browser check(s) failed` : 'every browser check passed');
process.exit(failures ? 1 : 0);

async function measureFrames(page, figures) {
  const frames = 20;
  const bench = (await run(cliPath, ['bench', ...figures.map(String), '--size', '512x512', '--frames', String(frames)],
                           { maxBuffer: 1 << 24 })).stdout;
  const native = new Map();
  for (const line of bench.split('\n')) {
    const f = line.trim().split(/\s+/);
    if (/^\d+$/.test(f[0]) && f.length >= 3) native.set(Number(f[0]), Number(f[2]));
  }
  const web = new Map();
  for (let i = 0; i < figures.length; i += 20) {
    const chunk = figures.slice(i, i + 20);
    const ms = await page.eval(`(() => { const p = window.gyroPage; return ${JSON.stringify(chunk)}.map((n) => {
      p.fresh(512, 512); p.api.set("autoroton:1"); p.api.setFigure(n); p.api.render(1);
      const t = performance.now();
      for (let k = 0; k < ${frames}; ++k) { p.api.motion(1); p.api.render(1); }
      return (performance.now() - t) / ${frames}; }); })()`);
    chunk.forEach((n, k) => web.set(n, ms[k]));
  }
  const rows = figures.filter((n) => native.has(n)).map((n) => ({ n, web: web.get(n), native: native.get(n) }));
  // Frames under 0.5 ms are below the browser's clock's grain; they are left out of the ratios.
  const timed = rows.filter((r) => r.native >= 0.5);
  const ratio = (r) => r.web / r.native;
  timed.sort((a, b) => ratio(b) - ratio(a));
  const sum = (list, key) => list.reduce((a, r) => a + r[key], 0);
  console.log(`frame times at 512x512: page ${sum(rows, 'web').toFixed(1)} ms, native ${sum(rows, 'native').toFixed(1)} ms ` +
              `summed over ${rows.length} figures; of the ${timed.length} figures with frames of 0.5 ms or more, ` +
              `${timed.filter((r) => ratio(r) > 2).length} take over twice native; the slowest: ` +
              timed.slice(0, 5).map((r) => `${r.n} ${r.web.toFixed(2)}/${r.native.toFixed(2)} ms`).join(', '));
}

// "z=N&ax=...&rad=..." -> the same values as settings-file lines.
function linkToSettings(link) {
  const fields = Object.fromEntries(link.split('&').map((f) => f.split('=')));
  const ax = fields.ax.split(',');
  let text = `zukei:${fields.z}\nrad:${fields.rad}\n`;
  ax.forEach((v, k) => { text += `ax[${Math.floor(k / 3)}][${k % 3}]:${v}\n`; });
  return { figure: Number(fields.z), text };
}
