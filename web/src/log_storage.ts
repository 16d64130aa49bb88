// SPDX-License-Identifier: MIT
// The page's log in the browser's local storage, in the window's file format: read at the start
// (one that cannot be read is set aside under a key of its own and said), written after every
// change (a storage that refuses is said once); and the log's flights to draw, with their frames.
import type { DrawnFlightFrames } from './canvas_view';
import type { Frame, PageLog } from './model';
import { Texts, fill } from './texts';

const kLogKey = 'purzosimulation.log';

export class LogStorage {
  private saveFailed = false;

  // `say` puts a message where the class reads it.
  constructor(private readonly log: PageLog, private readonly storage: Storage | null,
              private readonly texts: Texts, private readonly say: (message: string) => void) {}

  load(): void {
    const stored = this.storage?.getItem(kLogKey) ?? null;
    if (stored === null) return;
    const reason = this.log.load(stored);
    if (!reason) return;
    const aside = `${kLogKey}.defekt-${new Date().toISOString()}`;
    try {
      this.storage?.setItem(aside, stored);
      this.storage?.removeItem(kLogKey);
    } catch { /* a full storage: the damaged log stays where it was */ }
    this.say(fill(this.texts.tr('purzo::LessonLog',
      'Das Flugprotokoll war beschädigt (%1). Es wurde als %2 beiseitegelegt; die Stunde beginnt mit einem leeren Protokoll.'),
      reason, aside));
  }

  save(): void {
    try {
      this.storage?.setItem(kLogKey, this.log.text());
      this.saveFailed = false;
    } catch (e) {
      // Private browsing or a full storage: the log lasts for this visit, and that is said once.
      if (!this.saveFailed) {
        this.say(fill(this.texts.tr('purzo::LessonLog',
          'Das Flugprotokoll kann nicht gespeichert werden (%1). Die Flüge bleiben bis zum Ende des Programms erhalten.'),
          e instanceof Error ? e.name : String(e)));
      }
      this.saveFailed = true;
    }
  }

  // The flights to draw beside the current one, each with its frames and its legend's line.
  drawn(withPrevious: boolean, flightRunning: boolean): DrawnFlightFrames[] {
    const { log, texts } = this;
    return log.drawn(withPrevious, flightRunning, texts.language).map((d) => {
      const frames: Frame[] = [];
      for (let i = 0, n = log.frameCount(d.number); i < n; ++i) frames.push(log.frame(d.number, i)!);
      const label = fill(texts.tr('purzo::PurzoWindow', 'Flug %1: %2 m/s, %3°, %4'),
        String(d.number), d.speedText.trim(), d.angleText.trim(), d.model);
      return { number: d.number, style: d.style, frames, label, exact: d.exact };
    });
  }
}
