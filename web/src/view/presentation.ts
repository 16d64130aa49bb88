// SPDX-License-Identifier: MIT
// "Präsentation" on the page: the canvas and the verdict line alone, as large as the screen
// allows, in the browser's full screen; the panel's text larger still, as in the window. The key
// P on the canvas or the menu enters it, P or Escape leaves it; Enter starts a flight meanwhile
// (the keys from the model's table). The layout is the model's too, the same as the window's.
import type { CanvasView } from './canvas_view';
import type { Design, PlaybackAction, PurzoModule } from '../model';
import { type PageWindow, fitText } from '../controls/layout';

export class PagePresentation {
  active = false;
  private designed: [HTMLElement, string][] = []; // the lines' styles before it

  constructor(
    private readonly w: PageWindow,
    private readonly design: Design,
    private readonly module: PurzoModule,
    private readonly view: CanvasView,
    private readonly changed: () => void,
  ) {
    // The browser's own way out of full screen (Escape, a gesture) leaves the presentation too.
    document.addEventListener('fullscreenchange', () => {
      if (!document.fullscreenElement && this.active) this.leave();
    });
  }

  toggle(): void {
    if (this.active) this.leave();
    else this.enter();
  }

  // The presentation's actions of the keys' table; true where it took the action.
  key(action: PlaybackAction, onCanvas: boolean, start: () => void): boolean {
    if (onCanvas && action === 'present') this.toggle();
    else if (this.active && action === 'leavePresentation') this.leave();
    else if (this.active && onCanvas && action === 'startFlight') start();
    else return false;
    return true;
  }

  // The model's layout for the viewport, as the window's: the root's scale and offset that put
  // the canvas frame where it says. The verdict line and the warning in its place go under the
  // canvas, in designed pixels inside the scaled root.
  fit(viewWidth: number, viewHeight: number): { scale: number; left: number; top: number } {
    const layout = this.module.presentationLayout(viewWidth, viewHeight);
    const { scale } = layout;
    const frame = this.w.canvasFrame.style;
    const left = layout.canvasLeft - parseFloat(frame.left) * scale;
    const top = layout.canvasTop - parseFloat(frame.top) * scale;
    const fontPx = (layout.verdictFontPt * 96) / 72 / scale;
    for (const line of this.lines()) {
      line.style.left = `${(layout.canvasLeft - left) / scale}px`;
      line.style.top = `${(layout.verdictTop - top) / scale}px`;
      line.style.width = `${layout.canvasWidth / scale}px`;
      line.style.height = `${layout.verdictHeight / scale}px`;
      line.style.fontSize = `${fontPx}px`;
      fitText(line); // the warning's two lines are cut at this size otherwise
    }
    return { scale, left, top };
  }

  // The verdict line and the warning label, which shares its place.
  private lines(): HTMLElement[] {
    return [this.w.verdict, this.w.warning];
  }

  private enter(): void {
    this.active = true;
    // The lines' designed style, whole, for leaving: the layout sets several of its parts.
    this.designed = this.lines().map((line) => [line, line.style.cssText]);
    this.w.root.classList.add('presenting');
    this.view.textFactor = this.design.canvas.presentationTextFactor;
    void document.documentElement.requestFullscreen?.().catch(() => undefined);
    this.w.canvas.focus();
    this.changed();
  }

  private leave(): void {
    this.active = false;
    for (const [line, style] of this.designed) line.style.cssText = style;
    this.w.root.classList.remove('presenting');
    this.view.textFactor = 1;
    if (document.fullscreenElement) void document.exitFullscreen().catch(() => undefined);
    this.changed();
  }
}
