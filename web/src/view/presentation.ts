// SPDX-License-Identifier: MIT
// "Präsentation" on the page: the canvas and the verdict line alone, as large as the screen
// allows, in the browser's full screen; the panel's text larger still, as in the window. The key
// P on the canvas or the menu enters it, P or Escape leaves it; Enter starts a flight meanwhile
// (the keys from the model's table).
import type { CanvasView } from './canvas_view';
import type { Design, PlaybackAction } from '../model';
import type { PageWindow } from '../controls/layout';

export class PagePresentation {
  active = false;

  constructor(
    private readonly w: PageWindow,
    private readonly design: Design,
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

  // The scale and offset that show the canvas and the verdict line under it as large as the
  // viewport allows, centred.
  fit(viewWidth: number, viewHeight: number): { scale: number; left: number; top: number } {
    // In designed pixels, as the layout placed them: the verdict line may be hidden.
    const px = (element: HTMLElement, side: 'left' | 'top' | 'width' | 'height') =>
      parseFloat(element.style[side]);
    const canvas = this.w.canvasFrame,
      verdict = this.w.verdict;
    const left = px(canvas, 'left'),
      top = px(canvas, 'top'),
      width = px(canvas, 'width');
    const height = px(verdict, 'top') + px(verdict, 'height') - top;
    const scale = Math.min(viewWidth / width, viewHeight / height);
    return {
      scale,
      left: Math.round((viewWidth - width * scale) / 2 - left * scale),
      top: Math.round((viewHeight - height * scale) / 2 - top * scale),
    };
  }

  private enter(): void {
    this.active = true;
    this.w.root.classList.add('presenting');
    this.view.textFactor = this.design.canvas.presentationTextFactor;
    void document.documentElement.requestFullscreen?.().catch(() => undefined);
    this.w.canvas.focus();
    this.changed();
  }

  private leave(): void {
    this.active = false;
    this.w.root.classList.remove('presenting');
    this.view.textFactor = 1;
    if (document.fullscreenElement) void document.exitFullscreen().catch(() => undefined);
    this.changed();
  }
}
