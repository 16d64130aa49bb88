// SPDX-License-Identifier: MIT
// The designed window as HTML: every control of the control table at its rectangle, with its
// font, colour and text, scaled as a whole to the viewport by the desktop window's rule (the
// largest scale that shows it whole, centred).
import type { ControlDesign, Design } from '../model';
import { type Texts, fill } from '../texts';

export interface PageWindow {
  root: HTMLElement;
  canvasFrame: HTMLElement;
  canvas: HTMLCanvasElement;
  tools: HTMLButtonElement; // "Werkzeuge ▾" in the canvas's corner
  posture: HTMLInputElement; // the posture bar: under the canvas, as designed
  speedBox: HTMLInputElement;
  angleBox: HTMLInputElement;
  speedBar: HTMLInputElement;
  angleBar: HTMLInputElement;
  start: HTMLButtonElement;
  end: HTMLButtonElement;
  paces: HTMLInputElement[];
  warning: HTMLElement;
  verdict: HTMLElement;
  arrowKeys: HTMLImageElement;
  mark: HTMLImageElement;
}

const kFamilies: Record<ControlDesign['font']['face'], string> = {
  msSansSerif:
    '"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", Arial, Arimo, "DejaVu Sans", sans-serif',
  arial: 'Arial, "Liberation Sans", Arimo, "DejaVu Sans", sans-serif',
  arialBlack: '"Arial Black", "Liberation Sans", Arial, Arimo, "DejaVu Sans", sans-serif',
};

export function cssFont(font: ControlDesign['font'], sizeFactor = 1): string {
  const weight = font.face === 'arialBlack' ? 900 : font.bold ? 700 : 400;
  return `${weight} ${(((font.pointSize * 96) / 72) * sizeFactor).toFixed(3)}px ${kFamilies[font.face]}`;
}

// The smallest target a finger or an unsteady hand hits, CSS pixels.
const kMinTargetPx = 24;

export function cssColour(rgb: number): string {
  return `#${(rgb >>> 0).toString(16).padStart(6, '0').slice(-6)}`;
}

function place(element: HTMLElement, c: ControlDesign, twipsPerPixel: number): void {
  const r = c.rectTwips;
  Object.assign(element.style, {
    left: `${r.left / twipsPerPixel}px`,
    top: `${r.top / twipsPerPixel}px`,
    width: `${r.width / twipsPerPixel}px`,
    height: `${r.height / twipsPerPixel}px`,
    font: cssFont(c.font),
  });
  if (c.colour !== null) element.style.color = cssColour(c.colour);
  if (c.background !== null) element.style.background = cssColour(c.background);
  if (c.centred) element.style.textAlign = 'center';
  element.dataset.control = c.name;
}

function make<K extends keyof HTMLElementTagNameMap>(
  tag: K,
  className: string,
): HTMLElementTagNameMap[K] {
  const element = document.createElement(tag);
  element.className = className;
  return element;
}

