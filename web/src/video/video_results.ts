// SPDX-License-Identifier: MIT
// The marks' evaluation: the module's fit of the jump, its numbers and warnings as sentences;
// and the coloured markers followed from this frame on with the module's tracker.
import { type Texts, fill } from '../texts';
import type { MarkingHost, VideoMarking } from './video_marking';
import type { MarkerTracker, PixelPoint, VideoModule } from './video_model';

export class VideoResults {
  readonly element: HTMLElement;
  private readonly list: HTMLUListElement;
  private readonly colourNote: HTMLElement;
  private readonly trackButton: HTMLButtonElement;
  private tracker: MarkerTracker | null = null;
  private tracking = false;

  constructor(
    private readonly module: VideoModule,
    private readonly texts: Texts,
    private readonly marking: VideoMarking,
    private readonly massKg: () => number,
    private readonly host: MarkingHost,
  ) {
    const page = (name: string) => texts.page(name);
    this.element = document.createElement('div');
    const row = document.createElement('div');
    row.className = 'video-row';
    const fitButton = document.createElement('button');
    fitButton.className = 'button';
    fitButton.textContent = page('videoFit');
    fitButton.dataset.control = 'videoFitButton';
    fitButton.addEventListener('click', () => this.runFit());
    this.trackButton = document.createElement('button');
    this.trackButton.className = 'button';
    this.trackButton.textContent = page('videoTrack');
    this.trackButton.dataset.control = 'videoTrackButton';
    this.trackButton.addEventListener('click', () => {
      if (this.tracking) this.stop();
      else void this.track();
    });
    row.append(fitButton, this.trackButton);
    this.colourNote = document.createElement('p');
    this.colourNote.className = 'video-note';
    this.colourNote.dataset.control = 'videoColours';
    this.list = document.createElement('ul');
    this.list.className = 'video-results';
    this.list.dataset.control = 'videoResults';
    this.list.setAttribute('aria-live', 'polite');
    this.element.append(row, this.colourNote, this.list);
  }

  clear(): void {
    this.list.replaceChildren();
    delete this.list.dataset.state;
  }

  private line(key: string, text: string): void {
    const item = document.createElement('li');
    item.dataset.key = key;
    item.textContent = text;
    this.list.append(item);
  }

  runFit(): void {
    const m = this.marking;
    const page = (name: string) => this.texts.page(name);
    const lengthM = m.lengthM();
    const input = {
      stick: m.stick(lengthM ?? 0),
      timesS: m.timesS,
      marks: m.marks,
      massKg: this.massKg(),
    };
    const result = this.module.fitJump(input, this.texts.language);
    this.clear();
    m.fit = null;
    if (!result.ok) {
      this.list.dataset.state = 'failed';
      if (result.problem === 'noCalibration' || !m.stickA || !m.stickB)
        this.line('problem', page('videoFitNoStick'));
      else this.line('problem', fill(page('videoFitTooFew'), result.value, result.fewest));
      this.host.redraw();
      return;
    }
    const t = result.texts;
    this.line('speed', fill(page('videoFitSpeed'), t.speed));
    this.line('angle', fill(page('videoFitAngle'), t.angle));
    this.line('height', fill(page('videoFitHeight'), t.height));
    this.line('gravity', fill(page('videoFitGravity'), t.gravity));
    this.line('spin', fill(page('videoFitSpin'), t.spin, t.angularMomentum));
    this.line(
      'residuals',
      fill(page('videoFitResiduals'), t.centreResidualCm, t.rotationResidualDeg),
    );
    for (const w of result.warnings) {
      this.line(`warning-${w}`, page(`videoWarning${w[0].toUpperCase()}${w.slice(1)}`));
    }
    this.list.dataset.state = 'fitted';
    m.fit = result;
    this.host.fitted(input);
    this.host.redraw();
  }

  // The picked colours, each beside its joint's name.
  showColours(): void {
    const m = this.marking;
    this.colourNote.replaceChildren();
    m.colours.forEach((c, j) => {
      if (!c) return;
      const swatch = document.createElement('span');
      swatch.className = 'video-swatch';
      swatch.style.background = c;
      this.colourNote.append(swatch, `${m.jointText(m.jointNames[j])} `);
    });
  }

  // A mark moved by hand: the tracker goes on from there.
  corrected(joint: number, p: PixelPoint): void {
    this.tracker?.correct(joint, p.x, p.y);
  }

  // Follows the picked colours from this frame to the last, showing each frame as it goes; a
  // second press stops.
  private async track(): Promise<void> {
    const m = this.marking;
    const page = (name: string) => this.texts.page(name);
    if (!m.colours.some((c) => c)) {
      this.clear();
      this.line('problem', page('videoTrackNoColours'));
      return;
    }
    this.tracking = true;
    this.trackButton.textContent = page('videoTrackStop');
    this.tracker?.delete();
    const tracker = new this.module.MarkerTracker(m.colours);
    this.tracker = tracker;
    let found = 0;
    try {
      for (let i = this.host.index(); i < m.marks.length && this.tracking; i++) {
        const image = await this.host.pixels(i);
        if (!image || !this.tracking) break;
        const marks = tracker.track(image.width, image.height, image.data);
        let any = false;
        marks.forEach((p, j) => {
          if (p && m.colours[j]) {
            m.marks[i][j] = p;
            any = true;
          }
        });
        if (any) found++;
        await this.host.goTo(i);
      }
    } finally {
      this.tracking = false;
      this.trackButton.textContent = page('videoTrack');
      m.changed();
      this.line('tracked', fill(page('videoTracked'), String(found)));
    }
  }

  stop(): void {
    this.tracking = false;
  }

  // A new video: the tracker's last finds belong to the old one.
  forget(): void {
    this.stop();
    this.tracker?.delete();
    this.tracker = null;
    this.colourNote.replaceChildren();
  }
}
