// SPDX-License-Identifier: MIT
// After the fit, on the page as in the window: take-off and touchdown corrected by hand move the
// fit's frames; "Was wäre, wenn…" flies the filmed take-off and athlete by a plan typed into the
// tuck plan's dialog, and from a cell of this jump's landing map, each into the log with its plan
// and drawn dashed over the video.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { openPage, useSite } from './browser.mjs';
import { control, markRigidJump, numberedMp4, openVideo, waitForFrame } from './video_files.mjs';

const site = useSite();
const line = (page, key) =>
  page.textContent(`${control('videoResults')} li[data-key="${key}"]`).catch(() => null);
const seconds = (text) => Number(/([\d,]+) s$/.exec(text)[1].replace(',', '.'));

// The stored log's flight lines by number, split into their fields, once flight `newest` is
// stored.
async function storedFlights(page, newest) {
  await page.waitForFunction(
    (n) => Object.values(localStorage).some((t) => t.includes(`\nflight\t${n}\t`)),
    newest,
  );
  const text = await page.evaluate(() => Object.values(localStorage).join('\n'));
  const flights = new Map();
  for (const l of text.split('\n')) {
    const f = l.split('\t');
    if (f[0] === 'flight') flights.set(Number(f[1]), f);
  }
  return flights;
}

// Pixels in the log's second colour (vermillion, #d55e00) on the canvas.
function vermillionPixels(page) {
  return page.$eval(control('videoCanvas'), (c) => {
    const data = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let n = 0;
    for (let i = 0; i < data.length; i += 4) {
      const [r, g, b] = [data[i], data[i + 1], data[i + 2]];
      if (r > 195 && r < 230 && g > 75 && g < 115 && b < 30) n++;
    }
    return n;
  });
}

describe('what if, over the video', () => {
  test('corrected frames, then a plan and a map cell flown over the filmed jump', async () => {
    const { context, page, errors } = await openPage(site.browser, site.url);
    await openVideo(page, await numberedMp4());
    await waitForFrame(page, 1);
    await markRigidJump(page);
    const whatIf = control('videoWhatIfButton');
    assert.ok(await page.isDisabled(whatIf)); // nothing fitted yet

    // The figure never comes down to the floor: the video starts and ends in the air.
    await page.click(control('videoFitButton'));
    assert.equal(await line(page, 'takeoff'), 'Absprung: vor dem Video');
    assert.equal(await line(page, 'touchdown'), 'Landung: nach dem Video');
    assert.ok(await line(page, 'warning-noFloorBefore'));
    // Frame 3 the last on the floor and 15 the first back on it: the flight lies between, its
    // take-off where the parabola leaves frame 3's height (0.08 s), its touchdown after frame 14
    // (0.52 s), carried on from there by at most two frames' time for a body that never comes
    // down in the film (0.60 s; a frame late would give 0.64 s).
    await page.fill(control('lastFloorField'), '3');
    await page.fill(control('touchdownField'), '15');
    await page.click(control('videoFitButton'));
    const takeoffS = seconds(await line(page, 'takeoff'));
    assert.ok(takeoffS > 0.075 && takeoffS < 0.085, `take-off ${takeoffS}`);
    const touchdownS = seconds(await line(page, 'touchdown'));
    assert.ok(touchdownS > 0.52 && touchdownS < 0.601, `touchdown ${touchdownS}`);
    assert.equal(await line(page, 'warning-noFloorBefore'), null);
    // A frame outside the video is no correction.
    await page.fill(control('lastFloorField'), '99');
    await page.fill(control('touchdownField'), '0');
    await page.click(control('videoFitButton'));
    assert.equal(await line(page, 'takeoff'), 'Absprung: vor dem Video');
    await page.fill(control('lastFloorField'), '3');
    await page.fill(control('touchdownField'), '15');
    await page.click(control('videoFitButton'));

    // "Was wäre, wenn…": the plan's dialog above the video, for the filmed take-off.
    await page.click(whatIf);
    const planDialog = '[data-control="tuckPlanDialog"]';
    assert.equal(await page.textContent(`${planDialog} .charts-title`), 'Was wäre, wenn…');
    const onTop = await page.$eval(planDialog, (d) => {
      const r = d.getBoundingClientRect();
      return d.contains(document.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2));
    });
    assert.ok(onTop, 'the plan dialog stands above the video');
    await page.fill(`${planDialog} [data-control="tuckStartField"]`, '3');
    await page.fill(`${planDialog} [data-control="tuckLengthField"]`, '4');
    await page.selectOption(`${planDialog} [data-control="tuckDepthField"]`, '7');
    assert.equal(await vermillionPixels(page), 0);
    await page.click(`${planDialog} [data-control="flyPlanButton"]`);
    const said =
      /^Gestrichelt über dem Video: derselbe Absprung mit dem anderen Hockplan, im Protokoll als Flug (\d+)\.$/.exec(
        await line(page, 'whatIf'),
      );
    assert.ok(said);
    // Each fit joined the log; the plan flew after the last of them.
    const fitted = Number(said[1]) - 1;
    // Logged as the filmed take-off and athlete, by the plan: frame 1 stretched, 3–6 tucked.
    const flights = await storedFlights(page, fitted + 1);
    const video = flights.get(fitted);
    const planned = flights.get(fitted + 1);
    assert.ok(video.includes('video')); // the fitted jump, its film named
    assert.deepEqual(planned.slice(2, 3), ['exact']);
    assert.deepEqual(planned.slice(5, 7), video.slice(5, 7)); // speed and angle as flown
    assert.deepEqual(planned.slice(17, 21), video.slice(17, 21)); // the athlete
    assert.deepEqual(planned.slice(11, 14), ['3', '4', '7']);
    assert.match(planned[7], /^1,1,7,7,7,7,1/);
    assert.ok(!planned.includes('video'), 'a "what if" keeps no film');
    // Drawn dashed over the video in the flight, not before the take-off.
    await page.fill(control('videoSlider'), '8');
    await waitForFrame(page, 8);
    assert.ok((await vermillionPixels(page)) > 20);
    await page.fill(control('videoSlider'), '1');
    await waitForFrame(page, 1);
    assert.equal(await vermillionPixels(page), 0);

    // "Landekarte dieses Sprungs…": a double click on a cell flies it over the video, not on
    // the page's canvas.
    await page.click(control('videoWhatIfMapButton'));
    const mapDialog = '[data-control="landingMapDialog"]';
    await page.waitForFunction(
      (d) => document.querySelector(d)?.dataset.state === 'idle',
      mapDialog,
      {
        timeout: 120000,
      },
    );
    const plot = (
      await page.$eval(`${mapDialog} [data-control="landingMapView"]`, (c) => c.dataset.plot)
    )
      .split(' ')
      .map(Number);
    await page.dblclick(`${mapDialog} [data-control="landingMapView"]`, {
      position: { x: plot[0] + 2, y: plot[1] + plot[3] - 2 }, // the first cell: the earliest, shortest tuck
    });
    assert.ok(!(await page.isVisible(mapDialog)));
    const afterMap = await storedFlights(page, fitted + 2);
    const mapped = afterMap.get(fitted + 2);
    assert.ok(mapped, 'the cell joined the log');
    assert.deepEqual(mapped.slice(5, 7), video.slice(5, 7));
    assert.deepEqual(mapped.slice(11, 14), ['2', '1', planned[13]]);
    assert.match(await line(page, 'whatIf'), new RegExp(`Flug ${fitted + 2}\\.$`));
    assert.notEqual(await page.$eval('.window', (w) => w.dataset.state), 'flight');
    assert.deepEqual(errors, []);
    await context.close();
  });
});