export function buildWindow(design: Design, texts: Texts, host: HTMLElement): PageWindow {
  const tr = (source: string) => texts.tr('purzo::PurzoWindow', source);
  const root = make('div', 'window');
  root.style.width = `${design.clientWidthPx}px`;
  root.style.height = `${design.clientHeightPx}px`;
  root.setAttribute('role', 'application');
  root.setAttribute('aria-label', 'Purzosimulation');
  const named = new Map<string, HTMLElement>();
  let frame: HTMLElement | null = null;

  for (const c of design.controls) {
    let element: HTMLElement;
    switch (c.kind) {
      case 'label': {
        element = make('div', 'label');
        element.textContent =
          c.name === 'Label19'
            ? fill(
                tr(c.text),
                String(design.takeoff.standardSpeed),
                String(design.takeoff.standardAngle),
              )
            : tr(c.text);
        break;
      }
      case 'canvas': {
        element = make('div', 'canvas-frame');
        const canvas = make('canvas', 'canvas');
        canvas.tabIndex = 0;
        canvas.setAttribute('role', 'img');
        canvas.setAttribute('aria-label', tr('Flugbild'));
        // The visible way into the canvas's menu, for everyone who does not know the right click.
        const tools = make('button', 'tools-button');
        tools.type = 'button';
        tools.textContent = texts.tr('purzo::ToolsButton', 'Werkzeuge ▾');
        tools.setAttribute('aria-haspopup', 'menu');
        element.append(canvas, tools);
        break;
      }
      case 'scrollBar': {
        const bar = make('input', 'bar');
        bar.type = 'range';
        if (c.name === 'HScroll1') {
          bar.className = 'posture-bar';
          bar.min = String(design.takeoff.firstPosture);
          bar.max = String(design.takeoff.lastPosture);
          bar.setAttribute('aria-label', tr('Körperposition'));
          // Invisible: the arrow keys and the taps move it, never the tab key.
          bar.tabIndex = -1;
          bar.setAttribute('aria-hidden', 'true');
        } else {
          const speed = c.name === 'HScroll_geschw';
          bar.min = String(speed ? design.takeoff.minSpeed : design.takeoff.minAngle);
          bar.max = String(speed ? design.takeoff.maxSpeed : design.takeoff.maxAngle);
          bar.setAttribute(
            'aria-label',
            tr(speed ? 'Geschwindigkeit in m/s (4 - 8)' : 'Winkel in Grad (30° - 80°)'),
          );
        }
        bar.step = '1';
        element = bar;
        place(element, c, design.twipsPerPixel);
        if (c.name !== 'HScroll1') {
          // Below its text box, not under its edge, so that neither hides part of the other.
          const box = design.controls.find(
            (d) => d.name === (c.name === 'HScroll_geschw' ? 'Text1' : 'Text2'),
          )!;
          const top =
            Math.max(c.rectTwips.top, box.rectTwips.top + box.rectTwips.height) /
            design.twipsPerPixel;
          element.style.top = `${top}px`;
          element.dataset.trackPx = String(c.rectTwips.height / design.twipsPerPixel);
        }
        break;
      }
      case 'textBox': {
        const box = make('input', 'box');
        box.type = 'text';
        box.inputMode = 'decimal';
        box.autocomplete = 'off';
        box.spellcheck = false;
        if (c.name === 'Text3')
          box.hidden = true; // the designed, never shown height box
        // Named by the label beside it, as it reads on screen.
        else
          box.setAttribute(
            'aria-labelledby',
            `control-${c.name === 'Text1' ? 'Label1' : 'Label2'}`,
          );
        element = box;
        break;
      }
      case 'button': {
        const button = make('button', 'button');
        button.type = 'button';
        button.textContent = tr(c.text);
        element = button;
        break;
      }
      case 'frame': {
        element = make('fieldset', 'frame');
        const legend = make('legend', 'frame-title');
        legend.textContent = tr(c.text);
        element.append(legend);
        frame = element;
        break;
      }
      case 'option': {
        element = make('label', 'option');
        const radio = make('input', 'option-radio');
        radio.type = 'radio';
        radio.name = 'pace';
        const text = make('span', 'option-text');
        text.textContent = tr(c.text);
        element.append(radio, text);
        break;
      }
      case 'pictureBox': {
        element = make('div', c.name === 'Picture2' ? 'picture sunken' : 'picture');
        const img = make('img', 'picture-img');
        img.draggable = false;
        img.alt = tr(c.name === 'Picture2' ? 'Pfeiltasten' : 'Zeichen');
        element.append(img);
        break;
      }
    }
    if (c.kind !== 'scrollBar') place(element, c, design.twipsPerPixel);
    element.id = `control-${c.name}`;
    named.set(c.name, element);
    (c.inFrame && frame ? frame : root).append(element);
  }
  // Tab and reading order follow the eye: the canvas's column, then the instructions' column,
  // each from top to bottom; the designed tab indices do not (they begin with "Programm Ende").
  const canvasDesign = design.controls.find((c) => c.kind === 'canvas')!.rectTwips;
  const canvasRight = canvasDesign.left + canvasDesign.width;
  // Controls whose tops lie within a line of each other are one row, read from left to right.
  const kRowTwips = 300;
  const column = (c: ControlDesign) => (c.rectTwips.left >= canvasRight ? 1 : 0);
  const before = (a: ControlDesign, b: ControlDesign) =>
    column(a) - column(b) ||
    (Math.abs(a.rectTwips.top - b.rectTwips.top) < kRowTwips
      ? a.rectTwips.left - b.rectTwips.left
      : a.rectTwips.top - b.rectTwips.top);
  for (const c of design.controls.filter((d) => !d.inFrame).sort(before))
    root.append(named.get(c.name)!);
  host.append(root);

  const get = <T extends HTMLElement>(name: string, selector?: string): T => {
    const element = named.get(name);
    if (!element) throw new Error(`the design lacks ${name}`);
    return (selector ? element.querySelector(selector) : element) as T;
  };
  const warning = get<HTMLElement>('Label19');
  warning.hidden = true;
  warning.setAttribute('role', 'alert');
  // The landing's verdict stands where the warning does, in the blue of the notes' heading; the
  // flight's live region says it.
  const verdict = make('div', 'label verdict');
  verdict.style.cssText = warning.style.cssText;
  const blue = design.controls.find((c) => c.name === 'Label3')?.colour;
  if (blue !== undefined && blue !== null) verdict.style.color = cssColour(blue);
  verdict.dataset.control = 'VerdictLine';
  verdict.hidden = true;
  root.append(verdict);
  return {
    root,
    canvasFrame: get('Picture1'),
    canvas: get('Picture1', 'canvas'),
    tools: get('Picture1', '.tools-button'),
    posture: get('HScroll1'),
    speedBox: get('Text1'),
    angleBox: get('Text2'),
    speedBar: get('HScroll_geschw'),
    angleBar: get('HScroll_angle'),
    start: get('Start'),
    end: get('Ende'),
    paces: ['Option1', 'Option2', 'Option3'].map((n) => get<HTMLInputElement>(n, 'input')),
    warning,
    verdict,
    arrowKeys: get('Picture2', 'img'),
    mark: get('Picture3', 'img'),
  };
}

