// SPDX-License-Identifier: MIT
// The tuck plan as the WebAssembly module hands it to the page: the plans a take-off allows, what
// their frames mean in seconds and the group's prediction read as typed.
import type { Athlete, Model } from './model';

// Frame 1 stretched, frames startFrame … startFrame + frames − 1 in posture `depth`, every later
// frame stretched.
export interface TuckPlan {
  startFrame: number;
  frames: number;
  depth: number;
  postures?: number[]; // where given, the plan is this list instead, as purzo-trace --postures
}

// What a group expects of a planned flight: its verdict by its place among PlanChoices.verdicts,
// and how far it turns.
export interface Prediction {
  verdict: number;
  rotationDeg: number;
}

export interface PlannedFlight {
  plan: TuckPlan;
  prediction: Prediction | null;
}

export interface PlanChoices {
  firstStartFrame: number; // frame 1 is the take-off, always stretched
  depths: number[];
  first: TuckPlan; // offered before any plan was flown, as the window does
  verdicts: string[]; // in the page's language
}

export interface PlanModule {
  planChoices(language: string): PlanChoices;
  // The latest start and the longest tuck for the take-off as typed (a refused one flies the
  // standard take-off), the model and the athlete.
  planLimits(
    speedText: string,
    angleText: string,
    model: Model,
    athlete: Athlete,
    depth: number,
  ): { lastStartFrame: number; longestFrames: number };
  // The start frame's time after take-off and the tucked frames' time, s as the model writes them.
  planTimes(
    startFrame: number,
    frames: number,
    decimalPoint: string,
  ): { start: string; length: string };
  // Degrees, or null for anything but a number from 0 to 3600° (a comma or a point).
  readPredictedRotation(text: string, inTurns: boolean): number | null;
  // "1,1,7,7,1": postures 1 to 7 separated by commas; null for anything else.
  readPostureList(text: string): number[] | null;
}
