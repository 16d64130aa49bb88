// SPDX-License-Identifier: MIT
// The page as the desktop window behaves: the take-off check and its warning, the follow rule of
// the sliders, Enter starts a flight, the arrow keys in flight, pause and stepping, the canvas's
// menu and its tools. It shows what the model computes and never computes physics itself.
import { FlightAnnouncer } from './view/announcer';
import { AthleteDialog } from './controls/athlete_dialog';
import { beep } from './beep';
import { CanvasView, type CanvasState, type DrawnFlightFrames, type Surface, type Tools, kNoTools } from './view/canvas_view';
import { ChartsDialog, type ChartsContent } from './tools/charts_dialog';
import { type Choices, saveChoices } from './choices';
import { FlightPlayer, type FlightRecord, type TimeSource } from './view/flight_player';
import { type PageWindow, buildWindow, fitBesideStrip, fitScale, fitTargets, fitTexts, followSlider, movePosture, showEndNote } from './controls/layout';
import { LessonMenu } from './controls/lesson_menu';
import { LogPanel, kLogStripPx } from './lesson/log_panel';
import { PageComparison, coupledTools } from './lesson/comparison';
import { onPageKey } from './controls/page_keys';
import { LogStorage } from './lesson/log_storage';
import type { Athlete, Design, Frame, Model, PageLog, PurzoModule } from './model';
import type { PagePictures } from './view/pictures';
import { PagePresentation } from './view/presentation';
import { TouchLayout } from './controls/touch_layout';
import { WorksheetSaves } from './lesson/worksheet';
import type { Texts } from './texts';
import { onArrowKeyTaps, onLongPress } from './controls/touch';

export class PurzoPage {
  readonly design: Design;
  readonly w: PageWindow;
  readonly player: FlightPlayer;
  private readonly view: CanvasView;
  private readonly menu: LessonMenu;
  private readonly charts: ChartsDialog;
  private readonly athleteDialog: AthleteDialog;
  readonly log: PageLog;
  private readonly logPanel: LogPanel;
  private readonly logStorage: LogStorage;
  private readonly saves: WorksheetSaves;
  private readonly announcer: FlightAnnouncer;
  private readonly presentation: PagePresentation;
  private readonly touch: TouchLayout;
  private readonly comparison: PageComparison;
  private scale = 1;
  private drawPending = false;
  private runningModel: Model = 'classic';
  private panelRight = false;
  private presented = false; // the presentation as the last fit found it
  // The frames and record shown when Start was pressed, until the new flight's first frame.
  private held: { frames: Frame[]; flight: FlightRecord } | null = null;
  readonly frameTimesMs: number[] = []; // when each frame of the last flight was shown
  flightStartMs = 0;

