// SPDX-License-Identifier: MIT
// The keys that work a flight on the page, as the window's: Space pauses and resumes, Page Down /
// Page Up, Home / End step through the recorded frames, the Menu key or Shift+F10 open the menu,
// F11 fills the screen. They act only on the canvas and the posture bar, so that buttons keep
// Enter and Space.
import type { Design } from '../model';
import type { FlightPlayer } from '../view/flight_player';
import { type PageWindow, movePosture } from './layout';

export interface KeyedPage {
  readonly w: PageWindow;
  readonly design: Design;
  readonly player: FlightPlayer;
  menuOpen(): boolean;
  presentationKey(e: KeyboardEvent, onCanvas: boolean): boolean; // true when the presentation took it
  openMenu(x: number, y: number): void;
}

export function onPageKey(e: KeyboardEvent, page: KeyedPage): void {
  if (page.menuOpen() || e.defaultPrevented) return;
  const onCanvas = e.target === page.w.canvas || e.target === page.w.posture;
  if (page.presentationKey(e, onCanvas)) return;
  if (e.key === 'F11') {
    e.preventDefault();
    void (document.fullscreenElement
      ? document.exitFullscreen()
      : document.documentElement.requestFullscreen?.());
    return;
  }
  if (!onCanvas) return;
  if (e.key === 'ContextMenu' || (e.key === 'F10' && e.shiftKey)) {
    e.preventDefault();
    const box = page.w.canvas.getBoundingClientRect();
    page.openMenu(box.left + 20, box.top + 20);
  } else if (e.key === ' ') {
    e.preventDefault();
    page.player.togglePause();
  } else if (page.player.canStep && ['PageDown', 'PageUp', 'Home', 'End'].includes(e.key)) {
    // Paused or after a flight these keys step; in flight they stay the posture bar's.
    e.preventDefault();
    if (e.key === 'Home' || e.key === 'End') page.player.stepToEnd(e.key === 'End');
    else page.player.step(e.key === 'PageDown' ? 1 : -1);
  } else if (
    e.target === page.w.canvas &&
    page.player.flightRunning &&
    (e.key === 'ArrowLeft' || e.key === 'ArrowRight')
  ) {
    e.preventDefault();
    page.w.posture.focus();
    movePosture(page.w, page.design, e.key === 'ArrowRight' ? 1 : -1);
  }
}
