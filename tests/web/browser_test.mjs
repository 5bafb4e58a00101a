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
// loaded in the page draws what the CLI draws with it; a finger drags and two
// pinch the zoom; the PNG download holds the CLI's pixels; the language button
// switches every label and is remembered. Prints the times it saw.

import { spawn, execFile } from 'node:child_process';
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, writeFileSync, rmSync, existsSync } from 'node:fs';
import { tmpdir, cpus } from 'node:os';
import { join, extname, resolve } from 'node:path';
import { promisify } from 'node:util';
import { inflateSync } from 'node:zlib';

const run = promisify(execFile);
const [siteDir, cliPath, ...rest] = process.argv.slice(2);
if (!siteDir || !cliPath) {
  console.error('usage: node browser_test.mjs SITE_DIR GYROSOLID_CLI [--figures N,N,...]');
  process.exit(2);
}
const figuresArg = rest.includes('--figures') ? rest[rest.indexOf('--figures') + 1] : null;
// --frame-times: also measures the listed figures' frames in the page against
// the CLI's bench (printed, never judged); --frame-times-only measures alone.
const framesOnly = rest.includes('--frame-times-only');
const frameTimes = framesOnly || rest.includes('--frame-times');
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
  // Isolated from other origins, so that the page's clock is fine enough to time one frame.
  res.writeHead(200, { 'Content-Type': types[extname(file)] || 'application/octet-stream',
                       'Cross-Origin-Opener-Policy': 'same-origin', 'Cross-Origin-Embedder-Policy': 'require-corp' });
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

  if (!framesOnly) {
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

    // 4b. Touch: one finger drags as the mouse does (the same path leaves the
    // same view), two fingers pinch the zoom by the change of their distance.
    await page.call('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 2 });
    const touch = (type, points) => page.call('Input.dispatchTouchEvent', {
      type, touchPoints: points.map(([x, y], id) => ({ x: box[0] + x, y: box[1] + y, id })) });
    await page.eval('window.gyroPage.fresh(256, 256); window.gyroPage.api.setFigure(11); window.gyroPage.draw(); 0');
    await touch('touchStart', [[100, 100]]);
    for (let i = 1; i <= 6; ++i) await touch('touchMove', [[100 + 7 * i, 100 + 3 * i]]);
    await touch('touchEnd', []);
    const touchLink = await page.eval('window.gyroPage.api.link()');
    if (touchLink === link) pass('a finger drags the picture as the mouse does');
    else fail(`touch drag: link ${touchLink}, the mouse's ${link}`);
    const zoomOf = () => page.eval('Number(/^rad:(.*)$/m.exec(window.gyroPage.api.saveSettings())[1])');
    const pinchTo = async (from, to) => {
      await touch('touchStart', [[128 - from / 2, 128]]);
      await touch('touchStart', [[128 - from / 2, 128], [128 + from / 2, 128]]);
      for (let i = 1; i <= 4; ++i) {
        const d = from + ((to - from) * i) / 4;
        await touch('touchMove', [[128 - d / 2, 128], [128 + d / 2, 128]]);
      }
      await touch('touchEnd', []);
    };
    const pinchCases = [{ from: 40, to: 120, name: 'apart' }, { from: 160, to: 40, name: 'together' }];
    for (const c of pinchCases) {
      await page.eval('window.gyroPage.fresh(256, 256); window.gyroPage.api.setFigure(11); window.gyroPage.draw(); 0');
      const axBefore = (await page.eval('window.gyroPage.api.link()')).split('&')[1];
      const zoomBefore = await zoomOf();
      await pinchTo(c.from, c.to);
      const zoom = (await zoomOf()) / zoomBefore;
      const axAfter = (await page.eval('window.gyroPage.api.link()')).split('&')[1];
      // Settings files keep six decimals; the fingers' length is in whole pixels.
      if (Math.abs(zoom - c.to / c.from) < 0.02 && axAfter === axBefore) {
        pass(`two fingers ${c.name} zoom by their distance's change (${zoom.toFixed(3)}), without turning`);
      } else {
        fail(`pinch ${c.name}: zoom ${zoom} for ${c.to / c.from}, view ${axBefore} -> ${axAfter}`);
      }
    }
    await page.call('Emulation.setTouchEmulationEnabled', { enabled: false });

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

    // 6. The PNG download: the file the browser saves decodes to the CLI's pixels.
    const downloads = join(work, 'downloads');
    await send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
    await page.eval(`(() => { const p = window.gyroPage; p.fresh(256, 256);
      p.api.loadSettings(${JSON.stringify(readFileSync(settings, 'utf8'))}); p.draw(); 0; })()`);
    await page.eval(`[...document.querySelectorAll('nav button')].find((b) => b.dataset.command === 'savePng').click(), 0`);
    const pngPath = join(downloads, 'gyrosolid.png');
    for (let i = 0; i < 200 && !existsSync(pngPath); ++i) await new Promise((ok) => setTimeout(ok, 25));
    if (!existsSync(pngPath)) {
      fail('the PNG download left no file');
    } else {
      const png = decodePng(readFileSync(pngPath));
      const want = readBmp(cliBmp);
      const same = png.width === want.width && png.height === want.height &&
        want.rgb.every((v, i) => v === png.rgba[(i / 3 | 0) * 4 + i % 3]) &&
        png.rgba.every((v, i) => i % 4 !== 3 || v === 255);
      if (same) pass(`the PNG download (${png.width}x${png.height}) holds the CLI's pixels, opaque`);
      else fail(`the PNG download (${png.width}x${png.height}) differs from the CLI's ${want.width}x${want.height} picture`);
    }

    // 7. The language switch: every label, the status band's name and the
    // title change at once, the figure stays, and a new page remembers it.
    const labels = () => page.eval(`[document.documentElement.lang,
      [...document.querySelectorAll('nav > details > summary')].map((s) => s.textContent).join('|'),
      document.getElementById('status2').textContent, document.getElementById('finder').placeholder,
      window.gyroPage.api.figure()]`);
    const switchLanguage = () => page.eval(`document.getElementById('language').click(), window.gyroPage.draw(), 0`);
    const first = await labels();
    await switchLanguage();
    const second = await labels();
    const languages = [first, second].sort((a, b) => (a[0] < b[0] ? -1 : 1));  // en, ja
    const [en, ja] = languages;
    const englishName = await page.eval('window.gyroPage.api.name(120, 1)');
    const japaneseName = await page.eval('window.gyroPage.api.name(120, 0)');
    if (en[0] === 'en' && ja[0] === 'ja' && en[1] === 'Figure|View|File' && ja[1] === '図形|表示|ファイル' &&
        en[2].includes(englishName) && ja[2].includes(japaneseName) && en[3] === 'Find a figure...' &&
        ja[3] === '図形を探す...' && en[4] === 120 && ja[4] === 120) {
      pass('the language button switches the menus, the finder and the status band, keeping the figure');
    } else {
      fail('language switch: ' + JSON.stringify([first, second]));
    }
    const remembered = await openPage(origin + '/?test');
    const rememberedLang = await remembered.eval('document.documentElement.lang');
    await send('Target.closeTarget', { targetId: remembered.targetId });
    if (rememberedLang === second[0]) pass(`a new page starts in the language chosen last (${rememberedLang})`);
    else fail(`a new page started in ${rememberedLang}, not ${second[0]}`);
    await switchLanguage();

    if (outside.length) fail('the page asked for addresses outside the local server: ' + outside.join(' '));
    else pass('nothing was fetched from outside the local server');
  }

  if (frameTimes) await measureFrames(page, figures);
  console.log('times (ms): ' + Object.entries(timing).map(([k, v]) => `${k} ${v}`).join(', '));
} catch (error) {
  fail(String(error && error.stack || error));
} finally {
  const exited = new Promise((ok) => browser.once('exit', ok));
  browser.kill();
  await exited;
  server.close();
  // Chromium's helper processes can still be writing into the profile for a
  // moment after the browser has gone; the folder is only scratch, so a folder
  // that will not go is reported, never a failed check.
  for (let attempt = 0; existsSync(work) && attempt < 20; ++attempt) {
    try {
      rmSync(work, { recursive: true, force: true, maxRetries: 5 });
    } catch (error) {
      if (attempt === 19) console.log(`note: could not remove ${work}: ${error.code || error}`);
      else await new Promise((ok) => setTimeout(ok, 250));
    }
  }
}
console.log(failures ? `${failures} browser check(s) failed` : 'every browser check passed');
process.exit(failures ? 1 : 0);