  constructor(readonly module: PurzoModule, readonly texts: Texts, private readonly pictures: PagePictures,
              private readonly choices: Choices, private storedModel: Model, private readonly storage: Storage | null,
              private readonly time: TimeSource, host: HTMLElement) {
    this.design = module.design();
    this.w = buildWindow(this.design, texts, host);
    this.view = new CanvasView(this.design.canvas, () => pictures.hall(this.deviceScale), module);
    this.announcer = new FlightAnnouncer(this.w.root, this.w.canvas, texts, time);
    this.presentation = new PagePresentation(this.w, this.design, this.view, () => this.fit());
    this.player = new FlightPlayer(module, time, {
      frameShown: (live) => this.frameShown(live),
      flightFinished: () => {
        this.log.logLast(this.player.native);
        this.showVerdict();
        this.logChanged(); // after the verdict: a log that cannot be stored says so in its place
      },
      replayFinished: () => { this.showVerdict(); this.redraw(); },
      pausedChanged: () => this.redraw(),
    }, () => Number(this.w.posture.value));
    const p = this.player;
    this.touch = new TouchLayout(this.w, texts, { running: () => p.flightRunning || p.replayRunning, canStep: () => p.canStep,
      togglePause: () => p.togglePause(), step: (d) => p.step(d), movePosture: (d) => movePosture(this.w, this.design, d) });
    this.menu = new LessonMenu(texts, this.design.lessonMenu, {
      toolsChanged: (tools) => this.setTools(tools),
      replay: () => this.replay(),
      pause: () => this.player.togglePause(),
      step: (delta) => this.player.step(delta),
      charts: () => this.charts.open(this.chartsContent(), this.scale),
      log: () => { this.logPanel.open(this.scale); this.fit(); },
      presentation: () => this.presentation.toggle(),
      saveCsv: () => this.saves.saveCsv(),
      saveWorkbook: () => void this.saves.saveWorkbook(),
      savePicture: () => void this.saves.savePicture(),
      modelChanged: (model) => this.setModel(model),
      athlete: () => this.athleteDialog.open(this.athlete, this.scale, (a) => this.setAthlete(a)),
      resetTools: () => { this.setTools({ ...kNoTools }); this.setModel('classic'); this.setAthlete(this.athleteDialog.standard()); },
    });
    this.charts = new ChartsDialog(module, texts, host);
    this.athleteDialog = new AthleteDialog(module, texts, host);
    this.log = new module.PageLog();
    this.logStorage = new LogStorage(this.log, storage, texts, (message) => {
      this.w.verdict.textContent = message;
      this.w.verdict.hidden = false;
      this.announcer.announce(message);
    }, () => { this.logPanel?.refresh(); this.redraw(); });
    this.logStorage.load();
    this.logPanel = new LogPanel(this.log, texts, module.quantityHeader('number', texts.language), {
      changed: () => this.logChanged(),
      replay: (number) => this.replayLogged(number),
      saveWorkbook: () => void this.saves.saveLogWorkbook(),
      printLessonSheet: () => this.saves.printLessonSheet(),
      fileName: (ext) => module.logFileName(this.log.group(), new Date().toISOString().slice(0, 10), ext),
      closed: () => this.fit(),
      compare: () => this.tools.compare ? this.compare() : this.setTools({ ...this.tools, compare: true }),
    }, host);
    this.saves = new WorksheetSaves(this);
    this.comparison = new PageComparison(module, texts);
    this.setUp();
  }

  get deviceScale(): number { return this.scale * (window.devicePixelRatio || 1); }
  get tools(): Tools { return this.choices.tools; }
  get model(): Model { return this.choices.model; }
  get athlete(): Athlete { return this.choices.athlete; }
  get pace(): number { return Math.max(0, this.w.paces.findIndex((p) => p.checked)); }

  private setUp(): void {
    const { w, design } = this;
    const t = design.takeoff;
    w.speedBox.value = String(t.designSpeed);
    w.angleBox.value = String(t.designAngle);
    w.speedBar.value = String(t.designSpeed);
    w.angleBar.value = String(t.designAngle);
    w.posture.value = String(t.firstPosture);
    w.paces[this.choices.pace].checked = true;
    w.paces.forEach((p) => p.addEventListener('change', () => this.remember()));
    const sliderValue = (text: string, lo: number, hi: number) => this.module.sliderValueFor(text, lo, hi);
    followSlider(w.speedBox, w.speedBar, t.minSpeed, t.maxSpeed, sliderValue);
    followSlider(w.angleBox, w.angleBar, t.minAngle, t.maxAngle, sliderValue);
    for (const box of [w.speedBox, w.angleBox]) {
      box.addEventListener('keydown', (e) => {
        if (e.key === 'Enter') { e.preventDefault(); this.startFlight(); }
      });
    }
    w.start.addEventListener('click', () => this.startFlight());
    w.end.addEventListener('click', () => this.end());
    w.canvas.addEventListener('contextmenu', (e) => { e.preventDefault(); this.openMenu(e.clientX, e.clientY); });
    onLongPress(w.canvas, (x, y) => this.openMenu(x, y), this.time);
    w.tools.addEventListener('click', () => { const b = w.tools.getBoundingClientRect(); this.openMenu(b.left, b.bottom); });
    w.canvas.addEventListener('wheel', (e) => {
      if (this.player.canStep && e.deltaY !== 0) { e.preventDefault(); this.player.step(e.deltaY > 0 ? 1 : -1); }
    }, { passive: false });
    onArrowKeyTaps(w.arrowKeys.parentElement!, design.arrowKeys.widthPx, design.arrowKeys, (key) => {
      if (!this.player.flightRunning) return;
      movePosture(this.w, this.design, key === 'right' ? 1 : -1);
    });
    document.addEventListener('keydown', (e) => onPageKey(e, {
      w: this.w, design: this.design, player: this.player, menuOpen: () => this.menu.isOpen,
      presentationKey: (k, onCanvas) => this.presentation.key(k, onCanvas, () => this.startFlight()),
      openMenu: (x, y) => this.openMenu(x, y) }));
    window.addEventListener('resize', () => this.fit());
    matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener?.('change', () => this.fit());
    this.pictures.onLoaded(() => { this.fit(); this.redraw(); });
    this.fit();
    fitTexts(w.root);
    w.canvas.focus();
  }

