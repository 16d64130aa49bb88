// SPDX-License-Identifier: MIT
// The marking on the video's frames: the stick's two ends with its length, the joints one after
// another (the next joint offered at once, then the next frame), the markers' colours picked by a
// tap; marks are drawn and can be dragged. The fit and the markers' tracking are VideoResults'.
import { type Texts, fill } from '../texts';
import { videoButton } from './video_button';
import { VideoResults } from './video_results';
import type {
  FrameMarks,
  JumpFitInput,
  JumpFitValues,
  PixelPoint,
  VideoModule,
} from './video_model';
import type { TuckPlan } from '../plan_model';

export interface MarkingHost {
  redraw(): void;
  goTo(index: number): Promise<void>;
  pixels(index: number): Promise<ImageData | null>;
  index(): number;
  // A fit that succeeded, on the marks it took: the lesson's video flight.
  fitted(input: JumpFitInput): void;
  // "What if…" for the fitted take-off, by the tuck plan's dialog or (`byMap`) a cell of its
  // landing map; `flown` gets the plan and the flight's number once it is in the log.
  whatIf(
    input: JumpFitInput,
    byMap: boolean,
    flown: (plan: TuckPlan, number: number) => void,
  ): void;
  readonly whatIfColour: string; // the log's second colour, as the window draws it
}

type Mode = 'stick' | 'joints' | 'colours';
type Grip = { kind: 'stick'; end: 'a' | 'b' } | { kind: 'joint'; joint: number };

// The joints' colours on the frame, in the order of the module's joints; none is the centres'
// blue, the parabola's red or the model's green.
const kJointColours = ['#ffd400', '#ff3b30', '#ff9500', '#ff2d95', '#34c759', '#00c7be', '#bf5af2'];
// How near a press must come to a mark to take it, in CSS pixels: a fingertip's breadth.
const kGripPx = 16;
// The share of that reach that takes a mark while a joint is still to be placed.
const kPlacingGrip = 0.35;

export class VideoMarking {
  readonly element: HTMLElement;
  readonly jointNames: string[];
  stickA: PixelPoint | null = null;
  stickB: PixelPoint | null = null;
  marks: FrameMarks[] = [];
  colours: (string | null)[];
  timesS: number[] = [];
  fit: JumpFitValues | null = null;
  whatIf: (PixelPoint[] | null)[] | null = null; // per frame, drawn dashed
  private mode: Mode = 'stick';
  private joint = 0;
  private grip: Grip | null = null;
  private readonly modeButtons = new Map<Mode, HTMLButtonElement>();
  private readonly length: HTMLInputElement;
  private readonly stickNote: HTMLElement;
  private readonly prompt: HTMLElement;
  private readonly jointChoice: HTMLSelectElement;
  private readonly results: VideoResults;

  constructor(
    private readonly module: VideoModule,
    private readonly texts: Texts,
    private readonly canvas: HTMLCanvasElement,
    massKg: () => number,
    private readonly host: MarkingHost,
  ) {
    const page = (name: string) => texts.page(name);
    this.jointNames = module.jointNames();
    this.colours = this.jointNames.map(() => null);
    this.element = document.createElement('div');
    this.element.className = 'video-marking';
    const modes = document.createElement('div');
    modes.className = 'video-row';
    modes.setAttribute('role', 'group');
    for (const [mode, text] of [
      ['stick', 'videoStickMode'],
      ['joints', 'videoJointsMode'],
      ['colours', 'videoColoursMode'],
    ] as const) {
      const b = videoButton(page(text), `${mode}Mode`, () => this.setMode(mode));
      this.modeButtons.set(mode, b);
      modes.append(b);
    }
    const stickRow = document.createElement('label');
    stickRow.className = 'video-row';
    this.length = document.createElement('input');
    this.length.type = 'text';
    this.length.inputMode = 'decimal';
    this.length.size = 5;
    this.length.value = '1';
    this.length.dataset.control = 'stickLength';
    this.length.addEventListener('input', () => this.changed());
    stickRow.append(page('videoStickLength'), this.length);
    this.stickNote = document.createElement('p');
    this.stickNote.className = 'video-note';
    this.stickNote.dataset.control = 'stickNote';
    this.prompt = document.createElement('p');
    this.prompt.className = 'video-prompt';
    this.prompt.dataset.control = 'videoPrompt';
    this.prompt.setAttribute('aria-live', 'polite');
    this.jointChoice = document.createElement('select');
    this.jointChoice.dataset.control = 'videoJoint';
    this.jointChoice.setAttribute('aria-label', page('videoJoint'));
    this.jointNames.forEach((name, i) => {
      this.jointChoice.append(new Option(this.jointText(name), String(i)));
    });
    this.jointChoice.addEventListener('change', () => {
      this.joint = Number(this.jointChoice.value);
      this.showPrompt();
    });
    this.results = new VideoResults(module, texts, this, massKg, host);
    const promptRow = document.createElement('div');
    promptRow.className = 'video-row';
    promptRow.append(this.prompt, this.jointChoice);
    this.element.append(modes, stickRow, this.stickNote, promptRow, this.results.element);
    canvas.addEventListener('pointerdown', (e) => this.press(e));
    canvas.addEventListener('pointermove', (e) => this.move(e));
    canvas.addEventListener('pointerup', (e) => this.release(e));
    canvas.addEventListener('pointercancel', () => {
      this.grip = null;
    });
    this.setMode('stick');
  }

