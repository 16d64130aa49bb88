// SPDX-License-Identifier: MIT
// "Landekarte…": where a body lands over every tuck plan for one take-off, or over every take-off
// for one tuck plan, as in the window. The cells are flown off the page's thread with a progress
// bar that cancels; the lesson's matching flights stand on the map; a click tells a cell's
// flight, a double click (or Enter) flies it. For one take-off it names the earliest and latest
// start and the shortest and longest tuck that land upright and stretched. Saved as a picture with
// its caption, or as CSV.
import { FocusTrap } from '../controls/focus_trap';
import { sizeDialogText } from '../controls/dialog_text';
import { csvBlob, download } from '../lesson/saves';
import type { Athlete, Model, PageLog } from '../model';
import type { TuckPlan } from '../plan_model';
import { type Texts, fill } from '../texts';
import { LandingMapView } from './landing_map_view';
import { type MapLimits, MapFields } from './map_fields';
import type { MapAxes, MapCell, MapModule, MapRequest } from './map_model';
import { MapRunner } from './map_runner';

// What the map starts from: the page's model, athlete, take-off and last plan as they stand.
export interface MapSetUp {
  model: Model;
  athlete: Athlete;
  speedMPerS: number;
  angleDeg: number;
  plan: TuckPlan;
}

export interface MapActions {
  log(): PageLog;
  fly(speedMPerS: number, angleDeg: number, plan: TuckPlan): void;
}

export class LandingMapDialog {
  private readonly dialog: HTMLDialogElement;
  private readonly trap: FocusTrap;
  private readonly fields: MapFields;
  private readonly view: LandingMapView;
  private readonly summary: HTMLElement;
  private readonly answer: HTMLElement;
  private readonly progress: HTMLProgressElement;
  private readonly cancel: HTMLButtonElement;
  private readonly runner: MapRunner;
  private readonly tr: (s: string) => string;
  private request: MapRequest | null = null;
  private shownKey = ''; // the request whose map stands whole on the canvas
  private restart = 0;

  constructor(
    private readonly module: MapModule & { quantityHeader(code: string, language: string): string },
    private readonly texts: Texts,
    host: HTMLElement,
    limits: MapLimits,
    private readonly actions: MapActions,
  ) {
    const tr = (s: string) => texts.tr('purzo::LandingMapWindow', s);
    this.tr = tr;
    const plain = (s: string) => s.replace(/&(.)/g, '$1');
    // Where the map is computed and how many answers its worker sent, for the tests.
    this.runner = new MapRunner(module, () => {
      this.dialog.dataset.messages = String(this.runner.messages);
    });
    this.dialog = document.createElement('dialog');
    this.dialog.className = 'map-dialog';
    this.dialog.dataset.control = 'landingMapDialog';
    this.dialog.setAttribute('aria-label', tr('Landekarte – Purzosimulation'));
    const title = document.createElement('div');
    title.className = 'charts-title';
    title.textContent = tr('Landekarte – Purzosimulation');
    this.fields = new MapFields(texts, limits, () => {
      // A change waits for the next, so that a number held down computes once.
      clearTimeout(this.restart);
      this.restart = window.setTimeout(() => this.start(), 120);
    });
    const viewTr = (s: string) => texts.tr('purzo::LandingMapView', s);
    this.view = new LandingMapView(module.mapStyles(texts.language), viewTr('Landekarte'), {
      picked: (index) => this.showCell(index),
      activated: (index) => this.fly(index),
    });
    this.summary = document.createElement('p');
    this.summary.className = 'map-summary';
    this.summary.id = 'map-summary';
    this.summary.dataset.control = 'mapSummary';
    this.summary.setAttribute('aria-live', 'polite');
    this.view.canvas.setAttribute('aria-describedby', this.summary.id);
    this.answer = document.createElement('p');
    this.answer.className = 'map-answer';
    this.answer.dataset.control = 'mapAnswer';
    this.answer.setAttribute('aria-live', 'polite');
    const running = document.createElement('div');
    running.className = 'map-progress';
    this.progress = document.createElement('progress');
    this.progress.dataset.control = 'mapProgress';
    this.progress.setAttribute('aria-label', viewTr('Landekarte'));
    this.cancel = document.createElement('button');
    this.cancel.className = 'button';
    this.cancel.textContent = plain(tr('Abbr&echen'));
    this.cancel.dataset.control = 'mapCancelButton';
    this.cancel.addEventListener('click', () => this.stop());
    running.append(this.progress, this.cancel);
    running.hidden = true;
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
    button(tr('Als &Bild speichern…'), 'mapSavePicture', () => this.savePicture());
    button(tr('Als &CSV speichern…'), 'mapSaveCsv', () => this.saveCsv());
    button(texts.page('close'), 'mapCloseButton', () => this.dialog.close());
    const viewBox = document.createElement('div');
    viewBox.className = 'map-view';
    viewBox.append(this.view.canvas);
    this.dialog.append(
      title,
      this.fields.element,
      viewBox,
      this.summary,
      this.answer,
      running,
      buttons,
    );
    this.dialog.addEventListener('keydown', (e) => {
      if (e.key === 'Escape') {
        e.preventDefault();
        this.dialog.close();
      }
    });
    this.trap = new FocusTrap(this.dialog);
    // Closing leaves nothing running.
    this.dialog.addEventListener('close', () => {
      clearTimeout(this.restart);
      this.runner.close();
      this.showRunning(false);
      this.trap.closed();
    });
    host.append(this.dialog);
  }

