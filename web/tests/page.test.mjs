// SPDX-License-Identifier: MIT
// The page driven as a student would: a flight drawn where the model puts it, its CSV equal to
// purzo-trace, the warning, tucks by key and by tap, the exact model from the menu, pause and
// stepping, the layout against the control table, and the pacing with the browser's clock held.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import {
  chooseInMenu,
  csvRows,
  darkestNear,
  downloadCsv,
  openPage,
  shownFrame,
  useSite,
  trace,
  waitForLanding,
} from './browser.mjs';

const site = useSite();

describe('a flight', () => {
  test("the design flight lands where the model puts it and its CSV is purzo-trace's", async () => {
    const { context, page, errors } = await openPage(site.browser, site.url, {
      width: 1024,
      height: 768,
      scale: 2,
    });
    await page.click('[data-control="Start"]');
    await waitForLanding(page);
    // The verdict under the canvas: half a turn, onto the hand.
    assert.equal(
      await page.textContent('[data-control="VerdictLine"]:not([hidden])'),
      'Keine Landung auf den Füßen: zuerst Hand, 180° über 0 Salti',
    );
    const csv = await downloadCsv(page);
    assert.equal(csv.name, 'flug-01-6ms-60grad-klassisch.csv');
    assert.equal(csv.text, await trace('--speed', '6', '--angle', '60'));
    const last = csvRows(csv.text).at(-1);
    assert.equal(await shownFrame(page), Number(last.frame));
    // Every joint-to-joint segment of the last frame is drawn dark at its middle, in device
    // pixels of the canvas at this scale.
    const size = await page.$eval('canvas.canvas', (c) => ({ width: c.width, height: c.height }));
    const at = (x, y) => [(Number(x) * size.width) / 200, (Number(y) * size.height) / 150];
    const joints = [
      ['hip', 'shoulder'],
      ['shoulder', 'elbow'],
      ['elbow', 'hand'],
      ['hip', 'knee'],
      ['knee', 'foot'],
      ['shoulder', 'neck'],
    ];
    for (const [a, b] of joints) {
      const [x, y] = at(
        (Number(last[`${a}X`]) + Number(last[`${b}X`])) / 2,
        (Number(last[`${a}Y`]) + Number(last[`${b}Y`])) / 2,
      );
      assert.ok((await darkestNear(page, x, y)) < 120, `${a}–${b} drawn at (${x}, ${y})`);
    }
    assert.deepEqual(errors, []);
    await context.close();
  });

  test('tucks by the arrow key, recorded as the model ran them', async () => {
    const { context, page } = await openPage(site.browser, site.url);
    await page.check('[data-control="Option3"] input'); // extra slow motion: time to press
    await page.click('[data-control="Start"]');
    await page.waitForFunction(() => Number(document.querySelector('.window').dataset.frame) >= 2);
    for (let i = 0; i < 6; ++i) await page.keyboard.press('ArrowRight');
    await waitForLanding(page);
    const csv = await downloadCsv(page);
    const postures = csvRows(csv.text).map((r) => r.posture);
    assert.equal(postures.at(-1), '7');
    assert.equal(
      csv.text,
      await trace('--speed', '6', '--angle', '60', '--postures', postures.join(',')),
    );
    await context.close();
  });

  test("a tap on the picture's right key tucks, on its left key stretches", async () => {
    const { context, page } = await openPage(site.browser, site.url, {
      width: 1024,
      height: 1366,
      touch: true,
    });
    await page.check('[data-control="Option3"] input');
    await page.click('[data-control="Start"]');
    const box = await page.locator('[data-control="Picture2"] img').boundingBox();
    const k = box.width / 150; // the picture's designed width
    const right = { x: box.x + (7 + 2 * 45 + 20) * k, y: box.y + (8 + 45 + 20) * k };
    const left = { x: box.x + (7 + 20) * k, y: right.y };
    for (let i = 0; i < 3; ++i) await page.touchscreen.tap(right.x, right.y);
    await page.touchscreen.tap(left.x, left.y);
    await waitForLanding(page);
    const postures = csvRows((await downloadCsv(page)).text).map((r) => Number(r.posture));
    // From 1: three tucks, one stretch; a frame may have come between the taps.
    assert.ok([3, 4].includes(Math.max(...postures)), String(postures));
    assert.equal(postures.at(-1), 3);
    await context.close();
  });

  test('the exact model chosen in the menu flies the exact model', async () => {
    const { context, page } = await openPage(site.browser, site.url);
    await chooseInMenu(page, 'exactModelAction');
    await page.fill('[data-control="Text1"]', '7,5');
    await page.press('[data-control="Text1"]', 'Enter');
    await waitForLanding(page);
    const csv = await downloadCsv(page);
    assert.match(
      csv.text.split('\n')[0],
      /,lowestPart,omegaNowDegPerS,shapeMomentumKgM2PerS,rotationalEnergyJ,upperArmDeg,forearmDeg,thighDeg,shankDeg$/,
    );
    assert.equal(csv.text, await trace('--speed', '7,5', '--angle', '60', '--model', 'exact'));
    await context.close();
  });
});