  fit(): void {
    const [viewWidth, viewHeight] = [document.documentElement.clientWidth, window.innerHeight];
    const { scale, left, top } = this.presentation.active ? this.presentation.fit(viewWidth, viewHeight)
                                                          : fitScale(viewWidth, viewHeight, this.design);
    // The log stands over the presentation only when opened in it.
    if (this.presentation.active && !this.presented) this.logPanel?.close();
    this.presented = this.presentation.active;
    const touch = this.touch.apply(viewWidth, viewHeight, this.presentation.active ? 1 : scale);
    // The open log takes a strip at the right, never the controls or the canvas.
    const beside = !touch && !this.presentation.active && this.logPanel?.isOpen
      ? fitBesideStrip(viewWidth, viewHeight, this.design, kLogStripPx) : null;
    this.logPanel?.placeIn(beside ? beside.stripLeft : null);
    this.view.panelOnCanvas = !touch;
    this.scale = touch ? this.touch.canvasScale(this.design.canvas.areaWidthPx) : beside?.scale ?? scale;
    const at = beside ?? { left, top, scale };
    if (!touch) this.w.root.style.transform = `translate(${at.left}px, ${at.top}px) scale(${at.scale})`;
    fitTargets(this.w, this.scale);
    const ratio = this.deviceScale;
    const c = this.design.canvas;
    this.w.canvas.width = Math.round(c.areaWidthPx * ratio);
    this.w.canvas.height = Math.round(c.areaHeightPx * ratio);
    this.pictures.showIn(this.w.arrowKeys, this.w.mark, this.texts.language, ratio);
    this.redraw();
  }

  startFlight(): void {
    const { w, design } = this;
    const before = this.player.flightRunning ? this.player.runningFlight : this.shownFlight();
    this.held = before ? { frames: this.shownFrames(), flight: before } : null;
    this.player.stop();
    this.menu.close();
    this.comparison.currentCompared = true;
    w.warning.hidden = true;
    w.verdict.hidden = true;
    const check = this.module.checkTakeoff(w.speedBox.value, w.angleBox.value);
    if (check.beep) beep();
    if (check.showWarning) {
      // The sliders stand where the texts do, so that the next step starts from 5 and 50.
      w.speedBox.value = w.speedBar.value = String(design.takeoff.standardSpeed);
      w.angleBox.value = w.angleBar.value = String(design.takeoff.standardAngle);
      w.warning.hidden = false;
    }
    w.posture.value = String(design.takeoff.firstPosture);
    this.announcer.takeOff(w.speedBox.value, w.angleBox.value);
    this.runningModel = this.model;
    this.frameTimesMs.length = 0;
    this.flightStartMs = this.time.now();
    w.posture.focus();
    this.player.startFlight(w.speedBox.value, w.angleBox.value, this.model, this.pace, design.frameDelayMs[this.pace], this.athlete);
    this.choosePanelCorner(this.player.runningFlight!);
    this.redraw();
  }

