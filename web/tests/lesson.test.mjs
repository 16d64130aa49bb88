// SPDX-License-Identifier: MIT
// The lesson material in the page: the spreadsheet's sheet with the model's numbers, the
// worksheet picture, the charts, the menu by long press, and the choices kept across visits.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import {
  chooseInMenu,
  csvRows,
  openPage,
  sheetCells,
  useSite,
  trace,
  waitForLanding,
} from './browser.mjs';

const site = useSite();

async function downloadFrom(page, entry) {
  const [download] = await Promise.all([page.waitForEvent('download'), chooseInMenu(page, entry)]);
  const chunks = [];
  for await (const chunk of await download.createReadStream()) chunks.push(chunk);
  return { name: download.suggestedFilename(), bytes: Buffer.concat(chunks) };
}

describe('saves', () => {
  test('the spreadsheet holds the sheet "Flug" with the model\'s numbers as numbers', async () => {
    const { context, page } = await openPage(site.browser, `${site.url}?model=exact`);
    await page.click('[data-control="Start"]');
    await waitForLanding(page);
    const { name, bytes } = await downloadFrom(page, 'saveWorkbookAction');
    assert.equal(name, 'flug-01-6ms-60grad-exakt.xlsx');
    const { cells, workbook } = sheetCells(bytes);
    assert.match(workbook, /<sheet [^>]*name="Flug"/);
    assert.equal(cells.A1, 'v (m/s)');
    assert.equal(cells.B1, 6);
    assert.equal(cells.B3, 'exakt');
    assert.equal(cells.B4, 'Echtzeit');
    const rows = csvRows(await trace('--speed', '6', '--angle', '60', '--model', 'exact'));
    rows.forEach((r, i) => {
      const row = 7 + i;
      assert.equal(cells[`A${row}`], Number(r.frame));
      assert.equal(cells[`B${row}`], Number(r.timeS));
      assert.equal(cells[`C${row}`], Number(r.flightX));
      assert.equal(cells[`E${row}`], Number(r.rotationDeg));
      assert.equal(cells[`G${row}`], Number(r.omegaDegPerS));
    });
    assert.equal(cells[`A${7 + rows.length}`], undefined);
    await context.close();
  });

  test('the picture is the worksheet size with its caption', async () => {
    const { context, page } = await openPage(site.browser, site.url, { width: 800, height: 600 });
    await page.check('[data-control="Option2"] input');
    await page.click('[data-control="Start"]');
    await waitForLanding(page);
    const { name, bytes } = await downloadFrom(page, 'savePictureAction');
    assert.equal(name, 'flug-01-6ms-60grad-klassisch.png');
    // PNG header: width and height at bytes 16 and 20.
    assert.equal(bytes.readUInt32BE(16), 1402);
    assert.equal(bytes.readUInt32BE(20), 1170);
    await context.close();
  });
});

describe('charts', () => {
  for (const [model, count] of [
    ['classic', 3],
    ['exact', 7],
  ]) {
    test(`the ${model} model shows ${count} charts; Home steps to frame 1 with them open`, async () => {
      const { context, page } = await openPage(site.browser, `${site.url}?model=${model}`);
      await page.click('[data-control="Start"]');
      await waitForLanding(page);
      await chooseInMenu(page, 'chartsAction');
      assert.equal(await page.locator('.charts[open] canvas').count(), count);
      await page.focus('canvas.canvas');
      await page.keyboard.press('Home');
      await page.waitForFunction(() => document.querySelector('.window').dataset.frame === '1');
      await context.close();
    });
  }
});

describe('menu and choices', () => {
  test('a long press on the canvas opens the menu', async () => {
    const { context, page } = await openPage(site.browser, site.url, { touch: true });
    const box = await page.locator('canvas.canvas').boundingBox();
    const at = { x: box.x + 100, y: box.y + 100 };
    await page.dispatchEvent('canvas.canvas', 'pointerdown', {
      button: 0,
      clientX: at.x,
      clientY: at.y,
      pointerType: 'touch',
    });
    await page.waitForTimeout(300);
    assert.equal(await page.locator('.menu').count(), 0, 'not yet after 0.3 s');
    await page.waitForSelector('.menu', { timeout: 2000 });
    await context.close();
  });

  test('tools, model and pace are remembered; ?model= is for one visit', async () => {
    const { context, page } = await openPage(site.browser, site.url);
    await chooseInMenu(page, 'pathAction');
    await chooseInMenu(page, 'exactModelAction');
    await page.check('[data-control="Option3"] input');
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    await page.click('canvas.canvas', { button: 'right', position: { x: 40, y: 40 } });
    assert.equal(await page.getAttribute('[data-entry="pathAction"]', 'aria-checked'), 'true');
    assert.equal(
      await page.getAttribute('[data-entry="exactModelAction"]', 'aria-checked'),
      'true',
    );
    assert.ok(await page.isChecked('[data-control="Option3"] input'));
    await page.keyboard.press('Escape');
    await page.goto(`${site.url}?model=classic`);
    await page.waitForSelector('body[data-ready="true"]');
    await page.click('canvas.canvas', { button: 'right', position: { x: 40, y: 40 } });
    assert.equal(
      await page.getAttribute('[data-entry="classicModelAction"]', 'aria-checked'),
      'true',
    );
    await page.keyboard.press('Escape');
    await page.check('[data-control="Option1"] input'); // a change of pace writes the choices
    await page.goto(site.url);
    await page.waitForSelector('body[data-ready="true"]');
    await page.click('canvas.canvas', { button: 'right', position: { x: 40, y: 40 } });
    assert.equal(
      await page.getAttribute('[data-entry="exactModelAction"]', 'aria-checked'),
      'true',
    );
    await context.close();
  });
});