  get isOpen(): boolean {
    return this.dialog.open;
  }

  open(setUp: MapSetUp, scale: number): void {
    sizeDialogText(this.dialog, scale);
    // Above whatever stands open, such as the video it was asked from.
    if (!this.dialog.open) this.dialog.parentElement?.append(this.dialog);
    this.fields.setUp(setUp);
    if (!this.dialog.open) {
      this.dialog.show();
      this.trap.opened();
    }
    this.start();
  }

  // The lesson's flights changed: their rings follow.
  refreshMarkers(): void {
    if (this.request && this.shownKey)
      this.view.setMarkers(this.module.mapMarkers(this.actions.log(), this.request));
  }

  private start(): void {
    const request = this.fields.request();
    this.request = request;
    const texts = this.module.mapRequestTexts(request, this.texts.language);
    this.fields.showModel(
      fill(this.tr('Modell: %1'), texts.model) +
        (texts.ownAthlete ? this.tr(', eigener Athlet') : ''),
    );
    const key = JSON.stringify(request);
    // Opened again on the map it shows: nothing to compute.
    if (key === this.shownKey && !this.runner.running) {
      this.refreshMarkers();
      return;
    }
    this.shownKey = '';
    const axes = this.module.mapAxes(request, this.texts.language);
    const total = axes.columns * axes.rows;
    this.progress.max = total;
    this.progress.value = 0;
    this.showRunning(true);
    this.summary.textContent = '';
    this.answer.textContent = '';
    const began = performance.now();
    this.runner.run(request, this.texts.language, {
      progress: (done) => {
        this.progress.value = done;
      },
      finished: (cells) => {
        // How long the map took, for the benchmark.
        this.dialog.dataset.mapMs = String(performance.now() - began);
        this.showRunning(false);
        this.shownKey = key;
        this.showMap(request, axes, cells);
      },
    });
  }

  private stop(): void {
    if (!this.runner.running) return;
    this.runner.cancel();
    this.showRunning(false);
    this.answer.textContent = this.tr('Abgebrochen: die Karte ist nicht ganz berechnet.');
  }

  private showRunning(running: boolean): void {
    (this.progress.parentElement as HTMLElement).hidden = !running;
    this.dialog.dataset.state = running ? 'computing' : 'idle';
    this.dialog.dataset.where = this.runner.where;
  }

  private showMap(request: MapRequest, axes: MapAxes, cells: MapCell[]): void {
    const viewTr = (s: string) => this.texts.tr('purzo::LandingMapView', s);
    const speed = request.kind === 'speedAngle';
    const header = (code: string) => this.module.quantityHeader(code, this.texts.language);
    this.view.setMap(axes, cells, {
      columns: speed ? header('speedMPerS') : viewTr('Hocken ab Bild (1 Bild = 1/17 s)'),
      rows: speed ? header('angleDeg') : viewTr('Gehockt (Bilder)'),
      markers: viewTr('Flüge der Stunde'),
    });
    this.view.setMarkers(this.module.mapMarkers(this.actions.log(), request));
    this.summary.textContent = this.tr(
      'Ein Klick auf ein Feld zeigt seinen Flug, ein Doppelklick fliegt ihn.',
    );
    this.showAnswer(request, cells);
  }

