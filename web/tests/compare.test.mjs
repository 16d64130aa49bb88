// SPDX-License-Identifier: MIT
// The comparison on the page as a class works it: the shown flights played together, each as far
// as the same moment after take-off, with one box for their legend and data.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { chooseInMenu, flyTakeoff, csvRows, openPage, trace, useSite } from './browser.mjs';

const site = useSite();

const fly = flyTakeoff;

const pixel = (page, x, y) =>
  page.evaluate(
    ([px, py]) => {
      const canvas = document.querySelector('canvas.canvas');
      const cx = Math.round((px * canvas.width) / 200),
        cy = Math.round((py * canvas.height) / 150);
      return [...canvas.getContext('2d').getImageData(cx, cy, 1, 1).data];
    },
    [x, y],
  );

describe('the comparison', () => {
  test('stepped to a moment, each flight is drawn as far as that moment and no further', async () => {
    const { context, page, errors } = await openPage(site.browser, site.url);
    const takeoffs = [
      ['5', '45'],
      ['7', '70'],
    ];
    for (const [speed, angle] of takeoffs) await fly(page, speed, angle);
    await chooseInMenu(page, 'logAction');
    for (const n of [1, 2])
      await page.check(`[data-control="logTable"] tr[data-number="${n}"] input`);
    await page.click('[data-control="compareButton"]');
    // The comparison plays, then stands still at its end.
    await page.waitForFunction(() => document.querySelector('.window').dataset.state === 'replay');
    await page.waitForFunction(
      () => document.querySelector('.window').dataset.state === 'idle',
      null,
      { timeout: 20000 },
    );
    await page.keyboard.press('Escape');
    await page.focus('canvas.canvas');
    await page.keyboard.press('Home');
    const moment = 5; // frames shown
    for (let i = 1; i < moment; ++i) await page.keyboard.press('PageDown');
    await page.waitForFunction(
      (m) => Number(document.querySelector('.window').dataset.frame) === m,
      moment,
    );
    // Flight 1 in the first style's blue, flight 2 in vermillion.
    const isStyle = [([r, , b]) => b > r + 40, ([r, , b]) => r > b + 40];
    for (const [n, [speed, angle]] of takeoffs.entries()) {
      const frames = csvRows(await trace('--speed', speed, '--angle', angle));
      const before = frames[moment - 2],
        after = frames[moment + 3];
      // Halfway between two drawn frames the line runs; halfway between two later ones nothing of it.
      const mid = (a, b) => [
        (Number(a.pathX) + Number(b.pathX)) / 2,
        (Number(a.pathY) + Number(b.pathY)) / 2,
      ];
      assert.ok(
        isStyle[n](await pixel(page, ...mid(before, frames[moment - 1]))),
        `flight ${n + 1} drawn up to frame ${moment}`,
      );
      assert.ok(
        !isStyle[n](await pixel(page, ...mid(after, frames[moment + 4]))),
        `flight ${n + 1} drawn beyond frame ${moment}`,
      );
    }
    assert.deepEqual(errors, []);
    await context.close();
  });

  test('side by side, two attempts on one path each stand in their own cell at the same moment', async () => {
    const { context, page, errors } = await openPage(site.browser, site.url);
    for (let i = 0; i < 2; ++i) await fly(page, '6', '70');
    await chooseInMenu(page, 'logAction');
    for (const n of [1, 2])
      await page.check(`[data-control="logTable"] tr[data-number="${n}"] input`);
    await page.keyboard.press('Escape');
    await chooseInMenu(page, 'sideBySideAction'); // the comparison comes with it
    await page.waitForFunction(() => document.querySelector('.window').dataset.state === 'replay');
    await page.waitForFunction(
      () => document.querySelector('.window').dataset.state === 'idle',
      null,
      { timeout: 20000 },
    );
    await page.focus('canvas.canvas');
    await page.keyboard.press('Home');
    const moment = 6;
    for (let i = 1; i < moment; ++i) await page.keyboard.press('PageDown');
    await page.waitForFunction(
      (m) => Number(document.querySelector('.window').dataset.frame) === m,
      moment,
    );
    const frames = csvRows(await trace('--speed', '6', '--angle', '70'));
    // A marker of the path, a frame before the figure's.
    const mid = [Number(frames[moment - 2].pathX), Number(frames[moment - 2].pathY)];
    // Two flights and the table: a 2 × 2 grid, the flights in the top row, each cell the canvas's shape.
    const cellPixel = (cell, [x, y]) =>
      page.evaluate(
        ([c, px, py]) => {
          const canvas = document.querySelector('canvas.canvas');
          const gap = (4 * canvas.width) / 701;
          const w = Math.min((canvas.width - gap) / 2, (((canvas.height - gap) / 2) * 701) / 533),
            h = (w * 533) / 701;
          const left = (canvas.width - 2 * w - gap) / 2 + c * (w + gap),
            top = (canvas.height - 2 * h - gap) / 2;
          // The marker's centre and its neighbours: the darkest of them, where the marker is.
          const data = canvas
            .getContext('2d')
            .getImageData(
              Math.round(left + (px * w) / 200) - 1,
              Math.round(top + (py * h) / 150) - 1,
              3,
              3,
            ).data;
          let best = [255, 255, 255];
          for (let i = 0; i < data.length; i += 4) {
            if (data[i] + data[i + 1] + data[i + 2] < best[0] + best[1] + best[2])
              best = [data[i], data[i + 1], data[i + 2]];
          }
          return best;
        },
        [cell, x, y],
      );
    const blue = ([r, , bl]) => bl > r + 40,
      vermillion = ([r, , bl]) => r > bl + 40;
    assert.ok(blue(await cellPixel(0, mid)), 'flight 1 in the first cell');
    assert.ok(vermillion(await cellPixel(1, mid)), 'flight 2 in the second cell');
    // Switching the comparison off takes side by side along.
    await chooseInMenu(page, 'compareAction');
    await chooseInMenu(page, 'compareAction');
    assert.ok(
      !blue(await cellPixel(0, mid)) || !vermillion(await cellPixel(1, mid)),
      'one canvas again',
    );
    assert.deepEqual(errors, []);
    await context.close();
  });

  test('the lesson sheet prints on one A4 page across: title, date, the canvas and the groups', async () => {
    const { context, page, errors } = await openPage(site.browser, site.url);
    await chooseInMenu(page, 'logAction');
    await page.fill('[data-control="lessonTitle"]', '7b Salto');
    for (const [group, speed] of [
      ['Delfine', '6'],
      ['Adler / 4b', '7'],
    ]) {
      await page.fill('[data-control="groupField"]', group);
      await page.press('[data-control="groupField"]', 'Tab');
      await fly(page, speed, '70');
    }
    await page.evaluate(() => {
      window.print = () => {
        window.printed = true;
      };
    });
    await page.click('[data-control="lessonSheetButton"]');
    assert.equal(await page.evaluate(() => window.printed), true);
    const sheet = await page.$eval('.lesson-sheet', (s) => ({
      title: s.querySelector('h1').textContent,
      rows: [...s.querySelectorAll('tr')].map((tr) => tr.firstElementChild.textContent),
      picture: s.querySelector('img').src.startsWith('data:image/png'),
    }));
    assert.equal(sheet.title, '7b Salto');
    assert.deepEqual(sheet.rows, ['Name / Gruppe', 'Delfine', 'Adler / 4b']);
    assert.ok(sheet.picture);
    const pdf = (await page.pdf({ preferCSSPageSize: true })).toString('latin1');
    assert.equal((pdf.match(/\/Type\s*\/Page[^s]/g) ?? []).length, 1, 'one page');
    // A4 across: 842 × 595 points.
    const box = pdf.match(/\/MediaBox\s*\[\s*0 0 ([\d.]+) ([\d.]+)\s*\]/);
    assert.ok(
      box && Math.round(Number(box[1])) === 842 && Math.round(Number(box[2])) === 595,
      box?.[0],
    );
    assert.deepEqual(errors, []);
    await context.close();
  });
});
