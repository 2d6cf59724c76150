// Dumps every lexeme of the OpenCorpora dictionary shipped in the npm package `az`
// as lines "paradigmId<TAB>stem" (one line per lexeme), together with the paradigm
// table as JSON, so that the stress stage can rebuild every form with its tag.
// Usage: node extract_opencorpora.js <az/dicts dir> <out dir>
'use strict';
const fs = require('fs');
const path = require('path');

const [dictDir, outDir] = process.argv.slice(2);
const PREFIXES = ['', 'по', 'наи'];

function readDawg(file) {
  const buf = fs.readFileSync(file);
  const data = buf.buffer.slice(buf.byteOffset, buf.byteOffset + buf.length);
  const dv = new DataView(data);
  const unitsLength = dv.getUint32(0, true);
  const guideLength = dv.getUint32(unitsLength * 4 + 4, true);
  return {
    units: new Uint32Array(data, 4, unitsLength),
    guide: new Uint8Array(data, unitsLength * 4 + 8, guideLength * 2),
  };
}

const offset = (base) => ((base >>> 10) << ((base & (1 << 9)) >>> 6)) >>> 0;
const label = (base) => (base & ((1 << 31) | 0xff)) >>> 0;
const hasLeaf = (base) => (base & (1 << 8)) !== 0;

function follow(d, c, index) {
  const next = (index ^ offset(d.units[index]) ^ c) >>> 0;
  return label(d.units[next]) === c ? next : -1;
}

// Depth-first walk over all complete keys (dawgdic guide order), calling emit(keyBytes).
function walk(d, emit) {
  const key = [];
  const stack = [0];
  function descend(index) {
    while (!hasLeaf(d.units[index])) {
      const c = d.guide[index << 1];
      index = follow(d, c, index);
      if (index < 0) return -1;
      key.push(c);
      stack.push(index);
    }
    return index;
  }
  let index = descend(0);
  while (index >= 0) {
    emit(key);
    // next key: go to first child, else to the next sibling of this node or an ancestor
    let c = d.guide[index << 1];
    if (c) {
      index = follow(d, c, index);
      key.push(c);
      stack.push(index);
    } else {
      for (;;) {
        const cur = stack[stack.length - 1];
        const sib = d.guide[(cur << 1) + 1];
        key.pop();
        stack.pop();
        if (!stack.length) return;
        if (sib) {
          index = follow(d, sib, stack[stack.length - 1]);
          key.push(sib);
          stack.push(index);
          break;
        }
      }
    }
    index = descend(index);
  }
}

const cp1251 = new TextDecoder('windows-1251');
const suffixes = JSON.parse(fs.readFileSync(path.join(dictDir, 'suffixes.json'), 'utf8'));
const tags = JSON.parse(fs.readFileSync(path.join(dictDir, 'gramtab-opencorpora-int.json'), 'utf8'));
const pbuf = fs.readFileSync(path.join(dictDir, 'paradigms.array'));
const list = new Uint16Array(pbuf.buffer.slice(pbuf.byteOffset, pbuf.byteOffset + pbuf.length));
const paradigms = [];
for (let i = 0, pos = 1; i < list[0]; i++) {
  const size = list[pos++];
  const p = Array.from(list.subarray(pos, pos + size));
  pos += size;
  const n = size / 3;
  const forms = [];
  for (let f = 0; f < n; f++) forms.push([PREFIXES[p[2 * n + f]], suffixes[p[f]], tags[p[n + f]]]);
  paradigms.push(forms);
}
fs.writeFileSync(path.join(outDir, 'paradigms.json'), JSON.stringify(paradigms));

const words = readDawg(path.join(dictDir, 'words.dawg'));
const seen = new Set();
const out = [];
walk(words, (key) => {
  const sep = key.indexOf(1);
  const word = cp1251.decode(Uint8Array.from(key.slice(0, sep)));
  const v = key.slice(sep + 1);
  const para = ((v[0] ^ 1) << 6) + (v[1] >> 1);
  const idx = ((v[2] ^ 1) << 6) + (v[3] >> 1);
  const [pre, suf] = paradigms[para][idx];
  const stem = word.substring(pre.length, word.length - suf.length);
  const id = para + '\t' + stem;
  if (!seen.has(id)) {
    seen.add(id);
    out.push(id);
  }
});
fs.writeFileSync(path.join(outDir, 'lexemes.tsv'), out.join('\n') + '\n');
console.log(`${paradigms.length} paradigms, ${out.length} lexemes`);