describe('the take-off check', () => {
  for (const [speed, angle, beeps] of [
    ['9', '60', true],
    ['6', '81', false],
    ['abc', '50', true],
    ['6', 'NaN', false],
  ]) {
    test(`"${speed}" and "${angle}" give the warning${beeps ? ' and a beep' : ''} and reset both texts`, async () => {
      const { context, page } = await openPage(site.browser, site.url);
      await page.fill('[data-control="Text1"]', speed);
      await page.fill('[data-control="Text2"]', angle);
      await page.click('[data-control="Start"]');
      await page.waitForSelector('[data-control="Label19"]:not([hidden])');
      assert.equal(await page.inputValue('[data-control="Text1"]'), '5');
      assert.equal(await page.inputValue('[data-control="Text2"]'), '50');
      assert.equal(await page.inputValue('[data-control="HScroll_geschw"]'), '5');
      assert.equal(await page.inputValue('[data-control="HScroll_angle"]'), '50');
      assert.equal(await page.evaluate(() => window.beeps), beeps ? 1 : 0, 'beeps');
      await waitForLanding(page);
      // The warning keeps its place after the landing.
      assert.equal(await page.isHidden('[data-control="VerdictLine"]'), true);
      assert.equal((await downloadCsv(page)).text, await trace('--speed', speed, '--angle', angle));
      await context.close();
    });
  }

  test('a typed value inside the range moves its slider; the slider writes its value', async () => {
    const { context, page } = await openPage(site.browser, site.url);
    await page.fill('[data-control="Text1"]', '7,4');
    assert.equal(await page.inputValue('[data-control="HScroll_geschw"]'), '7');
    await page.fill('[data-control="Text1"]', '9');
    assert.equal(await page.inputValue('[data-control="HScroll_geschw"]'), '7');
    await page.focus('[data-control="HScroll_angle"]');
    await page.keyboard.press('ArrowRight');
    assert.equal(await page.inputValue('[data-control="Text2"]'), '61');
    await context.close();
  });
});

describe('pause and stepping', () => {
  test('Space pauses, Page Up steps back, Space resumes to the newest frame', async () => {
    const { context, page } = await openPage(site.browser, site.url, { clock: true });
    await page.check('[data-control="Option2"] input'); // 118 ms a frame
    await page.click('[data-control="Start"]');
    await page.clock.runFor(118 * 6 + 5);
    await page.keyboard.press('Space');
    await page.clock.runFor(1000);
    assert.equal(await shownFrame(page), 6);
    await page.keyboard.press('PageUp');
    await page.keyboard.press('PageUp');
    await page.clock.runFor(20);
    assert.equal(await shownFrame(page), 4);
    await page.keyboard.press('Space');
    await page.clock.runFor(20);
    assert.equal(await shownFrame(page), 6);
    await page.clock.runFor(118);
    assert.equal(await shownFrame(page), 7);
    await context.close();
  });

  test('each pace shows frame n after n pauses of its own length', async () => {
    for (const [option, pauseMs] of [
      ['Option1', 59],
      ['Option3', 235],
    ]) {
      const { context, page } = await openPage(site.browser, site.url, { clock: true });
      await page.check(`[data-control="${option}"] input`);
      await page.click('[data-control="Start"]');
      await page.clock.runFor(pauseMs * 3 - 2);
      assert.equal(await shownFrame(page), 2, `${option} before frame 3`);
      await page.clock.runFor(20);
      assert.equal(await shownFrame(page), 3, `${option} at frame 3`);
      await context.close();
    }
  });
});
