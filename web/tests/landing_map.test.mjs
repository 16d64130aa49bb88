// SPDX-License-Identifier: MIT
// "Landekarte…" on the page as in the window: the tuck map's cells and answer are the trace's, in
// a worker; a logged flight stands on it as a ring; a click tells a cell's flight and a double
// click flies it; a cancelled map leaves nothing running; axe-core finds nothing in the dialog.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { describe, test } from 'node:test';
import {
  chooseInMenu,
  csvRows,
  downloadCsv,
  openPage,
  trace,
  useSite,
  waitForLanding,
} from './browser.mjs';

const site = useSite();
const dialog = '[data-control="landingMapDialog"]';
const field = (name) => `${dialog} [data-control="${name}"]`;
const decimal = (n, places) => Number(n).toFixed(places).replace('.', ',');

async function waitForMap(page) {
  await page.waitForFunction((d) => document.querySelector(d)?.dataset.state === 'idle', dialog, {
    timeout: 120000,
  });
}

// The page's map saved as CSV.
async function mapCsv(page) {
  const [download] = await Promise.all([
    page.waitForEvent('download'),
    page.click(field('mapSaveCsv')),
  ]);
  const chunks = [];
  for await (const chunk of await download.createReadStream()) chunks.push(chunk);
  return { name: download.suggestedFilename(), text: Buffer.concat(chunks).toString('utf8') };
}

// A cell's middle on the map's canvas, by its column and row.
async function cellPoint(page, column, row, columns, rows) {
  const [left, top, width, height] = (
    await page.$eval(field('landingMapView'), (c) => c.dataset.plot)
  )
    .split(' ')
    .map(Number);
  return {
    x: left + ((column + 0.5) * width) / columns,
    y: top + height - ((row + 0.5) * height) / rows,
  };
}

