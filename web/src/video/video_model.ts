// SPDX-License-Identifier: MIT
// What the WebAssembly module hands the video view: a frame's number and time as written, the
// stick's calibration, the fit of the marks and the coloured markers followed. The page measures
// nothing itself.
import type { Athlete } from '../model';
import type { TuckPlan } from '../plan_model';

export interface PixelPoint {
  x: number;
  y: number;
}

// The stick's two ends in the video's pixels and its length.
export interface StickValues {
  ax: number;
  ay: number;
  bx: number;
  by: number;
  lengthM: number;
}

export type CalibrationResult =
  | {
      ok: true;
      pixelsPerMetre: number;
      rollDeg: number;
      foot: PixelPoint;
      texts: { scale: string; roll: string; length: string };
    }
  | { ok: false; problem: 'length' | 'ends' };

export type FitWarningName =
  | 'pointsCompleted'
  | 'speedOutsideModel'
  | 'angleOutsideModel'
  | 'spinOutsideRange'
  | 'heightOutsideRange'
  | 'noFloorBefore'
  | 'marksMissing';

// One frame of the fit in the video's pixels: the centre of mass, the parabola at its time and
// the model's figure (airborne frames), the points with the missing ones filled in.
export interface FittedFrame {
  airborne: boolean;
  centre: PixelPoint | null;
  parabola: PixelPoint | null;
  model: PixelPoint[] | null;
  points: PixelPoint[] | null;
}

export interface JumpFitValues {
  ok: true;
  speedMPerS: number;
  angleDeg: number;
  takeoffHeightM: number;
  gravityMPerS2: number;
  spinDegPerS: number;
  angularMomentumKgM2PerS: number;
  centreResidualM: number;
  rotationResidualDeg: number;
  bodyHeightM: number;
  lastFloorFrame: number;
  touchdownFrame: number;
  texts: Record<
    | 'speed'
    | 'angle'
    | 'height'
    | 'gravity'
    | 'spin'
    | 'angularMomentum'
    | 'centreResidualCm'
    | 'rotationResidualDeg'
    | 'bodyHeight'
    | 'takeoffTime' // '' where the video starts in the air
    | 'touchdownTime', // '' where it ends in the air
    string
  >;
  warnings: FitWarningName[];
  frames: FittedFrame[];
}

export type JumpFitResult =
  | JumpFitValues
  | { ok: false; problem: 'noCalibration' | 'tooFewAirborneFrames'; value: string; fewest: string };

// One frame's marks: a point or null per joint, in the order of jointNames().
export type FrameMarks = (PixelPoint | null)[];

export interface JumpFitInput {
  stick: StickValues;
  timesS: number[];
  marks: FrameMarks[];
  massKg: number;
  // Corrected by hand, 0-based; left out where the feet tell them.
  lastFloorFrame?: number;
  touchdownFrame?: number;
}

export interface MarkerTracker {
  // A frame's RGBA pixels: each joint's marker, or null where it was not found.
  track(width: number, height: number, rgba: Uint8ClampedArray): FrameMarks;
  // A mark the student moved: the tracker goes on from it.
  correct(joint: number, x: number, y: number): void;
  delete(): void;
}

export interface VideoModule {
  videoFrameTexts(
    index: number,
    count: number,
    timeS: number,
    language: string,
  ): { number: string; count: string; time: string };
  readStickLength(text: string): number | null;
  videoCalibration(stick: StickValues, language: string): CalibrationResult;
  fitJump(input: JumpFitInput, language: string): JumpFitResult;
  // The take-off the video flight flies (held within the model's ranges) and the athlete the
  // marks gave; null without a fit.
  videoTakeoff(
    input: JumpFitInput,
  ): { speedMPerS: number; angleDeg: number; athlete: Athlete } | null;
  // "What if" over the video: per frame the plan's figure, or null outside its flight.
  videoWhatIfPoints(input: JumpFitInput, plan: TuckPlan): (PixelPoint[] | null)[] | null;
  // The tape's colour under a tap on a frame's RGBA pixels, "#rrggbb"; null off the picture.
  markerColourAt(
    width: number,
    height: number,
    rgba: Uint8ClampedArray,
    x: number,
    y: number,
  ): string | null;
  // "head", "shoulder", "elbow", "hand", "hip", "knee", "foot".
  jointNames(): string[];
  // A "#RRGGBB" colour or null per joint.
  MarkerTracker: new (
    colours: (string | null)[],
  ) => MarkerTracker;
}
