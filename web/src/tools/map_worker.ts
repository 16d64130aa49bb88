// SPDX-License-Identifier: MIT
// The landing map's worker: the same WebAssembly module as the page's, flying a map's cells off
// the page's thread so that the flight on the canvas never stutters. It answers a map with its
// cells a few at a time; the page stops it by terminating it.
import createPurzoModule from 'purzo:module';
import type { MapModule, MapRequest } from './map_model';

// Small enough that the progress bar moves often, large enough that messages stay few.
const kCellsPerMessage = 16;

const loaded: Promise<MapModule> = createPurzoModule();

self.onmessage = async (e: MessageEvent<{ request: MapRequest; language: string }>) => {
  const module = await loaded;
  const { request, language } = e.data;
  const axes = module.mapAxes(request, language);
  const total = axes.columns * axes.rows;
  for (let from = 0; from < total; from += kCellsPerMessage) {
    postMessage({ cells: module.mapCells(request, from, from + kCellsPerMessage, language) });
  }
  postMessage({ done: true });
};
