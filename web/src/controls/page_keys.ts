// SPDX-License-Identifier: MIT
// The keys that work a flight on the page, from the model's table as the window's: Space pauses
// and resumes, Page Down / Page Up, Home / End step through the recorded frames, the Menu key or
// Shift+F10 open the menu, F11 fills the screen. They act only on the canvas and the posture bar,
// so that buttons keep Enter and Space.
import type { Design, PlaybackAction, PurzoModule } from '../model';
import type { FlightPlayer } from '../view/flight_player';
import { type PageWindow, movePosture } from './layout';

export interface KeyedPage {
  readonly w: PageWindow;
  readonly design: Design;
  readonly module: PurzoModule;
  readonly player: FlightPlayer;
  menuOpen(): boolean;
  // true when the presentation took the action
  presentationKey(action: PlaybackAction, onCanvas: boolean): boolean;
  openMenu(x: number, y: number): void;
}

export function onPageKey(e: KeyboardEvent, page: KeyedPage): void {
  if (page.menuOpen() || e.defaultPrevented) return;
  const onCanvas = e.target === page.w.canvas || e.target === page.w.posture;
  const key = page.module.playbackKey(e.key, e.shiftKey, e.ctrlKey || e.altKey || e.metaKey);
  if (!key) {
    // The arrow keys are not the table's: in flight they move the posture bar.
    if (
      e.target === page.w.canvas &&
      page.player.flightRunning &&
      (e.key === 'ArrowLeft' || e.key === 'ArrowRight')
    ) {
      e.preventDefault();
      page.w.posture.focus();
      movePosture(page.w, page.design, e.key === 'ArrowRight' ? 1 : -1);
    }
    return;
  }
  if (page.presentationKey(key.action, onCanvas)) {
    e.preventDefault();
    return;
  }
  if (key.action === 'fullScreen') {
    e.preventDefault();
    void (document.fullscreenElement
      ? document.exitFullscreen()
      : document.documentElement.requestFullscreen?.());
    return;
  }
  // Paused or after a flight the step keys step; in flight they stay the posture bar's.
  if (!onCanvas || (key.onlyWhileStepping && !page.player.canStep)) return;
  const player = page.player;
  switch (key.action) {
    case 'openMenu': {
      const box = page.w.canvas.getBoundingClientRect();
      page.openMenu(box.left + 20, box.top + 20);
      break;
    }
    case 'togglePause':
      player.togglePause();
      break;
    case 'stepForward':
    case 'stepBack':
      player.step(key.action === 'stepForward' ? 1 : -1);
      break;
    case 'toStart':
    case 'toEnd':
      player.stepToEnd(key.action === 'toEnd');
      break;
    default:
      return; // the presentation's keys outside it
  }
  e.preventDefault();
}
