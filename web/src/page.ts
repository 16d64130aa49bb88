// SPDX-License-Identifier: MIT
// The page as the desktop window behaves, composed of its parts: the take-off check and its
// warning, flights started, replayed and ended, the verdict, the log's replays and the comparison,
// the fit to the browser's window and drawing once per animation frame. What each control starts
// is wired in controls/page_controls.ts. It shows what the model computes and never computes
// physics itself.
import { FlightAnnouncer } from './view/announcer';
import { AthleteDialog } from './controls/athlete_dialog';
import { beep } from './beep';
import { CanvasView, type CanvasState, type Surface, type Tools } from './view/canvas_view';
import { ChartsDialog } from './tools/charts_dialog';
import { type Choices, RememberedChoices } from './choices';
import { FlightPlayer, type TimeSource } from './view/flight_player';
import {
  type PageWindow,
  buildWindow,
  fitBesideStrip,
  fitScale,
  fitTargets,
  fitTexts,
  movePosture,
  showEndNote,
} from './controls/layout';
import { LessonMenu } from './controls/lesson_menu';
import { LogPanel, kLogStripPx } from './lesson/log_panel';
import { PageComparison, coupledTools } from './lesson/comparison';
import { menuActions, setUpControls } from './controls/page_controls';
import { LogStorage } from './lesson/log_storage';
import type { Athlete, Design, Model, PageLog, PurzoModule } from './model';
import type { PlannedFlight } from './plan_model';
import type { PagePictures } from './view/pictures';
import { PagePresentation } from './view/presentation';
import { ShownFlight } from './view/shown_flight';
import { TouchLayout } from './controls/touch_layout';
import { TuckPlanDialog } from './lesson/tuck_plan_dialog';
import { WorksheetSaves } from './lesson/worksheet';
import type { Texts } from './texts';

export class PurzoPage {
  readonly design: Design;
  readonly w: PageWindow;
  readonly player: FlightPlayer;
  readonly log: PageLog;
  readonly choices: RememberedChoices;
  // The parts the controls open (controls/page_controls.ts).
  readonly menu: LessonMenu;
  readonly charts: ChartsDialog;
  readonly athleteDialog: AthleteDialog;
  readonly tuckPlanDialog: TuckPlanDialog;
  readonly logPanel: LogPanel;
  readonly saves: WorksheetSaves;
  readonly presentation: PagePresentation;
  readonly shown: ShownFlight;
  private readonly view: CanvasView;
  private readonly logStorage: LogStorage;
  private readonly announcer: FlightAnnouncer;
  private readonly touch: TouchLayout;
  private readonly comparison: PageComparison;
  scale = 1; // the window's, as the last fit set it
  private drawPending = false;
  private presented = false; // the presentation as the last fit found it
  readonly frameTimesMs: number[] = []; // when each frame of the last flight was shown
  flightStartMs = 0;

