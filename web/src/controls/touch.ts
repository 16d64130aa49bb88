// SPDX-License-Identifier: MIT
// Touch and pen: a tap on the arrow-key picture's left or right key moves the posture in flight,
// and a long press on the canvas opens its menu.
import type { Rect } from '../model';

const kLongPressMs = 600;
const kLongPressSlopPx = 10;

// The key under a point of the picture, in its designed pixels.
export function keyAt(
  x: number,
  y: number,
  keys: { left: Rect; right: Rect },
): 'left' | 'right' | null {
  const inside = (r: Rect) =>
    x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height;
  return inside(keys.left) ? 'left' : inside(keys.right) ? 'right' : null;
}

export function onArrowKeyTaps(
  picture: HTMLElement,
  designWidthPx: number,
  keys: { left: Rect; right: Rect },
  tapped: (key: 'left' | 'right') => void,
): void {
  picture.addEventListener('pointerdown', (e) => {
    const box = picture.getBoundingClientRect();
    const k = designWidthPx / box.width;
    const key = keyAt((e.clientX - box.left) * k, (e.clientY - box.top) * k, keys);
    if (key) {
      e.preventDefault(); // no focus change, no text selection, no double-tap zoom
      tapped(key);
    }
  });
}

export function onLongPress(
  target: HTMLElement,
  pressed: (x: number, y: number) => void,
  time: { setTimeout(run: () => void, ms: number): number; clearTimeout(id: number): void },
): void {
  let timer: number | null = null;
  let start = { x: 0, y: 0 };
  const cancel = () => {
    if (timer !== null) time.clearTimeout(timer);
    timer = null;
  };
  target.addEventListener('pointerdown', (e) => {
    if (e.button !== 0) return;
    cancel();
    start = { x: e.clientX, y: e.clientY };
    timer = time.setTimeout(() => {
      timer = null;
      pressed(start.x, start.y);
    }, kLongPressMs);
  });
  target.addEventListener('pointermove', (e) => {
    if (Math.hypot(e.clientX - start.x, e.clientY - start.y) > kLongPressSlopPx) cancel();
  });
  for (const type of ['pointerup', 'pointercancel', 'pointerleave'] as const)
    target.addEventListener(type, cancel);
}
