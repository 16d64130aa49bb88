// SPDX-License-Identifier: MIT
// The model's playback on the browser's timers: it decides which frame runs when, pauses, steps
// and keeps the flights; this side only waits as asked, hands on what it is told and keeps the
// frames it has read, so that drawing never asks the module twice for the same frame.
import type {
  Athlete,
  Frame,
  PagePlayer,
  PanelLines,
  PanelText,
  PurzoModule,
  SheetData,
} from '../model';
import type { PlannedFlight } from '../plan_model';

// The page's time: performance.now() and the browser's timers, or a test's.
export interface TimeSource {
  now(): number; // ms
  setTimeout(run: () => void, ms: number): number;
  clearTimeout(id: number): void;
}

export const browserTime: TimeSource = {
  now: () => performance.now(),
  setTimeout: (run, ms) => window.setTimeout(run, ms),
  clearTimeout: (id) => window.clearTimeout(id),
};

export interface PlayerListener {
  frameShown(live: boolean): void; // a frame was run or replayed (live), or selected by stepping
  flightFinished(): void;
  replayFinished(): void;
  pausedChanged(paused: boolean): void;
}

// A flight the playback keeps, by its number.
export class FlightRecord {
  constructor(
    private readonly player: PagePlayer,
    readonly number: number,
    private readonly read: Frame[],
  ) {}

  get frames(): Frame[] {
    for (let n = this.player.frameCount(this.number); this.read.length < n; ) {
      this.read.push(this.player.frame(this.number, this.read.length)!);
    }
    return this.read;
  }
  get speedText(): string {
    return this.player.speedText(this.number);
  }
  get angleText(): string {
    return this.player.angleText(this.number);
  }
  get pace(): number {
    return this.player.pace(this.number);
  }
  get athlete(): Athlete {
    return this.player.athlete(this.number);
  }

  csv(): string {
    return this.player.csv(this.number);
  }
  sheet(language: string): SheetData {
    return this.player.sheet(this.number, language);
  }
  panelLines(index: number, decimalPoint: string): PanelLines {
    return this.player.panelLines(this.number, index, decimalPoint);
  }
  verdict(decimalPoint: string): PanelText | null {
    return this.player.verdict(this.number, decimalPoint);
  }
  description(index: number, decimalPoint: string): PanelText[] {
    return this.player.description(this.number, index, decimalPoint);
  }
  centrePath(): number[] {
    return this.player.centrePath(this.number);
  }
  modelName(): 'classic' | 'exact' {
    return this.player.modelName(this.number);
  }
  captionTexts(decimalPoint: string): PanelText[] {
    return this.player.captionTexts(this.number, decimalPoint);
  }
}

export class FlightPlayer {
  private readonly player: PagePlayer;
  private timer: number | null = null;
  private readonly frames = new Map<number, Frame[]>(); // read so far, by flight number

  constructor(
    module: PurzoModule,
    private readonly time: TimeSource,
    listener: PlayerListener,
    // The posture bar: read each frame, or set to a planned flight's posture.
    posture: { read(): number; show(posture: number): void },
  ) {
    this.player = new module.PagePlayer(
      {
        schedule: (waitMs) => {
          this.cancelTimer();
          this.timer = time.setTimeout(() => {
            this.timer = null;
            this.player.runDueFrame();
          }, waitMs);
        },
        cancelSchedule: () => this.cancelTimer(),
        readPosture: () => posture.read(),
        showPosture: (p) => posture.show(p),
        frameReady: () => listener.frameShown(true),
        frameSelected: () => listener.frameShown(false),
        pausedChanged: (paused) => listener.pausedChanged(paused),
        flightFinished: () => listener.flightFinished(),
        replayFinished: () => listener.replayFinished(),
      },
      { now: () => time.now() },
    );
  }

  // Ends whatever runs and starts a flight with the take-off as typed; frame 1 comes one pause
  // later. A planned flight's postures are the plan's.
  startFlight(
    speedText: string,
    angleText: string,
    model: string,
    pace: number,
    pauseMs: number,
    athlete: Athlete,
    planned: PlannedFlight | null = null,
  ): void {
    if (planned)
      this.player.startPlannedFlight(
        speedText,
        angleText,
        model,
        pace,
        pauseMs,
        athlete,
        planned.plan,
        planned.prediction,
      );
    else this.player.startFlight(speedText, angleText, model, pace, pauseMs, athlete);
  }
  // Plays the last flight again, frame for frame; false when there is none.
  replayLastFlight(pauseMs: number): boolean {
    return this.player.replayLastFlight(pauseMs);
  }
  // Ends a running flight, which is dropped, or a replay.
  stop(): void {
    this.player.stop();
  }
  togglePause(): void {
    this.player.togglePause();
  }
  step(delta: number): boolean {
    return this.player.step(delta);
  }
  stepToEnd(newest: boolean): boolean {
    return this.player.stepToEnd(newest);
  }

  get flightRunning(): boolean {
    return this.player.flightRunning();
  }
  get replayRunning(): boolean {
    return this.player.replayRunning();
  }
  get paused(): boolean {
    return this.player.paused();
  }
  get canStep(): boolean {
    return this.player.canStep();
  }
  get lastFlight(): FlightRecord | null {
    return this.record(this.player.lastNumber());
  }
  get previousFlight(): FlightRecord | null {
    return this.record(this.player.previousNumber());
  }
  get runningFlight(): FlightRecord | null {
    return this.record(this.player.runningNumber());
  }
  // A flight of the log replayed, while it is on show.
  get replayedFlight(): FlightRecord | null {
    return this.record(this.player.replayedNumber());
  }
  // The module's own player, for the log to read the last flight from and replay on.
  get native(): PagePlayer {
    return this.player;
  }
  // The frames of the flight or replay on show: as recorded so far, the flight replayed, or the
  // last flight.
  get recordedFrames(): Frame[] {
    return (this.runningFlight ?? this.replayedFlight ?? this.lastFlight)?.frames ?? [];
  }
  get shownCount(): number {
    return this.player.shownCount();
  }
  get shownFrames(): Frame[] {
    return this.recordedFrames.slice(0, this.shownCount);
  }

  private record(number: number): FlightRecord | null {
    if (number === 0) return null;
    const kept = [
      this.player.runningNumber(),
      this.player.lastNumber(),
      this.player.previousNumber(),
      this.player.replayedNumber(),
    ];
    for (const n of this.frames.keys()) if (!kept.includes(n)) this.frames.delete(n);
    if (!this.frames.has(number)) this.frames.set(number, []);
    return new FlightRecord(this.player, number, this.frames.get(number)!);
  }

  private cancelTimer(): void {
    if (this.timer !== null) this.time.clearTimeout(this.timer);
    this.timer = null;
  }
}
