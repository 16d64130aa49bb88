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
  progress(cells: MapCell[]): void; // the cells so far, in order
  finished(cells: MapCell[]): void;
}

export class MapRunner {
  private worker: Worker | null = null;
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

  // Ends the worker too: nothing is left behind a closed map.
  close(): void {
    this.worker?.terminate();
    this.worker = null;
    clearTimeout(this.timer);
    this.job = null;
  }

  private inWorker(request: MapRequest, language: string, job: MapJob): void {
    this.where = 'worker';
    let worker: Worker;
    try {
      worker = this.worker ?? new Worker('map_worker.js');
    } catch {
      this.onPage(request, language, job);
      return;
    }
    this.worker = worker;
    worker.onmessage = (e: MessageEvent<{ cells?: MapCell[]; done?: boolean }>) => {
      this.messages += 1;
      this.answered();
      if (this.job !== job) return;
      if (e.data.cells) {
        this.cells.push(...e.data.cells);
        job.progress(this.cells);
      }
      if (e.data.done) this.finish(job);
    };
    // A worker that cannot start (a browser or server that refuses it): the page flies the map.
    worker.onerror = (e) => {
      e.preventDefault();
      if (this.job !== job) return;
      this.worker?.terminate();
      this.worker = null;
      this.cells = [];
      this.onPage(request, language, job);
    };
    worker.postMessage({ request, language });
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
      job.progress(this.cells);
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
