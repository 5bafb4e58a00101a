// Writes the English of the page's texts, taken from the desktop's Qt
// translation file, as a script that sets
//   globalThis.GYRO_EN = {context: {Japanese: English}}
// for every text the page marks with QT_TRANSLATE_NOOP('context', 'Japanese')
// and for the whole figure menu (context "FigureMenu"). A marked text without
// a finished English entry fails the build: run scripts/update-translations
// and fill it in.
//   node english_texts.mjs translations/gyrosolid_en.ts web/page.js OUT.js
import { readFileSync, writeFileSync } from 'node:fs';

const [tsPath, pagePath, outPath] = process.argv.slice(2);
if (!outPath) {
  console.error('usage: node english_texts.mjs TS_FILE PAGE_JS OUT_JS');
  process.exit(2);
}
const unescape = (s) => s.replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&quot;/g, '"')
  .replace(/&apos;/g, "'").replace(/&amp;/g, '&');

// Every finished entry of the .ts file, by context.
const english = new Map();
for (const context of readFileSync(tsPath, 'utf8').split('<context>').slice(1)) {
  const name = /<name>([^<]*)<\/name>/.exec(context);
  if (!name) continue;
  const entries = new Map();
  for (const m of context.matchAll(/<source>([^<]*)<\/source>\s*<translation(?: type="([^"]*)")?>([^<]*)<\/translation>/g)) {
    if (m[3] && m[2] !== 'unfinished' && m[2] !== 'vanished' && m[2] !== 'obsolete') entries.set(unescape(m[1]), unescape(m[3]));
  }
  english.set(unescape(name[1]), entries);
}

const out = {};
const menu = english.get('FigureMenu');
if (!menu || menu.size === 0) {
  console.error(`${tsPath}: no FigureMenu labels`);
  process.exit(1);
}
out.FigureMenu = Object.fromEntries(menu);

const missing = [];
const page = readFileSync(pagePath, 'utf8');
for (const m of page.matchAll(/QT_TRANSLATE_NOOP\(\s*(['"])(.*?)\1\s*,\s*(['"])(.*?)\3\s*\)/g)) {
  const [context, text] = [m[2], m[4]];
  const found = english.get(context)?.get(text);
  if (found === undefined) {
    missing.push(`${context}: ${text}`);
    continue;
  }
  (out[context] ??= {})[text] = found;
}
if (missing.length) {
  console.error(`${pagePath}: no English in ${tsPath} for\n  ${missing.join('\n  ')}\n` +
                '(run scripts/update-translations and fill in the new entries)');
  process.exit(1);
}
writeFileSync(outPath, `globalThis.GYRO_EN = ${JSON.stringify(out)};\n`);
