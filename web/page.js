// The web page of Gyrosolid: the core (GyroModule, above in this file) draws
// every frame into its back buffer; this script shows it on the canvas, passes
// keys, pointer and touch to the core's input functions and offers the menus.
// Opened with "?test" the loop does not run by itself: the browser test steps it.
(function () {
  'use strict';

  // Japanese first, as on the desktop; English by the browser's language or the
  // switch. A text is marked with its context and Japanese as in the desktop's
  // code, so that scripts/update-translations finds it.
  function QT_TRANSLATE_NOOP(context, text) { return [context, text]; }
  const TEXT = {
    figure: QT_TRANSLATE_NOOP('WebPage', '図形'),
    find: QT_TRANSLATE_NOOP('gyro::MainWindow', '図形を探す...'),
    view: QT_TRANSLATE_NOOP('WebPage', '表示'),
    file: QT_TRANSLATE_NOOP('WebPage', 'ファイル'),
    language: QT_TRANSLATE_NOOP('WebPage', '言語 / Language'),
    autoRotation: QT_TRANSLATE_NOOP('AutoRotationDialog', '自動回転'),
    movingLight: QT_TRANSLATE_NOOP('LightDialog', '光源移動'),
    shading: QT_TRANSLATE_NOOP('gyro::MainWindow', '陰影ON'),
    gloss: QT_TRANSLATE_NOOP('gyro::MainWindow', '光沢ON'),
    perspective: QT_TRANSLATE_NOOP('gyro::MainWindow', '遠近ON'),
    inside: QT_TRANSLATE_NOOP('gyro::MainWindow', '内側表示'),
    exactDepth: QT_TRANSLATE_NOOP('gyro::MainWindow', '正確な前後関係'),
    visibleLines: QT_TRANSLATE_NOOP('gyro::MainWindow', '線（陽線）'),
    hiddenLines: QT_TRANSLATE_NOOP('gyro::MainWindow', '陰線'),
    bold: QT_TRANSLATE_NOOP('gyro::MainWindow', '太線'),
    thin: QT_TRANSLATE_NOOP('gyro::MainWindow', '細線'),
    none: QT_TRANSLATE_NOOP('gyro::MainWindow', '線無し'),
    asVisible: QT_TRANSLATE_NOOP('gyro::MainWindow', '陽線と同じ'),
    background: QT_TRANSLATE_NOOP('gyro::MainWindow', '背景'),
    black: QT_TRANSLATE_NOOP('gyro::MainWindow', '黒背景'),
    white: QT_TRANSLATE_NOOP('gyro::MainWindow', '白背景'),
    loadSettings: QT_TRANSLATE_NOOP('WebPage', '設定の読み込み...'),
    saveSettings: QT_TRANSLATE_NOOP('WebPage', '設定の保存...'),
    savePng: QT_TRANSLATE_NOOP('WebPage', 'PNG で保存'),
    saveBmp: QT_TRANSLATE_NOOP('WebPage', 'BMP で保存'),
    copyLink: QT_TRANSLATE_NOOP('WebPage', 'この図のリンクをコピー'),
    linkCopied: QT_TRANSLATE_NOOP('WebPage', 'リンクをコピーしました。'),
    noSettings: QT_TRANSLATE_NOOP('Messages', '設定が見つかりません。'),
    noMatch: QT_TRANSLATE_NOOP('WebPage', '見つかりません'),
    loading: QT_TRANSLATE_NOOP('WebPage', '読み込み中...'),
    failed: QT_TRANSLATE_NOOP('WebPage', 'このブラウザでは動きません（WebAssembly）。'),
    refusal1: QT_TRANSLATE_NOOP('gyro::MainWindow', '図形なし：R/E/Y/T か 設定...'),
    refusal2: QT_TRANSLATE_NOOP('gyro::MainWindow', '図形なし：角錐・角柱→設定...'),
    refusal3: QT_TRANSLATE_NOOP('gyro::MainWindow', '図形なし：球状系→設定...'),
    refusal4: QT_TRANSLATE_NOOP('gyro::MainWindow', 'この値では図形ができません'),
  };
  const FACE_MODES = [
    QT_TRANSLATE_NOOP('gyro::MainWindow', '透明'), QT_TRANSLATE_NOOP('gyro::MainWindow', '不透明'), QT_TRANSLATE_NOOP('gyro::MainWindow', '灰色／白陰影'),
    QT_TRANSLATE_NOOP('gyro::MainWindow', '8色'), QT_TRANSLATE_NOOP('gyro::MainWindow', '27色'), QT_TRANSLATE_NOOP('gyro::MainWindow', '12彩色'), QT_TRANSLATE_NOOP('gyro::MainWindow', '角数配色'),
    QT_TRANSLATE_NOOP('gyro::MainWindow', '方向配色（底面特異）'), QT_TRANSLATE_NOOP('gyro::MainWindow', '方向配色（底面連続）'),
    QT_TRANSLATE_NOOP('gyro::MainWindow', '固有配色'), QT_TRANSLATE_NOOP('gyro::MainWindow', 'フラクタル用'),
  ];

  const testMode = new URLSearchParams(location.search).has('test');
  let lang = /^ja\b/i.test(navigator.language || '') ? 0 : 1;
  try {
    const kept = localStorage.getItem('gyrosolid.language');
    if (kept === 'ja' || kept === 'en') lang = kept === 'ja' ? 0 : 1;
  } catch (e) { /* storage may be off */ }
  // The English of the texts above comes from translations/gyrosolid_en.ts
  // (GYRO_EN, written into this file by the build, web/english_texts.mjs).
  const EN = globalThis.GYRO_EN || {};
  const say = ([context, ja]) => (lang === 0 ? ja : (EN[context] && EN[context][ja]) || ja);
  const t = (key) => say(TEXT[key]);

  const $ = (id) => document.getElementById(id);
  const canvas = $('picture');
  const context = canvas.getContext('2d', { alpha: false });
  let core = null;
  let api = null;
  let image = null;
  let scale = 1;
  let dirty = true;
  let lastPass = performance.now();

  function bind(m) {
    const c = (name, ret, args) => m.cwrap(name, ret, args);
    return {
      init: c('gyro_init', null, []),
      setFigure: c('gyro_set_figure', 'number', ['number']),
      figure: c('gyro_figure', 'number', []),
      resize: c('gyro_resize', 'number', ['number', 'number']),
      step: c('gyro_step', 'number', []),
      countFrame: c('gyro_count_frame', null, ['number', 'number']),
      motion: c('gyro_motion', null, ['number']),
      render: c('gyro_render', 'number', ['number']),
      pixels: c('gyro_pixels', 'number', []),
      width: c('gyro_width', 'number', []),
      height: c('gyro_height', 'number', []),
      pictureWidth: c('gyro_picture_width', 'number', []),
      pictureHeight: c('gyro_picture_height', 'number', []),
      key: c('gyro_key', 'number', ['string', 'number', 'number']),
      releaseKeys: c('gyro_release_keys', null, []),
      mouse: c('gyro_mouse', null, ['number', 'number', 'number', 'number']),
      zoom: c('gyro_zoom', null, ['number']),
      wheel: c('gyro_wheel', null, ['number', 'number']),
      status: c('gyro_status', 'string', ['number']),
      menu: c('gyro_menu', 'string', []),
      find: c('gyro_find', 'string', ['string']),
      name: c('gyro_name', 'string', ['number', 'number']),
      link: c('gyro_link', 'string', []),
      openLink: c('gyro_open_link', 'number', ['string']),
      saveSettings: c('gyro_save_settings', 'string', []),
      loadSettings: c('gyro_load_settings', 'number', ['string']),
      set: c('gyro_set', 'number', ['string']),
      get: c('gyro_get', 'number', ['string']),
      bmp: c('gyro_bmp', 'number', ['number']),
    };
  }

  // ---- Drawing ----------------------------------------------------------

  // The drawing area follows the canvas's CSS size; the picture is drawn at
  // device pixels, as the desktop does on a screen with a pixel ratio above 1.
  function fitCanvas() {
    const box = canvas.parentElement.getBoundingClientRect();
    const cssW = Math.max(1, Math.floor(box.width));
    const cssH = Math.max(1, Math.floor(box.height));
    scale = window.devicePixelRatio || 1;
    if (api.width() !== cssW || api.height() !== cssH) api.resize(cssW, cssH);
    canvas.style.width = cssW + 'px';
    canvas.style.height = cssH + 'px';
    dirty = true;
  }

  // The core's pixels (R, G, B, 0 from `ptr`) into `image`, opaque: one pass
  // of whole pixels (WebAssembly and the canvas are little-endian alike).
  function copyOpaque(ptr, image) {
    const n = image.width * image.height;
    const src = new Uint32Array(core.HEAPU8.buffer, ptr, n);
    const dst = new Uint32Array(image.data.buffer, image.data.byteOffset, n);
    for (let i = 0; i < n; ++i) dst[i] = src[i] | 0xff000000;
  }

  function draw() {
    if (!api.render(scale)) return;
    const w = api.pictureWidth(), h = api.pictureHeight();
    const ptr = api.pixels();
    if (!ptr || w <= 0 || h <= 0) return;
    if (canvas.width !== w || canvas.height !== h) {
      canvas.width = w;
      canvas.height = h;
    }
    if (!image || image.width !== w || image.height !== h) image = context.createImageData(w, h);
    copyOpaque(ptr, image);
    context.putImageData(image, 0, 0);
    showStatus();
  }

  function showStatus() {
    const [line1, name, refusal] = api.status(lang).split('\t');
    $('status1').textContent = line1;
    const r = Number(refusal);
    $('status2').textContent = r > 0 ? t('refusal' + r) : 'name:' + name;
  }

  // One pass of the desktop's loop: keys, motion, build; then the picture.
  function pass() {
    const now = performance.now();
    api.step();
    draw();
    api.countFrame(lastPass, now);
    lastPass = now;
  }

  function loop() {
    if (!testMode) {
      // The desktop passes every 10 ms; the browser's frames come every 16 or so.
      const now = performance.now();
      const due = Math.min(4, Math.max(1, Math.round((now - lastPass) / 10)));
      for (let i = 1; i < due; ++i) api.step();
      pass();
    } else if (dirty) {
      draw();
    }
    dirty = false;
    requestAnimationFrame(loop);
  }

  // ---- Input ------------------------------------------------------------

  function onKey(event, down) {
    if (event.target && (event.target.tagName === 'INPUT' || event.target.tagName === 'SELECT')) return;
    if (down && (event.ctrlKey || event.metaKey) && event.code === 'KeyF') {
      event.preventDefault();
      $('finder').focus();
      return;
    }
    const used = api.key(event.code, down ? 1 : 0, event.ctrlKey || event.altKey || event.metaKey ? 1 : 0);
    if (used) {
      event.preventDefault();
      if (used === 2) afterFigureChange();
      dirty = true;
    }
  }

  // Pointer position in the drawing area's CSS pixels.
  function at(event) {
    const r = canvas.getBoundingClientRect();
    return [Math.round(event.clientX - r.left), Math.round(event.clientY - r.top)];
  }

  const touches = new Map();
  let pinch = 0;
  function pinchLength() {
    const p = [...touches.values()];
    return Math.hypot(p[0][0] - p[1][0], p[0][1] - p[1][1]);
  }

  function setUpInput() {
    window.addEventListener('keydown', (e) => onKey(e, true));
    window.addEventListener('keyup', (e) => onKey(e, false));
    window.addEventListener('blur', () => api.releaseKeys());
    canvas.addEventListener('contextmenu', (e) => e.preventDefault());
    canvas.addEventListener('pointerdown', (e) => {
      canvas.setPointerCapture(e.pointerId);
      const [x, y] = at(e);
      if (e.pointerType === 'touch') {
        touches.set(e.pointerId, [x, y]);
        if (touches.size === 2) pinch = pinchLength();
      }
      api.mouse(x, y, 0, 0);  // the drag starts here
      e.preventDefault();
    });
    canvas.addEventListener('pointermove', (e) => {
      const [x, y] = at(e);
      if (e.pointerType === 'touch' && touches.has(e.pointerId)) {
        touches.set(e.pointerId, [x, y]);
        if (touches.size >= 2) {
          const length = pinchLength();
          if (pinch > 0 && length > 0) api.zoom(length / pinch);
          pinch = length;
          dirty = true;
          return;
        }
      }
      const left = (e.buttons & 1) !== 0, right = (e.buttons & 2) !== 0;
      api.mouse(x, y, left ? 1 : 0, right ? 1 : 0);
      if (left || right) dirty = true;
    });
    const end = (e) => {
      touches.delete(e.pointerId);
      pinch = touches.size >= 2 ? pinchLength() : 0;
      // The finger left on the picture drags on from where it is, not from
      // where the drag stood before the pinch.
      if (touches.size === 1) {
        const [x, y] = [...touches.values()][0];
        api.mouse(x, y, 0, 0);
      }
    };
    canvas.addEventListener('pointerup', end);
    canvas.addEventListener('pointercancel', end);
    canvas.addEventListener('wheel', (e) => {
      e.preventDefault();
      // The wheel zooms; with Shift it sets the speed, as the desktop's wheel does.
      if (e.deltaY !== 0) api.wheel(e.deltaY < 0 ? 1 : -1, e.shiftKey ? 1 : 0);
      dirty = true;
    }, { passive: false });
    window.addEventListener('resize', () => fitCanvas());
  }

  // ---- Menus ------------------------------------------------------------

  function closeMenus() {
    for (const d of document.querySelectorAll('nav details[open]')) d.open = false;
  }

  function chooseFigure(n) {
    if (api.setFigure(n)) afterFigureChange();
    closeMenus();
    dirty = true;
  }

  function afterFigureChange() {
    const n = api.figure();
    document.title = 'Gyrosolid — ' + api.name(n, 0) + ' / ' + api.name(n, 1);
    history.replaceState(null, '', location.pathname + location.search + '#' + api.link());
  }

  // A menu label as shown: in English from the desktop's translations, without
  // the "&" mnemonic ("(&4)" whole, as Qt leaves out a bracketed one).
  function menuLabel(item) {
    const raw = lang === 1 ? ((EN.FigureMenu && EN.FigureMenu[item.label]) || item.en || item.label) : item.label;
    return raw.replace(/\s*\(&[^)]\)$/, '').replace(/&(.)/g, '$1');
  }

  function menuTree(item, depth) {
    if (item.separator) return document.createElement('hr');
    if (item.children) {
      const box = document.createElement('details');
      const summary = document.createElement('summary');
      summary.textContent = depth === 0 ? t('figure') : menuLabel(item);
      box.append(summary);
      const list = document.createElement('div');
      list.className = 'items';
      for (const child of item.children) {
        const node = menuTree(child, depth + 1);
        if (node) list.append(node);
      }
      box.append(list);
      return box;
    }
    if (!item.figure) return null;
    const b = document.createElement('button');
    b.textContent = menuLabel(item);
    b.dataset.figure = item.figure;
    b.onclick = () => chooseFigure(item.figure);
    return b;
  }

  function check(label, key) {
    const b = document.createElement('button');
    b.className = 'check';
    const on = api.get(key) !== 0;
    b.textContent = (on ? '✓ ' : '　 ') + label;
    b.onclick = () => { api.set(key + ':' + (api.get(key) ? 0 : 1)); rebuildMenus(); dirty = true; };
    return b;
  }

  function choice(label, line, current) {
    const b = document.createElement('button');
    b.className = 'check';
    b.textContent = (current ? '● ' : '　 ') + label;
    b.onclick = () => { api.set(line); rebuildMenus(); dirty = true; };
    return b;
  }

  function submenu(label, nodes) {
    const box = document.createElement('details');
    const s = document.createElement('summary');
    s.textContent = label;
    const list = document.createElement('div');
    list.className = 'items';
    list.append(...nodes);
    box.append(s, list);
    return box;
  }

  function viewMenu() {
    const mode = api.get('facecolmode');
    const nodes = FACE_MODES.map((m, i) => choice(say(m), 'facecolmode:' + i, mode === i));
    nodes.push(document.createElement('hr'));
    const lightmode = api.get('lightmode');
    const light = (label, bit) => {
      const b = document.createElement('button');
      b.className = 'check';
      b.textContent = ((lightmode & bit) ? '✓ ' : '　 ') + label;
      b.onclick = () => { api.set('lightmode:' + (api.get('lightmode') ^ bit)); rebuildMenus(); dirty = true; };
      return b;
    };
    nodes.push(light(t('shading'), 1), light(t('gloss'), 2), check(t('movingLight'), 'lightmove'));
    nodes.push(document.createElement('hr'));
    nodes.push(check(t('perspective'), 'person'));
    const pen = api.get('penbold'), ura = api.get('urapenbold');
    nodes.push(submenu(t('visibleLines'), [
      choice(t('bold'), 'penbold:0', pen === 0), choice(t('thin'), 'penbold:1', pen === 1),
      choice(t('none'), 'penbold:2', pen === 2)]));
    nodes.push(submenu(t('hiddenLines'), [
      choice(t('bold'), 'urapenbold:0', ura === 0), choice(t('thin'), 'urapenbold:1', ura === 1),
      choice(t('none'), 'urapenbold:2', ura === 2), choice(t('asVisible'), 'urapenbold:3', ura === 3)]));
    const bk = api.get('bkmode');
    nodes.push(submenu(t('background'), [
      choice(t('black'), 'bkmode:0', bk === 0), choice(t('white'), 'bkmode:1', bk === 1)]));
    nodes.push(document.createElement('hr'));
    nodes.push(check(t('inside'), 'rezerse'), check(t('exactDepth'), 'exactdepth'),
               check(t('autoRotation'), 'autoroton'));
    return submenu(t('view'), nodes);
  }

  function fileMenu() {
    const item = (key, run) => {
      const b = document.createElement('button');
      b.textContent = t(key);
      b.dataset.command = key;
      b.onclick = () => { closeMenus(); run(); };
      return b;
    };
    return submenu(t('file'), [
      item('loadSettings', () => $('settings-file').click()),
      item('saveSettings', () => download(new Blob([api.saveSettings()], { type: 'text/plain' }), 'gyrosolid.txt')),
      document.createElement('hr'),
      item('savePng', savePng),
      item('saveBmp', saveBmp),
      document.createElement('hr'),
      item('copyLink', copyLink),
    ]);
  }

  function languageMenu() {
    const b = document.createElement('button');
    b.id = 'language';
    b.textContent = lang === 0 ? 'English' : '日本語';
    b.title = t('language');
    b.onclick = () => {
      lang = 1 - lang;
      try { localStorage.setItem('gyrosolid.language', lang === 0 ? 'ja' : 'en'); } catch (e) { /* off */ }
      rebuildMenus();
      showStatus();
    };
    return b;
  }

  let menuData = null;
  function rebuildMenus() {
    const open = [...document.querySelectorAll('nav > details')].map((d) => d.open);
    const nav = $('menus');
    nav.replaceChildren(menuTree(menuData, 0), viewMenu(), fileMenu(), languageMenu());
    [...document.querySelectorAll('nav > details')].forEach((d, i) => { d.open = open[i] || false; });
    document.documentElement.lang = lang === 0 ? 'ja' : 'en';
    $('finder').placeholder = t('find');
  }

  // ---- Finder -----------------------------------------------------------

  function setUpFinder() {
    const input = $('finder');
    const list = $('found');
    const show = () => {
      list.replaceChildren();
      const q = input.value.trim();
      if (!q) return;
      const found = api.find(q);
      if (!found) {
        const p = document.createElement('div');
        p.className = 'none';
        p.textContent = t('noMatch');
        list.append(p);
        return;
      }
      for (const n of found.split(',').slice(0, 30).map(Number)) {
        const b = document.createElement('button');
        b.textContent = n + '  ' + api.name(n, lang);
        b.onclick = () => { chooseFigure(n); input.value = ''; list.replaceChildren(); input.blur(); };
        list.append(b);
      }
    };
    input.addEventListener('input', show);
    input.addEventListener('keydown', (e) => {
      if (e.key === 'Enter') {
        const first = list.querySelector('button');
        if (first) first.click();
      } else if (e.key === 'Escape') {
        input.value = '';
        list.replaceChildren();
        input.blur();
      }
    });
  }

  // ---- Files ------------------------------------------------------------

  function download(blob, name) {
    const a = document.createElement('a');
    a.href = URL.createObjectURL(blob);
    a.download = name;
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(a.href), 10000);
  }

  // As on the desktop, a picture file holds the drawing area's own pixels,
  // whatever the screen's pixel ratio.
  function savePng() {
    if (!api.render(1)) return;
    const w = api.pictureWidth(), h = api.pictureHeight();
    const ptr = api.pixels();
    dirty = true;
    if (!ptr) return;
    const out = document.createElement('canvas');
    out.width = w;
    out.height = h;
    const c = out.getContext('2d');
    const data = c.createImageData(w, h);
    copyOpaque(ptr, data);
    c.putImageData(data, 0, 0);
    out.toBlob((blob) => blob && download(blob, 'gyrosolid.png'), 'image/png');
  }

  function saveBmp() {
    const sizePtr = core._malloc(4);
    const ptr = api.bmp(sizePtr);
    const size = core.HEAP32[sizePtr >> 2];
    core._free(sizePtr);
    if (ptr && size > 0) download(new Blob([core.HEAPU8.slice(ptr, ptr + size)], { type: 'image/bmp' }), 'gyrosolid.bmp');
  }

  function setUpSettingsFile() {
    const input = $('settings-file');
    input.addEventListener('change', () => {
      const file = input.files[0];
      input.value = '';
      if (!file) return;
      file.text().then((text) => {
        if (!api.loadSettings(text)) {
          message(t('noSettings'));
          return;
        }
        fitCanvas();
        afterFigureChange();
        rebuildMenus();
      });
    });
  }

  function copyLink() {
    afterFigureChange();
    const done = () => message(t('linkCopied'));
    if (navigator.clipboard) navigator.clipboard.writeText(location.href).then(done, () => message(location.href));
    else message(location.href);
  }

  function message(text) {
    const m = $('message');
    m.textContent = text;
    m.hidden = false;
    clearTimeout(message.timer);
    message.timer = setTimeout(() => { m.hidden = true; }, 4000);
  }

  // ---- Start ------------------------------------------------------------

  // What the browser test reads: the picture's hash and the state's link.
  function pictureHash() {
    const w = canvas.width, h = canvas.height;
    const data = context.getImageData(0, 0, w, h).data;
    let hash = 0x811c9dc5;
    for (let i = 0; i < data.length; i += 4) {
      for (let k = 0; k < 3; ++k) {
        hash ^= data[i + k];
        hash = Math.imul(hash, 0x01000193) >>> 0;
      }
    }
    return w + 'x' + h + ':' + hash.toString(16).padStart(8, '0');
  }

  $('status2').textContent = t('loading');
  GyroModule().then((m) => {
    core = m;
    api = bind(m);
    menuData = JSON.parse(api.menu());
    rebuildMenus();
    setUpInput();
    setUpFinder();
    setUpSettingsFile();
    document.addEventListener('click', (e) => {
      if (!e.target.closest('nav')) closeMenus();
    });
    fitCanvas();
    if (location.hash.length > 1) api.openLink(location.hash.slice(1));
    window.addEventListener('hashchange', () => {
      if (location.hash.length > 1 && api.openLink(location.hash.slice(1))) { dirty = true; rebuildMenus(); }
    });
    draw();
    afterFigureChange();
    window.gyroPage = {
      api, core, pictureHash, draw, pass, fitCanvas,
      // A fresh start state at a fixed drawing area, for the comparisons.
      fresh: (w, h) => { api.init(); api.resize(w, h); scale = 1; },
    };
    document.body.dataset.ready = '1';
    requestAnimationFrame(loop);
  }, () => {
    $('status2').textContent = t('failed');
  });
})();
