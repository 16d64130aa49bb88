// SPDX-License-Identifier: MIT
// The page for a student with a screen reader or a keyboard only: axe-core's WCAG 2.2 AA rules in
// every state a lesson passes through, the tab order, the live region and the canvas's
// description after a flight, the warning as an alert, and what the layout takes from the table.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import {
  chooseInMenu,
  flyTakeoff,
  openPage,
  shownFrame,
  trace,
  useSite,
  waitForLanding,
} from './browser.mjs';

const site = useSite();
const axeSource = readFileSync(
  new URL('../node_modules/axe-core/axe.min.js', import.meta.url),
  'utf8',
);

async function violations(page) {
  if (!(await page.evaluate(() => 'axe' in window)))
    await page.addScriptTag({ content: axeSource });
  const result = await page.evaluate(() =>
    window.axe.run(document, {
      runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'] },
    }),
  );
  return result.violations.map(
    (v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`,
  );
}

describe('accessibility', () => {
  for (const [width, height] of [
    [1366, 768],
    [390, 844],
  ])
    test(`axe-core finds no WCAG 2.2 AA violation in any state of a lesson at ${width} × ${height}`, async () => {
      const before = await openPage(site.browser, site.url, { width, height });
      const first = await violations(before.page);
      await before.context.close();
      const { context, page } = await openPage(site.browser, site.url, {
        width,
        height,
        clock: true,
      });
      const states = {};
      await page.check('[data-control="Option2"] input');
      await page.click('[data-control="Start"]');
      await page.clock.runFor(118 * 5 + 5);
      await page.keyboard.press('Space');
      await page.clock.runFor(20);
      // axe-core takes its time in timers: the clock runs free from here, the flight stays paused.
      await page.clock.resume();
      states.paused = await violations(page);
      await page.keyboard.press('Space');
      await waitForLanding(page);
      await chooseInMenu(page, 'dataAction');
      states.landed = await violations(page);
      await page.click('.tools-button');
      states.menu = await violations(page);
      await page.keyboard.press('Escape');
      await chooseInMenu(page, 'chartsAction');
      states.charts = await violations(page);
      await page.keyboard.press('Escape');
      await chooseInMenu(page, 'logAction');
      states.log = await violations(page);
      await page.keyboard.press('Escape');
      await chooseInMenu(page, 'athleteAction');
      await page.fill('[data-control="bodyHeightM"]', '3');
      await page.press('[data-control="bodyHeightM"]', 'Tab');
      states.athlete = await violations(page); // with a refused value's message
      await page.keyboard.press('Escape');
      await chooseInMenu(page, 'tuckPlanAction');
      await page.check('[data-control="predictField"]');
      await page.fill('[data-control="predictedRotationField"]', 'ein Salto');
      await page.click('[data-control="flyPlanButton"]');
      states.tuckPlan = await violations(page); // with a refused prediction's message
      await page.keyboard.press('Escape');
      await page.fill('[data-control="Text1"]', '9');
      await page.click('[data-control="Start"]');
      states.warning = await violations(page);
      states.before = first;
      for (const [state, found] of Object.entries(states)) assert.deepEqual(found, [], state);
      await context.close();
    });

  test('Tab follows the eye from the canvas, never reaching the hidden posture bar or height box', async () => {
    const { context, page } = await openPage(site.browser, site.url);
    assert.equal(
      await page.$$eval('[tabindex]', (all) => all.filter((e) => e.tabIndex > 0).length),
      0,
    );
    const visited = [];
    for (let i = 0; i < 9; ++i) {
      await page.keyboard.press('Tab');
      visited.push(
        await page.evaluate(
          () =>
            document.activeElement.closest('[data-control]')?.dataset.control ??
            document.activeElement.className,
        ),
      );
    }
    assert.deepEqual(visited.slice(0, 8), [
      'Picture1',
      'Text1',
      'HScroll_geschw',
      'Text2',
      'HScroll_angle',
      'Start',
      'Option1',
      'Ende',
    ]);
    assert.equal(
      await page.$eval('.tools-button', (b) => b.closest('[data-control]').dataset.control),
      'Picture1',
    );
    assert.ok(!visited.includes('HScroll1') && !visited.includes('Text3'));
    assert.equal(
      await page.$eval(
        '[data-control="Text3"]',
        (e) => e.hidden && e.getBoundingClientRect().width === 0,
      ),
      true,
    );
    // The text boxes are named by the labels beside them.
    const names = await page.$$eval('[data-control="Text1"], [data-control="Text2"]', (boxes) =>
      boxes.map((b) =>
        document.getElementById(b.getAttribute('aria-labelledby')).textContent.replace(/\s+/g, ' '),
      ),
    );
    assert.deepEqual(names, ['Geschwindigkeit in m/s (4 - 8)', 'Winkel in Grad (30° - 80°)']);
    await context.close();
  });

  test('the live region and the canvas tell the flight; the warning is an alert', async () => {
    const { context, page } = await openPage(site.browser, site.url, { clock: true });
    const live = () => page.$eval('.announcer', (e) => e.textContent);
    const description = () =>
      page.$eval(
        'canvas.canvas',
        (c) => document.getElementById(c.getAttribute('aria-describedby')).textContent,
      );
    await page.check('[data-control="Option2"] input');
    await page.click('[data-control="Start"]');
    assert.equal(await live(), 'Absprung: 6 m/s, 60°');
    const idle = await description();
    await page.clock.runFor(118 * 3 + 5);
    assert.equal(await description(), idle, 'no stale frame while it flies');
    await page.keyboard.press('Space');
    await page.clock.runFor(20);
    const frame = await shownFrame(page);
    assert.match(
      await description(),
      new RegExp(`^Bild ${frame}, .* s: Höhe .* m, Drehung .*°, Haltung 1 gestreckt$`),
    );
    await page.keyboard.press('Space');
    await page.clock.runFor(118 * 8);
    const summary = (await trace('--speed', '6', '--angle', '60', '--summary')).trim().split('\n');
    const highest = Number(summary[1].split(',')[summary[0].split(',').indexOf('maxHeightM')]);
    // The classic model turns 10° a frame: the highest frame's rotation is a multiple of ten.
    assert.match(
      await live(),
      new RegExp(`^Höchster Punkt: ${highest.toFixed(2).replace('.', ',')} m, \\d+0° gedreht$`),
    );
    await page.clock.runFor(5000);
    assert.equal(await page.$eval('.window', (w) => w.dataset.state), 'idle');
    const verdict = 'Keine Landung auf den Füßen: zuerst Hand, 180° über 0 Salti';
    assert.equal(await live(), `Gelandet. ${verdict}`);
    assert.match(await description(), new RegExp(`^Bild 18, 1,00 s: .*\\. ${verdict}$`));
    await page.fill('[data-control="Text1"]', '9');
    await page.click('[data-control="Start"]');
    const warning = await page.$eval('[data-control="Label19"]', (e) => ({
      role: e.getAttribute('role'),
      hidden: e.hidden,
    }));
    assert.deepEqual(warning, { role: 'alert', hidden: false });
    await context.close();
  });

  test('P on the canvas presents it alone and large; Tab reaches nothing hidden; Escape gives the page back', async () => {
    const { context, page } = await openPage(site.browser, site.url, { width: 1920, height: 1080 });
    const canvasBox = () => page.$eval('canvas.canvas', (c) => c.getBoundingClientRect().toJSON());
    const before = await canvasBox();
    await page.focus('canvas.canvas');
    await page.keyboard.press('p');
    const presented = await canvasBox();
    // The largest scale that fits the canvas and the verdict line under it: the full height.
    assert.ok(presented.height > 0.85 * 1080 && presented.width < 1920, JSON.stringify(presented));
    assert.ok(
      await page.$eval(
        '[data-control="Start"]',
        (b) => getComputedStyle(b).visibility === 'hidden',
      ),
    );
    const reached = [];
    for (let i = 0; i < 4; ++i) {
      await page.keyboard.press('Tab');
      reached.push(await page.evaluate(() => document.activeElement.className));
    }
    assert.deepEqual(
      reached.filter((c) => c && c !== 'canvas' && c !== 'tools-button'),
      [],
    );
    await page.focus('canvas.canvas');
    await page.keyboard.press('Enter');
    await waitForLanding(page);
    await page.keyboard.press('Escape');
    assert.deepEqual(await canvasBox(), before);
    assert.ok(
      await page.$eval(
        '[data-control="Start"]',
        (b) => getComputedStyle(b).visibility === 'visible',
      ),
    );
    await context.close();
  });

  test('in the presentation the verdict line stands right under the canvas, both on the screen', async () => {
    const { context, page } = await openPage(site.browser, site.url, { width: 1280, height: 720 });
    await flyTakeoff(page, '6', '60');
    const boxes = () =>
      page.evaluate(() =>
        ['.canvas-frame', '.verdict'].map((s) =>
          document.querySelector(s).getBoundingClientRect().toJSON(),
        ),
      );
    const before = await boxes();
    await page.focus('canvas.canvas');
    await page.keyboard.press('p');
    const [canvas, verdict] = await boxes();
    for (const box of [canvas, verdict])
      assert.ok(
        box.width > 0 && box.left >= 0 && box.top >= 0 && box.right <= 1280 && box.bottom <= 720,
        JSON.stringify(box),
      );
    assert.ok(Math.abs(verdict.top - canvas.bottom) <= 1, `${verdict.top} under ${canvas.bottom}`);
    assert.ok(Math.abs(verdict.width - canvas.width) <= 1, 'as wide as the canvas');
    assert.ok(canvas.width > before[0].width, 'larger than in the window');
    const fits = await page.$eval('.verdict', (v) => v.scrollHeight <= v.clientHeight + 1);
    assert.ok(fits, 'the verdict is not cut');
    await page.keyboard.press('Escape');
    assert.deepEqual(await boxes(), before);
    await context.close();
  });

  test('Shift+F10 on the canvas opens the menu; Ctrl+P does not present', async () => {
    const { context, page } = await openPage(site.browser, site.url);
    const presenting = () => page.$eval('.window', (w) => w.classList.contains('presenting'));
    await page.focus('canvas.canvas');
    await page.keyboard.press('F10');
    assert.equal(await page.locator('.menu').count(), 0, 'not F10 alone');
    await page.keyboard.press('Shift+F10');
    assert.equal(await page.locator('.menu').count(), 1);
    await page.keyboard.press('Escape');
    await page.focus('canvas.canvas');
    await page.keyboard.press('Control+p');
    assert.equal(await presenting(), false);
    await page.keyboard.press('Shift+P');
    assert.equal(await presenting(), true, 'P in either case');
    await context.close();
  });

  test('the charts hold their numbers as a table and keep the keyboard until closed', async () => {
    const { context, page } = await openPage(site.browser, site.url);
    await page.click('[data-control="Start"]');
    await waitForLanding(page);
    await page.focus('canvas.canvas');
    await page.keyboard.press('ContextMenu');
    await page.keyboard.press('m'); // "Diagra&mme…"
    const inCharts = () =>
      page.evaluate(() => document.querySelector('.charts').contains(document.activeElement));
    assert.ok(await inCharts());
    for (let i = 0; i < 5; ++i) {
      await page.keyboard.press('Tab');
      assert.ok(await inCharts(), `Tab ${i + 1} left the charts`);
    }
    const table = await page.$$eval('.charts table tr', (rows) =>
      rows.map((r) => [...r.cells].map((c) => c.textContent)),
    );
    const csv = (await trace('--speed', '6', '--angle', '60')).trim().split('\n');
    assert.equal(table.length, csv.length, 'a header and one row a frame');
    assert.equal(table[0].length, 4); // time, height, distance, rotation
    assert.equal(table.at(-1)[0], '1'); // the landing at 1 s
    await page.keyboard.press('Escape');
    assert.equal(await page.evaluate(() => document.activeElement.className), 'canvas');
    await context.close();
  });

  test('on a phone the charts stand in one column that scrolls', async () => {
    const { context, page } = await openPage(site.browser, site.url, {
      width: 390,
      height: 844,
      touch: true,
    });
    await chooseInMenu(page, 'exactModelAction'); // five charts
    await page.click('[data-control="Start"]');
    await page.waitForFunction(() => document.querySelector('.window').dataset.state === 'flight');
    await waitForLanding(page);
    await chooseInMenu(page, 'chartsAction');
    const fit = await page.$eval('.charts', (d) => {
      const box = d.getBoundingClientRect();
      const grid = d.querySelector('.charts-grid');
      const cells = [...grid.children].map((c) => c.getBoundingClientRect());
      return {
        inside: box.left >= 0 && box.right <= innerWidth && box.bottom <= innerHeight,
        oneColumn: cells.every((c) => Math.abs(c.left - cells[0].left) < 1),
        scrolls:
          grid.scrollHeight > grid.clientHeight && getComputedStyle(grid).overflowY === 'auto',
        readable: parseFloat(getComputedStyle(d).fontSize) >= 14,
      };
    });
    assert.deepEqual(fit, { inside: true, oneColumn: true, scrolls: true, readable: true });
    await context.close();
  });

  test('the labels keep the colours of the table, blue and a readable red', async () => {
    const { context, page } = await openPage(site.browser, site.url);
    const colour = (name) =>
      page.$eval(`[data-control="${name}"]`, (e) => getComputedStyle(e).color);
    assert.equal(await colour('Label3'), 'rgb(0, 0, 255)');
    assert.equal(await colour('Label19'), 'rgb(200, 0, 0)');
    await context.close();
  });
});
