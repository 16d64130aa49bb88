// SPDX-License-Identifier: MIT
// "Video öffnen…": every way of moving through a video lands on the frame whose number is coded
// into it, in H.264 with B-frames and in VP9, across key frames, and each frame's time is the
// file's, not a frame rate's; a film its file asks to turn is shown turned; a file that is no
// video and a codec the browser cannot decode say so; without WebCodecs the player's frames are
// within one of the named one.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { openPage, useSite } from './browser.mjs';
import {
  control,
  dialog,
  drawnNumber,
  numberedMp4,
  numberedWebm,
  openVideo,
  render,
  shownPosition,
  textFile,
  turnedMp4,
  waitForFrame,
} from './video_files.mjs';

const site = useSite();

async function slideTo(page, number) {
  await page.fill(control('videoSlider'), String(number));
  await waitForFrame(page, number);
}

describe('the video view', () => {
  test('H.264 with B-frames: the slider, the buttons and the arrows land on the named frame', async () => {
    const { context, page, errors } = await openPage(site.browser, site.url);
    await openVideo(page, await numberedMp4());
    await waitForFrame(page, 1);
    assert.equal(await shownPosition(page), 'Bild 1 von 50 · 0,000 s');
    assert.equal(await drawnNumber(page), 0);
    // Backwards over key frames and into B-frames, each decoded from its key frame.
    for (const n of [37, 13, 12, 2, 50, 24]) {
      await slideTo(page, n);
      assert.equal(await drawnNumber(page), n - 1, `frame ${n}`);
    }
    await slideTo(page, 21);
    await page.click(control('videoBack'));
    await waitForFrame(page, 20);
    assert.equal(await shownPosition(page), 'Bild 20 von 50 · 0,760 s');
    assert.equal(await drawnNumber(page), 19);
    await page.click(control('videoForward'));
    await page.click(control('videoForward'));
    await waitForFrame(page, 22);
    assert.equal(await drawnNumber(page), 21);
    await page.focus(control('videoForward'));
    await page.keyboard.press('ArrowLeft');
    await waitForFrame(page, 21);
    assert.equal(await drawnNumber(page), 20);
    assert.deepEqual(errors, []);
    await context.close();
  });

  test('VP9 in WebM: arrows step over a key frame both ways; times are the file’s', async () => {
    const { context, page, errors } = await openPage(site.browser, site.url, { locale: 'en-GB' });
    await openVideo(page, await numberedWebm());
    await slideTo(page, 12);
    await page.focus(control('videoCanvas'));
    await page.keyboard.press('ArrowRight');
    await waitForFrame(page, 13);
    assert.equal(await drawnNumber(page), 12);
    assert.equal(await shownPosition(page), 'Frame 13 of 50 · 0.480 s');
    await page.keyboard.press('ArrowLeft');
    await page.keyboard.press('ArrowLeft');
    await waitForFrame(page, 11);
    assert.equal(await drawnNumber(page), 10);
    // Frame 21 comes 0.4 s late.
    await slideTo(page, 21);
    assert.equal(await drawnNumber(page), 20);
    assert.equal(await shownPosition(page), 'Frame 21 of 50 · 1.200 s');
    await slideTo(page, 50);
    assert.equal(await drawnNumber(page), 49);
    assert.deepEqual(errors, []);
    await context.close();
  });

  test('playing at ½ and ¼ speed and at 1 follows the file’s times', async () => {
    // A held clock: the video plays only as far as the test runs the clock on.
    const { context, page, errors } = await openPage(site.browser, site.url, { clock: true });
    await openVideo(page, await numberedWebm());
    await waitForFrame(page, 1);
    // Runs the clock on, lets the frame decode, then one more animation frame (20 ms more).
    const play = async (ms, frame) => {
      await page.clock.runFor(ms);
      await page.waitForFunction((d) => document.querySelector(d).dataset.state === 'idle', dialog);
      await page.clock.runFor(20);
      await waitForFrame(page, frame);
      assert.equal(await drawnNumber(page), frame - 1);
    };
    await page.selectOption(control('videoSpeed'), '0.5');
    await page.click(control('videoPlay'));
    await play(410, 6); // 0.215 s of the video: frame 6 at 0.2 s
    await page.click(control('videoPlay'));
    await page.selectOption(control('videoSpeed'), '0.25');
    await page.click(control('videoPlay'));
    await play(810, 11); // 0.2 + 0.2075 s: frame 11 at 0.4 s
    await page.click(control('videoPlay'));
    await slideTo(page, 20);
    await page.selectOption(control('videoSpeed'), '1');
    await page.click(control('videoPlay'));
    await play(300, 20); // 1.08 s: frame 21 comes at 1.2 s, not at 0.8 s
    await play(130, 21); // 1.23 s
    assert.deepEqual(errors, []);
    await context.close();
  });

  test('a film its file asks to turn is shown turned, as the browser’s player shows it', async () => {
    const { context, page, errors } = await openPage(site.browser, site.url);
    await openVideo(page, await turnedMp4());
    await waitForFrame(page, 1);
    assert.deepEqual(
      await page.$eval(control('videoCanvas'), (c) => [c.width, c.height]),
      [180, 320],
    );
    for (const n of [13, 7]) {
      await slideTo(page, n);
      assert.equal(await drawnNumber(page, true), n - 1);
    }
    assert.deepEqual(errors, []);
    await context.close();
  });

  test('a file that is no video, and HEVC, say what is wrong', async () => {
    const { context, page, errors } = await openPage(site.browser, site.url);
    await openVideo(page, textFile('notes.mp4', 'Sprung 1: 5,8 m/s\n'));
    assert.equal(await page.$eval(dialog, (d) => d.dataset.state), 'failed');
    assert.match(await page.textContent(control('videoMessage')), /kein Video/);
    // Chromium here has no HEVC decoder: the message names it and the camera's setting.
    const hevc = await render(
      'hevc.mp4',
      'null',
      [
        '-c:v',
        'libx265',
        '-x265-params',
        'log-level=error',
        '-tag:v',
        'hvc1',
        '-pix_fmt',
        'yuv420p',
      ],
      1,
    );
    await page.setInputFiles(control('videoFile'), hevc);
    await page.waitForFunction(
      (d) =>
        document.querySelector(d).dataset.state === 'failed' &&
        document.querySelector(d).textContent.includes('HEVC'),
      dialog,
    );
    const message = await page.textContent(control('videoMessage'));
    assert.match(message, /H\.265\/HEVC/);
    assert.match(message, /Maximale Kompatibilität/);
    assert.equal(await page.isVisible(control('videoCanvas')), false);
    assert.deepEqual(errors, []);
    await context.close();
  });

  test('without WebCodecs the player seeks, says frames may be off by one, and is within one', async () => {
    const { context, page, errors } = await openPage(site.browser, site.url);
    await page.evaluate(() => {
      delete window.VideoDecoder;
    });
    await openVideo(page, await numberedMp4());
    await waitForFrame(page, 1);
    assert.match(await page.textContent(control('videoMessage')), /um eins/);
    for (const n of [5, 30, 17, 18]) {
      await slideTo(page, n);
      const drawn = await drawnNumber(page);
      assert.ok(Math.abs(drawn - (n - 1)) <= 1, `frame ${n} showed ${drawn + 1}`);
    }
    assert.deepEqual(errors, []);
    await context.close();
  });
});
