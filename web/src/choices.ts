// SPDX-License-Identifier: MIT
// The tools, the model, the pace and the athlete, remembered in the browser's local storage.
// ?model=exact opens in the exact model for this visit without changing what is remembered. A
// remembered athlete's value outside its range is the standard.
import { kNoTools, type Tools } from './view/canvas_view';
import { type Athlete, type Model, kAthleteKeys } from './model';

export interface Choices {
  tools: Tools;
  model: Model;
  pace: number;
  athlete: Athlete;
}
export type AthleteRanges = { least: number; most: number; standard: number }[];
const kKey = 'purzosimulation.choices';

export function loadChoices(
  storage: Storage | null,
  search: string,
  paceCount: number,
  ranges: AthleteRanges,
): Choices {
  let stored: Partial<Choices> = {};
  try {
    stored = JSON.parse(storage?.getItem(kKey) ?? '{}') ?? {};
  } catch {
    stored = {}; // unreadable: start afresh
  }
  const tools: Tools = { ...kNoTools };
  for (const key of Object.keys(kNoTools) as (keyof Tools)[]) {
    // A comparison is begun anew.
    tools[key] = key !== 'compare' && key !== 'sideBySide' && stored.tools?.[key] === true;
  }
  const pace =
    Number.isInteger(stored.pace) && stored.pace! >= 0 && stored.pace! < paceCount
      ? stored.pace!
      : 0;
  const asked = new URLSearchParams(search).get('model');
  const model: Model =
    asked === 'exact' || asked === 'classic'
      ? asked
      : stored.model === 'exact'
        ? 'exact'
        : 'classic';
  const athlete = {} as Athlete;
  // Earlier visits kept the body height as "heightM".
  const storedAthlete: Partial<Record<string, unknown>> = { ...stored.athlete };
  if (storedAthlete.bodyHeightM === undefined) storedAthlete.bodyHeightM = storedAthlete.heightM;
  kAthleteKeys.forEach((key, i) => {
    const value = storedAthlete[key];
    const { least, most, standard } = ranges[i];
    athlete[key] = typeof value === 'number' && value >= least && value <= most ? value : standard;
  });
  return { tools, model, pace, athlete };
}

export function saveChoices(storage: Storage | null, choices: Choices): void {
  try {
    storage?.setItem(kKey, JSON.stringify(choices));
  } catch {
    // Private browsing or a full storage: the choices last for this visit.
  }
}

// The page's choices as they stand, each change remembered at once. The model remembered stays
// the one chosen on the page, whatever ?model= opened this visit in.
export class RememberedChoices {
  constructor(
    readonly now: Choices,
    private storedModel: Model,
    private readonly storage: Storage | null,
    private readonly pace: () => number,
  ) {}

  setTools(tools: Tools): void {
    this.now.tools = tools;
    this.remember();
  }

  setModel(model: Model): void {
    this.now.model = model;
    this.storedModel = model;
    this.remember();
  }

  setAthlete(athlete: Athlete): void {
    this.now.athlete = athlete;
    this.remember();
  }

  // The pace as the page's buttons show it, with the rest.
  remember(): void {
    this.now.pace = this.pace();
    saveChoices(this.storage, { ...this.now, model: this.storedModel });
  }
}
