// SPDX-License-Identifier: MIT
// Runs a flight, or replays the last one, frame by frame: a timer paced by the model's frame
// clock, the posture read just before each frame, and the flight records. A flight or replay can
// be paused; while paused or after a flight its recorded frames can be stepped through. It shows
// nothing itself: the page listens and draws on the next animation frame.
import type { FlightSession, Frame, FrameClock } from './model';

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

export interface FlightRecord {
  session: FlightSession; // the model's record: CSV and sheet come from it
  frames: Frame[];
  speedText: string;
  angleText: string;
  pace: number;
}

export interface PlayerListener {
  frameShown(live: boolean): void; // a frame was run or replayed (live), or selected by stepping
  flightFinished(): void;
  replayFinished(): void;
  pausedChanged(paused: boolean): void;
}

export class FlightPlayer {
  private running: FlightRecord | null = null;
  private last: FlightRecord | null = null;
  private before: FlightRecord | null = null;
  private replayNext: number | null = null;
  private timer: number | null = null;
  private generation = 0;
  private pausedNow = false;
  private shown = 0;

  constructor(private readonly clock: FrameClock, private readonly time: TimeSource,
              private readonly listener: PlayerListener, private readonly readPosture: () => number) {}

  // Ends whatever runs and starts this flight; frame 1 comes one pause later.
  startFlight(record: FlightRecord, pauseMs: number): void {
    this.stop();
    this.running = record;
    this.clock.start(pauseMs, this.time.now());
    this.schedule();
  }

  // Plays the last flight again, frame for frame; false when there is none.
  replayLastFlight(pauseMs: number): boolean {
    if (!this.last || !this.last.frames.length) return false;
    this.stop();
    this.replayNext = 0;
    this.clock.start(pauseMs, this.time.now());
    this.schedule();
    return true;
  }

  // Ends a running flight, which is dropped, or a replay.
  stop(): void {
    ++this.generation;
    this.cancelTimer();
    if (this.pausedNow) {
      this.pausedNow = false;
      this.listener.pausedChanged(false);
    }
    if (this.running) this.running.session.delete();
    this.running = null;
    this.replayNext = null;
    this.shown = 0;
  }

  get flightRunning(): boolean { return this.running !== null; }
  get replayRunning(): boolean { return this.replayNext !== null; }
  get paused(): boolean { return this.pausedNow; }
  get lastFlight(): FlightRecord | null { return this.last; }
  get runningSession(): FlightSession | null { return this.running?.session ?? null; }
  get previousFlight(): FlightRecord | null { return this.before; }
  // The frames of the flight or replay on show: as recorded so far, or the last flight.
  get recordedFrames(): Frame[] { return this.running ? this.running.frames : this.last ? this.last.frames : []; }
  get shownCount(): number { return this.shown; }
  get shownFrames(): Frame[] { return this.recordedFrames.slice(0, this.shown); }

  togglePause(): void {
    if (!this.flightRunning && !this.replayRunning) return;
    this.pausedNow = !this.pausedNow;
    if (this.pausedNow) {
      this.cancelTimer();
    } else {
      // Back to the newest frame, which the schedule starts from afresh.
      this.select(this.newestCount());
      this.clock.resumeAfter(this.newestCount(), this.time.now());
      this.schedule();
    }
    this.listener.pausedChanged(this.pausedNow);
  }

  get canStep(): boolean {
    const idle = !this.flightRunning && !this.replayRunning;
    return (this.pausedNow || idle) && this.recordedFrames.length > 0;
  }

  // Shows the recorded frame `delta` frames on, held at the first and the newest; never computes.
  step(delta: number): boolean {
    if (!this.canStep) return false;
    // A paused flight has recorded nothing beyond its newest frame; a replay has all of them.
    const last = this.replayNext !== null ? this.recordedFrames.length : this.newestCount();
    return this.select(Math.min(Math.max(this.shown + delta, 1), last));
  }

  stepToEnd(newest: boolean): boolean {
    if (!this.canStep) return false;
    return this.select(newest ? (this.replayNext !== null ? this.recordedFrames.length : this.newestCount()) : 1);
  }

  private newestCount(): number {
    return this.replayNext ?? this.recordedFrames.length;
  }

  private select(count: number): boolean {
    if (count <= 0 || count > this.recordedFrames.length || count === this.shown) return false;
    this.shown = count;
    this.listener.frameShown(false);
    return true;
  }

  private cancelTimer(): void {
    if (this.timer !== null) this.time.clearTimeout(this.timer);
    this.timer = null;
  }

  private schedule(): void {
    const next = this.replayNext !== null ? this.replayNext + 1 : (this.running?.frames.length ?? 0) + 1;
    const wait = this.clock.waitBeforeFrame(next, this.time.now());
    this.timer = this.time.setTimeout(() => {
      this.timer = null;
      this.runFrame();
    }, wait);
  }

  private runFrame(): void {
    if (this.pausedNow) return;
    if (this.replayNext !== null) {
      this.runReplayFrame();
      return;
    }
    const flight = this.running;
    if (!flight) return;
    // Read the posture now, so that a key pressed during the pause shows in this very frame.
    const posture = this.readPosture();
    this.clock.frameShown(flight.frames.length + 1, this.time.now());
    const frame = flight.session.next(posture);
    flight.frames.push(frame);
    this.shown = flight.frames.length;
    if (frame.lastFrame) {
      this.before?.session.delete();
      this.before = this.last;
      this.last = flight;
      this.running = null;
    }
    const generation = this.generation;
    this.listener.frameShown(true);
    if (frame.lastFrame) {
      this.listener.flightFinished();
    } else if (generation === this.generation && !this.pausedNow) {
      this.schedule(); // unless a listener started, stopped or paused a flight
    }
  }

  private runReplayFrame(): void {
    const frames = this.last!.frames;
    const index = this.replayNext!;
    this.clock.frameShown(index + 1, this.time.now());
    this.shown = index + 1;
    const last = index + 1 === frames.length;
    this.replayNext = last ? null : index + 1;
    const generation = this.generation;
    this.listener.frameShown(true);
    if (last) {
      this.listener.replayFinished();
    } else if (generation === this.generation && !this.pausedNow) {
      this.schedule();
    }
  }
}
