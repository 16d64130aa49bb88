// SPDX-License-Identifier: MIT
// What the WebAssembly module hands the page: the design, the take-off check, flights and the
// frame clock. Every number the page shows comes from here.

export interface Rect { left: number; top: number; width: number; height: number }

export interface ControlDesign {
  name: string;
  kind: 'label' | 'canvas' | 'scrollBar' | 'textBox' | 'button' | 'frame' | 'option' | 'pictureBox';
  rectTwips: Rect;
  text: string;
  font: { face: 'msSansSerif' | 'arial' | 'arialBlack'; pointSize: number; bold: boolean };
  colour: number | null;
  background: number | null;
  centred: boolean;
  tabIndex: number;
  inFrame: boolean;
}

export interface CanvasDesign {
  borderPx: number; figurePenPx: number; areaWidthPx: number; areaHeightPx: number;
  wholeView: Rect; hallRowsPerGround: number;
  pathColour: number; sequenceColour: number; previousColour: number;
  pathPenPx: number; pathMarkerRadiusPx: number;
  panelFontPt: number; panelMarginPx: number; panelBackground: number; panelBorder: number;
  bodyReach: number;
}

export interface Design {
  controls: ControlDesign[];
  twipsPerPixel: number;
  clientWidthPx: number;
  clientHeightPx: number;
  arrowKeys: { widthPx: number; heightPx: number; left: Rect; right: Rect; up: Rect; down: Rect };
  canvas: { widthUnits: number; heightUnits: number } & CanvasDesign;
  takeoff: {
    minSpeed: number; maxSpeed: number; minAngle: number; maxAngle: number;
    standardSpeed: number; standardAngle: number; designSpeed: number; designAngle: number;
    firstPosture: number; lastPosture: number;
  };
  frameDelayMs: number[]; // by pace: real time, slow motion, extra slow motion
}

export interface Frame {
  frame: number; timeS: number; flightX: number; pathX: number; pathY: number;
  posture: number; rotationDeg: number; heightM: number; turns: number;
  omegaDegPerS: number; inertiaKgM2: number; angularMomentumKgM2PerS: number;
  lowestPart: string; landed: boolean; lastFrame: boolean;
  lines: number[]; // x1, y1, x2, y2 per segment, canvas units
  head: { x: number; y: number; radius: number };
}

export interface PanelText { source: string; args: { text: string; source: string | null }[] }

export interface PanelLines {
  lines: PanelText[];
  landingLines: number;
}

export interface SheetData {
  name: string;
  cells: { row: number; column: number; text?: string; number?: number; bold: boolean }[];
  columns: { column: number; width: number; decimals: boolean }[];
}

export interface FlightSession {
  next(posture: number): Frame;
  ended(): boolean;
  frameCount(): number;
  frame(index: number): Frame | null;
  centrePath(): number[];
  panelLines(index: number, decimalPoint: string): PanelLines;
  verdict(decimalPoint: string): PanelText | null; // null until the flight has landed
  csv(): string;
  sheet(language: string): SheetData;
  modelName(): 'classic' | 'exact';
  delete(): void;
}

export interface FrameClock {
  start(pauseMs: number, nowMs: number): void;
  frameShown(n: number, nowMs: number): void;
  resumeAfter(n: number, nowMs: number): void;
  waitBeforeFrame(n: number, nowMs: number): number;
}

export interface TakeoffCheck {
  speed: number; angle: number; beep: boolean; showWarning: boolean;
  speedText: string; angleText: string;
}

export interface PurzoModule {
  design(): Design;
  checkTakeoff(speedText: string, angleText: string): TakeoffCheck;
  sliderValueFor(text: string, lo: number, hi: number): number | null;
  // The data panel at its widest: a landing with wide numbers, for choosing its corner.
  widestPanelLines(model: Model, decimalPoint: string): PanelLines;
  FlightSession: new (speedText: string, angleText: string, model: string, pace: number) => FlightSession;
  FrameClock: new () => FrameClock;
}

export type Model = 'classic' | 'exact';
export const kPaceCount = 3;
