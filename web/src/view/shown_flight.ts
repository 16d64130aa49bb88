// SPDX-License-Identifier: MIT
// What the page has on show of its flights: the frames shown and the flight they belong to, the
// model and panel corner of the flight on show, and from them the canvas's state, the charts'
// content and the still canvas's description. It only picks from what the player and the log
// hold; the page asks it on every draw.
import {
  type CanvasState,
  type CanvasView,
  colourOf,
  type DrawnFlightFrames,
  type Surface,
} from './canvas_view';
import type { ChartsContent } from '../tools/charts_dialog';
import type { Choices } from '../choices';
import type { FlightPlayer, FlightRecord } from './flight_player';
import type { Design, Frame, Model, PurzoModule } from '../model';
import type { LogStorage } from '../lesson/log_storage';
import type { PageComparison } from '../lesson/comparison';
import type { Texts } from '../texts';

export class ShownFlight {
  private runningModel: Model = 'classic';
  private panelRight = false;
  // The frames and record shown when Start was pressed, until the new flight's first frame.
  private held: { frames: Frame[]; flight: FlightRecord } | null = null;

  constructor(
    private readonly module: PurzoModule,
    private readonly texts: Texts,
    private readonly design: Design,
    private readonly player: FlightPlayer,
    private readonly view: CanvasView,
    private readonly canvas: HTMLCanvasElement,
    private readonly choices: Choices,
    private readonly logStorage: LogStorage,
    private readonly comparison: PageComparison,
    private readonly deviceScale: () => number,
  ) {}

  // Keeps what is on show now for the flight about to start, before the player lets it go.
  holdForStart(): void {
    const before = this.player.flightRunning ? this.player.runningFlight : this.flight();
    this.held = before ? { frames: this.frames(), flight: before } : null;
  }

  // The flight now on show came from `model`: the panel takes its corner for that flight.
  follow(flight: FlightRecord, model: Model): void {
    this.runningModel = model;
    this.choosePanelCorner(flight);
  }

  // The frames on show; a flight just started shows the last frame of the one before until its
  // own first frame comes, as the window does.
  frames(): Frame[] {
    if (this.held && this.player.flightRunning && this.player.shownCount === 0)
      return this.held.frames;
    return this.player.shownFrames;
  }

  private flight() {
    return this.player.flightRunning
      ? null
      : (this.player.replayedFlight ?? this.player.lastFlight ?? null);
  }

  drawn(): DrawnFlightFrames[] {
    return this.logStorage.drawn(this.choices.tools.previous, this.player.flightRunning);
  }

  // What the canvas's description says: the frame on show while the flight stands still.
  stillDescription(): string[] {
    const frames = this.frames();
    const flight = this.player.flightRunning ? this.player.runningFlight : this.flight();
    const moving = (this.player.flightRunning || this.player.replayRunning) && !this.player.paused;
    if (moving || !flight || !frames.length) return [];
    return flight
      .description(frames.length - 1, this.texts.decimalPoint)
      .map((t) => this.texts.panel(t));
  }

  canvasState(): CanvasState {
    const frames = this.frames();
    const holding = this.held !== null && frames === this.held.frames;
    const flight = holding
      ? this.held!.flight
      : this.player.flightRunning
        ? this.player.runningFlight
        : this.flight();
    const panel = this.texts.panelLines(
      flight && frames.length
        ? flight.panelLines(frames.length - 1, this.texts.decimalPoint)
        : { lines: [], landingLines: 0 },
    );
    return {
      frames,
      shown: this.drawn(),
      comparisonRows: this.comparison.rows,
      comparisonStrip: {
        row: this.comparison.stripRow,
        shades: this.design.postureStrip.shades.map(colourOf),
      },
      currentCompared: this.comparison.currentCompared,
      tools: this.choices.tools,
      model: this.runningModel,
      panelRight: this.panelRight,
      panelLines: panel.lines,
      landingLines: panel.landingLines,
    };
  }

  // Device pixels of a metre on this surface, in the view the tools choose.
  metrePx(surface: Surface): number {
    return this.design.canvas.unitsPerMetre * this.view.transform(surface, this.choices.tools).sx;
  }

  chartsContent(): ChartsContent {
    const shown = this.player.replayedFlight ?? this.player.lastFlight;
    const model = this.player.flightRunning
      ? this.runningModel
      : (shown?.modelName() ?? this.choices.model);
    const styles = this.design.canvas.shownStyles;
    // In a comparison the charts stand at its moment too.
    const moment =
      this.choices.tools.compare && this.player.shownCount ? this.player.shownCount : undefined;
    return {
      model,
      frames: this.player.recordedFrames,
      shownCount: this.player.shownCount,
      beside: this.drawn().map((f) => ({
        number: f.number,
        frames: f.frames.slice(0, moment),
        style: styles[f.style % styles.length],
        exact: f.exact,
      })),
    };
  }

  private choosePanelCorner(flight: FlightRecord): void {
    const ctx = this.canvas.getContext('2d');
    if (!ctx) return;
    const widest = this.texts.panelLines(
      this.module.widestPanelLines(this.choices.model, flight.athlete, this.texts.decimalPoint),
    );
    this.panelRight = this.view.panelBelongsRight(
      { ctx, width: this.canvas.width, height: this.canvas.height, scale: this.deviceScale() },
      widest,
      flight.centrePath(),
      this.choices.tools,
      flight.athlete,
    );
  }
}
