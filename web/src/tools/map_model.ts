// SPDX-License-Identifier: MIT
// The landing map as the WebAssembly module hands it to the page and to its worker: a map's axes,
// its cells flown and written out, the best plans among them, the palette and the lesson's rings.
import type { Athlete, Model, PageLog } from '../model';
import type { TuckPlan } from '../plan_model';

export type MapKind = 'tuck' | 'speedAngle';

// Tuck start × length for one take-off (at `depth`), or speed × angle for one plan.
export interface MapRequest {
  kind: MapKind;
  model: Model;
  athlete: Athlete;
  plan: TuckPlan;
  speedMPerS: number;
  angleDeg: number;
  depth: number;
}

// Columns and rows with the ticks' labels as the window writes them.
export interface MapAxes {
  columns: number;
  rows: number;
  firstColumn: number;
  columnStep: number;
  firstRow: number;
  rowStep: number;
  columnTexts: string[];
  rowTexts: string[];
}

// A cell flown: its class (0 upright, 1 too far, 2 too short, 3 not on the feet, 4 on the feet
// still tucked), its flight, its CSV row and its numbers as the window writes them.
export interface MapCell {
  mapClass: number;
  speedMPerS: number;
  angleDeg: number;
  plan: TuckPlan;
  tuckStartS: number | null;
  tuckedS: number;
  csv: string;
  texts: { speed: string; angle: string; plan: string; turns: string; attitude: string | null };
}

// The classes' colours (ARGB), patterns (0 plain, 1 forward diagonal, 2 backward diagonal,
// 3 cross, 4 dots) and names, and the rings' colour.
export interface MapStyles {
  classes: { colour: number; pattern: number; name: string }[];
  markerColour: number;
}

// A logged flight on the map: its column and row counted in cells, and its number and group.
export interface MapMarker {
  column: number;
  row: number;
  label: string;
}

export interface MapModule {
  mapAxes(request: MapRequest, language: string): MapAxes;
  // Cells from … to − 1, each at column * rows + row.
  mapCells(request: MapRequest, from: number, to: number, language: string): MapCell[];
  // The earliest and latest start and the shortest and longest tuck that land upright and
  // stretched (s as written), or null where none does.
  bestPlans(
    cells: MapCell[],
    language: string,
  ): { earliestStart: string; latestStart: string; shortest: string; longest: string } | null;
  mapStyles(language: string): MapStyles;
  mapRequestTexts(
    request: MapRequest,
    language: string,
  ): { speed: string; angle: string; plan: string; model: string; ownAthlete: boolean };
  // A cell's take-off as the boxes take it.
  mapTakeoffTexts(
    speedMPerS: number,
    angleDeg: number,
    decimalPoint: string,
  ): { speed: string; angle: string };
  mapMarkers(log: PageLog, request: MapRequest): MapMarker[];
  mapCsvHeader(): string;
}