  private logChanged(): void {
    this.logStorage.save();
    this.logPanel?.refresh();
    this.redraw();
  }

  private replayLogged(number: number, currentCompared = true): void {
    this.comparison.currentCompared = currentCompared;
    this.player.stop();
    this.w.verdict.hidden = true;
    if (this.log.replay(this.player.native, number, this.design.frameDelayMs[this.pace])) {
      const shown = this.player.replayedFlight;
      if (shown) {
        this.runningModel = shown.modelName();
        this.choosePanelCorner(shown);
      }
      this.w.canvas.focus();
    }
  }

  private drawnFlights(): DrawnFlightFrames[] { return this.logStorage.drawn(this.tools.previous, this.player.flightRunning); }

  private replay(): void {
    const last = this.player.lastFlight;
    if (!last) { if (this.log.count()) this.replayLogged(this.log.newestNumber()); return; } // a reload: the log's newest
    this.runningModel = last.modelName();
    this.comparison.currentCompared = true;
    this.choosePanelCorner(last);
    this.w.canvas.focus();
    this.w.verdict.hidden = true;
    this.player.replayLastFlight(this.design.frameDelayMs[this.pace]);
  }

  private end(): void {
    this.player.stop();
    this.menu.close();
    showEndNote(this.texts);
  }

  private frameShown(live: boolean): void {
    if (live) this.frameTimesMs.push(this.time.now());
    const shown = this.player.shownFrames.at(-1);
    if (live && shown) this.announcer.frame(shown);
    this.redraw();
  }

  // Drawing waits for the browser's next animation frame; several frames in between draw once.
  redraw(): void {
    if (this.drawPending) return;
    this.drawPending = true;
    requestAnimationFrame(() => {
      this.drawPending = false;
      this.drawNow();
    });
  }

  drawNow(): void {
    const ctx = this.w.canvas.getContext('2d');
    if (!ctx) return;
    const state = this.canvasState();
    this.view.draw({ ctx, width: this.w.canvas.width, height: this.w.canvas.height, scale: this.deviceScale }, state);
    this.touch.showPanel(state.tools.data ? state.panelLines : [], state.landingLines);
    this.charts.show(this.chartsContent());
    this.w.root.dataset.frame = String(this.shownFrames().at(-1)?.frame ?? 0);
    this.w.root.dataset.paused = String(this.player.paused);
    this.w.root.dataset.state = this.player.flightRunning ? 'flight' : this.player.replayRunning ? 'replay' : 'idle';
    this.announcer.describe(this.stillDescription());
  }

  // What the canvas's description says: the frame on show while the flight stands still.
  private stillDescription(): string[] {
    const frames = this.shownFrames();
    const flight = this.player.flightRunning ? this.player.runningFlight : this.shownFlight();
    const moving = (this.player.flightRunning || this.player.replayRunning) && !this.player.paused;
    if (moving || !flight || !frames.length) return [];
    return flight.description(frames.length - 1, this.texts.decimalPoint).map((t) => this.texts.panel(t));
  }

  // The canvas drawn onto a worksheet picture's surface.
  drawInto(surface: Surface): void { this.view.drawPicture(surface, this.canvasState()); }

  // The frames on show; a flight just started shows the last frame of the one before until its
  // own first frame comes, as the window does.
  shownFrames(): Frame[] {
    if (this.held && this.player.flightRunning && this.player.shownCount === 0) return this.held.frames;
    return this.player.shownFrames;
  }

  private shownFlight() {
    return this.player.flightRunning ? null : (this.player.replayedFlight ?? this.player.lastFlight) ?? null;
  }

