// SPDX-License-Identifier: MIT
// Runs a landing map: in a worker with the page's WebAssembly module where the page may start
// one, so that the canvas's flight never stutters; cancelled by terminating the worker, so that
// nothing runs on. The single-file page cannot: its content security policy allows workers only
// from the page's own origin (worker-src 'self', no blob: or data: addresses), and a file:// page
// has none. There, and wherever a worker fails to start, the cells are flown on the page's thread
// a few milliseconds at a time between the browser's other work.
import type { MapCell, MapModule, MapRequest } from './map_model';

declare const PURZO_SINGLE: boolean;

// How long the page's thread flies cells before it lets the browser draw again (ms).
const kSliceMs = 8;

export interface MapJob {
  progress(done: number): void; // how many cells are flown so far
  finished(cells: MapCell[]): void;
}

// Workers that share a map: one per core, two at least where the machine has them, so that a map
// takes half the time on two cores.
const kMostWorkers = 4;

export class MapRunner {
  private workers: Worker[] = [];
  private timer = 0;
  private job: MapJob | null = null;
  private cells: MapCell[] = [];
  // Every answer the worker sent: nothing more arrives once a map is cancelled.
  messages = 0;
  // Where the last map was computed, for the tests: "worker" or "page".
  where = '';

  constructor(
    private readonly module: MapModule,
    private readonly answered: () => void = () => undefined,
  ) {}

  get running(): boolean {
    return this.job !== null;
  }

  run(request: MapRequest, language: string, job: MapJob): void {
    this.cancel();
    this.job = job;
    this.cells = [];
    if (!PURZO_SINGLE && typeof Worker !== 'undefined') this.inWorker(request, language, job);
    else this.onPage(request, language, job);
  }

  // Stops the map: a busy worker ends at once, the page's slices at the next. An idle worker
  // waits for the next map with its module loaded.
  cancel(): void {
    if (this.job) this.close();
  }

  // Ends the workers too: nothing is left behind a closed map.
  close(): void {
    for (const worker of this.workers) worker.terminate();
    this.workers = [];
    clearTimeout(this.timer);
    this.job = null;
  }

  private inWorker(request: MapRequest, language: string, job: MapJob): void {
    this.where = 'worker';
    const axes = this.module.mapAxes(request, language);
    const total = axes.columns * axes.rows;
    const count = Math.max(1, Math.min(kMostWorkers, navigator.hardwareConcurrency || 2, total));
    try {
      while (this.workers.length < count) this.workers.push(new Worker('map_worker.js'));
    } catch {
      this.close();
      this.job = job;
      this.onPage(request, language, job);
      return;
    }
    this.cells = new Array<MapCell>(total);
    let done = 0;
    let finished = 0;
    this.workers.forEach((worker, i) => {
      worker.onmessage = (e: MessageEvent<{ at?: number; cells?: MapCell[]; done?: boolean }>) => {
        this.messages += 1;
        this.answered();
        if (this.job !== job) return;
        if (e.data.cells && e.data.at !== undefined) {
          e.data.cells.forEach((cell, k) => {
            this.cells[(e.data.at as number) + k] = cell;
          });
          done += e.data.cells.length;
          job.progress(done);
        }
        if (e.data.done && ++finished === this.workers.length) this.finish(job);
      };
      // A worker that cannot start (a browser or server that refuses it): the page flies the map.
      worker.onerror = (e) => {
        e.preventDefault();
        if (this.job !== job) return;
        this.close();
        this.job = job;
        this.cells = [];
        this.onPage(request, language, job);
      };
      // Contiguous shares, the last one taking what the division leaves.
      const share = Math.ceil(total / this.workers.length);
      worker.postMessage({
        request,
        language,
        from: i * share,
        to: Math.min(total, (i + 1) * share),
      });
    });
  }

  private onPage(request: MapRequest, language: string, job: MapJob): void {
    this.where = 'page';
    const axes = this.module.mapAxes(request, language);
    const total = axes.columns * axes.rows;
    const slice = () => {
      if (this.job !== job) return;
      const end = performance.now() + kSliceMs;
      while (this.cells.length < total && performance.now() < end) {
        const from = this.cells.length;
        this.cells.push(...this.module.mapCells(request, from, from + 1, language));
      }
      job.progress(this.cells.length);
      if (this.cells.length < total) this.timer = window.setTimeout(slice, 0);
      else this.finish(job);
    };
    this.timer = window.setTimeout(slice, 0);
  }

  private finish(job: MapJob): void {
    this.job = null;
    job.finished(this.cells);
  }
}