  constructor(
    readonly module: PurzoModule,
    readonly texts: Texts,
    private readonly pictures: PagePictures,
    visit: Choices,
    storedModel: Model,
    storage: Storage | null,
    private readonly time: TimeSource,
    host: HTMLElement,
  ) {
    this.choices = new RememberedChoices(visit, storedModel, storage, () => this.pace);
    this.design = module.design();
    this.w = buildWindow(this.design, texts, host);
    this.view = new CanvasView(this.design.canvas, () => pictures.hall(this.deviceScale), module);
    this.announcer = new FlightAnnouncer(this.w.root, this.w.canvas, texts, time);
    this.presentation = new PagePresentation(this.w, this.design, module, this.view, () =>
      this.fit(),
    );
    this.player = new FlightPlayer(
      module,
      time,
      {
        frameShown: (live) => this.frameShown(live),
        flightFinished: () => {
          this.w.posture.disabled = false;
          this.log.logLast(this.player.native);
          this.showVerdict();
          this.logChanged(); // after the verdict: a log that cannot be stored says so in its place
        },
        replayFinished: () => {
          this.showVerdict();
          this.redraw();
        },
        pausedChanged: () => this.redraw(),
      },
      {
        read: () => Number(this.w.posture.value),
        show: (posture) => {
          this.w.posture.value = String(posture);
        },
      },
    );
    const p = this.player;
    this.touch = new TouchLayout(this.w, texts, {
      running: () => p.flightRunning || p.replayRunning,
      canStep: () => p.canStep,
      togglePause: () => p.togglePause(),
      step: (d) => p.step(d),
      movePosture: (d) => movePosture(this.w, this.design, d),
    });
    this.menu = new LessonMenu(texts, this.design.lessonMenu, menuActions(this));
    this.charts = new ChartsDialog(module, texts, host);
    this.athleteDialog = new AthleteDialog(module, texts, host);
    this.tuckPlanDialog = new TuckPlanDialog(module, texts, host);
    this.log = new module.PageLog();
    this.logStorage = new LogStorage(
      this.log,
      storage,
      texts,
      (message) => {
        this.w.verdict.textContent = message;
        this.w.verdict.hidden = false;
        this.announcer.announce(message);
      },
      () => {
        this.logPanel?.refresh();
        this.redraw();
      },
    );
    this.logStorage.load();
    this.logPanel = new LogPanel(
      this.log,
      texts,
      module.quantityHeader('number', texts.language),
      this.design.postureStrip,
      {
        changed: () => this.logChanged(),
        replay: (number) => this.replayLogged(number),
        saveWorkbook: () => void this.saves.saveLogWorkbook(),
        printLessonSheet: () => this.saves.printLessonSheet(),
        fileName: (ext) =>
          module.logFileName(this.log.group(), new Date().toISOString().slice(0, 10), ext),
        closed: () => this.fit(),
        compare: () =>
          this.tools.compare ? this.compare() : this.setTools({ ...this.tools, compare: true }),
      },
      host,
    );
    this.saves = new WorksheetSaves(this);
    this.comparison = new PageComparison(module, texts);
    this.shown = new ShownFlight(
      module,
      texts,
      this.design,
      this.player,
      this.view,
      this.w.canvas,
      this.choices.now,
      this.logStorage,
      this.comparison,
      () => this.deviceScale,
    );
    this.setUp();
  }

  get deviceScale(): number {
    return this.scale * (window.devicePixelRatio || 1);
  }
  get tools(): Tools {
    return this.choices.now.tools;
  }
  get model(): Model {
    return this.choices.now.model;
  }
  get athlete(): Athlete {
    return this.choices.now.athlete;
  }
  get pace(): number {
    return Math.max(
      0,
      this.w.paces.findIndex((p) => p.checked),
    );
  }

  private setUp(): void {
    setUpControls(this, this.time);
    window.addEventListener('resize', () => this.fit());
    matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener?.('change', () =>
      this.fit(),
    );
    this.pictures.onLoaded(() => {
      this.fit();
      this.redraw();
    });
    this.fit();
    fitTexts(this.w.root);
    this.w.canvas.focus();
  }

  fit(): void {
    const [viewWidth, viewHeight] = [document.documentElement.clientWidth, window.innerHeight];
    const { scale, left, top } = this.presentation.active
      ? this.presentation.fit(viewWidth, viewHeight)
      : fitScale(viewWidth, viewHeight, this.design);
    // The log stands over the presentation only when opened in it.
    if (this.presentation.active && !this.presented) this.logPanel?.close();
    this.presented = this.presentation.active;
    const touch = this.touch.apply(viewWidth, viewHeight, this.presentation.active ? 1 : scale);
    // The open log takes a strip at the right, never the controls or the canvas.
    const beside =
      !touch && !this.presentation.active && this.logPanel?.isOpen
        ? fitBesideStrip(viewWidth, viewHeight, this.design, kLogStripPx)
        : null;
    this.logPanel?.placeIn(beside ? beside.stripLeft : null);
    this.view.panelOnCanvas = !touch;
    this.scale = touch
      ? this.touch.canvasScale(this.design.canvas.areaWidthPx)
      : (beside?.scale ?? scale);
    const at = beside ?? { left, top, scale };
    if (!touch)
      this.w.root.style.transform = `translate(${at.left}px, ${at.top}px) scale(${at.scale})`;
    fitTargets(this.w, this.scale);
    const ratio = this.deviceScale;
    const c = this.design.canvas;
    this.w.canvas.width = Math.round(c.areaWidthPx * ratio);
    this.w.canvas.height = Math.round(c.areaHeightPx * ratio);
    this.pictures.showIn(this.w.arrowKeys, this.w.mark, this.texts.language, ratio);
    this.redraw();
  }

