// SPDX-License-Identifier: MIT
// The page on a phone, in both orientations, worked with the fingers alone: the touch layout's
// targets and texts, a flight started, tucked, paused and stepped by taps and a swipe, and the
// phone turned in mid-flight.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import {
  chooseInMenu,
  csvRows,
  downloadCsv,
  openPage,
  shownFrame,
  useSite,
  waitForLanding,
} from './browser.mjs';

const site = useSite();

// Every control a finger can reach, with its box, and every text smaller than 14 px.
function measure(page) {
  return page.evaluate(() => {
    const visible = (e) =>
      e.getClientRects().length > 0 && getComputedStyle(e).visibility !== 'hidden';
    const targets = [
      ...document.querySelectorAll(
        '.window button, .window input:not([type="radio"]):not(.posture-bar), .window .option',
      ),
    ]
      .filter(visible)
      .map((e) => ({
        name: e.dataset.control ?? e.className,
        ...e.getBoundingClientRect().toJSON(),
      }));
    const small = [...document.querySelectorAll('.window *')]
      .filter(
        (e) =>
          visible(e) && [...e.childNodes].some((n) => n.nodeType === 3 && n.textContent.trim()),
      )
      .filter((e) => parseFloat(getComputedStyle(e).fontSize) < 14)
      .map((e) => e.dataset.control ?? e.className);
    return {
      targets,
      small,
      scrollWidth: document.documentElement.scrollWidth,
      width: innerWidth,
      touch: document.querySelector('.window').classList.contains('touch'),
      viewport: document.querySelector('meta[name="viewport"]').content,
    };
  });
}

describe('phone', () => {
  for (const [width, height] of [
    [390, 844],
    [844, 390],
  ]) {
    test(`at ${width} × ${height} every target takes a finger and the design flight flies by taps alone`, async () => {
      const { context, page, errors } = await openPage(site.browser, site.url, {
        width,
        height,
        touch: true,
        scale: 2,
      });
      const m = await measure(page);
      assert.ok(m.touch, 'the touch layout');
      assert.equal(m.scrollWidth, m.width, 'no horizontal scrolling');
      assert.doesNotMatch(m.viewport, /user-scalable=no|maximum-scale/);
      for (const t of m.targets)
        assert.ok(t.width >= 44 && t.height >= 44, `${t.name} ${t.width}×${t.height}`);
      assert.deepEqual(m.small, []);

      await page.tap('[data-control="Option3"]'); // 235 ms a frame: time to tap
      await page.tap('[data-control="Start"]');
      await page.waitForFunction(
        () => Number(document.querySelector('.window').dataset.frame) >= 3,
      );
      await page.tap('canvas.canvas');
      await page.waitForTimeout(300); // the frame on show is drawn
      assert.equal(await page.$eval('.window', (w) => w.dataset.paused), 'true');
      const held = await shownFrame(page);
      await page.waitForTimeout(600);
      assert.equal(await shownFrame(page), held);
      // A swipe to the right shows the frame before.
      const box = await page.$eval('canvas.canvas', (c) => c.getBoundingClientRect().toJSON());
      const y = box.top + box.height / 2;
      await page.mouse.move(box.left + box.width * 0.3, y);
      await page.mouse.down();
      await page.mouse.move(box.left + box.width * 0.7, y, { steps: 4 });
      await page.mouse.up();
      await page.waitForTimeout(100);
      assert.equal(await shownFrame(page), held - 1);
      // Resumed and turned in mid-flight: the flight goes on, drawn at the new size; tucked.
      await page.tap('canvas.canvas');
      await page.setViewportSize({ width: height, height: width });
      for (let i = 0; i < 6; ++i) await page.tap('.tuck');
      assert.equal(await page.$eval('.window', (w) => w.dataset.state), 'flight');
      await waitForLanding(page);
      const turned = await measure(page);
      assert.equal(turned.scrollWidth, turned.width);
      const canvas = await page.$eval('canvas.canvas', (c) => [
        c.width,
        Math.round(c.getBoundingClientRect().width * devicePixelRatio),
      ]);
      assert.ok(Math.abs(canvas[0] - canvas[1]) <= 2, `canvas drawn at its size: ${canvas}`);
      // The tucked frames: the posture rose from the third frame on.
      const rows = csvRows((await downloadCsv(page)).text);
      const postures = rows.map((r) => Number(r.posture));
      assert.ok(Math.max(...postures) >= 5, `tucked: ${postures}`);
      assert.deepEqual(errors, []);
      await context.close();
    });
  }

  test('on a phone the menu, the log and the charts read and take fingers too', async () => {
    for (const [width, height] of [
      [390, 844],
      [844, 390],
    ]) {
      const { context, page } = await openPage(site.browser, site.url, {
        width,
        height,
        touch: true,
      });
      await page.tap('[data-control="Start"]');
      await waitForLanding(page);
      const check = (root) =>
        page.evaluate((root) => {
          const r = document.querySelector(root);
          const visible = (e) => e.getClientRects().length > 0;
          const small = [...r.querySelectorAll('*')].filter(
            (e) =>
              visible(e) &&
              [...e.childNodes].some((n) => n.nodeType === 3 && n.textContent.trim()) &&
              parseFloat(getComputedStyle(e).fontSize) < 14,
          );
          const tiny = [...r.querySelectorAll('button, input, [role^="menuitem"]')]
            .filter(visible)
            .filter((e) => {
              const b = e.getBoundingClientRect();
              return b.width < 44 || b.height < 44;
            });
          const box = r.getBoundingClientRect();
          return {
            small: small.length,
            tiny: tiny.length,
            inside: box.left >= -1 && box.right <= innerWidth + 1,
          };
        }, root);
      const fine = { small: 0, tiny: 0, inside: true };
      await page.tap('.tools-button');
      assert.deepEqual(await check('.menu'), fine, `menu at ${width}`);
      await page.tap('.menu-item[data-entry="logAction"]');
      assert.deepEqual(await check('.log-panel'), fine, `log at ${width}`);
      await page.keyboard.press('Escape');
      await page.tap('.tools-button');
      await page.tap('.menu-item[data-entry="chartsAction"]');
      assert.deepEqual(await check('.charts'), fine, `charts at ${width}`);
      await context.close();
    }
  });

  test('on a phone the worksheet picture still carries the data panel on the canvas', async () => {
    const { context, page } = await openPage(site.browser, site.url, {
      width: 390,
      height: 844,
      touch: true,
    });
    await page.evaluate(() => {
      const create = URL.createObjectURL;
      URL.createObjectURL = (blob) => {
        window.lastBlob = blob;
        return create(blob);
      };
    });
    await page.tap('[data-control="Start"]');
    await waitForLanding(page);
    await chooseInMenu(page, 'dataAction');
    await Promise.all([page.waitForEvent('download'), chooseInMenu(page, 'savePictureAction')]);
    // The panel's near-white box against the grey wall in one of the picture's top corners.
    const corners = await page.evaluate(async () => {
      const bitmap = await createImageBitmap(window.lastBlob);
      const c = new OffscreenCanvas(bitmap.width, bitmap.height);
      const ctx = c.getContext('2d');
      ctx.drawImage(bitmap, 0, 0);
      const at = (x, y) => {
        const d = ctx.getImageData(x, y, 1, 1).data;
        return d[0] + d[1] + d[2];
      };
      return [at(40, 40), at(bitmap.width - 40, 40)];
    });
    assert.ok(Math.max(...corners) > 740 && Math.min(...corners) < 700, `corners ${corners}`);
    await context.close();
  });
});
