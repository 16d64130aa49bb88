// SPDX-License-Identifier: MIT
// "Hockplan…": when to tuck, for how long and how deep, for a flight from the take-off in the
// boxes, and, before it flies, what the group predicts of it, as in the window. Each number's
// range and time stand beside it as the model allows them for this take-off, model and athlete;
// the model reads the prediction, and one it cannot read keeps the dialog open and says why.
import { FocusTrap } from '../controls/focus_trap';
import type { Athlete, Model } from '../model';
import type { PlanModule, PlannedFlight, Prediction, TuckPlan } from '../plan_model';
import { type Texts, fill } from '../texts';
import { sizeDialogText } from '../controls/dialog_text';

// The take-off, model and athlete the plan is for, as they stand when the dialog opens.
export interface PlanTakeoff {
  speedText: string;
  angleText: string;
  model: Model;
  athlete: Athlete;
}

export class TuckPlanDialog {
  private readonly dialog: HTMLDialogElement;
  private readonly title: HTMLElement;
  private readonly trap: FocusTrap;
  private readonly start: HTMLInputElement;
  private readonly length: HTMLInputElement;
  private readonly depth: HTMLSelectElement;
  private readonly postureList: HTMLInputElement;
  private readonly startNote: HTMLElement;
  private readonly lengthNote: HTMLElement;
  private readonly predict: HTMLInputElement;
  private readonly verdict: HTMLSelectElement;
  private readonly rotation: HTMLInputElement;
  private readonly unit: HTMLSelectElement;
  private readonly message: HTMLElement;
  private readonly firstStart: number;
  private readonly tr: (s: string) => string;
  private last: TuckPlan; // flown last: the next opening starts from it, as the window's does
  private plan: TuckPlan; // as shown, within the ranges
  private takeoff: PlanTakeoff | null = null;
  private chosen: ((flight: PlannedFlight) => void) | null = null;
  private accepted: PlannedFlight | null = null;

