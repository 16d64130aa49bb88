// SPDX-License-Identifier: MIT
// The page anywhere: laid out from the control table at any viewport, in the browser's language,
// offline once loaded, as a single file from file://, with a clear message when a picture fails,
// and never asking for anything but its own files.
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { describe, test } from 'node:test';
import { chooseInMenu, openPage, out, serve, useSite, waitForLanding } from './browser.mjs';

const site = useSite();

describe('layout', () => {
  for (const [width, height] of [
    [1366, 768],
    [1024, 768],
    [1024, 1366],
    [840, 620],
  ]) {
    test(`at ${width} × ${height} every control stands at its designed rectangle, scaled and centred`, async () => {
      const { context, page } = await openPage(site.browser, site.url, { width, height });
      const scale = Math.min(width / 1097, height / 777);
      const left = Math.round((width - 1097 * scale) / 2),
        top = Math.round((height - 777 * scale) / 2);
      const placed = await page.$$eval('[data-control]', (elements) =>
        elements.map((e) => {
          const r = e.getBoundingClientRect();
          return {
            name: e.dataset.control,
            x: r.left,
            y: r.top,
            width: r.width,
            height: r.height,
            visible: r.width > 0,
          };
        }),
      );
      const frame = placed.find((p) => p.name === 'Frame1');
      // The designed rectangles in twips, from the table the desktop window is built from.
      const rects = await page.evaluate(() =>
        window.purzo.design.controls.map((c) => ({
          name: c.name,
          inFrame: c.inFrame,
          ...c.rectTwips,
        })),
      );
      for (const r of rects) {
        const p = placed.find((q) => q.name === r.name);
        if (!p?.visible) continue; // the hidden height box and warning
        const originX = r.inFrame ? frame.x : left,
          originY = r.inFrame ? frame.y : top;
        assert.ok(Math.abs(p.x - (originX + (r.left / 15) * scale)) < 1.01, `${r.name} left`);
        // A text box grows upwards to a target of 24 CSS px, its slider below it in place.
        const grown =
          r.name === 'Text1' || r.name === 'Text2' ? Math.max(0, 24 - (r.height / 15) * scale) : 0;
        assert.ok(Math.abs(p.y - (originY + (r.top / 15) * scale - grown)) < 1.01, `${r.name} top`);
        assert.ok(Math.abs(p.width - (r.width / 15) * scale) < 1.01, `${r.name} width`);
        if (grown > 0) {
          assert.ok(Math.abs(p.height - 24) < 0.2, `${r.name} height ${p.height}`);
        } else if (r.name === 'HScroll_geschw' || r.name === 'HScroll_angle') {
          // A slider's box reaches below its designed track to a target of 24 CSS px.
          assert.ok(
            Math.abs(p.height - Math.max((r.height / 15) * scale, 24)) < 0.2,
            `${r.name} height ${p.height}`,
          );
        } else {
          assert.ok(Math.abs(p.height - (r.height / 15) * scale) < 1.01, `${r.name} height`);
        }
      }
      // Every control inside the viewport: the whole window shows.
      for (const p of placed.filter((q) => q.visible)) {
        assert.ok(
          p.x >= -0.5 &&
            p.y >= -0.5 &&
            p.x + p.width <= width + 0.5 &&
            p.y + p.height <= height + 0.5,
          p.name,
        );
      }
      await context.close();
    });
  }

  test('no text overflows its control', async () => {
    for (const locale of ['de-DE', 'en-GB']) {
      const { context, page } = await openPage(site.browser, site.url, { locale });
      const cut = await page.$$eval('.label:not([hidden]), .button, .option', (elements) =>
        elements
          .filter((e) => e.scrollHeight > e.clientHeight + 1 || e.scrollWidth > e.clientWidth + 1)
          .map((e) => e.dataset.control ?? e.textContent),
      );
      assert.deepEqual(cut, [], locale);
      await context.close();
    }
  });
});

