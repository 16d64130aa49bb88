// SPDX-License-Identifier: MIT
// The designed window as HTML: every control of the control table at its rectangle, with its
// font, colour and text, scaled as a whole to the viewport by the desktop window's rule (the
// largest scale that shows it whole, centred).
import type { ControlDesign, Design } from './model';
import { Texts, fill } from './texts';

export interface PageWindow {
  root: HTMLElement;
  canvasFrame: HTMLElement;
  canvas: HTMLCanvasElement;
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
  msSansSerif: '"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", Arial, Arimo, "DejaVu Sans", sans-serif',
  arial: 'Arial, "Liberation Sans", Arimo, "DejaVu Sans", sans-serif',
  arialBlack: '"Arial Black", "Liberation Sans", Arial, Arimo, "DejaVu Sans", sans-serif',
};

export function cssFont(font: ControlDesign['font'], sizeFactor = 1): string {
  const weight = font.face === 'arialBlack' ? 900 : font.bold ? 700 : 400;
  return `${weight} ${(font.pointSize * 96 / 72 * sizeFactor).toFixed(3)}px ${kFamilies[font.face]}`;
}

export function cssColour(rgb: number): string {
  return '#' + (rgb >>> 0).toString(16).padStart(6, '0').slice(-6);
}

function place(element: HTMLElement, c: ControlDesign, twipsPerPixel: number): void {
  const r = c.rectTwips;
  Object.assign(element.style, {
    left: `${r.left / twipsPerPixel}px`, top: `${r.top / twipsPerPixel}px`,
    width: `${r.width / twipsPerPixel}px`, height: `${r.height / twipsPerPixel}px`,
    font: cssFont(c.font),
  });
  if (c.colour !== null) element.style.color = cssColour(c.colour);
  if (c.background !== null) element.style.background = cssColour(c.background);
  if (c.centred) element.style.textAlign = 'center';
  element.dataset.control = c.name;
}

function make<K extends keyof HTMLElementTagNameMap>(tag: K, className: string): HTMLElementTagNameMap[K] {
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
  const focusable = (element: HTMLElement, c: ControlDesign) => {
    element.tabIndex = c.tabIndex + 1;
  };

  for (const c of design.controls) {
    let element: HTMLElement;
    switch (c.kind) {
      case 'label': {
        element = make('div', 'label');
        element.textContent = c.name === 'Label19'
          ? fill(tr(c.text), String(design.takeoff.standardSpeed), String(design.takeoff.standardAngle))
          : tr(c.text);
        break;
      }
      case 'canvas': {
        element = make('div', 'canvas-frame');
        const canvas = make('canvas', 'canvas');
        canvas.tabIndex = c.tabIndex + 1;
        canvas.setAttribute('role', 'img');
        canvas.setAttribute('aria-label', tr('Flugbild'));
        element.append(canvas);
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
        } else {
          const speed = c.name === 'HScroll_geschw';
          bar.min = String(speed ? design.takeoff.minSpeed : design.takeoff.minAngle);
          bar.max = String(speed ? design.takeoff.maxSpeed : design.takeoff.maxAngle);
          bar.setAttribute('aria-label', tr(speed ? 'Geschwindigkeit in m/s (4 - 8)' : 'Winkel in Grad (30° - 80°)'));
        }
        bar.step = '1';
        focusable(bar, c);
        element = bar;
        break;
      }
      case 'textBox': {
        const box = make('input', 'box');
        box.type = 'text';
        box.inputMode = 'decimal';
        box.autocomplete = 'off';
        box.spellcheck = false;
        if (c.name === 'Text3') box.hidden = true; // the designed, never shown height box
        focusable(box, c);
        element = box;
        break;
      }
      case 'button': {
        const button = make('button', 'button');
        button.type = 'button';
        button.textContent = tr(c.text);
        focusable(button, c);
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
        focusable(radio, c);
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
    place(element, c, design.twipsPerPixel);
    named.set(c.name, element);
    (c.inFrame && frame ? frame : root).append(element);
  }
  host.append(root);

  const get = <T extends HTMLElement>(name: string, selector?: string): T => {
    const element = named.get(name);
    if (!element) throw new Error(`the design lacks ${name}`);
    return (selector ? element.querySelector(selector) : element) as T;
  };
  const warning = get<HTMLElement>('Label19');
  warning.hidden = true;
  // The landing's verdict stands where the warning does, in the blue of the notes' heading.
  const verdict = make('div', 'label verdict');
  verdict.setAttribute('role', 'status');
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
  for (const element of root.querySelectorAll<HTMLElement>('.label, .button, .option')) {
    const wasHidden = element.hidden;
    element.hidden = false;
    const base = parseFloat(getComputedStyle(element).fontSize);
    for (let factor = 1; factor > 0.5; factor *= 0.97) {
      if (element.scrollHeight <= element.clientHeight + 1 && element.scrollWidth <= element.clientWidth + 1) break;
      element.style.fontSize = `${(base * factor * 0.97).toFixed(2)}px`;
    }
    element.hidden = wasHidden;
  }
}

// The scale that shows the whole window in the viewport and the offset that centres it.
export function fitScale(viewWidth: number, viewHeight: number, design: Design): { scale: number; left: number; top: number } {
  const scale = Math.min(viewWidth / design.clientWidthPx, viewHeight / design.clientHeightPx);
  return {
    scale,
    left: Math.round((viewWidth - design.clientWidthPx * scale) / 2),
    top: Math.round((viewHeight - design.clientHeightPx * scale) / 2),
  };
}
