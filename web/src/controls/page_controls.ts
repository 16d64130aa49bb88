// SPDX-License-Identifier: MIT
// What the page's controls do: the take-off texts and sliders with their starting values, Enter
// in a text and Start, End, the canvas's menu by right click, long press and the tools button,
// stepping by the mouse wheel, the arrow keys tapped in flight, the page's keys, and each entry of
// the canvas's menu. The page and its parts do the work; this only says which of it each control
// starts.
import { colourOf, kNoTools } from '../view/canvas_view';
import type { MenuActions } from './lesson_menu';
import type { PurzoPage } from '../page';
import { LandingMapDialog, type MapSetUp } from '../tools/landing_map_dialog';
import type { Prediction, TuckPlan } from '../plan_model';
import { VideoDialog } from '../video/video_dialog';
import type { TimeSource } from '../view/flight_player';
import { followSlider, movePosture } from './layout';
import { onArrowKeyTaps, onLongPress } from './touch';
import { onPageKey } from './page_keys';

export function setUpControls(page: PurzoPage, time: TimeSource): void {
  const { w, design, player } = page;
  const t = design.takeoff;
  w.speedBox.value = String(t.designSpeed);
  w.angleBox.value = String(t.designAngle);
  w.speedBar.value = String(t.designSpeed);
  w.angleBar.value = String(t.designAngle);
  w.posture.value = String(t.firstPosture);
  w.paces[page.choices.now.pace].checked = true;
  w.paces.forEach((p) => p.addEventListener('change', () => page.choices.remember()));
  const sliderValue = (text: string, lo: number, hi: number) =>
    page.module.sliderValueFor(text, lo, hi);
  followSlider(w.speedBox, w.speedBar, t.minSpeed, t.maxSpeed, sliderValue);
  followSlider(w.angleBox, w.angleBar, t.minAngle, t.maxAngle, sliderValue);
  for (const box of [w.speedBox, w.angleBox]) {
    box.addEventListener('keydown', (e) => {
      if (e.key === 'Enter') {
        e.preventDefault();
        page.startFlight();
      }
    });
  }
  w.start.addEventListener('click', () => page.startFlight());
  w.end.addEventListener('click', () => page.end());
  w.canvas.addEventListener('contextmenu', (e) => {
    e.preventDefault();
    page.openMenu(e.clientX, e.clientY);
  });
  onLongPress(w.canvas, (x, y) => page.openMenu(x, y), time);
  w.tools.addEventListener('click', () => {
    const b = w.tools.getBoundingClientRect();
    page.openMenu(b.left, b.bottom);
  });
  w.canvas.addEventListener(
    'wheel',
    (e) => {
      if (player.canStep && e.deltaY !== 0) {
        e.preventDefault();
        player.step(e.deltaY > 0 ? 1 : -1);
      }
    },
    { passive: false },
  );
  onArrowKeyTaps(w.arrowKeys.parentElement!, design.arrowKeys.widthPx, design.arrowKeys, (key) => {
    if (!player.flightRunning) return;
    movePosture(w, design, key === 'right' ? 1 : -1);
  });
  document.addEventListener('keydown', (e) =>
    onPageKey(e, {
      w,
      design,
      module: page.module,
      player,
      menuOpen: () => page.menu.isOpen,
      presentationKey: (action, onCanvas) =>
        page.presentation.key(action, onCanvas, () => page.startFlight()),
      openMenu: (x, y) => page.openMenu(x, y),
    }),
  );
}