  jointText(name: string): string {
    return this.texts.page(`joint${name[0].toUpperCase()}${name.slice(1)}`);
  }

  // A new video: nothing marked on it yet.
  reset(timesS: number[]): void {
    this.timesS = timesS;
    this.marks = timesS.map(() => this.jointNames.map(() => null));
    this.stickA = this.stickB = null;
    this.colours = this.jointNames.map(() => null);
    this.joint = 0;
    this.results.forget();
    this.changed();
    this.setMode('stick');
  }

  stop(): void {
    this.results.stop();
  }

  lengthM(): number | null {
    return this.module.readStickLength(this.length.value);
  }

  // The stick and the marks changed: the old fit no longer belongs to them.
  changed(): void {
    this.fit = null;
    this.whatIf = null;
    this.results.clear();
    this.showStick();
    this.host.redraw();
  }

  private setMode(mode: Mode): void {
    this.mode = mode;
    for (const [m, b] of this.modeButtons) b.setAttribute('aria-pressed', String(m === mode));
    this.canvas.dataset.mode = mode;
    this.showPrompt();
  }

  private showStick(): void {
    const lengthM = this.lengthM();
    const page = (name: string) => this.texts.page(name);
    if (lengthM === null) {
      this.stickNote.textContent = page('videoStickLengthWrong');
      return;
    }
    if (!this.stickA || !this.stickB) {
      this.stickNote.textContent = page('videoStickHint');
      return;
    }
    const c = this.module.videoCalibration(this.stick(lengthM), this.texts.language);
    this.stickNote.textContent = c.ok
      ? fill(page('videoStickDone'), c.texts.scale, c.texts.roll)
      : page(c.problem === 'length' ? 'videoStickLengthWrong' : 'videoStickEnds');
  }

  stick(lengthM: number) {
    const a = this.stickA ?? { x: 0, y: 0 };
    const b = this.stickB ?? a;
    return { ax: a.x, ay: a.y, bx: b.x, by: b.y, lengthM };
  }

  showPrompt(): void {
    const page = (name: string) => this.texts.page(name);
    const joint = this.jointText(this.jointNames[this.joint]);
    this.jointChoice.value = String(this.joint);
    this.jointChoice.hidden = this.mode === 'stick';
    this.prompt.textContent =
      this.mode === 'stick'
        ? page(this.stickA && !this.stickB ? 'videoStickTop' : 'videoStickFoot')
        : fill(page(this.mode === 'joints' ? 'videoJointPrompt' : 'videoColourPrompt'), joint);
  }

  // Where a pointer is, in the video's pixels, and how far a CSS pixel reaches there.
  private at(e: PointerEvent): { p: PixelPoint; perCssPx: number } {
    const box = this.canvas.getBoundingClientRect();
    const perCssPx = this.canvas.width / box.width;
    return {
      p: {
        x: (e.clientX - box.left) * perCssPx,
        y: (e.clientY - box.top) * (this.canvas.height / box.height),
      },
      perCssPx,
    };
  }

  private gripAt(p: PixelPoint, reach: number): Grip | null {
    const near = (q: PixelPoint | null) => q !== null && Math.hypot(q.x - p.x, q.y - p.y) <= reach;
    if (this.mode === 'stick') {
      if (near(this.stickA)) return { kind: 'stick', end: 'a' };
      if (near(this.stickB)) return { kind: 'stick', end: 'b' };
    } else if (this.mode === 'joints') {
      const frame = this.marks[this.host.index()] ?? [];
      // While the joint asked for is still to be placed, a tap beside another mark places it;
      // only one right on a mark takes that mark.
      const r = frame[this.joint] ? reach : reach * kPlacingGrip;
      let nearest = -1;
      let best = r;
      frame.forEach((q, j) => {
        const d = q ? Math.hypot(q.x - p.x, q.y - p.y) : Number.POSITIVE_INFINITY;
        if (d <= best) {
          best = d;
          nearest = j;
        }
      });
      if (nearest >= 0) return { kind: 'joint', joint: nearest };
    }
    return null;
  }

