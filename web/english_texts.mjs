// Writes the English of the figure menu's labels (context "FigureMenu" of a Qt
// .ts file) as a script that sets globalThis.GYRO_MENU_EN = {Japanese: English}.
//   node menu_labels.mjs translations/gyrosolid_en.ts OUT.js
import { readFileSync, writeFileSync } from 'node:fs';

const [tsPath, outPath] = process.argv.slice(2);
const ts = readFileSync(tsPath, 'utf8');
const unescape = (s) => s.replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&quot;/g, '"')
  .replace(/&apos;/g, "'").replace(/&amp;/g, '&');
const labels = {};
for (const context of ts.split('<context>').slice(1)) {
  const name = /<name>([^<]*)<\/name>/.exec(context);
  if (!name || name[1] !== 'FigureMenu') continue;
  for (const m of context.matchAll(/<source>([^<]*)<\/source>\s*<translation(?: type="[^"]*")?>([^<]*)<\/translation>/g)) {
    if (m[2]) labels[unescape(m[1])] = unescape(m[2]);
  }
}
if (Object.keys(labels).length === 0) {
  console.error(`${tsPath}: no FigureMenu labels`);
  process.exit(1);
}
writeFileSync(outPath, `globalThis.GYRO_MENU_EN = ${JSON.stringify(labels)};\n`);
