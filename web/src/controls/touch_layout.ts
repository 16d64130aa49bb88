// SPDX-License-Identifier: MIT
// The page on a phone: where the designed window would be shown below kTouchBelowScale, the same
// controls are laid out for fingers instead (the style sheet's .touch): the canvas as large as the
// screen allows, the data panel's lines as text under or beside it, the take-off boxes with
// sliders of touch height, three large pace choices, Start, "Strecken" and "Hocken" in place of
// the arrow-key picture. A tap on the canvas pauses and resumes; a swipe across it while paused
// steps. Larger screens keep the designed window.
import type { PageWindow } from './layout';
import type { Texts } from '../texts';

export const kTouchBelowScale = 0.75;
const kTapSlopPx = 10;
const kTapMs = 500;
const kSwipePx = 40;

export interface TouchActions {
  running(): boolean; // a flight or a replay is on
  canStep(): boolean;
  togglePause(): void;
  step(delta: number): void;
  movePosture(delta: number): void;
}

export class TouchLayout {
  active = false;
  private readonly panel: HTMLElement;

  constructor(
    private readonly w: PageWindow,
    texts: Texts,
    actions: TouchActions,
  ) {
    this.panel = document.createElement('div');
    this.panel.className = 'touch-panel';
    this.panel.hidden = true;
    const button = (className: string, text: string, delta: number) => {
      const b = document.createElement('button');
      b.type = 'button';
      b.className = `touch-only touch-posture ${className}`;
      b.textContent = text;
      // In flight only, as the arrow keys; the press must not take the focus from the posture bar.
      b.addEventListener('pointerdown', (e) => e.preventDefault());
      b.addEventListener('click', () => {
        if (actions.running()) actions.movePosture(delta);
      });
      return b;
    };
    // Before "Programm Ende", where they stand in the layout: the tab order follows.
    w.end.before(
      button('stretch', texts.page('stretch'), -1),
      button('tuck', texts.page('tuck'), 1),
      this.panel,
    );
    let down: { x: number; y: number; ms: number } | null = null;
    w.canvas.addEventListener('pointerdown', (e) => {
      down = { x: e.clientX, y: e.clientY, ms: e.timeStamp };
    });
    w.canvas.addEventListener('pointerup', (e) => {
      if (!this.active || !down) return;
      const dx = e.clientX - down.x,
        dy = e.clientY - down.y,
        ms = e.timeStamp - down.ms;
      down = null;
      if (Math.hypot(dx, dy) <= kTapSlopPx && ms < kTapMs) {
        if (actions.running()) actions.togglePause();
      } else if (Math.abs(dx) >= kSwipePx && Math.abs(dx) > 2 * Math.abs(dy) && actions.canStep()) {
        actions.step(dx < 0 ? 1 : -1); // a swipe to the left shows the next frame, as a page turns
      }
    });
  }

  // Switches the layout; true while it is the touch layout.
  apply(viewWidth: number, viewHeight: number, designedScale: number): boolean {
    this.active = designedScale < kTouchBelowScale;
    this.w.root.classList.toggle('touch', this.active);
    document.body.classList.toggle('touch-page', this.active);
    this.w.root.classList.toggle('landscape', this.active && viewWidth > viewHeight);
    if (this.active) this.w.root.style.transform = '';
    return this.active;
  }

  // The canvas's CSS pixels per designed pixel in the touch layout.
  canvasScale(designedWidthPx: number): number {
    return this.w.canvas.clientWidth / designedWidthPx;
  }

  // The data panel's lines as text; none where the tool is off.
  showPanel(lines: string[], landingLines: number): void {
    const shown = this.active && lines.length > 0;
    this.panel.hidden = !shown;
    if (!shown) return;
    const text = lines.map((l, i) => (i === lines.length - landingLines ? `\n${l}` : l)).join('\n');
    if (this.panel.textContent !== text) this.panel.textContent = text;
  }
}
