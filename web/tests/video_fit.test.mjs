// SPDX-License-Identifier: MIT
// The video's stick, marks and fit: a stick tapped at its ends and its length give the module's
// scale; a rigid figure marked joint by joint over 18 frames (the next joint and then the next
// frame offered by themselves) flies a parabola whose g the page shows as a least-squares
// parabola through the marks gives it. Coloured markers picked by a tap are followed through
// the frames onto the marker's place.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { describe, test } from 'node:test';
import { openPage, useSite } from './browser.mjs';
import {
  control,
  kFigure,
  markRigidJump,
  numberedMp4,
  openVideo,
  render,
  tap,
  waitForFrame,
} from './video_files.mjs';

const site = useSite();
const axeSource = readFileSync(
  new URL('../node_modules/axe-core/axe.min.js', import.meta.url),
  'utf8',
);

// g of the least-squares parabola h = a + b t + c t² through the heights: −2c.
function gravityOf(times, heights) {
  const n = times.length;
  const s = (f) => times.reduce((sum, t, i) => sum + f(t, heights[i]), 0);
  const m = [
    [n, s((t) => t), s((t) => t * t), s((_, h) => h)],
    [s((t) => t), s((t) => t * t), s((t) => t ** 3), s((t, h) => t * h)],
    [s((t) => t * t), s((t) => t ** 3), s((t) => t ** 4), s((t, h) => t * t * h)],
  ];
  for (let i = 0; i < 3; i++)
    for (let r = 0; r < 3; r++)
      if (r !== i) {
        const f = m[r][i] / m[i][i];
        for (let c = 0; c < 4; c++) m[r][c] -= f * m[i][c];
      }
  return (-2 * m[2][3]) / m[2][2];
}