describe('the data panel', () => {
  // The corner the flight's path leaves free, as the window chooses it.
  for (const [speed, angle, model, right] of [
    ['8', '80', 'classic', true],
    ['8', '80', 'exact', true],
    ['4', '30', 'classic', false],
    ['8', '30', 'exact', true],
  ]) {
    test(`${speed} m/s at ${angle}°, ${model}: the panel stands ${right ? 'right' : 'left'}`, async () => {
      const { context, page } = await openPage(site.browser, site.url);
      await chooseInMenu(page, `${model}ModelAction`);
      await chooseInMenu(page, 'dataAction');
      await page.fill('[data-control="Text1"]', speed);
      await page.fill('[data-control="Text2"]', angle);
      await page.click('[data-control="Start"]');
      await waitForLanding(page);
      // The panel's near-white box against the grey wall, just inside each top corner.
      const brightness = await page.$eval('canvas.canvas', (c) => {
        const ctx = c.getContext('2d');
        const at = (x) => {
          const d = ctx.getImageData(x, Math.round(c.height * 0.03), 1, 1).data;
          return d[0] + d[1] + d[2];
        };
        return { left: at(Math.round(c.width * 0.03)), right: at(Math.round(c.width * 0.97)) };
      });
      assert.equal(brightness.right > brightness.left, right, JSON.stringify(brightness));
      await context.close();
    });
  }
});

describe('language', () => {
  for (const [locale, search, start] of [
    ['de-DE', '', 'Simulation starten'],
    ['en-US', '', 'Start simulation'],
    ['fr-FR', '', 'Simulation starten'],
    ['en-GB', '?lang=de', 'Simulation starten'],
    ['de-DE', '?lang=en', 'Start simulation'],
  ]) {
    test(`${locale}${search} shows "${start}"`, async () => {
      const { context, page } = await openPage(site.browser, site.url + search, { locale });
      assert.equal(await page.textContent('[data-control="Start"]'), start);
      await context.close();
    });
  }
});

describe('anywhere', () => {
  test('installable, and offline once loaded: the service worker serves it with the server gone', async () => {
    const own = await serve(join(out, 'dist'), 0);
    const ownUrl = `http://127.0.0.1:${own.address().port}/`;
    try {
      const { context, page } = await openPage(site.browser, ownUrl);
      await page.evaluate(async () => {
        await navigator.serviceWorker.ready;
      });
      // Installable as an app: its manifest reads without errors and chromium names nothing in
      // the way but the test browser's private window.
      const cdp = await context.newCDPSession(page);
      const manifest = await cdp.send('Page.getAppManifest');
      assert.deepEqual(manifest.errors, []);
      assert.match(manifest.data, /"sizes": "512x512"/);
      const blocking = (await cdp.send('Page.getInstallabilityErrors')).installabilityErrors.filter(
        (e) => e.errorId !== 'in-incognito',
      );
      assert.deepEqual(blocking, []);
      own.closeAllConnections?.();
      await new Promise((done) => own.close(done));
      await page.reload();
      await page.waitForSelector('body[data-ready="true"]');
      await page.click('[data-control="Start"]');
      await waitForLanding(page);
      await context.close();
    } finally {
      own.closeAllConnections?.();
      own.close();
    }
  });

  test('the single file flies from file://', async () => {
    const { context, page, errors } = await openPage(
      site.browser,
      pathToFileURL(join(out, 'single/purzosimulation.html')).href,
    );
    await page.click('[data-control="Start"]');
    await waitForLanding(page);
    assert.equal(await page.$eval('.window', (w) => w.dataset.frame), '18');
    assert.deepEqual(errors, []);
    await context.close();
  });

  test('a picture that fails to load shows a message', async () => {
    const context = await site.browser.newContext();
    const page = await context.newPage();
    await page.route('**/sporthalle*.jpg', (route) => route.abort());
    await page.goto(site.url);
    await page.waitForSelector('.failure');
    assert.match(await page.textContent('.failure'), /sporthalle/);
    await context.close();
  });

  test('asks for nothing but its own files', async () => {
    const context = await site.browser.newContext();
    const page = await context.newPage();
    const asked = [];
    page.on('request', (r) => asked.push(r.url()));
    await page.goto(site.url);
    await page.waitForSelector('body[data-ready="true"]');
    await page.click('[data-control="Start"]');
    await waitForLanding(page);
    const foreign = asked.filter(
      (a) => !a.startsWith(site.url) && !a.startsWith('data:') && !a.startsWith('blob:'),
    );
    assert.deepEqual(foreign, []);
    await context.close();
  });
});