// What each entry of the canvas's menu does on the page.
export function menuActions(page: PurzoPage): MenuActions {
  let map: LandingMapDialog | null = null; // made when first asked for
  let video: VideoDialog | null = null;
  // While the map is the video's, a cell of its take-off flies "what if" over the video.
  let videoMap: { speedMPerS: number; angleDeg: number; fly: (plan: TuckPlan) => void } | null =
    null;
  const openMap = (setUp: MapSetUp, forVideo: typeof videoMap) => {
    map ??= landingMapDialog(page, (speed, angle, plan) => {
      const v = videoMap;
      // The map's take-off is the filmed one to 0.1 m/s and 1°; the cell flies the filmed one.
      const same = (a: number, b: number) => Math.abs(a - b) < 1e-9;
      if (!v || !same(speed, Math.round(v.speedMPerS * 10) / 10)) return false;
      if (!same(angle, Math.round(v.angleDeg))) return false;
      v.fly(plan);
      return true;
    });
    videoMap = forVideo;
    map.open(setUp, page.scale);
  };
  return {
    toolsChanged: (tools) => page.setTools(tools),
    replay: () => page.replay(),
    pause: () => page.player.togglePause(),
    step: (delta) => page.player.step(delta),
    // For the take-off in the boxes as they stand, in the model and with the athlete chosen.
    tuckPlan: () =>
      page.tuckPlanDialog.open(
        {
          speedText: page.w.speedBox.value,
          angleText: page.w.angleBox.value,
          model: page.model,
          athlete: page.athlete,
        },
        page.scale,
        (flight) => page.startFlight(flight),
      ),
    landingMap: () => {
      const check = page.module.checkTakeoff(page.w.speedBox.value, page.w.angleBox.value);
      openMap(
        {
          model: page.model,
          athlete: page.athlete,
          speedMPerS: check.speed,
          angleDeg: check.angle,
          plan: page.tuckPlanDialog.lastPlan,
        },
        null,
      );
    },
    video: () => {
      video ??= new VideoDialog(page.module, page.texts, page.w.root.parentElement!, {
        massKg: () => page.athlete.massKg,
        whatIfColour: colourOf(page.design.canvas.shownStyles[1].colour),
        fitted: (input, fileName) => {
          page.log.logVideoFlight(input, fileName);
          page.logChanged();
        },
        // The filmed take-off and athlete in the exact model, by another plan.
        whatIf: (input, byMap, flown) => {
          const takeoff = page.module.videoTakeoff(input);
          if (!takeoff) return;
          const fly = (plan: TuckPlan, prediction: Prediction | null) => {
            const number = page.log.logWhatIf(input, plan, prediction);
            if (!number) return;
            page.logChanged();
            flown(plan, number);
          };
          const { speedMPerS, angleDeg, athlete } = takeoff;
          const plan = page.tuckPlanDialog.lastPlan;
          if (byMap) {
            const forVideo = { speedMPerS, angleDeg, fly: (p: TuckPlan) => fly(p, null) };
            openMap({ model: 'exact', athlete, speedMPerS, angleDeg, plan }, forVideo);
            return;
          }
          const typed = page.module.mapTakeoffTexts(speedMPerS, angleDeg, '.');
          page.tuckPlanDialog.open(
            { speedText: typed.speed, angleText: typed.angle, model: 'exact', athlete },
            page.scale,
            (flight) => fly(flight.plan, flight.prediction),
            page.texts.tr('purzo::ToolWindows', 'Was wäre, wenn…'),
          );
        },
      });
      video.open(page.scale);
    },
    charts: () => page.charts.open(page.shown.chartsContent(), page.scale),
    log: () => {
      page.logPanel.open(page.scale);
      page.fit();
    },
    presentation: () => page.presentation.toggle(),
    saveCsv: () => page.saves.saveCsv(),
    saveWorkbook: () => void page.saves.saveWorkbook(),
    savePicture: () => void page.saves.savePicture(),
    modelChanged: (model) => page.choices.setModel(model),
    athlete: () =>
      page.athleteDialog.open(page.athlete, page.scale, (a) => page.choices.setAthlete(a)),
    resetTools: () => {
      page.setTools({ ...kNoTools });
      page.choices.setModel('classic');
      page.choices.setAthlete(page.athleteDialog.standard());
    },
  };
}

// The landing map: a cell flies as the window flies it, its take-off typed into the boxes (the
// sliders following) and its plan flown as the tuck plan's are.
// `flyOver` takes a cell first, and says whether it flew it elsewhere.
function landingMapDialog(
  page: PurzoPage,
  flyOver: (speedMPerS: number, angleDeg: number, plan: TuckPlan) => boolean,
): LandingMapDialog {
  const { w, design, module, texts } = page;
  const t = design.takeoff;
  const limits = {
    minSpeed: t.minSpeed,
    maxSpeed: t.maxSpeed,
    minAngle: t.minAngle,
    maxAngle: t.maxAngle,
    firstStartFrame: module.planChoices(texts.language).firstStartFrame,
    depths: module.planChoices(texts.language).depths,
  };
  return new LandingMapDialog(module, texts, w.root.parentElement!, limits, {
    log: () => page.log,
    fly: (speed, angle, plan) => {
      if (flyOver(speed, angle, plan)) return;
      const typed = module.mapTakeoffTexts(speed, angle, texts.decimalPoint);
      w.speedBox.value = typed.speed;
      w.angleBox.value = typed.angle;
      for (const box of [w.speedBox, w.angleBox]) box.dispatchEvent(new Event('input'));
      page.startFlight({ plan, prediction: null });
    },
  });
}
