// SPDX-License-Identifier: MIT
// The page's figures beside the desktop's: the frame intervals of the design flight at each pace
// in headless chromium, the time from opening the page to ready, the time for a 41 × 51 speed ×
// angle landing map (exact model) in the page's worker, and the gzipped sizes of both outputs. Reads the desktop's figures from the benchmark's JSON and adds the page's to it.
//   node tools/bench.mjs BENCH_JSON
import { readFileSync, readdirSync, statSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { launch, out, startServer } from '../tests/browser.mjs';

const jsonPath = process.argv[2];
const json = JSON.parse(readFileSync(jsonPath, 'utf8'));

function gzippedBytes(folder) {
  let total = 0;
  for (const name of readdirSync(folder)) {
    const path = join(folder, name);
    total += statSync(path).isDirectory()
      ? gzippedBytes(path)
      : gzipSync(readFileSync(path), { level: 9 }).length;
  }
  return total;
}

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const mid = sorted.length >> 1;
  return sorted.length % 2 ? sorted[mid] : (sorted[mid - 1] + sorted[mid]) / 2;
};

const { server, url } = await startServer();
const browser = await launch();
const readyMs = [];
for (let i = 0; i < 5; ++i) {
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
  const page = await context.newPage();
  const start = Date.now();
  await page.goto(url);
  await page.waitForSelector('body[data-ready="true"]');
  readyMs.push(Date.now() - start);
  await context.close();
}

const paces = [
  ['Echtzeit', 'Option1', 59],
  ['Zeitlupe', 'Option2', 118],
  ['Extrem-Zeitlupe', 'Option3', 235],
];
console.log(
  `\n${'pace'.padEnd(22)} ${'frames'.padStart(6)} ${'desktop median'.padStart(15)} ${'page median'.padStart(12)} ${'desktop late'.padStart(13)} ${'page late'.padStart(10)}   (ms)`,
);
const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
const page = await context.newPage();
await page.goto(url);
await page.waitForSelector('body[data-ready="true"]');
// One flight first, so that the browser has compiled what a flight runs.
await page.click('[data-control="Start"]');
await page.waitForFunction(() => document.querySelector('.window').dataset.state === 'idle', null, {
  timeout: 30000,
});
for (const [name, option, delayMs] of paces) {
  const desktop = `pace_${delayMs}_`,
    web = `web_pace_${delayMs}_`;
  await page.check(`[data-control="${option}"] input`);
  await page.click('[data-control="Start"]');
  await page.waitForFunction(
    () =>
      document.querySelector('.window').dataset.state === 'idle' &&
      window.purzo.frameTimesMs.length > 0,
    null,
    { timeout: 30000 },
  );
  const { start, shown } = await page.evaluate(() => ({
    start: window.purzo.flightStartMs(),
    shown: [...window.purzo.frameTimesMs],
  }));
  const intervals = shown.map((t, n) => t - (n ? shown[n - 1] : start));
  const late = Math.max(...shown.map((t, n) => t - start - (n + 1) * delayMs));
  json[`${web}median_ms`] = median(intervals);
  json[`${web}max_late_ms`] = late;
  console.log(
    `${name.padEnd(22)} ${String(shown.length).padStart(6)} ${(json[`${desktop}median_ms`] ?? NaN).toFixed(3).padStart(15)} ` +
      `${median(intervals).toFixed(3).padStart(12)} ${(json[`${desktop}max_late_ms`] ?? NaN).toFixed(3).padStart(13)} ${late.toFixed(3).padStart(10)}`,
  );
}

// The landing map: the tuck map first, so that the worker has loaded the module; then the
// speed × angle map of the first plan, its time as the page measured it.
await page.click('canvas.canvas', { button: 'right', position: { x: 40, y: 40 } });
await page.click('.menu-item[data-entry="exactModelAction"]');
await page.click('canvas.canvas', { button: 'right', position: { x: 40, y: 40 } });
await page.click('.menu-item[data-entry="landingMapAction"]');
const mapDone = () =>
  page.waitForFunction(
    () => document.querySelector('[data-control="landingMapDialog"]').dataset.state === 'idle',
    null,
    { timeout: 300000 },
  );
await mapDone();
await page.selectOption('[data-control="mapKindField"]', 'speedAngle');
await page.waitForFunction(
  () => document.querySelector('[data-control="landingMapDialog"]').dataset.state === 'computing',
);
await mapDone();
json.web_map_speed_angle_ms = Number(
  await page.$eval('[data-control="landingMapDialog"]', (d) => d.dataset.mapMs),
);
await browser.close();
server.close();

json.web_ready_ms = median(readyMs);
json.web_dist_gzip_bytes = gzippedBytes(join(out, 'dist'));
json.web_single_gzip_bytes = gzipSync(readFileSync(join(out, 'single/purzosimulation.html')), {
  level: 9,
}).length;
console.log(
  `\n${'page ready from a local server (ms)'.padEnd(40)} ${json.web_ready_ms.toFixed(0).padStart(10)}`,
);
console.log(
  `${'41 × 51 landing map, exact, worker (ms)'.padEnd(40)} ${json.web_map_speed_angle_ms.toFixed(0).padStart(10)}`,
);
console.log(
  `${'web/dist gzipped (KB)'.padEnd(40)} ${(json.web_dist_gzip_bytes / 1024).toFixed(0).padStart(10)}`,
);
console.log(
  `${'purzosimulation.html gzipped (KB)'.padEnd(40)} ${(json.web_single_gzip_bytes / 1024).toFixed(0).padStart(10)}`,
);
writeFileSync(jsonPath, `${JSON.stringify(json, null, 4)}\n`);