describe('the landing map', () => {
  test('the tuck map is the trace’s; a ring, a click and a double click as in the window', async () => {
    const { context, page, errors } = await openPage(site.browser, site.url);
    await chooseInMenu(page, 'exactModelAction');
    await page.fill('[data-control="Text1"]', '6');
    await page.fill('[data-control="Text2"]', '70');
    // A planned flight for the ring.
    await chooseInMenu(page, 'tuckPlanAction');
    await page.fill('[data-control="tuckStartField"]', '4');
    await page.fill('[data-control="tuckLengthField"]', '7');
    await page.click('[data-control="flyPlanButton"]');
    await waitForLanding(page);

    await chooseInMenu(page, 'landingMapAction');
    await waitForMap(page);
    assert.equal(await page.$eval(dialog, (d) => d.dataset.where), 'worker');
    const expected = await trace(
      '--map',
      'tuck',
      '--speed',
      '6',
      '--angle',
      '70',
      '--model',
      'exact',
    );
    const saved = await mapCsv(page);
    assert.equal(saved.name, 'landekarte.csv');
    assert.equal(saved.text, expected); // every cell, its verdict and whether it opened again
    const cells = csvRows(expected);
    const classes = new Set(cells.map((c) => c.verdict));
    assert.ok(classes.has('upright') && classes.has('not-on-feet'));

    // The answer's four numbers are the trace's best plans.
    const [best] = csvRows(
      await trace('--map', 'tuck', '--speed', '6', '--angle', '70', '--model', 'exact', '--best'),
    );
    assert.equal(
      await page.textContent(field('mapAnswer')),
      `Aufrecht und gestreckt landet, wer frühestens ${decimal(best.earliestStartS, 2)} s und spätestens ${decimal(best.latestStartS, 2)} s nach dem Absprung zu hocken beginnt und mindestens ${decimal(best.shortestS, 2)} s, höchstens ${decimal(best.longestS, 2)} s gehockt bleibt.`,
    );
    // The flight flown stands on its cell: start frame 4 is the third column, 7 frames the 7th row.
    assert.equal(await page.$eval(field('landingMapView'), (c) => c.dataset.rings), '1@2,6');

    // A click tells the cell's flight: from frame 5 for 7 frames.
    const columns = new Set(cells.map((c) => c.tuckStartFrame)).size;
    const rows = cells.length / columns;
    const cell = cells.find((c) => c.tuckStartFrame === '5' && c.tuckFrames === '7');
    const at = await cellPoint(page, 3, 6, columns, rows);
    await page.click(field('landingMapView'), { position: at });
    const told = await page.textContent(field('mapSummary'));
    assert.ok(
      told.startsWith(
        `6,0 m/s, 70°, ab Bild 5, 7 Bilder, Haltung 7: ${decimal(cell.turns, 2)} Umdrehungen, Lage ${decimal(cell.attitudeDeg, 1)}°, `,
      ),
      told,
    );
    assert.ok(told.endsWith('. Ein Doppelklick oder Enter fliegt ihn.'));

    // A double click flies it: the boxes take its take-off, the flight its plan.
    await page.dblclick(field('landingMapView'), { position: at });
    await waitForLanding(page);
    assert.equal(await page.inputValue('[data-control="Text1"]'), '6');
    assert.equal(await page.inputValue('[data-control="Text2"]'), '70');
    const flown = await downloadCsv(page);
    assert.equal(
      flown.text,
      await trace('--speed', '6', '--angle', '70', '--model', 'exact', '--tuck', '5,7,7'),
    );
    const [summary] = csvRows(
      await trace(
        '--speed',
        '6',
        '--angle',
        '70',
        '--model',
        'exact',
        '--tuck',
        '5,7,7',
        '--summary',
      ),
    );
    for (const [name, value] of Object.entries(summary)) assert.equal(cell[name], value, name);
    assert.deepEqual(errors, []);
    await context.close();
  });

  test('a cancelled map leaves nothing running; axe-core finds nothing in the dialog', async () => {
    const { context, page, errors } = await openPage(site.browser, site.url);
    await chooseInMenu(page, 'exactModelAction');
    await chooseInMenu(page, 'landingMapAction');
    await waitForMap(page);
    // The speed × angle map of the exact model: long enough to cancel.
    await page.selectOption(field('mapKindField'), 'speedAngle');
    await page.waitForFunction(
      (d) =>
        Number(document.querySelector(d).dataset.messages ?? 0) > 0 &&
        document.querySelector(d).dataset.state === 'computing',
      dialog,
    );
    assert.ok(await page.isVisible(field('mapProgress')));
    await page.click(field('mapCancelButton'));
    assert.ok(await page.isHidden(field('mapProgress')));
    assert.equal(
      await page.textContent(field('mapAnswer')),
      'Abgebrochen: die Karte ist nicht ganz berechnet.',
    );
    const messages = await page.$eval(dialog, (d) => d.dataset.messages);
    // The worker would have answered many times over by the next frames: it has ended.
    for (let i = 0; i < 20; ++i) await page.evaluate(() => new Promise(requestAnimationFrame));
    assert.equal(await page.$eval(dialog, (d) => d.dataset.messages), messages);
    assert.equal(await page.$eval(dialog, (d) => d.dataset.state), 'idle');

    // Back to the tuck map, shown whole, and checked by axe-core.
    await page.selectOption(field('mapKindField'), 'tuck');
    await waitForMap(page);
    await page.addScriptTag({
      content: readFileSync(
        new URL('../node_modules/axe-core/axe.min.js', import.meta.url),
        'utf8',
      ),
    });
    const result = await page.evaluate(
      (d) =>
        window.axe.run(document.querySelector(d), {
          runOnly: {
            type: 'tag',
            values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'],
          },
        }),
      dialog,
    );
    assert.deepEqual(
      result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`),
      [],
    );
    // Closing ends the worker too.
    await page.click(field('mapCloseButton'));
    assert.ok(await page.isHidden(dialog));
    assert.deepEqual(errors, []);
    await context.close();
  });
});