  private showAnswer(request: MapRequest, cells: MapCell[]): void {
    const { tr } = this;
    const notOnFeet = 3;
    if (!cells.some((c) => c.mapClass !== notOnFeet)) {
      this.answer.textContent = tr('Kein Flug dieser Karte landet auf den Füßen.');
      return;
    }
    if (request.kind !== 'tuck') {
      this.answer.textContent = '';
      return;
    }
    const best = this.module.bestPlans(cells, this.texts.language);
    this.answer.textContent = best
      ? fill(
          tr(
            'Aufrecht und gestreckt landet, wer frühestens %1 s und spätestens %2 s nach dem Absprung zu hocken beginnt und mindestens %3 s, höchstens %4 s gehockt bleibt.',
          ),
          best.earliestStart,
          best.latestStart,
          best.shortest,
          best.longest,
        )
      : tr('Kein Hockplan landet bei diesem Absprung aufrecht und gestreckt.');
  }

  private showCell(index: number): void {
    const c = this.view.mapCells[index];
    const { tr } = this;
    const name = this.module.mapStyles(this.texts.language).classes[c.mapClass].name;
    const landing =
      c.texts.attitude === null
        ? tr('keine Landung')
        : fill(tr('%1 Umdrehungen, Lage %2°, %3'), c.texts.turns, c.texts.attitude, name);
    this.summary.textContent = fill(
      tr('%1 m/s, %2°, %3: %4. Ein Doppelklick oder Enter fliegt ihn.'),
      c.texts.speed,
      c.texts.angle,
      c.texts.plan,
      landing,
    );
  }

  // The flight goes to the canvas, which the dialog would cover: it closes, and opens again on
  // the same map.
  private fly(index: number): void {
    const c = this.view.mapCells[index];
    this.dialog.close();
    this.actions.fly(c.speedMPerS, c.angleDeg, c.plan);
  }

  private caption(): string {
    const r = this.request;
    if (!r) return '';
    const texts = this.module.mapRequestTexts(r, this.texts.language);
    const what =
      r.kind === 'tuck'
        ? fill(
            this.tr('Landekarte für %1 m/s und %2°, Haltung %3'),
            texts.speed,
            texts.angle,
            String(r.depth),
          )
        : fill(this.tr('Landekarte für den Hockplan %1'), texts.plan);
    return `${what}, ${this.fields.modelText}`;
  }

  // The map with its caption and answer under it, on white.
  private savePicture(): void {
    if (!this.shownKey) return;
    const map = this.view.canvas;
    const ratio = window.devicePixelRatio || 1;
    const style = getComputedStyle(map);
    const line = 1.3 * Number.parseFloat(style.fontSize) * ratio;
    const out = document.createElement('canvas');
    const ctx = out.getContext('2d')!;
    const font = `${Number.parseFloat(style.fontSize) * ratio}px ${style.fontFamily}`;
    ctx.font = font;
    const lines: string[] = [];
    for (const paragraph of [this.caption(), this.answer.textContent ?? '']) {
      let text = '';
      for (const word of paragraph.split(' ')) {
        if (text && ctx.measureText(`${text} ${word}`).width > map.width - 2 * line) {
          lines.push(text);
          text = word;
        } else text = text ? `${text} ${word}` : word;
      }
      if (text) lines.push(text);
    }
    out.width = map.width;
    out.height = map.height + Math.round((lines.length + 1) * line);
    ctx.fillStyle = '#fff';
    ctx.fillRect(0, 0, out.width, out.height);
    ctx.drawImage(map, 0, 0);
    ctx.fillStyle = '#000';
    ctx.font = font; // sizing the canvas reset it
    ctx.textBaseline = 'top';
    lines.forEach((text, i) => ctx.fillText(text, line, map.height + line / 2 + i * line));
    out.toBlob((blob) => blob && download(blob, 'landekarte.png'), 'image/png');
  }

  private saveCsv(): void {
    if (!this.shownKey) return;
    const rows = this.view.mapCells.map((c) => c.csv);
    download(csvBlob(`${[this.module.mapCsvHeader(), ...rows].join('\n')}\n`), 'landekarte.csv');
  }
}
