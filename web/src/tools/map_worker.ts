// SPDX-License-Identifier: MIT
// The landing map's worker: the same WebAssembly module as the page's, flying a map's cells off
// the page's thread so that the flight on the canvas never stutters. It answers a map with its
// cells a few at a time; the page stops it by terminating it.
import createPurzoModule from 'purzo:module';
import type { MapModule, MapRequest } from './map_model';

// Small enough that the progress bar moves often, large enough that messages stay few.
const kCellsPerMessage = 16;

const loaded: Promise<MapModule> = createPurzoModule();

// Each worker flies its share of the cells, [from, to), and says where its cells go.
self.onmessage = async (
  e: MessageEvent<{ request: MapRequest; language: string; from: number; to: number }>,
) => {
  const module = await loaded;
  const { request, language, from, to } = e.data;
  for (let at = from; at < to; at += kCellsPerMessage) {
    const end = Math.min(at + kCellsPerMessage, to);
    postMessage({ at, cells: module.mapCells(request, at, end, language) });
  }
  postMessage({ done: true });
};