// Frame times at 512x512 in the page and in the CLI's bench, by processor
// time, so that the machine's other work does not lengthen either side: the
// page's by the CPU time of its renderer's main thread (/proc, Linux) over K
// frames drawn in one go, the CLI's by `bench --cpu-time`. The same frames on
// both sides (start settings, automatic rotation from the figure's first view),
// K chosen so that a figure's frames take about GYRO_FRAME_BUDGET_MS (300) ms;
// the sides take turns, figure by figure, for GYRO_FRAME_ROUNDS (3) rounds, and
// each side keeps its cheapest round.
async function measureFrames(page, figures) {
  const rounds = Number(process.env.GYRO_FRAME_ROUNDS || 3);
  const budgetMs = Number(process.env.GYRO_FRAME_BUDGET_MS || 300);
  const start = join(work, 'start.txt');
  writeFileSync(start, await page.eval('window.gyroPage.fresh(512, 512), window.gyroPage.api.saveSettings()'));
  // The main thread's processor time in ms of a renderer process, NaN when unreadable.
  const threadMs = (pid) => {
    try {
      return Number(readFileSync(`/proc/${pid}/task/${pid}/schedstat`, 'utf8').split(' ')[0]) / 1e6;
    } catch {
      return NaN;
    }
  };
  // What `expression` costs the page: the most any renderer's main thread
  // worked meanwhile (the page's renderer, the others being idle).
  const renderers = (await send('SystemInfo.getProcessInfo')).processInfo
    .filter((p) => p.type === 'renderer').map((p) => p.id);
  const cost = async (expression) => {
    const before = renderers.map(threadMs);
    await page.eval(expression);
    return Math.max(...renderers.map((pid, i) => threadMs(pid) - before[i]).filter((d) => !Number.isNaN(d)));
  };
  const busy = await cost('(() => { const t = performance.now(); let x = 0; while (performance.now() - t < 400) x += Math.sqrt(x + 1); return x; })()');
  if (!(busy > 40)) {
    console.log('frame times: the page\'s processor time cannot be read from /proc here; not measured');
    return;
  }
  const setUp = (n) => `(() => { const p = window.gyroPage; p.fresh(512, 512); p.api.set("autoroton:1");
    p.api.setFigure(n); p.api.render(1); return 0; })()`.replace('setFigure(n)', `setFigure(${n})`);
  // A second of the first figure's frames before any is timed: the page has
  // only just started, and the browser optimises its code meanwhile.
  await page.eval(setUp(figures[0]));
  await page.eval(`(() => { const p = window.gyroPage, t = performance.now();
    for (let k = 0; k < 3 || (performance.now() - t < 1000 && k < 100000); ++k) { p.api.motion(1); p.api.render(1); }
    return 0; })()`);
  const rows = [];
  for (const n of figures) {
    // Frames for a tenth of a second first: the browser compiles the code
    // that runs often again, optimised, while it runs; then K from the page's
    // wall clock over three frames.
    await page.eval(setUp(n));
    const probe = await page.eval(`(() => { const p = window.gyroPage, frame = () => { p.api.motion(1); p.api.render(1); };
      let t = performance.now();
      for (let k = 0; k < 3 || (performance.now() - t < 100 && k < 10000); ++k) frame();
      t = performance.now(); for (let k = 0; k < 3; ++k) frame(); return (performance.now() - t) / 3; })()`);
    const frames = Math.max(10, Math.min(5000, Math.round(budgetMs / Math.max(probe, 0.01))));
    let web = Infinity, native = Infinity;
    for (let r = 0; r < rounds; ++r) {
      await page.eval(setUp(n));
      const spent = await cost(`(() => { const p = window.gyroPage;
        for (let k = 0; k < ${frames}; ++k) { p.api.motion(1); p.api.render(1); } return 0; })()`);
      web = Math.min(web, spent / frames);
      const bench = (await run(cliPath, ['bench', String(n), '--size', '512x512', '--frames', String(frames),
                                         '--settings', start, '--cpu-time'], { maxBuffer: 1 << 24 })).stdout;
      for (const line of bench.split('\n')) {
        const f = line.trim().split(/\s+/);
        if (f[0] === String(n) && f.length >= 4) native = Math.min(native, Number(f[2]));
      }
    }
    if (Number.isFinite(native) && Number.isFinite(web)) rows.push({ n, frames, web, native, ratio: web / native });
  }
  rows.sort((a, b) => b.ratio - a.ratio);
  const sum = (key) => rows.reduce((a, r) => a + r[key], 0);
  console.log(`frame times at 512x512 by processor time, ms per frame (cheapest of ${rounds} rounds): ` +
              `page ${sum('web').toFixed(2)}, native ${sum('native').toFixed(2)} summed over ${rows.length} figures; ` +
              `${rows.filter((r) => r.ratio > 2).length} take over twice native; page/native, highest first:`);
  for (const r of rows) {
    console.log(`  ${String(r.n).padStart(4)}  ${r.web.toFixed(3).padStart(9)} ${r.native.toFixed(3).padStart(9)}` +
                `  ${r.ratio.toFixed(2)}  (${r.frames} frames)`);
  }
  if (process.env.GYRO_FRAME_TIMES_FILE) {
    writeFileSync(process.env.GYRO_FRAME_TIMES_FILE,
                  rows.map((r) => [r.n, r.web, r.native, r.ratio, r.frames].join('\t')).join('\n') + '\n');
  }
}