  private press(e: PointerEvent): void {
    if (!this.marks.length || this.host.index() < 0 || e.button > 0) return;
    e.preventDefault();
    const { p, perCssPx } = this.at(e);
    const grip = this.gripAt(p, kGripPx * perCssPx);
    if (grip) {
      this.grip = grip;
      this.canvas.setPointerCapture(e.pointerId);
      return;
    }
    if (this.mode === 'stick') {
      if (!this.stickA || this.stickB) {
        this.stickA = p;
        this.stickB = null;
      } else {
        this.stickB = p;
      }
      this.showPrompt();
      this.changed();
    } else if (this.mode === 'joints') {
      this.placeJoint(p);
    } else {
      void this.pickColour(p);
    }
  }

  private placeJoint(p: PixelPoint): void {
    const index = this.host.index();
    const frame = this.marks[index];
    frame[this.joint] = p;
    this.changed();
    // The next joint not yet marked on this frame; with all marked, the next frame's first.
    const next = frame.findIndex((q, j) => q === null && j !== this.joint);
    if (next >= 0) {
      this.joint = next;
    } else if (index + 1 < this.marks.length) {
      this.joint = 0;
      void this.host.goTo(index + 1);
    }
    this.showPrompt();
  }

  private async pickColour(p: PixelPoint): Promise<void> {
    const joint = this.joint;
    const image = await this.host.pixels(this.host.index());
    if (!image) return;
    this.colours[joint] = this.module.markerColourAt(
      image.width,
      image.height,
      image.data,
      p.x,
      p.y,
    );
    this.results.showColours();
    this.joint = (joint + 1) % this.jointNames.length;
    this.showPrompt();
  }

  private move(e: PointerEvent): void {
    if (!this.grip) return;
    const { p } = this.at(e);
    this.put(this.grip, p);
    this.host.redraw();
  }

  private release(e: PointerEvent): void {
    if (!this.grip) return;
    const { p } = this.at(e);
    const grip = this.grip;
    this.grip = null;
    this.put(grip, p);
    if (grip.kind === 'joint') this.results.corrected(grip.joint, p);
    this.changed();
  }

  private put(grip: Grip, p: PixelPoint): void {
    if (grip.kind === 'stick') {
      if (grip.end === 'a') this.stickA = p;
      else this.stickB = p;
    } else {
      this.marks[this.host.index()][grip.joint] = p;
    }
  }

  // The stick, this frame's marks with the figure's lines, and the fit: every frame's centre,
  // the parabola and this frame's model figure, and a "what if" figure dashed.
  draw(g: CanvasRenderingContext2D, index: number): void {
    const pen = Math.max(1.5, this.canvas.width / 400);
    const dot = (p: PixelPoint, r: number, fill: string) => {
      g.beginPath();
      g.arc(p.x, p.y, r, 0, 2 * Math.PI);
      g.fillStyle = fill;
      g.fill();
      g.lineWidth = pen / 2;
      g.strokeStyle = '#000';
      g.stroke();
    };
    const line = (points: (PixelPoint | null)[], colour: string, width: number) => {
      g.beginPath();
      let open = false;
      for (const p of points) {
        if (!p) {
          open = false;
          continue;
        }
        if (open) g.lineTo(p.x, p.y);
        else g.moveTo(p.x, p.y);
        open = true;
      }
      g.strokeStyle = colour;
      g.lineWidth = width;
      g.stroke();
    };
    g.save();
    if (this.stickA) {
      if (this.stickB) line([this.stickA, this.stickB], '#ffe600', pen * 2);
      dot(this.stickA, pen * 2.5, '#ffe600');
      if (this.stickB) dot(this.stickB, pen * 2.5, '#ffe600');
    }
    const fit = this.fit;
    if (fit) {
      line(
        fit.frames.map((f) => f.parabola),
        '#ff3b30',
        pen,
      );
      for (const f of fit.frames) if (f.centre) dot(f.centre, pen, '#0a84ff');
      const now = fit.frames[index];
      if (now?.model) this.figure(line, now.model, '#30d158', pen * 1.5);
      if (now?.centre) dot(now.centre, pen * 2.5, '#0a84ff');
    }
    const whatIf = this.whatIf?.[index];
    if (whatIf) {
      g.setLineDash([pen * 4, pen * 3]);
      this.figure(line, whatIf, this.host.whatIfColour, pen * 1.5);
      g.setLineDash([]);
    }
    const marks = this.marks[index];
    if (marks) {
      this.figure(line, marks, '#ffffff', pen);
      marks.forEach((p, j) => {
        if (p) dot(p, pen * 2.5, kJointColours[j]);
      });
    }
    g.restore();
  }

  // The figure's lines: head to shoulder to elbow to hand, shoulder to hip to knee to foot.
  private figure(
    line: (points: (PixelPoint | null)[], colour: string, width: number) => void,
    p: (PixelPoint | null)[],
    colour: string,
    width: number,
  ): void {
    line([p[0], p[1], p[2], p[3]], colour, width);
    line([p[1], p[4], p[5], p[6]], colour, width);
  }
}
