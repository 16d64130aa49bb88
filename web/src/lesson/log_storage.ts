// SPDX-License-Identifier: MIT
// The page's log in the browser's local storage, in the window's file format. Every change is
// stored at once onto what the storage holds then, under a lock shared by every tab of the page
// (Web Locks where the browser has them), so that a flight another tab logged meanwhile is kept;
// a change that cannot be stored stays and goes with the next. A stored log that cannot be read
// is set aside under a key of its own, and said only where that worked.
import type { DrawnFlightFrames } from '../view/canvas_view';
import type { Frame, PageLog } from '../model';
import { type Texts, fill } from '../texts';

const kLogKey = 'purzosimulation.log';
const kContext = 'purzo::LessonLog';

export class LogStorage {
  private lastProblem = '';
  private failing = false;

  // `say` puts a message where the class reads it; `merged` shows the log after another tab's
  // flights came in.
  constructor(
    private readonly log: PageLog,
    private readonly storage: Storage | null,
    private readonly texts: Texts,
    private readonly say: (message: string) => void,
    private readonly merged: () => void = () => {},
  ) {
    addEventListener('storage', (e: StorageEvent) => {
      if (e.key !== kLogKey || e.storageArea !== this.storage || e.newValue === null) return;
      this.log.merge(e.newValue);
      this.merged();
    });
  }

  load(): void {
    this.store(false);
  }

  save(): void {
    const locks = typeof navigator !== 'undefined' ? navigator.locks : undefined;
    if (!locks) {
      this.store(true);
      return;
    }
    void locks.request(kLogKey, () => {
      this.store(true);
      this.merged();
    });
  }

  // Reads what is stored, makes the unstored changes on it and stores the result.
  private store(changedHere: boolean): void {
    const storage = this.storage;
    if (!storage) return; // storage switched off: the log lasts for this visit
    const tr = (text: string) => this.texts.tr(kContext, text);
    let stored: string | null;
    try {
      stored = storage.getItem(kLogKey);
    } catch (e) {
      this.tell(
        fill(
          tr(
            'Das Flugprotokoll %1 kann nicht gelesen werden (%2). Es bleibt, wie es ist; die Flüge dieser Stunde bleiben erhalten und werden gespeichert, sobald es wieder lesbar ist.',
          ),
          kLogKey,
          errorName(e),
        ),
        true,
      );
      return;
    }
    const hadFlights = this.log.count() > 0;
    const r = this.log.merge(stored ?? '');
    let write = changedHere || (stored === null && hadFlights);
    if (stored !== null && r.problem === 'damaged') {
      const aside = this.setAside(stored);
      if (typeof aside !== 'string') {
        this.tell(
          fill(
            tr(
              'Das Flugprotokoll %1 ist beschädigt und kann nicht beiseitegelegt werden (%2). Es bleibt, wie es ist; seine ganzen Zeilen sind geladen, und die Flüge dieser Stunde werden nicht hineingeschrieben.',
            ),
            kLogKey,
            aside.reason,
          ),
          true,
        );
        return;
      }
      this.tell(
        fill(
          tr(
            'Im Flugprotokoll waren %1 Zeilen beschädigt oder fehlten, die erste ist Zeile %2. Die übrigen %3 Flüge sind geladen; die Datei, wie sie war, ist als %4 beiseitegelegt.',
          ),
          String(r.damagedLines),
          String(r.firstDamagedLine),
          String(r.flights),
          aside,
        ),
        false,
      );
      write = true;
    } else if (stored !== null && r.problem) {
      const reasons: Record<string, string> = {
        'not-a-log': 'keine Datei dieses Programms',
        newer: 'von einer neueren Version des Programms geschrieben',
        'too-large': 'größer als 2 MB',
      };
      const why = tr(reasons[r.problem] ?? r.problem);
      const aside = this.setAside(stored);
      if (typeof aside !== 'string') {
        this.tell(
          fill(
            tr(
              'Das Flugprotokoll %1 kann nicht gelesen werden (%2) und nicht beiseitegelegt werden. Es bleibt, wie es ist; die Flüge dieser Stunde werden nicht hineingeschrieben.',
            ),
            kLogKey,
            why,
          ),
          true,
        );
        return;
      }
      try {
        storage.removeItem(kLogKey);
      } catch {
        /* set aside already: the next store replaces it */
      }
      this.tell(
        fill(
          tr(
            'Das Flugprotokoll %1 kann nicht gelesen werden (%2). Es ist als %3 beiseitegelegt; die Flüge dieser Stunde kommen in ein neues Protokoll.',
          ),
          kLogKey,
          why,
          aside,
        ),
        false,
      );
      write = write || this.log.count() > 0;
    }
    if (!write) return;
    try {
      storage.setItem(kLogKey, this.log.text());
    } catch (e) {
      this.tell(
        fill(
          tr(
            'Das Flugprotokoll kann nicht gespeichert werden (%1). Die Flüge bleiben erhalten und werden gespeichert, sobald es wieder geht.',
          ),
          errorName(e, this.texts),
        ),
        true,
      );
      return;
    }
    this.log.stored();
    this.lastProblem = '';
    if (this.failing) {
      this.failing = false;
      this.say(
        fill(
          tr('Das Flugprotokoll ist wieder gespeichert, mit allen %1 Flügen.'),
          String(this.log.count()),
        ),
      );
    }
  }

  // Copies `text` to a key that nothing has; the key, or why it could not be copied.
  private setAside(text: string): string | { reason: string } {
    const stem = `${kLogKey}.defekt-${new Date().toISOString()}`;
    try {
      let n = 1;
      while (this.storage!.getItem(`${stem}-${n}`) !== null) ++n;
      this.storage!.setItem(`${stem}-${n}`, text);
      return `${stem}-${n}`;
    } catch (e) {
      return { reason: errorName(e, this.texts) };
    }
  }

  // Said once until it changes or a store succeeds.
  private tell(message: string, failure: boolean): void {
    this.failing = this.failing || failure;
    if (message === this.lastProblem) return;
    this.lastProblem = message;
    this.say(message);
  }

  // The flights to draw beside the current one, each with its frames and its legend's line.
  drawn(withPrevious: boolean, flightRunning: boolean): DrawnFlightFrames[] {
    const { log, texts } = this;
    return log.drawn(withPrevious, flightRunning, texts.language).map((d) => {
      const frames: Frame[] = [];
      for (let i = 0, n = log.frameCount(d.number); i < n; ++i)
        frames.push(log.frame(d.number, i)!);
      const label = fill(
        texts.tr('purzo::PurzoWindow', 'Flug %1: %2 m/s, %3°, %4'),
        String(d.number),
        d.speedText.trim(),
        d.angleText.trim(),
        d.model,
      );
      const group = d.group || texts.tr('purzo::LessonBar', 'Lehrkraft');
      const comparison = d.comparison.map((c) => c || '–'); // no tuck, no landing
      return {
        number: d.number,
        style: d.style,
        frames,
        label,
        exact: d.exact,
        group,
        comparison,
        title: fill(texts.tr('purzo::Comparison', 'Flug %1'), String(d.number)),
      };
    });
  }
}

// A full storage in words; any other failure by its name.
function errorName(e: unknown, texts?: Texts): string {
  const name = e instanceof Error || e instanceof DOMException ? e.name : String(e);
  if (texts && name === 'QuotaExceededError') return texts.page('storageFull');
  return name;
}