  constructor(
    private readonly module: PlanModule,
    private readonly texts: Texts,
    host: HTMLElement,
  ) {
    const tr = (s: string) => texts.tr('purzo::TuckPlanDialog', s);
    this.tr = tr;
    const plain = (s: string) => s.replace(/&(.)/g, '$1');
    const choices = module.planChoices(texts.language);
    this.firstStart = choices.firstStartFrame;
    this.last = { ...choices.first };
    this.plan = { ...this.last };
    this.dialog = document.createElement('dialog');
    this.dialog.className = 'plan-dialog';
    this.dialog.dataset.control = 'tuckPlanDialog';
    const title = document.createElement('div');
    title.className = 'charts-title';
    this.title = title;
    const intro = document.createElement('p');
    intro.textContent = tr(
      'Der Flug beginnt gestreckt, hockt ab dem gewählten Bild so lange wie geplant und streckt sich dann wieder. Die Pfeiltasten ändern in diesem Flug nichts.',
    );
    const grid = document.createElement('div');
    grid.className = 'plan-grid';
    // A field after its label, with what stands beside it, or wide where nothing does.
    const row = (name: string, field: HTMLElement, control: string, beside?: HTMLElement) => {
      const label = document.createElement('label');
      label.textContent = plain(tr(name));
      label.htmlFor = field.id = `plan-${control}`;
      field.dataset.control = control;
      grid.append(label, field);
      if (beside) grid.append(beside);
      else field.classList.add('plan-wide');
    };
    // The range and time beside a number, which a screen reader reads with it.
    const note = (field: HTMLElement, control: string) => {
      const span = document.createElement('span');
      span.id = `plan-${control}-note`;
      field.setAttribute('aria-describedby', span.id);
      return span;
    };
    const number = () => {
      const field = document.createElement('input');
      field.type = 'number';
      field.step = '1';
      field.inputMode = 'numeric';
      field.addEventListener('input', () => this.showTimes(false));
      field.addEventListener('change', () => this.showTimes(true));
      return field;
    };
    const select = (options: [string, string][]) => {
      const field = document.createElement('select');
      for (const [value, text] of options) field.append(new Option(text, value));
      return field;
    };
    this.start = number();
    this.length = number();
    this.startNote = note(this.start, 'tuckStartField');
    this.lengthNote = note(this.length, 'tuckLengthField');
    const last = choices.depths.at(-1);
    this.depth = select(
      choices.depths.map((p) => [
        String(p),
        fill(tr(p === last ? 'Haltung %1 (eng gehockt)' : 'Haltung %1'), String(p)),
      ]),
    );
    this.depth.addEventListener('change', () => this.showTimes(true));
    row('Hocken ab &Bild:', this.start, 'tuckStartField', this.startNote);
    row('Gehockt &für:', this.length, 'tuckLengthField', this.lengthNote);
    row('&Haltung:', this.depth, 'tuckDepthField');
    // The plan as a posture list instead, as purzo-trace --postures takes it; the three fields
    // above then count nothing.
    this.postureList = document.createElement('input');
    this.postureList.type = 'text';
    this.postureList.placeholder = '1,1,7,7,7,7,1';
    this.postureList.addEventListener('input', () => this.enableFields());
    const listNote = note(this.postureList, 'postureListField');
    listNote.textContent = tr('statt der drei Felder, wie purzo-trace --postures');
    row('&Oder Haltungen Bild für Bild:', this.postureList, 'postureListField', listNote);

    const predictLabel = document.createElement('label');
    predictLabel.className = 'plan-predict';
    this.predict = document.createElement('input');
    this.predict.type = 'checkbox';
    this.predict.dataset.control = 'predictField';
    this.predict.addEventListener('change', () => this.enablePrediction());
    predictLabel.append(this.predict, ` ${plain(tr('&Vorhersage der Gruppe:'))}`);
    grid.append(predictLabel);
    this.verdict = select(choices.verdicts.map((name, i) => [String(i), name]));
    row('&Landung:', this.verdict, 'predictedVerdictField');
    this.rotation = document.createElement('input');
    this.rotation.type = 'text';
    this.rotation.inputMode = 'decimal';
    this.unit = select([
      ['degrees', tr('Grad')],
      ['turns', tr('Umdrehungen')],
    ]);
    this.unit.dataset.control = 'predictedUnitField';
    // The unit has no label of its own in the window: it is the rotation's.
    this.unit.setAttribute('aria-label', plain(tr('&Drehung:')));
    row('&Drehung:', this.rotation, 'predictedRotationField', this.unit);
    this.message = document.createElement('div');
    this.message.className = 'plan-message';
    this.message.dataset.control = 'tuckPlanMessage';
    this.message.setAttribute('role', 'alert');
    this.message.hidden = true;
    grid.append(this.message);

    const buttons = document.createElement('div');
    buttons.className = 'charts-buttons';
    const button = (text: string, control: string, run: () => void) => {
      const b = document.createElement('button');
      b.className = 'button';
      b.textContent = plain(text);
      b.dataset.control = control;
      b.addEventListener('click', run);
      buttons.append(b);
    };
    button(tr('Plan flie&gen'), 'flyPlanButton', () => this.accept());
    button(texts.page('cancel'), 'cancelButton', () => this.dialog.close());
    this.dialog.append(title, intro, grid, buttons);
    this.dialog.addEventListener('keydown', (e) => {
      if (e.key === 'Escape') {
        e.preventDefault();
        this.dialog.close();
      } else if (e.key === 'Enter' && e.target instanceof HTMLInputElement) {
        // "Plan fliegen" is the default button, as in the window.
        e.preventDefault();
        this.accept();
      }
    });
    this.trap = new FocusTrap(this.dialog);
    // The plan flies once the focus is back: the flight then takes it where it needs it.
    this.dialog.addEventListener('close', () => {
      this.trap.closed();
      const flight = this.accepted;
      this.accepted = null;
      if (flight) this.chosen?.(flight);
    });
    host.append(this.dialog);
  }

  // The plan flown last, or the first one offered: where the landing map starts.
  get lastPlan(): TuckPlan {
    return { ...this.last };
  }

