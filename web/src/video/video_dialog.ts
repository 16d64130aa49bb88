// SPDX-License-Identifier: MIT
// "Video öffnen…": a filmed jump frame by frame, with its own time and frame number always in
// view, stepped, slid or played at 1, ½ or ¼ speed; the stick, the joints' marks, the fit and
// the coloured markers are the marking's (VideoMarking). The file never leaves the device.
import { sizeDialogText } from '../controls/dialog_text';
import { FocusTrap } from '../controls/focus_trap';
import { type Texts, fill } from '../texts';
import { readEncodedVideo } from './encoded_video';
import { CodecUnsupported, type FrameSource, openFrames } from './frame_source';
import { VideoMarking } from './video_marking';
import { videoButton } from './video_button';
import type { JumpFitInput, VideoModule } from './video_model';
import type { TuckPlan } from '../plan_model';

const kSpeeds = [
  { speed: 1, text: 'videoSpeedWhole' },
  { speed: 0.5, text: 'videoSpeedHalf' },
  { speed: 0.25, text: 'videoSpeedQuarter' },
];

// A codec by the name a camera's settings use.
function codecName(codec: string): string {
  const names: [string, string][] = [
    ['hvc1', 'H.265/HEVC'],
    ['hev1', 'H.265/HEVC'],
    ['avc', 'H.264'],
    ['vp09', 'VP9'],
    ['vp8', 'VP8'],
    ['av01', 'AV1'],
  ];
  return names.find(([prefix]) => codec.startsWith(prefix))?.[1] ?? codec;
}

// What the video asks of the lesson.
export interface VideoLesson {
  massKg(): number;
  // The fitted jump for the lesson's log, with its video's name.
  fitted(input: JumpFitInput, fileName: string): void;
  // "What if…" for the fitted take-off, by a plan or (`byMap`) a landing map's cell; `flown`
  // gets the plan and the logged flight's number.
  whatIf(
    input: JumpFitInput,
    byMap: boolean,
    flown: (plan: TuckPlan, number: number) => void,
  ): void;
  readonly whatIfColour: string; // drawn dashed in it
}

export class VideoDialog {
  private readonly dialog: HTMLDialogElement;
  private readonly trap: FocusTrap;
  private readonly input: HTMLInputElement;
  private readonly message: HTMLElement;
  private readonly canvas: HTMLCanvasElement;
  private readonly raw = document.createElement('canvas'); // the frame without marks
  private readonly position: HTMLElement;
  private readonly slider: HTMLInputElement;
  private readonly play: HTMLButtonElement;
  private readonly speed: HTMLSelectElement;
  private readonly viewer: HTMLElement;
  private readonly marking: VideoMarking;
  private source: FrameSource | null = null;
  private index = 0;
  private wanted = 0; // the frame last asked for; an older one arriving late is not shown
  private playing = 0; // the animation frame's request while playing
  private opened = 0; // counts files, so that a slow one opened before is dropped
  private note = ''; // what stays said about the video while it is open