  canvasState(): CanvasState {
    const frames = this.shownFrames();
    const holding = this.held !== null && frames === this.held.frames;
    const flight = holding ? this.held!.flight : this.player.flightRunning ? this.player.runningFlight : this.shownFlight();
    const panel = this.texts.panelLines(flight && frames.length ? flight.panelLines(frames.length - 1, this.texts.decimalPoint)
                                                            : { lines: [], landingLines: 0 });
    return {
      frames,
      shown: this.drawnFlights(),
      comparisonRows: this.comparison.rows,
      currentCompared: this.comparison.currentCompared,
      tools: this.tools,
      model: this.runningModel,
      panelRight: this.panelRight,
      panelLines: panel.lines,
      landingLines: panel.landingLines,
    };
  }

  // Device pixels of a metre on this surface, in the view the tools choose.
  metrePx(surface: Surface): number {
    return this.design.canvas.unitsPerMetre * this.view.transform(surface, this.tools).sx;
  }

  // The landing's verdict under the canvas; the warning keeps its place until the next start.
  private showVerdict(): void {
    const verdict = this.player.lastFlight?.verdict(this.texts.decimalPoint) ?? null;
    // A comparison's verdicts stand in its table.
    if (!verdict || (this.tools.compare && !this.comparison.currentCompared)) return;
    this.w.verdict.textContent = this.texts.panel(verdict);
    this.w.verdict.hidden = !this.w.warning.hidden;
    this.announcer.landed(this.w.verdict.textContent);
  }

  private chartsContent(): ChartsContent {
    const shown = this.player.replayedFlight ?? this.player.lastFlight;
    const model = this.player.flightRunning ? this.runningModel : shown?.modelName() ?? this.model;
    const styles = this.design.canvas.shownStyles;
    // In a comparison the charts stand at its moment too.
    const moment = this.tools.compare && this.player.shownCount ? this.player.shownCount : undefined;
    return {
      model,
      frames: this.player.recordedFrames,
      shownCount: this.player.shownCount,
      beside: this.drawnFlights().map((f) => ({
        number: f.number, frames: f.frames.slice(0, moment), style: styles[f.style % styles.length], exact: f.exact,
      })),
    };
  }

  private choosePanelCorner(flight: FlightRecord): void {
    const ctx = this.w.canvas.getContext('2d');
    if (!ctx) return;
    const widest = this.texts.panelLines(this.module.widestPanelLines(this.model, flight.athlete, this.texts.decimalPoint));
    this.panelRight = this.view.panelBelongsRight({ ctx, width: this.w.canvas.width, height: this.w.canvas.height,
      scale: this.deviceScale }, widest, flight.centrePath(), this.tools, flight.athlete);
  }

  private setTools(chosen: Tools): void {
    const tools = coupledTools(chosen, this.tools);
    const comparing = tools.compare && !this.tools.compare;
    this.choices.tools = tools;
    this.remember();
    this.redraw();
    if (comparing) this.compare();
  }

  // The shown flights played together from take-off, the current flight left out.
  private compare(): void {
    const clock = this.comparison.clock(this.drawnFlights());
    if (clock) this.replayLogged(clock, false);
  }

  private setModel(model: Model): void {
    this.choices.model = model;
    this.storedModel = model;
    this.remember();
  }

  private setAthlete(athlete: Athlete): void { this.choices.athlete = athlete; this.remember(); }

  private remember(): void {
    this.choices.pace = this.pace;
    saveChoices(this.storage, { ...this.choices, model: this.storedModel });
  }

  private openMenu(x: number, y: number): void {
    this.menu.open(document.body, x, y, this.scale, {
      tools: this.tools,
      model: this.model,
      flightEnded: this.player.lastFlight !== null, canReplay: this.player.lastFlight !== null || this.log.count() > 0,
      canPause: this.player.flightRunning || this.player.replayRunning,
      canStep: this.player.canStep,
    });
  }

}
