// SPDX-License-Identifier: MIT
// What the WebAssembly module hands the page: the design, the take-off check, flights and the
// frame clock. Every number the page shows comes from here.
import type { MapModule } from './tools/map_model';
import type { PlanModule, Prediction, TuckPlan } from './plan_model';
import type { JumpFitInput, VideoModule } from './video/video_model';

export interface Rect {
  left: number;
  top: number;
  width: number;
  height: number;
}
export interface GridRect {
  x: number;
  y: number;
  width: number;
  height: number;
}

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
  borderPx: number;
  figurePenPx: number;
  areaWidthPx: number;
  areaHeightPx: number;
  wholeView: Rect;
  hallRowsPerGround: number;
  pathColour: number;
  sequenceColour: number;
  pathPenPx: number;
  pathMarkerRadiusPx: number;
  panelFontPt: number;
  panelMarginPx: number;
  presentationTextFactor: number;
  panelBackground: number;
  panelBorder: number;
  // The flights of the log drawn beside the current one: colour, marker shape and dash pattern
  // by the order of MarkerShape and DashPattern in the design.
  shownStyles: { colour: number; marker: number; dash: number }[];
  shownMarkerRadiusPx: number;
  shownLabelPt: number;
  unitsPerMetre: number; // canvas units
}

// An entry of the canvas's menu: its kind, name, German text with its accelerator, the tool's key
// or the model's name, the key shown beside it, and when it may be chosen.
export interface MenuEntryDesign {
  kind: 'tool' | 'action' | 'model' | 'separator';
  name: string;
  text: string;
  target: string;
  shortcut: string;
  enabled: 'always' | 'flightEnded' | 'canReplay' | 'canPause' | 'canStep';
}

export interface Design {
  controls: ControlDesign[];
  lessonMenu: MenuEntryDesign[];
  twipsPerPixel: number;
  clientWidthPx: number;
  clientHeightPx: number;
  // A flight's chosen postures as a strip: the shades of postures 1 … 7 (ARGB), a mark per frame.
  postureStrip: { shades: number[]; markPx: number; gapPx: number };
  arrowKeys: { widthPx: number; heightPx: number; left: Rect; right: Rect; up: Rect; down: Rect };
  canvas: { widthUnits: number; heightUnits: number } & CanvasDesign;
  takeoff: {
    minSpeed: number;
    maxSpeed: number;
    minAngle: number;
    maxAngle: number;
    standardSpeed: number;
    standardAngle: number;
    designSpeed: number;
    designAngle: number;
    firstPosture: number;
    lastPosture: number;
  };
  frameDelayMs: number[]; // by pace: real time, slow motion, extra slow motion
}

export interface Frame {
  frame: number;
  timeS: number;
  flightX: number;
  pathX: number;
  pathY: number;
  posture: number;
  rotationDeg: number;
  heightM: number;
  turns: number;
  omegaDegPerS: number;
  inertiaKgM2: number;
  angularMomentumKgM2PerS: number;
  omegaNowDegPerS: number;
  shapeMomentumKgM2PerS: number;
  rotationalEnergyJ: number;
  lowestPart: string;
  landed: boolean;
  lastFrame: boolean;
  lines: number[]; // x1, y1, x2, y2 per segment, canvas units
  head: { x: number; y: number; radius: number };
}

export interface PanelText {
  source: string;
  args: { text: string; source: string | null }[];
}

export interface PanelLines {
  lines: PanelText[];
  landingLines: number;
}

export interface SheetData {
  name: string;
  cells: { row: number; column: number; text?: string; number?: number; bold: boolean }[];
  columns: { column: number; width: number; decimals: boolean; wrap: boolean }[];
  repeatedRow: number; // printed atop every page: the table's header; -1 for none
  rowHeights: { row: number; points: number }[]; // rows of wrapped texts, as high as their lines
  fills?: { row: number; column: number; argb: number }[]; // the chosen postures' shades
}

// What the playback tells the page, from within its calls.
export interface PlayerListener {
  schedule(waitMs: number): void; // call runDueFrame() after waitMs; replaces an earlier wait
  cancelSchedule(): void;
  readPosture(): number;
  showPosture(posture: number): void; // a planned flight's, in place of reading it
  frameReady(): void;
  frameSelected(shownCount: number): void;
  pausedChanged(paused: boolean): void;
  flightFinished(frames: number): void;
  replayFinished(frames: number): void;
}

