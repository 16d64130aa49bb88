// SPDX-License-Identifier: MIT
// The WebAssembly purzo-trace against the native one over a grid of flights in both models:
// the same rows, columns, frames, postures, landings and texts; floats within 1e-9 (glibc's and
// musl's maths libraries differ in the last bits).
//   node trace_parity.mjs NATIVE_TRACE WASM_TRACE_JS
import { execFile } from 'node:child_process';
import { promisify } from 'node:util';

const run = promisify(execFile);
const [nativeTrace, wasmTrace] = process.argv.slice(2);
const kTolerance = 1e-9;

const flights = [];
for (const model of ['classic', 'exact']) {
  for (const speed of ['4', '4.5', '5.25', '6', '7', '8']) {
    for (const angle of ['30', '41', '50', '60', '72', '80']) {
      for (const postures of ['1', '7', '1,1,7', '1,2,3,4,5,6,7', '7,7,7,1', '3,5,2,6,1,7,1,7']) {
        flights.push([`--speed=${speed}`, `--angle=${angle}`, `--postures=${postures}`, `--model=${model}`]);
      }
    }
  }
  // Texts as students type them, the warnings among them.
  for (const [speed, angle] of [['6,5', '45,5'], ['9', '60'], ['abc', '50'], ['5', '81'], [' 7.25 ', ' 30 ']]) {
    flights.push([`--speed=${speed}`, `--angle=${angle}`, '--postures=1,7', `--model=${model}`]);
  }
}

function sameCell(a, b) {
  if (a === b) return true;
  const x = Number(a), y = Number(b);
  if (a === '' || b === '' || !Number.isFinite(x) || !Number.isFinite(y)) return false;
  if (Number.isInteger(x) && Number.isInteger(y) && !a.includes('.') && !b.includes('.') &&
      !a.includes('e') && !b.includes('e')) {
    return false; // whole numbers (frames, postures, classic degrees) must be equal
  }
  return Math.abs(x - y) <= kTolerance * Math.max(1, Math.abs(x));
}

async function compare(args) {
  const [native, wasm] = await Promise.all([
    run(nativeTrace, args, { maxBuffer: 1 << 26 }),
    run('node', ['--no-experimental-fetch', wasmTrace, ...args], { maxBuffer: 1 << 26 }),
  ]);
  if (native.stderr !== wasm.stderr) return `${args.join(' ')}: warnings differ`;
  const a = native.stdout.split('\n'), b = wasm.stdout.split('\n');
  if (a.length !== b.length) return `${args.join(' ')}: ${a.length - 2} frames natively, ${b.length - 2} in WebAssembly`;
  let worst = 0;
  for (let i = 0; i < a.length; ++i) {
    const x = a[i].split(','), y = b[i].split(',');
    if (x.length !== y.length) return `${args.join(' ')}: row ${i} has other columns`;
    for (let j = 0; j < x.length; ++j) {
      if (!sameCell(x[j], y[j])) return `${args.join(' ')}: row ${i} column ${j}: ${x[j]} against ${y[j]}`;
      if (x[j] !== y[j]) worst = Math.max(worst, Math.abs(Number(x[j]) - Number(y[j])));
    }
  }
  return worst;
}

let failures = 0, worst = 0, rows = 0;
const queue = [...flights];
async function worker() {
  while (queue.length) {
    const args = queue.shift();
    const result = await compare(args);
    if (typeof result === 'string') {
      ++failures;
      console.log('FAIL ' + result);
    } else {
      worst = Math.max(worst, result);
      ++rows;
    }
  }
}
await Promise.all([worker(), worker(), worker()]);
console.log(`${flights.length} flights, ${failures} differ; largest float difference ${worst}`);
process.exit(failures === 0 && rows === flights.length ? 0 : 1);
