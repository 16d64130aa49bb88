// SPDX-License-Identifier: MIT
// The page's flight log as a class uses it: every flight a row with its verdict, flights shown
// beside the current one in their own colours, the log kept across a reload, a damaged log set
// aside.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import {
  chooseInMenu,
  flyTakeoff,
  csvRows,
  openPage,
  sheetCells,
  trace,
  useSite,
} from './browser.mjs';

const site = useSite();

const fly = flyTakeoff;

const rows = (page) =>
  page.$$eval('[data-control="logTable"] tr[data-number]', (trs) =>
    trs.map((tr) => [...tr.querySelectorAll('td')].map((td) => td.textContent.trim())),
  );

describe('the flight log', () => {
  test('four flights, four rows with their verdicts; shown flights drawn in their colours; kept across a reload', async () => {
    const { context, page, errors } = await openPage(site.browser, `${site.url}?model=exact`);
    for (const [speed, angle] of [
      ['6', '60'],
      ['8', '80'],
      ['5', '50'],
      ['7', '45'],
    ])
      await fly(page, speed, angle);
    await chooseInMenu(page, 'logAction');
    const table = await rows(page);
    assert.equal(table.length, 4);
    assert.deepEqual(
      table.map((r) => r[0]),
      ['1', '2', '3', '4'],
    );
    // 6 m/s at 60° comes down on the hand; 8 m/s at 80° on the feet, 72.6° short of upright.
    // The last two columns, the prediction and how far it was off, stay empty without a plan.
    assert.deepEqual(table[0].slice(-5), ['Hand', table[0].at(-4), 'nicht auf den Füßen', '', '']);
    assert.equal(table[1].at(-4), '-72,6');
    assert.equal(table[1].at(-3), 'zu wenig gedreht');

    await page.check('[data-control="logTable"] tr[data-number="1"] input');
    await page.check('[data-control="logTable"] tr[data-number="3"] input');
    // Flight 1's path, a third of the way, in the first style's blue; flight 3's in vermillion.
    for (const [args, isStyle] of [
      [['--speed', '6', '--angle', '60'], ([r, , b]) => b > r + 40],
      [['--speed', '5', '--angle', '50'], ([r, , b]) => r > b + 40],
    ]) {
      const frames = csvRows(await trace(...args, '--model', 'exact'));
      const f = frames[Math.floor(frames.length / 3)];
      const rgb = await page.evaluate(
        ([x, y]) => {
          const canvas = document.querySelector('canvas.canvas');
          const px = Math.round((x * canvas.width) / 200),
            py = Math.round((y * canvas.height) / 150);
          return [...canvas.getContext('2d').getImageData(px, py, 1, 1).data];
        },
        [Number(f.pathX), Number(f.pathY)],
      );
      assert.ok(isStyle(rgb), `${args.join(' ')}: ${rgb}`);
    }
    // The charts draw them too, named in a legend.
    await chooseInMenu(page, 'chartsAction');
    const labels = await page.$$eval('.charts[open] canvas', (canvases) =>
      canvases.map((c) => c.getAttribute('aria-label')),
    );
    assert.equal(labels.length, 7);
    assert.equal(labels[0], 'Höhe des Schwerpunkts (m), Flug auf dem Bild, Flug 1, Flug 3');
    assert.equal(labels[4], 'Trägheitsmoment (kg·m²), Flug auf dem Bild, Flug 1, Flug 3');
    assert.equal(labels[6], 'Rotationsenergie (J), Flug auf dem Bild, Flug 1, Flug 3');
    await page.keyboard.press('Escape');
    // The class's workbook: named by the lesson and the day, the log's rows as numbers, a sheet
    // per flight naming who flew it.
    await page.fill('[data-control="lessonTitle"]', '7b / Anna');
    await page.press('[data-control="lessonTitle"]', 'Tab');
    const [download] = await Promise.all([
      page.waitForEvent('download'),
      page.click('[data-control="saveLogButton"]'),
    ]);
    const day = await page.evaluate(() => new Date().toLocaleDateString('sv-SE'));
    assert.equal(download.suggestedFilename(), `flugprotokoll-7b-Anna-${day}.xlsx`);
    const chunks = [];
    for await (const chunk of await download.createReadStream()) chunks.push(chunk);
    const { cells, workbook } = sheetCells(Buffer.concat(chunks), 2);
    assert.equal(cells.B1, '7b / Anna');
    assert.equal(cells.B5, 'Lehrkraft');
    assert.equal(sheetCells(Buffer.concat(chunks), 3).cells.H3, 'Lehrkraft');
    const groups = sheetCells(Buffer.concat(chunks), 1).cells;
    assert.deepEqual([groups.A5, groups.B5], ['Lehrkraft', 4]);
    assert.equal(cells.D4, 'v (m/s)');
    assert.deepEqual([cells.A5, cells.D5, cells.E5, cells.D6], [1, 6, 60, 8]);
    // The verdict's column by its header: the standard athlete's empty columns are not printed.
    const verdictColumn = Object.keys(cells)
      .find((key) => /^[A-Z]+4$/.test(key) && cells[key] === 'Urteil')
      ?.slice(0, -1);
    assert.ok(verdictColumn && !Object.values(cells).includes('m (kg)'));
    assert.equal(cells[`${verdictColumn}6`], 'zu wenig gedreht');
    for (const name of ['Gruppen', 'Protokoll', 'Flug 1', 'Flug 4'])
      assert.match(workbook, new RegExp(`name="${name}"`));
    // Printed as the desktop's: every sheet A4 across and one page wide, the log's header atop every page.
    for (const n of [1, 2, 3, 6]) {
      const { xml } = sheetCells(Buffer.concat(chunks), n);
      assert.match(xml, /<sheetPr><pageSetUpPr fitToPage="1"\/><\/sheetPr>/, `sheet ${n} fits`);
      const setup = xml.match(/<pageSetup [^>]*>/)?.[0] ?? '';
      for (const a of [
        'fitToWidth="1"',
        'fitToHeight="0"',
        'paperSize="9"',
        'orientation="landscape"',
      ])
        assert.ok(setup.includes(a), `sheet ${n}: ${a}`);
    }
    assert.equal((workbook.match(/<definedNames>/g) ?? []).length, 1);
    assert.match(
      workbook,
      /<definedName name="_xlnm.Print_Titles" localSheetId="1">'Protokoll'!\$4:\$4<\/definedName>/,
    );

    await page.reload();
    await page.waitForSelector('[data-control="Start"]');
    await chooseInMenu(page, 'logAction');
    const again = await rows(page);
    assert.equal(again.length, 4);
    assert.deepEqual(
      await page.$$eval('[data-control="logTable"] input:checked', (inputs) =>
        inputs.map((i) => i.closest('tr').dataset.number),
      ),
      ['1', '3'],
    );
    assert.deepEqual(errors, []);
    await context.close();
  });

  test('"Vorigen Flug zum Vergleich" keeps the flight before the last beside it after its landing', async () => {
    const { context, page } = await openPage(site.browser, site.url);
    await fly(page, '6', '60');
    await chooseInMenu(page, 'previousAction');
    await fly(page, '8', '45');
    // Flight 1's path, a third of the way, in the first style's blue, with flight 2 landed.
    const frames = csvRows(await trace('--speed', '6', '--angle', '60'));
    const f = frames[Math.floor(frames.length / 3)];
    const colourAt = () =>
      page.evaluate(
        ([x, y]) => {
          const canvas = document.querySelector('canvas.canvas');
          const px = Math.round((x * canvas.width) / 200),
            py = Math.round((y * canvas.height) / 150);
          return [...canvas.getContext('2d').getImageData(px, py, 1, 1).data];
        },
        [Number(f.pathX), Number(f.pathY)],
      );
    const [r, , b] = await colourAt();
    assert.ok(b > r + 40, `flight 1 beside flight 2: ${[r, b]}`);
    // Without the tool it is gone.
    await chooseInMenu(page, 'previousAction');
    await page.waitForTimeout(100);
    const [r2, , b2] = await colourAt();
    assert.ok(!(b2 > r2 + 40), `flight 1 hidden: ${[r2, b2]}`);
    await context.close();
  });

  test("Start keeps the last frame until the new flight's first frame", async () => {
    const { context, page } = await openPage(site.browser, site.url);
    await fly(page, '6', '60');
    const landed = await page.$eval('.window', (w) => w.dataset.frame);
    await page.check('[data-control="Option3"] input'); // 235 ms before frame 1
    await page.click('[data-control="Start"]');
    assert.equal(await page.$eval('.window', (w) => w.dataset.frame), landed);
    await page.waitForFunction(() => document.querySelector('.window').dataset.frame === '1');
    await context.close();
  });

  test('a log the browser cannot store is said once and the flights stay', async () => {
    const { context, page } = await openPage(site.browser, site.url);
    await context.addInitScript(() => {
      const set = Storage.prototype.setItem;
      Storage.prototype.setItem = function (key, value) {
        if (key === 'purzosimulation.log') throw new DOMException('full', 'QuotaExceededError');
        return set.call(this, key, value);
      };
    });
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    await fly(page, '6', '60');
    await page.waitForFunction(() =>
      /Speicher des Browsers ist voll/.test(
        document.querySelector('[data-control="VerdictLine"]').textContent,
      ),
    );
    await fly(page, '6', '60');
    assert.match(
      await page.textContent('[data-control="VerdictLine"]'),
      /^Keine Landung auf den Füßen/,
    );
    await chooseInMenu(page, 'logAction');
    assert.equal((await rows(page)).length, 2);
    await context.close();
  });

  test('a log cut inside its only flight is set aside and the lesson starts empty', async () => {
    const { context, page } = await openPage(site.browser, site.url);
    await page.evaluate(() =>
      localStorage.setItem(
        'purzosimulation.log',
        'Purzosimulation flight log 1\ngroup\t\nflight\t1\tclassic',
      ),
    );
    await page.reload();
    await page.waitForSelector('[data-control="VerdictLine"]:not([hidden])');
    assert.match(await page.textContent('[data-control="VerdictLine"]'), /beschädigt/);
    const kept = await page.evaluate(() =>
      Object.keys(localStorage).filter((k) => k.startsWith('purzosimulation.log.defekt-')),
    );
    assert.equal(kept.length, 1);
    await chooseInMenu(page, 'logAction');
    assert.equal((await rows(page)).length, 0);
    await context.close();
  });

  test('the open log stands beside the window at 1366 × 768, never over the controls or the canvas', async () => {
    const { context, page, errors } = await openPage(site.browser, site.url);
    for (let i = 0; i < 6; i++) await fly(page, String(5 + i * 0.5), String(50 + i * 4));
    await chooseInMenu(page, 'logAction');
    const boxes = await page.evaluate(() =>
      Object.fromEntries(
        [
          '.log-panel[open]',
          '[data-control="Start"]',
          'canvas.canvas',
          '[data-control="Text1"]',
          '[data-control="Text2"]',
          '[data-control="Ende"]',
        ].map((s) => {
          const b = document.querySelector(s).getBoundingClientRect();
          return [s, { left: b.left, top: b.top, right: b.right, bottom: b.bottom }];
        }),
      ),
    );
    const log = boxes['.log-panel[open]'];
    assert.ok(
      log.left >= 0 && log.top >= 0 && log.right <= 1366 && log.bottom <= 768,
      JSON.stringify(log),
    );
    for (const [name, b] of Object.entries(boxes)) {
      if (name === '.log-panel[open]') continue;
      const apart =
        b.right <= log.left || b.left >= log.right || b.bottom <= log.top || b.top >= log.bottom;
      assert.ok(apart, `${name} under the log: ${JSON.stringify(b)}`);
    }
    // Closed, the window takes its whole room again.
    await page.click('.log-panel[open] >> text=Schließen');
    const narrow = boxes['canvas.canvas'].right - boxes['canvas.canvas'].left;
    await page.waitForFunction(
      (w) => document.querySelector('canvas.canvas').getBoundingClientRect().width > w + 20,
      narrow,
    );
    assert.deepEqual(errors, []);
    await context.close();
  });
});