describe('the video’s fit', () => {
  test('stick, marks frame by frame and the fit give the module’s numbers', async () => {
    const { context, page, errors } = await openPage(site.browser, site.url);
    await openVideo(page, await numberedMp4());
    await waitForFrame(page, 1);
    const { box, times, heights } = await markRigidJump(page);
    // The seventh joint of the 18th frame moved on to the 19th.
    await waitForFrame(page, 19);
    await page.click(control('videoFitButton'));
    const line = (key) => page.textContent(`${control('videoResults')} li[data-key="${key}"]`);
    // The figure moves as one body: its centre of mass as its hip, the same way.
    const g = gravityOf(times, heights).toFixed(2).replace('.', ',');
    assert.equal(await line('gravity'), `g aus dem Video: ${g} m/s²`);
    assert.match(await line('speed'), /^Absprunggeschwindigkeit: \d+,\d\d m\/s$/);
    assert.match(await line('residuals'), /^Abweichungen \(RMS\): Schwerpunkt \d+,\d cm/);
    assert.equal(
      await line('warning-noFloorBefore'),
      'Kein Bild zeigt den Körper vor dem Flug auf dem Boden; die Absprunghöhe ist angenommen.',
    );
    // The fitted jump joined the lesson's log as a video flight, its film named in it.
    const stored = await page.evaluate(() => Object.values(localStorage).join('\n'));
    assert.match(stored, /\texact\t[^\n]*\tvideo\t[^\t\n]+\.mp4\t/);
    // A mark moved by hand throws the fit away.
    await page.click(control('videoBack'));
    await waitForFrame(page, 18);
    const hipX = 100 + Math.round(100 * 0.68);
    const hipY = 100 - Math.round(50 * (3.5 * 0.68 - (9.81 / 2) * 0.68 * 0.68));
    await page.mouse.move(Math.round(box.x + hipX), Math.round(box.y + hipY - 50));
    await page.mouse.down();
    await page.mouse.move(Math.round(box.x + hipX + 15), Math.round(box.y + hipY - 50));
    await page.mouse.up();
    assert.equal(await page.$$eval(`${control('videoResults')} li`, (l) => l.length), 0);
    // The view with a video, its marks and buttons: nothing axe-core finds against WCAG 2.2 AA.
    await page.addScriptTag({ content: axeSource });
    const found = await page.evaluate(() =>
      window.axe.run(document.querySelector('[data-control="videoDialog"]'), {
        runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'] },
      }),
    );
    assert.deepEqual(
      found.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`),
      [],
    );
    assert.deepEqual(errors, []);
    await context.close();
  });

  test('on a phone, taps set the stick and the joints', async () => {
    const { context, page, errors } = await openPage(site.browser, site.url, {
      width: 390,
      height: 844,
      scale: 2,
      touch: true,
    });
    await page.tap('.tools-button');
    await page.tap('.menu-item[data-entry="videoAction"]');
    await page.setInputFiles(control('videoFile'), await numberedMp4());
    await waitForFrame(page, 1);
    const box = await page.$eval(control('videoCanvas'), (c) => {
      const r = c.getBoundingClientRect();
      return { x: r.x, y: r.y, width: r.width };
    });
    // The video fits the phone's width at its own size.
    assert.equal(box.width, 320);
    const touch = (x, y) => page.touchscreen.tap(Math.round(box.x + x), Math.round(box.y + y));
    await touch(40, 160);
    await touch(40, 60);
    assert.equal(
      await page.textContent(control('stickNote')),
      'Maßstab: 100,0 Pixel je Meter; die Kamera ist um 0,0° gekippt.',
    );
    await page.tap(control('jointsMode'));
    for (const [i, [dx, dy]] of kFigure.entries()) {
      await touch(150 + dx, 90 + dy);
      // The next joint is offered at once.
      const next = ['Schulter', 'Ellbogen', 'Hand', 'Hüfte', 'Knie', 'Fuß'][i];
      if (next)
        assert.equal(await page.textContent(control('videoPrompt')), `Tippen Sie auf: ${next}`);
    }
    await waitForFrame(page, 2);
    assert.equal(await page.textContent(control('videoPrompt')), 'Tippen Sie auf: Kopf');
    assert.deepEqual(errors, []);
    await context.close();
  });

  test('a colour picked by a tap is followed through the frames', async () => {
    const { context, page, errors } = await openPage(site.browser, site.url, { locale: 'en-GB' });
    // A red square 10 pixels wide moving 6 pixels right and 4 up each frame (even steps, which
    // the half-size colour planes keep); ffmpeg's overlay counts frame 1 as n = 1.
    const path = await render(
      'marker.mp4',
      "[in]split[a][b];[b]crop=10:10,lutrgb=r=255:g=0:b=0[red];[a][red]overlay=x='40+6*n':y='100-4*n'",
      ['-c:v', 'libx264', '-pix_fmt', 'yuv420p'],
      1,
    );
    await openVideo(page, path);
    await waitForFrame(page, 1);
    const box = await page.$eval(control('videoCanvas'), (c) => {
      const r = c.getBoundingClientRect();
      return { x: r.x, y: r.y };
    });
    await page.click(control('coloursMode'));
    assert.equal(await page.textContent(control('videoPrompt')), 'Tap the colour marker: head');
    await tap(page, box, 51, 101);
    await page.waitForFunction(
      (c) => document.querySelector(c).textContent.includes('head'),
      control('videoColours'),
    );
    await page.click(control('videoTrackButton'));
    await page.waitForSelector(`${control('videoResults')} li[data-key="tracked"]`);
    assert.equal(
      await page.textContent(`${control('videoResults')} li[data-key="tracked"]`),
      'Colour markers found in 25 frames.',
    );
    // The head's mark, drawn in its yellow, stands on the square in any frame.
    for (const n of [25, 9]) {
      await page.fill(control('videoSlider'), String(n));
      await waitForFrame(page, n);
      const [r, g, b] = await page.$eval(
        control('videoCanvas'),
        (c, [x, y]) => [...c.getContext('2d').getImageData(x, y, 1, 1).data],
        [45 + 6 * n, 105 - 4 * n],
      );
      assert.ok(r > 200 && g > 150 && b < 90, `frame ${n}: ${r},${g},${b}`);
    }
    assert.deepEqual(errors, []);
    await context.close();
  });
});
