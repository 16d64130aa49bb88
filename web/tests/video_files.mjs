// SPDX-License-Identifier: MIT
// Tiny videos for the video view's tests, rendered with Debian's ffmpeg: each frame's number
// coded into it as eight squares along the top (square k white when bit k is set), and helpers
// that open one in the page's video view, read the number back off its canvas and mark a jump
// on it.
import assert from 'node:assert/strict';
import { execFile } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { promisify } from 'node:util';
import { chooseInMenu } from './browser.mjs';

export const dialog = '[data-control="videoDialog"]';
export const control = (name) => `${dialog} [data-control="${name}"]`;

const folder = mkdtempSync(join(tmpdir(), 'purzo-video-'));
process.on('exit', () => rmSync(folder, { recursive: true, force: true }));
const kNumbered =
  "geq=lum='if(lt(Y,40), 255*mod(floor(N/pow(2,floor(X/40))),2), 128)':cb=128:cr=128";

// Renders a 320×180 video from a gray picture through `filters`, in `file` below the tests'
// temporary folder; returns its path.
export async function render(file, filters, codecArgs, seconds = 2) {
  const path = join(folder, file);
  await promisify(execFile)('ffmpeg', [
    '-v',
    'error',
    '-y',
    '-f',
    'lavfi',
    '-i',
    `color=c=gray:s=320x180:r=25:d=${seconds}`,
    '-vf',
    filters,
    ...codecArgs,
    path,
  ]);
  return path;
}

// H.264 in MP4 with B-frames (shown in another order than decoded), 25 frames a second, a key
// frame every 12 frames.
export const numberedMp4 = () =>
  render('numbered.mp4', kNumbered, [
    '-c:v',
    'libx264',
    '-g',
    '12',
    '-x264-params',
    'bframes=2:b-adapt=0',
    '-pix_fmt',
    'yuv420p',
  ]);

// VP9 in WebM, a key frame every 12 frames, and from frame 21 on (N = 20) every frame 0.4 s
// later than 25 frames a second would put it.
export const numberedWebm = () =>
  render('numbered.webm', `${kNumbered},setpts='(N+10*gte(N,20))/25/TB'`, [
    '-fps_mode',
    'passthrough',
    '-c:v',
    'libvpx-vp9',
    '-g',
    '12',
    '-b:v',
    '300k',
    '-deadline',
    'realtime',
    '-cpu-used',
    '8',
  ]);

// The H.264 video with its file asking for it to be shown turned (a phone held upright writes
// this); the browser's own player shows it a quarter turn anticlockwise, 180 × 320.
export async function turnedMp4() {
  const path = join(folder, 'turned.mp4');
  await promisify(execFile)('ffmpeg', [
    '-v',
    'error',
    '-y',
    '-i',
    await numberedMp4(),
    '-c',
    'copy',
    '-metadata:s:v:0',
    'rotate=90',
    path,
  ]);
  return path;
}

export function textFile(name, text) {
  const path = join(folder, name);
  writeFileSync(path, text);
  return path;
}

// Opens the view from the canvas's menu and a file in it; waits until its first frame stands or
// the file failed.
export async function openVideo(page, path) {
  await chooseInMenu(page, 'videoAction');
  await page.setInputFiles(control('videoFile'), path);
  await page.waitForFunction(
    (d) => ['idle', 'failed'].includes(document.querySelector(d)?.dataset.state),
    dialog,
    { timeout: 30000 },
  );
}

// Waits until frame `number` (1-based) is drawn.
export async function waitForFrame(page, number) {
  await page.waitForFunction(
    ([d, n]) => {
      const e = document.querySelector(d);
      return e.dataset.frame === String(n) && e.dataset.state === 'idle';
    },
    [dialog, number],
    { timeout: 30000 },
  );
}

// The number coded into the frame on the canvas, 0-based as ffmpeg counts; `turned` reads it
// off a frame turned a quarter anticlockwise, its squares down the left edge from the bottom.
export function drawnNumber(page, turned = false) {
  return page.$eval(
    control('videoCanvas'),
    (c, turned) => {
      const g = c.getContext('2d', { willReadFrequently: true });
      let n = 0;
      for (let k = 0; k < 8; k++) {
        const [x, y] = turned ? [20, c.height - 20 - 40 * k] : [20 + 40 * k, 20];
        if (g.getImageData(x, y, 1, 1).data[0] > 128) n |= 1 << k;
      }
      return n;
    },
    turned,
  );
}

export const shownPosition = (page) => page.textContent(control('videoPosition'));

// Taps the canvas at a point of the video (the canvas shows it at its own size), at a whole
// CSS pixel; returns the point the page was given.
export async function tap(page, box, x, y) {
  const cx = Math.round(box.x + x);
  const cy = Math.round(box.y + y);
  await page.mouse.click(cx, cy);
  return { x: cx - box.x, y: cy - box.y };
}

// The figure around its hip, in pixels (y down): head, shoulder, elbow, hand, hip, knee, foot.
export const kFigure = [
  [0, -50],
  [0, -40],
  [0, -28],
  [0, -17],
  [0, 0],
  [0, 20],
  [0, 40],
];

// On the numbered video from its first frame: a 2 m stick from (60, 170) up to (60, 70), 50 pixels
// a metre, then a rigid upright figure marked joint by joint over 18 frames, its hip flying 2 m/s
// forwards and 3.5 m/s up under g 9.81 m/s² from (100, 100), to whole pixels. Returns the canvas's
// box and the hip's times and heights (m, up) as the page was given them.
export async function markRigidJump(page) {
  const box = await page.$eval(control('videoCanvas'), (c) => {
    const r = c.getBoundingClientRect();
    return { x: r.x, y: r.y, width: r.width, height: r.height };
  });
  assert.equal(box.width, 320);
  assert.match(await page.textContent(control('videoPrompt')), /untere Ende/);
  await tap(page, box, 60, 170);
  assert.match(await page.textContent(control('videoPrompt')), /obere Ende/);
  await tap(page, box, 60, 70);
  await page.fill(control('stickLength'), '2');
  assert.equal(
    await page.textContent(control('stickNote')),
    'Maßstab: 50,0 Pixel je Meter; die Kamera ist um 0,0° gekippt.',
  );
  await page.click(control('jointsMode'));
  const times = [];
  const heights = [];
  for (let k = 0; k < 18; k++) {
    await waitForFrame(page, k + 1);
    assert.equal(await page.textContent(control('videoPrompt')), 'Tippen Sie auf: Kopf');
    const t = k * 0.04;
    const hipX = 100 + Math.round(100 * t);
    const hipY = 100 - Math.round(50 * (3.5 * t - (9.81 / 2) * t * t));
    let hip = null;
    for (const [dx, dy] of kFigure) {
      const p = await tap(page, box, hipX + dx, hipY + dy);
      if (dx === 0 && dy === 0) hip = p;
    }
    times.push(t);
    heights.push(-hip.y / 50);
  }
  return { box, times, heights };
}
