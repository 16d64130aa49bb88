// SPDX-License-Identifier: MIT
// The comparison on the page as a class works it: the shown flights played together, each as far
// as the same moment after take-off, with one box for their legend and data.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { chooseInMenu, flyTakeoff, csvRows, openPage, trace, useSite, waitForLanding } from './browser.mjs';

const site = useSite();

const fly = flyTakeoff;

const pixel = (page, x, y) => page.evaluate(([px, py]) => {
  const canvas = document.querySelector('canvas.canvas');
  const cx = Math.round(px * canvas.width / 200), cy = Math.round(py * canvas.height / 150);
  return [...canvas.getContext('2d').getImageData(cx, cy, 1, 1).data];
}, [x, y]);

describe('the comparison', () => {
  test('stepped to a moment, each flight is drawn as far as that moment and no further', async () => {
    const { context, page, errors } = await openPage(site.browser, site.url);
    const takeoffs = [['5', '45'], ['7', '70']];
    for (const [speed, angle] of takeoffs) await fly(page, speed, angle);
    await chooseInMenu(page, 'logAction');
    for (const n of [1, 2]) await page.check(`[data-control="logTable"] tr[data-number="${n}"] input`);
    await page.click('[data-control="compareButton"]');
    // The comparison plays, then stands still at its end.
    await page.waitForFunction(() => document.querySelector('.window').dataset.state === 'replay');
    await page.waitForFunction(() => document.querySelector('.window').dataset.state === 'idle', null, { timeout: 20000 });
    await page.keyboard.press('Escape');
    await page.focus('canvas.canvas');
    await page.keyboard.press('Home');
    const moment = 5; // frames shown
    for (let i = 1; i < moment; ++i) await page.keyboard.press('PageDown');
    await page.waitForFunction((m) => Number(document.querySelector('.window').dataset.frame) === m, moment);
    // Flight 1 in the first style's blue, flight 2 in vermillion.
    const isStyle = [([r, , b]) => b > r + 40, ([r, , b]) => r > b + 40];
    for (const [n, [speed, angle]] of takeoffs.entries()) {
      const frames = csvRows(await trace('--speed', speed, '--angle', angle));
      const before = frames[moment - 2], after = frames[moment + 3];
      // Halfway between two drawn frames the line runs; halfway between two later ones nothing of it.
      const mid = (a, b) => [(Number(a.pathX) + Number(b.pathX)) / 2, (Number(a.pathY) + Number(b.pathY)) / 2];
      assert.ok(isStyle[n](await pixel(page, ...mid(before, frames[moment - 1]))), `flight ${n + 1} drawn up to frame ${moment}`);
      assert.ok(!isStyle[n](await pixel(page, ...mid(after, frames[moment + 4]))), `flight ${n + 1} drawn beyond frame ${moment}`);
    }
    assert.deepEqual(errors, []);
    await context.close();
  });

  test('the lesson sheet prints on one A4 page across: title, date, the canvas and the groups', async () => {
    const { context, page, errors } = await openPage(site.browser, site.url);
    await chooseInMenu(page, 'logAction');
    await page.fill('[data-control="lessonTitle"]', '7b Salto');
    for (const [group, speed] of [['Delfine', '6'], ['Adler / 4b', '7']]) {
      await page.fill('[data-control="groupField"]', group);
      await page.press('[data-control="groupField"]', 'Tab');
      await fly(page, speed, '70');
    }
    await page.evaluate(() => { window.print = () => { window.printed = true; }; });
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
    assert.ok(box && Math.round(Number(box[1])) === 842 && Math.round(Number(box[2])) === 595, box?.[0]);
    assert.deepEqual(errors, []);
    await context.close();
  });
});