// Where a text overflows its control in the browser's fonts, its font shrinks until it fits, so
// that no text is cut, as in the desktop window.
export function fitTexts(root: HTMLElement): void {
  for (const element of root.querySelectorAll<HTMLElement>('.label, .button, .option'))
    fitText(element);
}

export function fitText(element: HTMLElement): void {
  const wasHidden = element.hidden;
  element.hidden = false;
  const base = parseFloat(getComputedStyle(element).fontSize);
  for (let factor = 1; factor > 0.5; factor *= 0.97) {
    if (
      element.scrollHeight <= element.clientHeight + 1 &&
      element.scrollWidth <= element.clientWidth + 1
    )
      break;
    element.style.fontSize = `${(base * factor * 0.97).toFixed(2)}px`;
  }
  element.hidden = wasHidden;
}

// The sliders keep their designed track and grow below it to a target of kMinTargetPx CSS pixels
// at this scale; the text boxes grow to it too.
export function fitTargets(w: PageWindow, scale: number): void {
  // The text boxes grow upwards: the slider below each begins at its lower edge.
  for (const box of [w.speedBox, w.angleBox]) {
    box.dataset.top ??= box.style.top;
    box.dataset.height ??= box.style.height;
    const designed = parseFloat(box.dataset.height);
    const heightPx = Math.max(designed, Math.ceil((kMinTargetPx / scale) * 10) / 10);
    box.style.height = `${heightPx}px`;
    box.style.top = `${parseFloat(box.dataset.top) - (heightPx - designed)}px`;
  }
  for (const bar of [w.speedBar, w.angleBar]) {
    const trackPx = Number(bar.dataset.trackPx);
    const heightPx = Math.max(trackPx, Math.ceil((kMinTargetPx / scale) * 10) / 10);
    bar.style.height = `${heightPx}px`;
    bar.style.paddingBottom = `${heightPx - trackPx}px`;
  }
}

// With a tool panel open: the window at the left, as large as it stays whole beside a strip at
// the right at least `stripPx` wide; the strip takes all the width the window leaves.
export function fitBesideStrip(
  viewWidth: number,
  viewHeight: number,
  design: Design,
  stripPx: number,
): { scale: number; left: number; top: number; stripLeft: number } {
  const { scale } = fitScale(Math.max(1, viewWidth - stripPx), viewHeight, design);
  const width = Math.ceil(design.clientWidthPx * scale);
  return {
    scale,
    left: 0,
    top: Math.round((viewHeight - design.clientHeightPx * scale) / 2),
    stripLeft: width,
  };
}

// The scale that shows the whole window in the viewport and the offset that centres it.
export function fitScale(
  viewWidth: number,
  viewHeight: number,
  design: Design,
): { scale: number; left: number; top: number } {
  const scale = Math.min(viewWidth / design.clientWidthPx, viewHeight / design.clientHeightPx);
  return {
    scale,
    left: Math.round((viewWidth - design.clientWidthPx * scale) / 2),
    top: Math.round((viewHeight - design.clientHeightPx * scale) / 2),
  };
}

// A typed value inside the range moves its slider to the nearest whole value; the text stays.
// Moving the slider writes its value into the box.
export function followSlider(
  box: HTMLInputElement,
  bar: HTMLInputElement,
  lo: number,
  hi: number,
  sliderValueFor: (text: string, lo: number, hi: number) => number | null,
): void {
  box.addEventListener('input', () => {
    const value = sliderValueFor(box.value, lo, hi);
    if (value !== null) bar.value = String(value);
  });
  bar.addEventListener('input', () => {
    box.value = bar.value;
  });
}

// "Programm Ende": a note over the page, for browsers that keep a page open after close().
export function showEndNote(texts: Texts): void {
  const overlay = document.createElement('div');
  overlay.className = 'ended';
  const text = document.createElement('p');
  text.textContent = texts.page('ended');
  const again = document.createElement('button');
  again.className = 'button';
  again.textContent = texts.page('restart');
  again.addEventListener('click', () => overlay.remove());
  overlay.append(text, again);
  document.body.append(overlay);
  window.close(); // only where the page was opened as its own window; otherwise the note stays
  again.focus();
}

// One posture step in flight, as an arrow key or a tap makes it, within 1 to 7.
export function movePosture(w: PageWindow, design: Design, delta: number): void {
  if (w.posture.disabled) return; // a planned flight's bar shows the plan alone
  const t = design.takeoff;
  w.posture.value = String(
    Math.min(t.lastPosture, Math.max(t.firstPosture, Number(w.posture.value) + delta)),
  );
}
