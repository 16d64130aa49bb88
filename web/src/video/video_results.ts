// SPDX-License-Identifier: MIT
// The marks' evaluation: the module's fit of the jump, its numbers and warnings as sentences,
// take-off and touchdown corrected by hand, and "what if" she had tucked otherwise; and the
// coloured markers followed from this frame on with the module's tracker.
import { type Texts, fill } from '../texts';
import { videoButton } from './video_button';
import type { MarkingHost, VideoMarking } from './video_marking';
import type { JumpFitInput, MarkerTracker, PixelPoint, VideoModule } from './video_model';

export class VideoResults {
  readonly element: HTMLElement;
  private readonly list: HTMLUListElement;
  private readonly colourNote: HTMLElement;
  private readonly trackButton: HTMLButtonElement;
  private readonly whatIfButtons: HTMLButtonElement[];
  private readonly lastFloor: HTMLInputElement;
  private readonly touchdown: HTMLInputElement;
  private fitted: JumpFitInput | null = null; // the input of the fit on show
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
    // The window's own words for what both front ends do alike.
    const panel = (s: string) => texts.tr('purzo::FitPanel', s).replace(/&(.)/g, '$1');
    this.element = document.createElement('div');
    const row = document.createElement('div');
    row.className = 'video-row';
    const fitButton = videoButton(page('videoFit'), 'videoFitButton', () => this.runFit());
    this.trackButton = videoButton(page('videoTrack'), 'videoTrackButton', () => {
      if (this.tracking) this.stop();
      else void this.track();
    });
    this.whatIfButtons = [
      videoButton(panel('&Was wäre, wenn…'), 'videoWhatIfButton', () => this.whatIf(false)),
      videoButton(panel('Landekarte &dieses Sprungs…'), 'videoWhatIfMapButton', () =>
        this.whatIf(true),
      ),
    ];
    this.whatIfButtons[0].title = panel(
      'Fliegt den gemessenen Absprung mit einem anderen Hockplan und zeigt ihn über dem Video.',
    );
    this.whatIfButtons[1].title = panel(
      'Alle Hockpläne dieses Absprungs; ein Doppelklick fliegt einen über dem Video.',
    );
    row.append(fitButton, this.trackButton, ...this.whatIfButtons);
    // Take-off and touchdown as the feet show them, or as the student corrects them (frames
    // counted from 1, as shown above the video).
    const corrections = document.createElement('div');
    corrections.className = 'video-row';
    const frameField = (text: string, control: string) => {
      const label = document.createElement('label');
      const field = document.createElement('input');
      field.type = 'number';
      field.min = '1';
      field.step = '1';
      field.inputMode = 'numeric';
      field.className = 'video-frame-field';
      field.placeholder = panel('von den Füßen');
      field.dataset.control = control;
      label.append(`${text} `, field);
      corrections.append(label);
      return field;
    };
    this.lastFloor = frameField(panel('Letztes B&ild am Boden:'), 'lastFloorField');
    this.touchdown = frameField(panel('Er&stes Bild wieder am Boden:'), 'touchdownField');
    this.colourNote = document.createElement('p');
    this.colourNote.className = 'video-note';
    this.colourNote.dataset.control = 'videoColours';
    this.list = document.createElement('ul');
    this.list.className = 'video-results';
    this.list.dataset.control = 'videoResults';
    this.list.setAttribute('aria-live', 'polite');
    this.element.append(row, corrections, this.colourNote, this.list);
    this.enableWhatIf();
  }

  clear(): void {
    this.list.replaceChildren();
    delete this.list.dataset.state;
    this.fitted = null;
    this.enableWhatIf();
  }

  private enableWhatIf(): void {
    for (const b of this.whatIfButtons) b.disabled = this.fitted === null;
  }

  // A typed frame, 0-based: none where the field is empty or holds no frame of the video.
  private frameTyped(field: HTMLInputElement): number | undefined {
    field.max = String(this.marking.timesS.length);
    const n = Number(field.value);
    const whole = field.value.trim() !== '' && Number.isInteger(n);
    return whole && n >= 1 && n <= this.marking.timesS.length ? n - 1 : undefined;
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
      lastFloorFrame: this.frameTyped(this.lastFloor),
      touchdownFrame: this.frameTyped(this.touchdown),
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
    const fitTexts = (s: string) => this.texts.tr('purzo::FitTexts', s);
    const at = (time: string, outside: string) =>
      time === '' ? fitTexts(outside) : fill(fitTexts('%1 s'), time);
    this.line('takeoff', `${fitTexts('Absprung')}: ${at(t.takeoffTime, 'vor dem Video')}`);
    this.line('touchdown', `${fitTexts('Landung')}: ${at(t.touchdownTime, 'nach dem Video')}`);
    for (const w of result.warnings) {
      this.line(`warning-${w}`, page(`videoWarning${w[0].toUpperCase()}${w.slice(1)}`));
    }
    this.list.dataset.state = 'fitted';
    m.fit = result;
    this.fitted = input;
    this.enableWhatIf();
    this.host.fitted(input);
    this.host.redraw();
  }

  // The fitted take-off flown again by a plan, drawn dashed over the video beside the fit.
  private whatIf(byMap: boolean): void {
    const input = this.fitted;
    if (!input) return;
    this.host.whatIf(input, byMap, (plan, number) => {
      if (input !== this.fitted) return; // the marks changed meanwhile
      this.marking.whatIf = this.module.videoWhatIfPoints(input, plan);
      this.list.querySelector('[data-key="whatIf"]')?.remove();
      this.line('whatIf', fill(this.texts.page('videoWhatIfShown'), String(number)));
      this.host.redraw();
    });
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
