// SPDX-License-Identifier: MIT
// The comparison as the window has it: the shown flights played together from take-off, the
// one that lasts longest replayed as the clock, each figure at the same moment after take-off.
import type { DrawnFlightFrames, Tools } from '../view/canvas_view';
import type { PurzoModule } from '../model';
import type { Texts } from '../texts';

export class PageComparison {
  // Whether the current flight's own figure is drawn beside the compared ones: not while the
  // comparison itself plays, where the clock's figure would stand twice.
  currentCompared = true;
  readonly rows: string[];
  readonly stripRow: number; // the row of chosen postures, drawn as a strip

  constructor(module: PurzoModule, texts: Texts) {
    this.rows = [texts.tr('purzo::Comparison', 'Gruppe'), ...module.comparisonRows(texts.language)];
    this.stripRow = module.comparisonStripRow();
  }

  // The number of the flight that sets the clock: the longest of those shown; 0 with none.
  clock(shown: DrawnFlightFrames[]): number {
    let longest: DrawnFlightFrames | null = null;
    for (const f of shown) if (!longest || f.frames.length > longest.frames.length) longest = f;
    return longest?.number ?? 0;
  }
}

// Side by side is a way of comparing: switched on, the comparison comes with it; the comparison
// switched off takes it along.
export function coupledTools(tools: Tools, before: Tools): Tools {
  if (tools.sideBySide && !before.sideBySide) return { ...tools, compare: true };
  return tools.compare ? tools : { ...tools, sideBySide: false };
}
