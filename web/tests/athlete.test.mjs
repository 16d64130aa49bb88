// SPDX-License-Identifier: MIT
// The athlete on the page: the dialog refuses what lies outside the ranges and takes a comma,
// the flight is the trace tool's with her, and a remembered value out of range is the standard.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { chooseInMenu, downloadCsv, openPage, trace, useSite, waitForLanding } from './browser.mjs';

const site = useSite();

describe('athlete', () => {
  test("the dialog refuses 300 kg, takes 1,6 m, and the flight is purzo-trace's with her", async () => {
    const { context, page, errors } = await openPage(site.browser, `${site.url}?model=exact`);
    await chooseInMenu(page, 'athleteAction');
    const mass = page.locator('[data-control="massKg"]');
    assert.equal(await mass.inputValue(), '70');
    await mass.fill('300');
    await mass.press('Tab');
    assert.equal(await mass.inputValue(), '70', 'the old value stays');
    const message = page.locator('#athlete-massKg-message');
    assert.ok(await message.isVisible());
    assert.match(await message.textContent(), /20 bis 150/);
    await page.fill('[data-control="bodyHeightM"]', '1,6');
    await page.fill('[data-control="spinDegPerS"]', '0');
    const limbs = page.locator('[data-control="limbSpeedRadPerS"]');
    assert.equal(await limbs.inputValue(), '12');
    await limbs.fill('31');
    await limbs.press('Tab');
    assert.equal(await limbs.inputValue(), '12', 'the old value stays');
    assert.match(await page.locator('#athlete-limbSpeedRadPerS-message').textContent(), /4 bis 30/);
    await limbs.fill('20');
    await limbs.press('Tab'); // the message goes, and the buttons move up, before the click
    await page.click('[data-control="okButton"]');
    assert.equal(await page.locator('.athlete-dialog[open]').count(), 0);
    await page.click('[data-control="Start"]');
    await waitForLanding(page);
    const { text } = await downloadCsv(page);
    assert.equal(
      text,
      await trace(
        '--model',
        'exact',
        '--speed',
        '6',
        '--angle',
        '60',
        '--height',
        '1.6',
        '--spin',
        '0',
        '--limb-speed',
        '20',
      ),
    );
    // The next visit has her again; "Werkzeuge zurücksetzen" puts back the standard.
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    await chooseInMenu(page, 'athleteAction');
    assert.equal(await page.locator('[data-control="bodyHeightM"]').inputValue(), '1,60');
    await page.click('[data-control="cancelButton"]');
    await chooseInMenu(page, 'resetToolsAction');
    await chooseInMenu(page, 'athleteAction');
    assert.equal(await page.locator('[data-control="bodyHeightM"]').inputValue(), '1,80');
    assert.deepEqual(errors, []);
    await context.close();
  });

  // Remembered before the limbs had a speed: the standard one.
  test('a refused value corrected and OK clicked at once: OK stays under the pointer and takes it', async () => {
    const { context, page } = await openPage(site.browser, `${site.url}?model=exact`);
    await chooseInMenu(page, 'athleteAction');
    const mass = page.locator('[data-control="massKg"]');
    await mass.fill('3'.repeat(60));
    await mass.press('Tab');
    const message = page.locator('#athlete-massKg-message');
    assert.match(await message.textContent(), /^„3{15}…“/);
    const box = await page.locator('.athlete-dialog').boundingBox();
    const messageBox = await message.boundingBox();
    assert.ok(
      messageBox.x + messageBox.width <= box.x + box.width,
      'the message inside the dialog',
    );
    await mass.fill('60');
    const ok = await page.locator('[data-control="okButton"]').boundingBox();
    await page.mouse.click(ok.x + ok.width / 2, ok.y + ok.height / 2);
    assert.equal(await page.locator('.athlete-dialog[open]').count(), 0);
    await chooseInMenu(page, 'athleteAction');
    assert.equal(await mass.inputValue(), '60');
    await context.close();
  });

  test("a remembered mass out of range is the standard; the phone's panel names the athlete", async () => {
    const { context, page } = await openPage(site.browser, site.url, {
      width: 390,
      height: 844,
      touch: true,
    });
    await page.evaluate(() =>
      localStorage.setItem(
        'purzosimulation.choices',
        JSON.stringify({
          tools: { data: true },
          model: 'exact',
          pace: 0,
          athlete: { massKg: 500, heightM: 2, spinDegPerS: 300 },
        }),
      ),
    );
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    await page.click('[data-control="Start"]');
    await waitForLanding(page);
    const panel = await page.locator('.touch-panel').innerText();
    assert.match(panel, /Athlet: 70 kg, 2,00 m, 300 °\/s, 12 rad\/s/);
    assert.match(panel, /Drehimpuls L = Iω \+ H: /);
    await context.close();
  });
});
