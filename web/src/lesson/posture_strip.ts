// SPDX-License-Identifier: MIT
// A flight's chosen postures as a strip in the log's table: one mark per frame, the deeper the
// tuck the darker, in the shades both front ends draw it with. A screen reader hears its runs of
// one posture: "Haltung 1: Bild 1 bis 1; Haltung 7: Bild 2 bis 7; Haltung 1: Bild 8 bis 10".
import type { Design } from '../model';
import { type Texts, fill } from '../texts';
import { colourOf } from '../view/canvas_view';
import { dialogEm } from '../controls/dialog_text';

// postures: the log's cell, a digit per frame ("1777777111").
export function postureStrip(
  postures: string,
  design: Design['postureStrip'],
  texts: Texts,
): HTMLElement {
  const strip = document.createElement('span');
  strip.className = 'posture-strip';
  strip.setAttribute('role', 'img');
  strip.style.gap = dialogEm(design.gapPx);
  const runs: string[] = [];
  let from = 0;
  [...postures].forEach((digit, i) => {
    const posture = Number(digit);
    const mark = document.createElement('span');
    mark.style.width = dialogEm(design.markPx);
    mark.style.background = colourOf(design.shades[Math.min(6, Math.max(0, posture - 1))]);
    strip.append(mark);
    if (postures[i + 1] === digit) return;
    runs.push(
      `${fill(texts.page('posture'), digit)}: ${fill(
        texts.tr('purzo::TuckPlanDialog', 'Bild %1 bis %2'),
        String(from + 1),
        String(i + 1),
      )}`,
    );
    from = i + 1;
  });
  strip.setAttribute('aria-label', runs.join('; '));
  return strip;
}
