// SPDX-License-Identifier: MIT
// "Hockplan…" on the page as in the window: a plan chosen in the dialog flies every frame as the
// model's trace flies it, the arrow keys change nothing in it, and the log keeps plan, prediction
// and how far the rotation was off, its postures as a strip.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { csvRows, downloadCsv, openPage, trace, useSite, waitForLanding } from './browser.mjs';

const site = useSite();

// Opens the menu with a right click on the canvas; the entries it offers.
async function openMenu(page) {
  await page.click('canvas.canvas', { button: 'right', position: { x: 40, y: 40 } });
  return page.$$eval('.menu-item', (items) => items.map((i) => i.dataset.entry));
}

const field = (name) => `[data-control="tuckPlanDialog"] [data-control="${name}"]`;

describe('the tuck plan', () => {
  test('a prediction that is no number is refused, naming what it takes; the dialog stays open', async () => {
    const { context, page, errors } = await openPage(site.browser, site.url);
    const entries = await openMenu(page);
    assert.ok(entries.includes('tuckPlanAction'));
    assert.ok(entries.includes('landingMapAction'));
    await page.click('.menu-item[data-entry="tuckPlanAction"]');
    // Its fields are named by their labels.
    assert.equal(
      await page.getByLabel('Hocken ab Bild:').getAttribute('data-control'),
      'tuckStartField',
    );
    assert.ok(await page.isDisabled(field('predictedRotationField')));
    await page.check(field('predictField'));
    await page.fill(field('predictedRotationField'), 'ein Salto');
    await page.click(field('flyPlanButton'));
    assert.equal(
      await page.textContent(field('tuckPlanMessage')),
      'Die Drehung ist eine Zahl von 0 bis 3600 Grad (10 Umdrehungen), nicht „ein Salto“.',
    );
    assert.ok(await page.isVisible('[data-control="tuckPlanDialog"]'));
    assert.equal(
      await page.evaluate(() => document.activeElement?.dataset.control),
      'predictedRotationField',
    );
    assert.equal(await page.$eval('.window', (w) => w.dataset.frame), '0'); // nothing flew
    assert.deepEqual(errors, []);
    await context.close();
  });

  test('a plan flies as the trace flies it, the arrow keys change nothing; the log keeps it', async () => {
    const { context, page, errors } = await openPage(site.browser, site.url);
    await page.check('[data-control="Option3"] input'); // extra slow motion: time to press
    await page.fill('[data-control="Text1"]', '7');
    await page.fill('[data-control="Text2"]', '70');
    await openMenu(page);
    await page.click('.menu-item[data-entry="tuckPlanAction"]');
    await page.fill(field('tuckStartField'), '4');
    await page.fill(field('tuckLengthField'), '5');
    await page.selectOption(field('tuckDepthField'), '6');
    await page.check(field('predictField'));
    await page.selectOption(field('predictedVerdictField'), { label: 'aufrecht' });
    await page.fill(field('predictedRotationField'), '1');
    await page.selectOption(field('predictedUnitField'), { label: 'Umdrehungen' });
    await page.click(field('flyPlanButton'));
    await page.waitForFunction(() => Number(document.querySelector('.window').dataset.frame) >= 2);
    for (const key of ['ArrowRight', 'ArrowRight', 'ArrowLeft', 'ArrowRight'])
      await page.keyboard.press(key);
    assert.equal(await page.$eval('.window', (w) => w.dataset.state), 'flight');
    assert.ok(await page.isDisabled('[data-control="HScroll1"]')); // it only shows the plan
    await waitForLanding(page);
    assert.ok(await page.isEnabled('[data-control="HScroll1"]'));

    // Frame for frame the trace's flight of the same plan.
    const planned = await trace('--speed', '7', '--angle', '70', '--tuck', '4,5,6');
    assert.equal((await downloadCsv(page)).text, planned);
    const frames = csvRows(planned).length;
    const [names, values] = (
      await trace('--speed', '7', '--angle', '70', '--tuck', '4,5,6', '--summary')
    )
      .trim()
      .split('\n')
      .map((line) => line.split(','));
    const summary = Object.fromEntries(names.map((n, i) => [n, values[i]]));

    await openMenu(page);
    await page.click('.menu-item[data-entry="logAction"]');
    const heads = await page.$$eval('[data-control="logTable"] th', (th) =>
      th.map((h) => h.textContent),
    );
    const row = await page.$$eval('[data-control="logTable"] tr[data-number="1"] td', (tds) =>
      tds.map((td) => td.textContent.trim()),
    );
    const cell = (header) => row[heads.indexOf(header)];
    const decimal = (n, places) => Number(n).toFixed(places).replace('.', ',');
    assert.equal(cell('Plan'), 'ab Bild 4, 5 Bilder, Haltung 6');
    assert.equal(cell('Vorhersage'), 'aufrecht, 360°');
    assert.equal(cell('Drehung (°)'), decimal(summary.rotationDeg, 1));
    assert.equal(cell('Abw. (°)'), decimal(Number(summary.rotationDeg) - 360, 1));
    assert.equal(cell('Flugzeit (s)'), decimal(summary.flightTimeS, 2));
    // The postures as a strip, a mark per frame, read out by their runs.
    const strip = await page.$eval(
      '[data-control="logTable"] tr[data-number="1"] [role="img"]',
      (s) => ({
        marks: s.children.length,
        label: s.getAttribute('aria-label'),
      }),
    );
    assert.deepEqual(strip, {
      marks: frames,
      label: `Haltung 1: Bild 1 bis 3; Haltung 6: Bild 4 bis 8; Haltung 1: Bild 9 bis ${frames}`,
    });
    assert.deepEqual(errors, []);
    await context.close();
  });

  test('a posture list is a plan too, as the trace takes it; a list that is none is refused', async () => {
    const { context, page, errors } = await openPage(site.browser, `${site.url}?model=exact`);
    await page.fill('[data-control="Text2"]', '70');
    await openMenu(page);
    await page.click('.menu-item[data-entry="tuckPlanAction"]');
    await page.fill(field('postureListField'), '1,8');
    assert.ok(await page.isDisabled(field('tuckStartField'))); // the list stands for them
    await page.click(field('flyPlanButton'));
    assert.match(await page.textContent(field('tuckPlanMessage')), /1 bis 7.*„1,8“/);
    await page.fill(field('postureListField'), '1, 2,5,7,7,7,6,1');
    await page.click(field('flyPlanButton'));
    await page.waitForFunction(() => document.querySelector('.window').dataset.state === 'flight');
    await waitForLanding(page);
    const listed = await trace(
      '--angle',
      '70',
      '--model',
      'exact',
      '--postures',
      '1,2,5,7,7,7,6,1',
    );
    assert.equal((await downloadCsv(page)).text, listed);
    await openMenu(page);
    await page.click('.menu-item[data-entry="logAction"]');
    const heads = await page.$$eval('[data-control="logTable"] th', (th) =>
      th.map((h) => h.textContent),
    );
    const row = await page.$$eval('[data-control="logTable"] tr[data-number="1"] td', (tds) =>
      tds.map((td) => td.textContent.trim()),
    );
    assert.equal(row[heads.indexOf('Plan')], 'Haltungen 1,2,5,7,7,7,6,1');
    assert.deepEqual(errors, []);
    await context.close();
  });
});
