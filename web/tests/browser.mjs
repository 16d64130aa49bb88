// SPDX-License-Identifier: MIT
// What the browser tests share: the built page served on the loopback, Debian's chromium driven
// by playwright-core, the WebAssembly purzo-trace to compare with, and reading the canvas.
import { execFile } from 'node:child_process';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { promisify } from 'node:util';
import { after, before } from 'node:test';
import { unzipSync, strFromU8 } from 'fflate';
import { chromium } from 'playwright-core';
import { serve } from '../tools/serve.mjs';

export { serve };

const web = resolve(dirname(fileURLToPath(import.meta.url)), '..');
// The built page (dist/ and single/ below it) and the WebAssembly purzo-trace.
export const out = process.env.PURZO_WEB_OUT ?? web;
export const wasmTrace =
  process.env.PURZO_WASM_TRACE ?? join(web, '../build-wasm/tools/trace/purzo-trace.js');

// One server and one browser for a test file: `const site = useSite();` then site.url and
// site.browser inside the tests.
export function useSite() {
  const site = {};
  before(async () => {
    Object.assign(site, await startServer());
    site.browser = await launch();
  });
  after(async () => {
    await site.browser?.close();
    site.server?.close();
  });
  return site;
}

export async function startServer() {
  const server = await serve(join(out, 'dist'), 0);
  return { server, url: `http://127.0.0.1:${server.address().port}/` };
}

export function launch() {
  return chromium.launch({
    executablePath: process.env.PURZO_CHROMIUM ?? '/usr/bin/chromium',
    args: [
      '--no-sandbox',
      '--disable-gpu',
      '--disable-quic',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
      '--autoplay-policy=no-user-gesture-required',
    ],
  });
}

export async function openPage(
  browser,
  url,
  { width = 1366, height = 768, scale = 1, locale = 'de-DE', touch = false, clock = false } = {},
) {
  const context = await browser.newContext({
    viewport: { width, height },
    deviceScaleFactor: scale,
    locale,
    hasTouch: touch,
    acceptDownloads: true,
  });
  // Counts the warning's beeps: each is one oscillator.
  await context.addInitScript(() => {
    window.beeps = 0;
    const create = AudioContext.prototype.createOscillator;
    AudioContext.prototype.createOscillator = function () {
      window.beeps += 1;
      return create.call(this);
    };
  });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(e.message));
  // A held clock: time moves only when a test runs it on.
  if (clock) await page.clock.install({ time: new Date('2026-12-09T08:00:00Z') });
  await page.goto(url);
  await page.waitForSelector('body[data-ready="true"]');
  if (clock) await page.clock.pauseAt(new Date('2026-12-09T08:01:00Z'));
  return { context, page, errors };
}

// purzo-trace in WebAssembly, the page's own model.
export async function trace(...args) {
  const { stdout } = await promisify(execFile)(
    'node',
    ['--no-experimental-fetch', wasmTrace, ...args],
    { maxBuffer: 1 << 26 },
  );
  return stdout;
}

export const shownFrame = (page) => page.$eval('.window', (w) => Number(w.dataset.frame));

// Waits until the flight or replay on show has ended and its last frame is drawn.
export async function waitForLanding(page, timeout = 20000) {
  await page.waitForFunction(
    () => {
      const w = document.querySelector('.window');
      return w.dataset.state === 'idle' && Number(w.dataset.frame) > 0;
    },
    null,
    { timeout },
  );
}

// Opens the canvas's menu with a right click and chooses an entry.
// Types a take-off, presses Start and waits for the landing.
export async function flyTakeoff(page, speed, angle) {
  await page.fill('[data-control="Text1"]', speed);
  await page.fill('[data-control="Text2"]', angle);
  await page.click('[data-control="Start"]');
  await page.waitForFunction(() => document.querySelector('.window').dataset.state === 'flight');
  await waitForLanding(page);
}

export async function chooseInMenu(page, entry) {
  await page.click('canvas.canvas', { button: 'right', position: { x: 40, y: 40 } });
  await page.click(`.menu-item[data-entry="${entry}"]`);
}

// Saves the flight as CSV from the menu and returns the download's text.
export async function downloadCsv(page) {
  const [download] = await Promise.all([
    page.waitForEvent('download'),
    chooseInMenu(page, 'saveCsvAction'),
  ]);
  const stream = await download.createReadStream();
  const chunks = [];
  for await (const chunk of stream) chunks.push(chunk);
  return { name: download.suggestedFilename(), text: Buffer.concat(chunks).toString('utf8') };
}

// The darkest pixel within `radius` device pixels of a point of the canvas.
export function darkestNear(page, x, y, radius = 2) {
  return page.$eval(
    'canvas.canvas',
    (canvas, [x, y, radius]) => {
      const data = canvas
        .getContext('2d')
        .getImageData(
          Math.round(x) - radius,
          Math.round(y) - radius,
          2 * radius + 1,
          2 * radius + 1,
        ).data;
      let darkest = 765;
      for (let i = 0; i < data.length; i += 4)
        darkest = Math.min(darkest, data[i] + data[i + 1] + data[i + 2]);
      return darkest;
    },
    [x, y, radius],
  );
}

export function csvRows(text) {
  const [header, ...rows] = text.trim().split('\n');
  const names = header.split(',');
  return rows.map((r) => Object.fromEntries(r.split(',').map((v, i) => [names[i], v])));
}

// A sheet's cells as { "B7": number or text }, read from the workbook's XML: sheet n (1, 2, …),
// or the first one found; with the workbook's and the sheet's XML.
export function sheetCells(bytes, sheet = null) {
  const files = unzipSync(new Uint8Array(bytes));
  const shared = [
    ...strFromU8(files['xl/sharedStrings.xml'] ?? new Uint8Array()).matchAll(
      /<si>(?:<t[^>]*>([^<]*)<\/t>)<\/si>/g,
    ),
  ].map((m) => m[1]);
  const sheetName = sheet
    ? `xl/worksheets/sheet${sheet}.xml`
    : Object.keys(files).find((f) => /^xl\/worksheets\/sheet\d+\.xml$/.test(f));
  const cells = {};
  for (const m of strFromU8(files[sheetName]).matchAll(
    /<c r="([A-Z]+\d+)"([^>]*?)(?:\/>|>(?:<v>([^<]*)<\/v>|<is><t[^>]*>([^<]*)<\/t><\/is>)?<\/c>)/g,
  )) {
    const [, ref, attributes, value, inline] = m;
    if (/t="s"/.test(attributes)) cells[ref] = shared[Number(value)];
    else if (/t="inlineStr"/.test(attributes)) cells[ref] = inline;
    else if (value !== undefined) cells[ref] = Number(value);
  }
  return { cells, workbook: strFromU8(files['xl/workbook.xml']), xml: strFromU8(files[sheetName]) };
}