// A BMP file's size and its pixels as R, G, B, rows top-down.
function readBmp(path) {
  const b = readFileSync(path);
  const width = b.readInt32LE(18), height = b.readInt32LE(22);
  const stride = Math.ceil((width * 3) / 4) * 4;
  const rgb = new Uint8Array(width * height * 3);
  for (let y = 0; y < height; ++y) {
    for (let x = 0; x < width; ++x) {
      const p = 54 + (height - 1 - y) * stride + x * 3, q = (y * width + x) * 3;
      rgb[q] = b[p + 2]; rgb[q + 1] = b[p + 1]; rgb[q + 2] = b[p];
    }
  }
  return { width, height, rgb };
}

// An 8-bit RGB or RGBA PNG, not interlaced, decoded to R, G, B, A: its chunks,
// the inflated image data and the five row filters of the PNG format.
function decodePng(b) {
  if (b.toString('latin1', 1, 4) !== 'PNG') throw new Error('not a PNG file');
  let at = 8, width = 0, height = 0, channels = 0;
  const data = [];
  while (at < b.length) {
    const length = b.readUInt32BE(at), type = b.toString('latin1', at + 4, at + 8);
    const body = b.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      if (body[8] !== 8 || (body[9] !== 2 && body[9] !== 6) || body[12] !== 0) {
        throw new Error(`PNG of depth ${body[8]}, colour type ${body[9]}, interlace ${body[12]}`);
      }
      channels = body[9] === 6 ? 4 : 3;
    } else if (type === 'IDAT') {
      data.push(body);
    }
    at += 12 + length;
  }
  const raw = inflateSync(Buffer.concat(data));
  const stride = width * channels;
  const rows = new Uint8Array(height * stride);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    for (let x = 0; x < stride; ++x) {
      const v = raw[y * (stride + 1) + 1 + x];
      const a = x >= channels ? rows[y * stride + x - channels] : 0;
      const up = y > 0 ? rows[(y - 1) * stride + x] : 0;
      const c = x >= channels && y > 0 ? rows[(y - 1) * stride + x - channels] : 0;
      const p = a + up - c, pa = Math.abs(p - a), pb = Math.abs(p - up), pc = Math.abs(p - c);
      const predictor = [0, a, up, (a + up) >> 1, pa <= pb && pa <= pc ? a : pb <= pc ? up : c][filter];
      rows[y * stride + x] = (v + predictor) & 255;
    }
  }
  const rgba = new Uint8Array(width * height * 4);
  for (let i = 0; i < width * height; ++i) {
    for (let k = 0; k < 4; ++k) rgba[i * 4 + k] = k < channels ? rows[i * channels + k] : 255;
  }
  return { width, height, rgba };
}

// "z=N&ax=...&rad=..." -> the same values as settings-file lines.
function linkToSettings(link) {
  const fields = Object.fromEntries(link.split('&').map((f) => f.split('=')));
  const ax = fields.ax.split(',');
  let text = `zukei:${fields.z}\nrad:${fields.rad}\n`;
  ax.forEach((v, k) => { text += `ax[${Math.floor(k / 3)}][${k % 3}]:${v}\n`; });
  return { figure: Number(fields.z), text };
}