// The model's playback: flights and replays, pause and stepping, and the flights it keeps, read
// by their number (from 1; 0 is none).
export interface PagePlayer {
  startFlight(
    speedText: string,
    angleText: string,
    model: string,
    pace: number,
    pauseMs: number,
    athlete: Athlete,
  ): void;
  // The same flown by a plan, which chooses every frame's posture; the log keeps both.
  startPlannedFlight(
    ...args: [...Parameters<PagePlayer['startFlight']>, TuckPlan, Prediction | null]
  ): void;
  replayLastFlight(pauseMs: number): boolean;
  stop(): void;
  runDueFrame(): void;
  togglePause(): void;
  paused(): boolean;
  canStep(): boolean;
  step(delta: number): boolean;
  stepToEnd(newest: boolean): boolean;
  shownCount(): number;
  flightRunning(): boolean;
  replayRunning(): boolean;
  runningNumber(): number;
  lastNumber(): number;
  previousNumber(): number;
  frameCount(number: number): number;
  frame(number: number, index: number): Frame | null;
  panelLines(number: number, index: number, decimalPoint: string): PanelLines;
  verdict(number: number, decimalPoint: string): PanelText | null; // null until it has landed
  description(number: number, index: number, decimalPoint: string): PanelText[];
  centrePath(number: number): number[];
  csv(number: number): string;
  sheet(number: number, language: string): SheetData;
  modelName(number: number): 'classic' | 'exact';
  speedText(number: number): string;
  angleText(number: number): string;
  pace(number: number): number;
  athlete(number: number): Athlete;
  replayedNumber(): number;
  captionTexts(number: number, decimalPoint: string): PanelText[];
}

// A flight of the log drawn beside the current one.
export interface DrawnFlight {
  number: number;
  style: number;
  speedText: string;
  angleText: string;
  model: string;
  exact: boolean;
  group: string; // '' for the teacher's
  comparison: string[]; // its comparison cells
}

// The lesson's log, the same as the window's.
export interface PageLog {
  // Makes the unstored changes on the stored text ('' where nothing is stored).
  merge(stored: string): {
    problem: '' | 'damaged' | 'not-a-log' | 'newer' | 'too-large';
    damagedLines: number;
    firstDamagedLine: number;
    flights: number;
  };
  text(): string;
  stored(): void; // the text is stored
  allStored(): boolean;
  logLast(player: PagePlayer): number;
  // A jump fitted to a video as the lesson's video flight; 0 without a fit.
  logVideoFlight(input: JumpFitInput, fileName: string): number;
  // The same take-off and athlete flown by another plan, logged with it; 0 without a fit.
  logWhatIf(input: JumpFitInput, plan: TuckPlan, prediction: Prediction | null): number;
  setShown(number: number, shown: boolean): boolean;
  remove(number: number): boolean;
  clear(): void;
  setGroup(group: string): void;
  group(): string;
  setLesson(title: string, date: string): void;
  title(): string;
  date(): string; // yyyy-mm-dd, '' where none was set
  groupNames(): string[];
  showBest(): number; // how many are shown
  mergeStudentLog(text: string): {
    problem: string;
    added: number;
    alreadyThere: number;
    differing: number;
    damagedLines: number;
  };
  count(): number;
  newestNumber(): number;
  headers(language: string): string[];
  codes(): string[]; // the same columns' keys: 'postures', 'plan', …
  rows(
    language: string,
    decimalPoint: string,
  ): { number: number; shown: boolean; group: string; best: boolean; cells: string[] }[];
  drawn(withPrevious: boolean, flightRunning: boolean, language: string): DrawnFlight[];
  frameCount(number: number): number;
  frame(number: number, index: number): Frame | null;
  replay(player: PagePlayer, number: number, pauseMs: number): boolean;
  workbook(language: string, date: string): SheetData[];
  delete(): void;
}

// A quantity by its key (a field of Frame for the frame quantities) and its header with the unit.
export interface QuantityHeader {
  code: string;
  header: string;
  exactOnly?: boolean;
}

export interface TakeoffCheck {
  speed: number;
  angle: number;
  beep: boolean;
  showWarning: boolean;
  speedText: string;
  angleText: string;
}

// What a key does on the canvas, from the keys' table the window uses too.
export type PlaybackAction =
  | 'togglePause'
  | 'stepForward'
  | 'stepBack'
  | 'toStart'
  | 'toEnd'
  | 'openMenu'
  | 'fullScreen'
  | 'present'
  | 'leavePresentation'
  | 'startFlight';

