// SPDX-License-Identifier: MIT
// The page's language and its texts: German sources, English from the window's translation file.
import texts from 'purzo:texts';

import type { PanelLines, PanelText } from './model';

export type Language = 'de' | 'en';

// ?lang=de or ?lang=en chooses; otherwise English when the browser's first language is English,
// German in every other case.
export function chooseLanguage(search: string, browserLanguages: readonly string[]): Language {
  const asked = new URLSearchParams(search).get('lang');
  if (asked === 'de' || asked === 'en') return asked;
  const first = (browserLanguages[0] ?? '').toLowerCase();
  return first === 'en' || first.startsWith('en-') ? 'en' : 'de';
}

// Fills %1, %2, … as Qt's QString::arg does for texts with distinct markers.
export function fill(text: string, ...args: string[]): string {
  return text.replace(/%([1-9])/g, (whole, n: string) => args[Number(n) - 1] ?? whole);
}

export class Texts {
  constructor(readonly language: Language) {}

  // The text in the page's language: the translation where there is one, else the source.
  tr(context: string, source: string): string {
    if (this.language === 'de') return source;
    return texts.en[context]?.[source] ?? source;
  }

  // One of the page's own texts, by name.
  page(name: string): string {
    return this.tr('purzo::Page', texts.page[name] ?? name);
  }

  // A text of the canvas's panel translated in the canvas's context, its arguments filled in.
  panel(line: PanelText): string {
    const tr = (s: string) => this.tr('purzo::CanvasWidget', s);
    return fill(
      tr(line.source),
      ...line.args.map((a) =>
        a.source ? (a.text ? fill(tr(a.source), a.text) : tr(a.source)) : a.text,
      ),
    );
  }

  panelLines(panel: PanelLines): { lines: string[]; landingLines: number } {
    return { lines: panel.lines.map((l) => this.panel(l)), landingLines: panel.landingLines };
  }

  // The decimal point of the page's language, for the numbers the model writes.
  get decimalPoint(): string {
    return this.language === 'de' ? ',' : '.';
  }
}

// A menu entry's text split at its accelerator: "Flug&daten" gives "Flug", "d", "aten".
export function splitAccelerator(text: string): { before: string; key: string; after: string } {
  const at = text.search(/&[^&]/);
  const plain = (s: string) => s.replace(/&&/g, '&');
  if (at < 0) return { before: plain(text), key: '', after: '' };
  return { before: plain(text.slice(0, at)), key: text[at + 1], after: plain(text.slice(at + 2)) };
}
