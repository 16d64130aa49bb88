// SPDX-License-Identifier: MIT
// What a screen reader learns of a flight on the page. A polite live region says the take-off,
// the posture changes (at most one message each half second, the newest one last), the highest
// point and the landing with its verdict. The canvas's description names the frame on show
// whenever the flight stands still: paused, stepped or over.
import type { Frame } from '../model';
import type { TimeSource } from './flight_player';
import { type Texts, fill } from '../texts';

const kPostureQuietMs = 500;

export class FlightAnnouncer {
  private readonly live: HTMLElement;
  private readonly description: HTMLElement;
  private lastPosture = 0;
  private lastHeightM = -Infinity;
  private lastRotationDeg = 0;
  private highestSaid = false;
  private postureSaidMs = -Infinity;
  private postureTimer: number | null = null;

  constructor(
    root: HTMLElement,
    canvas: HTMLElement,
    private readonly texts: Texts,
    private readonly time: TimeSource,
  ) {
    this.live = hiddenText(root, 'announcer');
    this.live.setAttribute('role', 'status');
    this.live.setAttribute('aria-live', 'polite');
    this.description = hiddenText(root, 'canvas-description');
    this.description.id = 'canvas-description';
    canvas.setAttribute('aria-describedby', this.description.id);
    this.describe([]);
  }

  takeOff(speedText: string, angleText: string): void {
    this.cancelPosture();
    this.lastPosture = 0;
    this.lastHeightM = -Infinity;
    this.highestSaid = false;
    this.describe([]);
    this.announce(fill(this.texts.page('takeOff'), speedText.trim(), angleText.trim()));
  }

  // A frame of the flight in the air, as it is shown.
  frame(f: Frame): void {
    if (!this.highestSaid && f.heightM < this.lastHeightM) {
      this.highestSaid = true;
      this.announce(
        fill(
          this.texts.page('highestTurned'),
          this.number(this.lastHeightM),
          Math.round(this.lastRotationDeg).toString(),
        ),
      );
    }
    this.lastHeightM = f.heightM;
    this.lastRotationDeg = f.rotationDeg;
    const changed = this.lastPosture !== 0 && f.posture !== this.lastPosture;
    this.lastPosture = f.posture;
    if (changed) this.postureChanged();
  }

  landed(verdict: string): void {
    this.cancelPosture();
    this.announce(fill(this.texts.page('landed'), verdict));
  }

  // The frame on show while the flight stands still; none while it moves.
  // Called on every redraw: the text changes only when the words do.
  describe(texts: string[]): void {
    const text = texts.length
      ? texts.join('. ')
      : this.texts.tr(
          'purzo::AccessibleFlight',
          'Die Strichfigur im Flug. Das Kontextmenü schaltet die Werkzeuge für den Unterricht.',
        );
    if (this.description.textContent !== text) this.description.textContent = text;
  }

  // Said now, or when the half second since the last one is over: then the newest posture.
  private postureChanged(): void {
    const waitMs = this.postureSaidMs + kPostureQuietMs - this.time.now();
    const say = () => {
      this.postureTimer = null;
      this.postureSaidMs = this.time.now();
      // "Haltung 7 gehockt": the number alone means nothing to a listener.
      const word = this.texts.tr(
        'purzo::CanvasWidget',
        this.lastPosture >= 5 ? '%1 gehockt' : '%1 gestreckt',
      );
      this.announce(fill(this.texts.page('posture'), fill(word, String(this.lastPosture))));
    };
    if (waitMs <= 0) say();
    else if (this.postureTimer === null) this.postureTimer = window.setTimeout(say, waitMs);
  }

  private cancelPosture(): void {
    if (this.postureTimer !== null) window.clearTimeout(this.postureTimer);
    this.postureTimer = null;
  }

  announce(text: string): void {
    // The same words twice are still a new message: the region is emptied first.
    this.live.textContent = '';
    this.live.textContent = text;
  }

  private number(value: number): string {
    return value.toFixed(2).replace('.', this.texts.decimalPoint);
  }
}

function hiddenText(root: HTMLElement, className: string): HTMLElement {
  const element = document.createElement('div');
  element.className = `visually-hidden ${className}`;
  root.append(element);
  return element;
}