// The presentation on a screen this large, in its pixels: the canvas with its border, the verdict
// line under it as wide, and the line's font in points.
export interface PresentationLayout {
  scale: number;
  canvasLeft: number;
  canvasTop: number;
  canvasWidth: number;
  canvasHeight: number;
  verdictTop: number;
  verdictHeight: number;
  verdictFontPt: number;
}

export interface PurzoModule extends PlanModule, MapModule, VideoModule {
  design(): Design;
  // A key's action by KeyboardEvent.key and what is held with it (otherModifiers: Ctrl, Alt or
  // Meta); null for a key that is not one of the table's. Step keys wait for a flight that can step.
  playbackKey(
    key: string,
    shift: boolean,
    otherModifiers: boolean,
  ): { action: PlaybackAction; onlyWhileStepping: boolean } | null;
  presentationLayout(widthPx: number, heightPx: number): PresentationLayout;
  checkTakeoff(speedText: string, angleText: string): TakeoffCheck;
  sliderValueFor(text: string, lo: number, hi: number): number | null;
  // The data panel at its widest: a landing with wide numbers, for choosing its corner.
  widestPanelLines(model: Model, athlete: Athlete, decimalPoint: string): PanelLines;
  // The charts' quantities in this model; a quantity's header by its key ("timeS").
  chartQuantities(model: Model, language: string): QuantityHeader[];
  quantityHeader(code: string, language: string): string;
  comparisonRows(language: string): string[];
  comparisonStripRow(): number;
  // The name a save suggests: flug-03-6ms-60grad-exakt.csv (number 0 and group '' left out).
  flightFileName(
    number: number,
    speedText: string,
    angleText: string,
    model: string,
    group: string,
    extension: string,
  ): string;
  logFileName(group: string, date: string, extension: string): string;
  // The worksheet's first caption line: take-off as typed, pace 0–2, model.
  captionTakeOffText(
    speedText: string,
    angleText: string,
    pace: number,
    model: Model,
    athlete: Athlete,
    decimalPoint: string,
  ): PanelText;
  // The athlete's values, 0 the mass, 1 the height, 2 the spin, 3 the limb speed: a typed one inside its range (or
  // null), one as the panel writes it, and the ranges with the standard.
  readAthleteValue(text: string, which: number): number | null;
  athleteValueText(which: number, value: number, decimalPoint: string): string;
  athleteRanges(): { least: number; most: number; standard: number }[];
  // The data panel's corner, as the window decides it: the path in canvas units, the box and the
  // surface in device pixels, the transform from canvas units to them.
  panelBelongsRight(
    path: number[],
    boxWidth: number,
    boxHeight: number,
    surfaceWidth: number,
    t: { sx: number; sy: number; dx: number; dy: number },
    margin: number,
    athlete: Athlete,
  ): boolean;
  // The data panel's box for lines this wide, in device pixels; baselines from its top.
  panelBox(
    lineWidthsPx: number[],
    landingLines: number,
    ascentPx: number,
    descentPx: number,
    leadingPx: number,
    scale: number,
  ): { widthPx: number; heightPx: number; borderPx: number; baselinesPx: number[] };
  // The side-by-side comparison: a cell per flight in a grid up to 3 × 3, each of the view's
  // shape, and the room left for the table (null when nine flights fill the grid); pens and
  // labels in the cells at `markFactor` of the canvas's.
  sideBySideGrid(
    widthPx: number,
    heightPx: number,
    flights: number,
    scale: number,
    viewAspect: number,
  ): { cells: GridRect[]; table: GridRect | null; markFactor: number };
  // The whole view's edge bands: their depth in image pixels, and each line's mean colour across
  // the band at edge 0 left, 1 right, 2 top, 3 bottom of pixels row by row.
  edgeBandDepth(imageWidth: number, imageHeight: number, imagePxPerDesignedPx: number): number;
  edgeBandMeans(
    pixels: Uint32Array,
    width: number,
    height: number,
    edge: number,
    depth: number,
  ): number[];
  PageLog: new () => PageLog;
  PagePlayer: new (listener: PlayerListener, time: { now(): number }) => PagePlayer;
}

export type Model = 'classic' | 'exact';
// The exact model's athlete; the classic model flies the standard figure.
export interface Athlete {
  massKg: number;
  bodyHeightM: number;
  spinDegPerS: number;
  limbSpeedRadPerS: number;
}
// Its values in the order the model numbers them: 0 the mass, 1 the height, 2 the spin, 3 the limb speed.
export const kAthleteKeys = ['massKg', 'bodyHeightM', 'spinDegPerS', 'limbSpeedRadPerS'] as const;
export const kPaceCount = 3;