  constructor(
    private readonly module: VideoModule,
    private readonly texts: Texts,
    host: HTMLElement,
    lesson: VideoLesson,
  ) {
    const page = (name: string) => texts.page(name);
    this.dialog = document.createElement('dialog');
    this.dialog.className = 'map-dialog video-dialog';
    this.dialog.dataset.control = 'videoDialog';
    this.dialog.setAttribute('aria-label', page('videoTitle'));
    const title = document.createElement('div');
    title.className = 'charts-title';
    title.textContent = page('videoTitle');
    const opening = document.createElement('div');
    opening.className = 'video-row';
    this.input = document.createElement('input');
    this.input.type = 'file';
    this.input.accept = 'video/mp4,video/quicktime,video/webm,.mp4,.m4v,.mov,.webm,.mkv';
    this.input.dataset.control = 'videoFile';
    this.input.setAttribute('aria-label', page('videoOpen'));
    this.input.addEventListener('change', () => {
      const file = this.input.files?.[0];
      if (file) void this.openFile(file);
    });
    const privacy = document.createElement('span');
    privacy.className = 'video-note';
    privacy.textContent = page('videoPrivate');
    opening.append(this.input, privacy);
    this.message = document.createElement('p');
    this.message.className = 'video-message';
    this.message.dataset.control = 'videoMessage';
    this.message.setAttribute('aria-live', 'polite');
    this.canvas = document.createElement('canvas');
    this.canvas.className = 'video-canvas';
    this.canvas.dataset.control = 'videoCanvas';
    // A picture named by its frame and time; the marks are made by pointer.
    this.canvas.setAttribute('role', 'img');
    this.position = document.createElement('div');
    this.position.className = 'video-position';
    this.position.dataset.control = 'videoPosition';
    this.position.setAttribute('aria-live', 'polite');
    const controls = document.createElement('div');
    controls.className = 'video-row';
    const back = videoButton('◀', 'videoBack', () => this.step(-1));
    back.setAttribute('aria-label', page('videoBack'));
    const forward = videoButton('▶', 'videoForward', () => this.step(1));
    forward.setAttribute('aria-label', page('videoForward'));
    this.slider = document.createElement('input');
    this.slider.type = 'range';
    this.slider.min = '1';
    this.slider.className = 'video-slider';
    this.slider.dataset.control = 'videoSlider';
    this.slider.setAttribute('aria-label', page('videoFrameSlider'));
    this.slider.addEventListener('input', () => this.show(Number(this.slider.value) - 1));
    this.play = videoButton(page('videoPlay'), 'videoPlay', () => this.togglePlay());
    this.speed = document.createElement('select');
    this.speed.dataset.control = 'videoSpeed';
    this.speed.setAttribute('aria-label', page('videoSpeed'));
    for (const s of kSpeeds) this.speed.append(new Option(page(s.text), String(s.speed)));
    // A new speed while playing plays on at it from the frame on show.
    this.speed.addEventListener('change', () => {
      if (!this.playing) return;
      this.stopPlaying();
      this.togglePlay();
    });
    controls.append(back, this.slider, forward, this.play, this.speed);
    this.viewer = document.createElement('div');
    this.viewer.className = 'video-viewer';
    this.viewer.append(this.canvas, this.position, controls);
    this.marking = new VideoMarking(module, texts, this.canvas, () => lesson.massKg(), {
      redraw: () => this.redraw(),
      goTo: (index) => this.show(index),
      pixels: (index) => this.pixels(index),
      index: () => this.index,
      fitted: (input) => lesson.fitted(input, this.input.files?.[0]?.name ?? ''),
      whatIf: (input, byMap, flown) => lesson.whatIf(input, byMap, flown),
      whatIfColour: lesson.whatIfColour,
    });
    this.viewer.append(this.marking.element);
    this.viewer.hidden = true;
    const buttons = document.createElement('div');
    buttons.className = 'charts-buttons';
    buttons.append(videoButton(texts.page('close'), 'videoClose', () => this.dialog.close()));
    this.dialog.append(title, opening, this.message, this.viewer, buttons);
    this.dialog.addEventListener('keydown', (e) => this.key(e));
    this.trap = new FocusTrap(this.dialog);
    this.dialog.addEventListener('close', () => {
      this.stopPlaying();
      this.marking.stop();
      this.trap.closed();
    });
    host.append(this.dialog);
  }

  get isOpen(): boolean {
    return this.dialog.open;
  }

  open(scale: number): void {
    sizeDialogText(this.dialog, scale);
    if (!this.dialog.open) {
      this.dialog.show();
      this.trap.opened();
    }
    // Without a video yet, the file's choice is the first step.
    if (!this.source) this.input.click();
  }

  private say(text: string): void {
    this.message.textContent = text;
  }

  private async openFile(file: File): Promise<void> {
    const opened = ++this.opened;
    this.stopPlaying();
    this.marking.stop();
    this.source?.close();
    this.source = null;
    this.viewer.hidden = true;
    this.dialog.dataset.state = 'loading';
    this.say(this.texts.page('videoLoading'));
    try {
      const video = await readEncodedVideo(file);
      const source = await openFrames(file, video);
      if (opened !== this.opened) {
        source.close();
        return;
      }
      this.source = source;
      this.canvas.width = this.raw.width = source.width;
      this.canvas.height = this.raw.height = source.height;
      this.slider.max = String(source.timesS.length);
      this.marking.reset(source.timesS);
      this.note = source.exact ? '' : this.texts.page('videoInexact');
      this.say(this.note);
      this.viewer.hidden = false;
      this.index = -1;
      await this.show(0);
    } catch (e) {
      if (opened !== this.opened) return;
      this.dialog.dataset.state = 'failed';
      if (e instanceof CodecUnsupported)
        this.say(fill(this.texts.page('videoCodec'), codecName(e.codec)));
      // A file that breaks the reading is no video the page can read, whatever its name.
      else this.say(this.texts.page('videoNotVideo'));
    }
  }

