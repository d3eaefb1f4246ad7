// Decodes a batch of one-bit rasters with zxing-wasm, the test suite's
// independent decoder.
//
// Input (file named by argv[2]): one raster per line,
//   id <TAB> width <TAB> height <TAB> scale <TAB> quietZone <TAB> format <TAB> pixels
// where pixels holds width*height characters, row by row, '1' dark, '0' light.
// Output (stdout): one line per raster, tab separated:
//   id found format hex(bytes) hex(text) symbologyIdentifier uec hex(extra) hex(error)
// uec is the decoder's unused error correction (1 = none used), -1 if not reported.
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { prepareZXingModule, readBarcodes } from 'zxing-wasm/reader';

const here = dirname(fileURLToPath(import.meta.url));
const wasm = readFileSync(join(here, 'node_modules/zxing-wasm/dist/reader/zxing_reader.wasm'));
prepareZXingModule({ overrides: { wasmBinary: wasm }, fireImmediately: true });

const hex = (bytes) => Buffer.from(bytes).toString('hex');

function toImage(width, height, scale, quiet, pixels) {
  const w = (width + 2 * quiet) * scale;
  const h = (height + 2 * quiet) * scale;
  const data = new Uint8ClampedArray(w * h * 4).fill(255);
  for (let y = 0; y < height; ++y) {
    for (let x = 0; x < width; ++x) {
      if (pixels.charCodeAt(y * width + x) !== 49) continue;
      for (let dy = 0; dy < scale; ++dy) {
        const row = ((y + quiet) * scale + dy) * w;
        for (let dx = 0; dx < scale; ++dx) {
          const i = (row + (x + quiet) * scale + dx) * 4;
          data[i] = data[i + 1] = data[i + 2] = 0;
        }
      }
    }
  }
  return { width: w, height: h, data };
}

function uecOf(extra) {
  try {
    const parsed = JSON.parse(extra || '{}');
    return typeof parsed.UEC === 'number' ? parsed.UEC : -1;
  } catch {
    return -1;
  }
}

const lines = readFileSync(process.argv[2], 'utf8').split('\n').filter((l) => l.length > 0);
const out = [];
for (const line of lines) {
  const [id, width, height, scale, quiet, format, pixels] = line.split('\t');
  const image = toImage(+width, +height, +scale, +quiet, pixels);
  const options = { tryHarder: true, maxNumberOfSymbols: 1, textMode: 'Plain' };
  if (format) options.formats = [format];
  let results = [];
  let error = '';
  try {
    results = await readBarcodes(image, options);
  } catch (e) {
    error = String(e);
  }
  const r = results.find((x) => x.isValid);
  if (r) {
    out.push([id, 1, r.format, hex(r.bytes), hex(Buffer.from(r.text, 'utf8')), r.symbologyIdentifier,
      uecOf(r.extra), hex(Buffer.from(r.extra || '', 'utf8')), ''].join('\t'));
  } else {
    if (!error) error = results.length ? results[0].error || 'invalid' : 'not found';
    out.push([id, 0, '', '', '', '', -1, '', hex(Buffer.from(error, 'utf8'))].join('\t'));
  }
}
process.stdout.write(out.join('\n') + (out.length ? '\n' : ''));