  // A planned flight's bar only shows the plan: the keys, taps and the bar change nothing in it.
  startFlight(planned: PlannedFlight | null = null): void {
    const { w, design } = this;
    this.shown.holdForStart();
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
    w.posture.disabled = planned !== null;
    this.announcer.takeOff(w.speedBox.value, w.angleBox.value);
    this.frameTimesMs.length = 0;
    this.flightStartMs = this.time.now();
    (planned ? w.canvas : w.posture).focus();
    this.player.startFlight(
      w.speedBox.value,
      w.angleBox.value,
      this.model,
      this.pace,
      design.frameDelayMs[this.pace],
      this.athlete,
      planned,
    );
    this.shown.follow(this.player.runningFlight!, this.model);
    this.redraw();
  }

  // The log changed: stored, its panel and the canvas shown anew.
  logChanged(): void {
    this.logStorage.save();
    this.logPanel?.refresh();
    this.redraw();
  }

  private replayLogged(number: number, currentCompared = true): void {
    this.comparison.currentCompared = currentCompared;
    this.player.stop();
    this.w.posture.disabled = false; // a replay plays what was recorded
    this.w.verdict.hidden = true;
    if (this.log.replay(this.player.native, number, this.design.frameDelayMs[this.pace])) {
      const replayed = this.player.replayedFlight;
      if (replayed) this.shown.follow(replayed, replayed.modelName());
      this.w.canvas.focus();
    }
  }

  replay(): void {
    const last = this.player.lastFlight;
    if (!last) {
      // A reload: the log's newest.
      if (this.log.count()) this.replayLogged(this.log.newestNumber());
      return;
    }
    this.shown.follow(last, last.modelName());
    this.comparison.currentCompared = true;
    this.w.canvas.focus();
    this.w.verdict.hidden = true;
    this.w.posture.disabled = false;
    this.player.replayLastFlight(this.design.frameDelayMs[this.pace]);
  }

  end(): void {
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
    const state = this.shown.canvasState();
    this.view.draw(
      { ctx, width: this.w.canvas.width, height: this.w.canvas.height, scale: this.deviceScale },
      state,
    );
    this.touch.showPanel(state.tools.data ? state.panelLines : [], state.landingLines);
    this.charts.show(this.shown.chartsContent());
    this.w.root.dataset.frame = String(this.shown.frames().at(-1)?.frame ?? 0);
    this.w.root.dataset.paused = String(this.player.paused);
    this.w.root.dataset.state = this.player.flightRunning
      ? 'flight'
      : this.player.replayRunning
        ? 'replay'
        : 'idle';
    this.announcer.describe(this.shown.stillDescription());
  }

  // The canvas drawn onto a worksheet picture's surface.
  drawInto(surface: Surface): void {
    this.view.drawPicture(surface, this.shown.canvasState());
  }

  // The canvas's state for a worksheet's caption.
  canvasState(): CanvasState {
    return this.shown.canvasState();
  }

  // Device pixels of a metre on this surface, in the view the tools choose.
  metrePx(surface: Surface): number {
    return this.shown.metrePx(surface);
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

  setTools(chosen: Tools): void {
    const tools = coupledTools(chosen, this.tools);
    const comparing = tools.compare && !this.tools.compare;
    this.choices.setTools(tools);
    this.redraw();
    if (comparing) this.compare();
  }

  // The shown flights played together from take-off, the current flight left out.
  private compare(): void {
    const clock = this.comparison.clock(this.shown.drawn());
    if (clock) this.replayLogged(clock, false);
  }

  openMenu(x: number, y: number): void {
    this.menu.open(document.body, x, y, this.scale, {
      tools: this.tools,
      model: this.model,
      flightEnded: this.player.lastFlight !== null,
      canReplay: this.player.lastFlight !== null || this.log.count() > 0,
      canPause: this.player.flightRunning || this.player.replayRunning,
      canStep: this.player.canStep,
    });
  }
}