  // Shows a frame: the newest wish wins over frames still being decoded.
  async show(index: number): Promise<void> {
    const source = this.source;
    if (!source) return;
    const i = Math.max(0, Math.min(source.timesS.length - 1, index));
    this.wanted = i;
    this.dialog.dataset.state = 'decoding';
    try {
      const image = await source.frame(i);
      if (source !== this.source || i !== this.wanted) return;
      this.raw.getContext('2d')!.drawImage(image, 0, 0, this.raw.width, this.raw.height);
      this.index = i;
      this.slider.value = String(i + 1);
      const t = this.module.videoFrameTexts(
        i,
        source.timesS.length,
        source.timesS[i],
        this.texts.language,
      );
      this.position.textContent = fill(this.texts.page('videoPosition'), t.number, t.count, t.time);
      this.canvas.setAttribute('aria-label', this.position.textContent);
      this.dialog.dataset.frame = String(i + 1);
      this.redraw();
      // A frame that failed before is forgotten once one shows.
      this.say(this.note);
      this.dialog.dataset.state = 'idle';
    } catch {
      if (source !== this.source || i !== this.wanted) return;
      this.dialog.dataset.state = 'failed';
      this.say(this.texts.page('videoFailed'));
    }
  }

  private redraw(): void {
    const g = this.canvas.getContext('2d')!;
    g.drawImage(this.raw, 0, 0);
    this.marking.draw(g, this.index);
  }

  // The RGBA pixels of a frame, for following coloured markers.
  private async pixels(index: number): Promise<ImageData | null> {
    const source = this.source;
    if (!source) return null;
    const image = await source.frame(index);
    const c = document.createElement('canvas');
    c.width = source.width;
    c.height = source.height;
    const g = c.getContext('2d', { willReadFrequently: true })!;
    g.drawImage(image, 0, 0, c.width, c.height);
    return g.getImageData(0, 0, c.width, c.height);
  }

  private step(delta: number): void {
    this.stopPlaying();
    void this.show(this.wanted + delta);
  }

  private key(e: KeyboardEvent): void {
    if (e.key === 'Escape') {
      e.preventDefault();
      this.dialog.close();
      return;
    }
    const target = e.target as HTMLElement;
    // Arrows move the text cursor in a field, and the slider moves itself.
    if (target.tagName === 'INPUT' || target.tagName === 'SELECT') return;
    if (e.key === 'ArrowLeft' || e.key === 'ArrowRight') {
      e.preventDefault();
      this.step(e.key === 'ArrowLeft' ? -1 : 1);
    }
  }

  private togglePlay(): void {
    if (this.playing) {
      this.stopPlaying();
      return;
    }
    const source = this.source;
    if (!source) return;
    if (this.index >= source.timesS.length - 1) void this.show(0);
    const speed = Number(this.speed.value);
    const startS = source.timesS[Math.max(0, this.index)];
    const began = performance.now();
    this.play.textContent = this.texts.page('videoPause');
    this.dialog.dataset.playing = 'true';
    let busy = false;
    const tick = () => {
      const at = startS + ((performance.now() - began) / 1000) * speed;
      const times = source.timesS;
      let i = this.index;
      while (i + 1 < times.length && times[i + 1] <= at) i++;
      if (i >= times.length - 1 && i === this.index) {
        this.stopPlaying();
        return;
      }
      // A frame still decoding is waited for; frames passed meanwhile are skipped.
      if (!busy && i !== this.index) {
        busy = true;
        void this.show(i).finally(() => {
          busy = false;
        });
      }
      this.playing = requestAnimationFrame(tick);
    };
    this.playing = requestAnimationFrame(tick);
  }

  private stopPlaying(): void {
    if (this.playing) cancelAnimationFrame(this.playing);
    this.playing = 0;
    this.play.textContent = this.texts.page('videoPlay');
    delete this.dialog.dataset.playing;
  }
}