  // Opens with the last plan flown, a fresh prediction and the ranges of this take-off, above
  // whatever stands open; `heading` names what the plan is for where it is not the page's flight.
  open(
    takeoff: PlanTakeoff,
    scale: number,
    chosen: (flight: PlannedFlight) => void,
    heading = this.tr('Hockplan'),
  ): void {
    this.title.textContent = heading;
    this.dialog.setAttribute('aria-label', heading);
    if (!this.dialog.open) this.dialog.parentElement?.append(this.dialog);
    this.takeoff = takeoff;
    this.chosen = chosen;
    sizeDialogText(this.dialog, scale);
    this.plan = { ...this.last };
    this.depth.value = String(this.plan.depth);
    this.start.value = String(this.plan.startFrame);
    this.length.value = String(this.plan.frames);
    this.postureList.value = (this.plan.postures ?? []).join(',');
    this.enableFields();
    this.predict.checked = false;
    this.verdict.selectedIndex = 0;
    this.rotation.value = '360';
    this.unit.selectedIndex = 0;
    this.message.hidden = true;
    this.enablePrediction();
    this.showTimes(true);
    if (!this.dialog.open) this.dialog.show();
    this.trap.opened();
  }

  // The ranges this take-off allows at the chosen depth, and what the frames mean in seconds;
  // settled, a number outside its range goes to its nearer end, as a spin box's does.
  private showTimes(settle: boolean): void {
    const t = this.takeoff;
    if (!t) return;
    const { tr, texts } = this;
    const depth = Number(this.depth.value);
    const limits = this.module.planLimits(t.speedText, t.angleText, t.model, t.athlete, depth);
    this.start.min = String(this.firstStart);
    this.start.max = String(limits.lastStartFrame);
    this.length.min = '1';
    this.length.max = String(limits.longestFrames);
    this.plan = {
      startFrame: this.read(this.start, this.plan.startFrame),
      frames: this.read(this.length, this.plan.frames),
      depth,
    };
    if (settle) {
      this.start.value = String(this.plan.startFrame);
      this.length.value = String(this.plan.frames);
    }
    const times = this.module.planTimes(this.plan.startFrame, this.plan.frames, texts.decimalPoint);
    const startRange = fill(
      tr('Bild %1 bis %2'),
      String(this.firstStart),
      String(limits.lastStartFrame),
    );
    this.startNote.textContent = fill(tr('%1 s nach dem Absprung (%2)'), times.start, startRange);
    const lengthRange = fill(tr('1 bis %1 Bilder'), String(limits.longestFrames));
    this.lengthNote.textContent = fill(tr('Bilder = %1 s (%2)'), times.length, lengthRange);
  }

  // A whole number within the field's range; what stood before for anything else.
  private read(field: HTMLInputElement, before: number): number {
    const typed = Math.round(Number(field.value));
    const within = (n: number) => Math.min(Number(field.max), Math.max(Number(field.min), n));
    return field.value.trim() === '' || !Number.isFinite(typed) ? within(before) : within(typed);
  }

  private enableFields(): void {
    const byFields = this.postureList.value.trim() === '';
    for (const field of [this.start, this.length, this.depth]) field.disabled = !byFields;
  }

  private enablePrediction(): void {
    for (const field of [this.verdict, this.rotation, this.unit])
      field.disabled = !this.predict.checked;
  }

  private accept(): void {
    this.showTimes(true);
    const typed = this.postureList.value;
    const list = typed.trim() === '' ? null : this.module.readPostureList(typed);
    if (typed.trim() !== '' && list === null) {
      this.message.textContent = fill(
        this.tr(
          'Die Haltungen sind Zahlen von 1 bis 7, durch Kommas getrennt, eine für jedes Bild, nicht „%1“.',
        ),
        typed.slice(0, 24),
      );
      this.message.hidden = false;
      this.postureList.focus();
      this.postureList.select();
      return;
    }
    const { postures: _, ...fields } = this.plan;
    this.plan = list ? { ...fields, postures: list } : fields;
    let prediction: Prediction | null = null;
    if (this.predict.checked) {
      const degrees = this.module.readPredictedRotation(
        this.rotation.value,
        this.unit.value === 'turns',
      );
      if (degrees === null) {
        this.message.textContent = fill(
          this.tr('Die Drehung ist eine Zahl von 0 bis 3600 Grad (10 Umdrehungen), nicht „%1“.'),
          this.rotation.value.slice(0, 16),
        );
        this.message.hidden = false;
        this.rotation.focus();
        this.rotation.select();
        return;
      }
      prediction = { verdict: Number(this.verdict.value), rotationDeg: degrees };
    }
    this.last = { ...this.plan };
    this.accepted = { plan: { ...this.plan }, prediction };
    this.dialog.close();
  }
}
