// SPDX-License-Identifier: MIT
// The tools, the model and the pace, remembered in the browser's local storage. ?model=exact
// opens in the exact model for this visit without changing what is remembered.
import { kNoTools, type Tools } from './canvas_view';
import type { Model } from './model';

export interface Choices { tools: Tools; model: Model; pace: number }
const kKey = 'purzosimulation.choices';

export function loadChoices(storage: Storage | null, search: string, paceCount: number): Choices {
  let stored: Partial<Choices> = {};
  try {
    stored = JSON.parse(storage?.getItem(kKey) ?? '{}') ?? {};
  } catch {
    stored = {}; // unreadable: start afresh
  }
  const tools: Tools = { ...kNoTools };
  for (const key of Object.keys(kNoTools) as (keyof Tools)[]) {
    tools[key] = stored.tools?.[key] === true;
  }
  const pace = Number.isInteger(stored.pace) && stored.pace! >= 0 && stored.pace! < paceCount ? stored.pace! : 0;
  const asked = new URLSearchParams(search).get('model');
  const model: Model = asked === 'exact' || asked === 'classic' ? asked : stored.model === 'exact' ? 'exact' : 'classic';
  return { tools, model, pace };
}

export function saveChoices(storage: Storage | null, choices: Choices): void {
  try {
    storage?.setItem(kKey, JSON.stringify(choices));
  } catch {
    // Private browsing or a full storage: the choices last for this visit.
  }
}
