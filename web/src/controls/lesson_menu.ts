// SPDX-License-Identifier: MIT
// The canvas's menu, from the same design as the desktop's: the lesson tools, replay, pause and
// stepping, charts, the saves, the model, the athlete and the reset, in their order with their
// accelerator letters.
import type { Tools } from '../view/canvas_view';
import type { MenuEntryDesign, Model } from '../model';
import { type Texts, splitAccelerator } from '../texts';
import { sizeDialogText } from './dialog_text';

export interface MenuState {
  tools: Tools;
  model: Model;
  flightEnded: boolean; // a flight has landed: replay, previous flight and the flight's saves
  canReplay: boolean; // a flight to replay: the last flown, or after a reload the log's newest
  canPause: boolean;
  canStep: boolean;
}

export interface MenuActions {
  toolsChanged(tools: Tools): void;
  replay(): void;
  pause(): void;
  step(delta: number): void;
  tuckPlan(): void;
  landingMap(): void;
  video(): void;
  charts(): void;
  log(): void;
  presentation(): void;
  saveCsv(): void;
  saveWorkbook(): void;
  savePicture(): void;
  modelChanged(model: Model): void;
  athlete(): void;
  resetTools(): void;
}

// When an entry may be chosen, by the name its design gives the rule.
const kEnabled: Record<MenuEntryDesign['enabled'], (s: MenuState) => boolean> = {
  always: () => true,
  flightEnded: (s) => s.flightEnded,
  canReplay: (s) => s.canReplay,
  canPause: (s) => s.canPause,
  canStep: (s) => s.canStep,
};

type Entry =
  | {
      kind: 'tool';
      name: string;
      text: string;
      tool: keyof Tools;
      enabled: (s: MenuState) => boolean;
    }
  | {
      kind: 'action';
      name: string;
      text: string;
      shortcut: string;
      run: () => void;
      enabled: (s: MenuState) => boolean;
    }
  | { kind: 'model'; name: string; text: string; model: Model }
  | { kind: 'separator' };

export class LessonMenu {
  private element: HTMLElement | null = null;
  private focusBefore: HTMLElement | null = null;
  private state: MenuState | null = null;
  private readonly entries: Entry[];

  // The entries, their order and when each may be chosen are the menu's design; what each does
  // is the page's.
  constructor(
    texts: Texts,
    design: MenuEntryDesign[],
    private readonly actions: MenuActions,
  ) {
    const tr = (s: string) => texts.tr('purzo::LessonMenu', s);
    const run: Record<string, () => void> = {
      replayAction: () => actions.replay(),
      pauseAction: () => actions.pause(),
      nextFrameAction: () => actions.step(1),
      previousFrameAction: () => actions.step(-1),
      tuckPlanAction: () => actions.tuckPlan(),
      landingMapAction: () => actions.landingMap(),
      videoAction: () => actions.video(),
      chartsAction: () => actions.charts(),
      logAction: () => actions.log(),
      presentationAction: () => actions.presentation(),
      saveCsvAction: () => actions.saveCsv(),
      saveWorkbookAction: () => actions.saveWorkbook(),
      savePictureAction: () => actions.savePicture(),
      athleteAction: () => actions.athlete(),
      resetToolsAction: () => actions.resetTools(),
    };
    // An action the page cannot do is left out rather than shown dead.
    const done = design.filter((e) => e.kind !== 'action' || Object.hasOwn(run, e.name));
    this.entries = done.map((e): Entry => {
      const enabled = kEnabled[e.enabled];
      switch (e.kind) {
        case 'separator':
          return { kind: 'separator' };
        case 'tool':
          return {
            kind: 'tool',
            name: e.name,
            text: tr(e.text),
            tool: e.target as keyof Tools,
            enabled,
          };
        case 'model':
          return { kind: 'model', name: e.name, text: tr(e.text), model: e.target as Model };
        default:
          return {
            kind: 'action',
            name: e.name,
            text: tr(e.text),
            shortcut: e.shortcut ? tr(e.shortcut) : '',
            run: run[e.name],
            enabled,
          };
      }
    });
  }

  get isOpen(): boolean {
    return this.element !== null;
  }

  // Opens at a point of the page, its font grown with the window's scale.
  open(host: HTMLElement, x: number, y: number, scale: number, state: MenuState): void {
    this.close();
    this.state = state;
    const menu = document.createElement('div');
    menu.className = 'menu';
    menu.setAttribute('role', 'menu');
    sizeDialogText(menu, scale, 0);
    for (const entry of this.entries) menu.append(this.item(entry, state));
    const backdrop = document.createElement('div');
    backdrop.className = 'menu-backdrop';
    backdrop.addEventListener('pointerdown', (e) => {
      e.preventDefault();
      this.close();
    });
    backdrop.addEventListener('contextmenu', (e) => {
      e.preventDefault();
      this.close();
    });
    backdrop.append(menu);
    host.append(backdrop);
    // Kept inside the viewport, as a desktop menu is kept on the screen.
    const box = menu.getBoundingClientRect();
    menu.style.left = `${Math.max(0, Math.min(x, innerWidth - box.width))}px`;
    menu.style.top = `${Math.max(0, Math.min(y, innerHeight - box.height))}px`;
    menu.addEventListener('keydown', (e) => this.key(e));
    this.element = backdrop;
    this.focusBefore =
      document.activeElement instanceof HTMLElement ? document.activeElement : null;
    (
      menu.querySelector('[role^="menuitem"]:not([aria-disabled="true"])') as HTMLElement | null
    )?.focus();
  }

  close(): void {
    // The focus goes back where it was when the menu took it, as a menu's does.
    const hadFocus = this.element?.contains(document.activeElement) ?? false;
    this.element?.remove();
    this.element = null;
    const back = this.focusBefore;
    this.focusBefore = null;
    if (hadFocus && back?.isConnected) back.focus();
  }

  private item(entry: Entry, state: MenuState): HTMLElement {
    if (entry.kind === 'separator') {
      const line = document.createElement('div');
      line.className = 'menu-separator';
      line.setAttribute('role', 'separator');
      return line;
    }
    const item = document.createElement('div');
    item.className = 'menu-item';
    item.tabIndex = -1;
    item.dataset.entry = entry.name;
    const parts = splitAccelerator(entry.text);
    item.dataset.key = parts.key.toLowerCase();
    const check = document.createElement('span');
    check.className = 'menu-check';
    const label = document.createElement('span');
    label.className = 'menu-text';
    label.append(parts.before);
    if (parts.key) {
      const key = document.createElement('u');
      key.textContent = parts.key;
      label.append(key);
    }
    label.append(parts.after);
    const shortcut = document.createElement('span');
    shortcut.className = 'menu-shortcut';
    item.append(check, label, shortcut);
    let enabled = true;
    if (entry.kind === 'tool') {
      item.setAttribute('role', 'menuitemcheckbox');
      item.setAttribute('aria-checked', String(state.tools[entry.tool]));
      enabled = entry.enabled(state);
      check.textContent = state.tools[entry.tool] ? '✓' : '';
    } else if (entry.kind === 'model') {
      item.setAttribute('role', 'menuitemradio');
      item.setAttribute('aria-checked', String(state.model === entry.model));
      check.textContent = state.model === entry.model ? '●' : '';
    } else {
      item.setAttribute('role', 'menuitem');
      shortcut.textContent = entry.shortcut;
      enabled = entry.enabled(state);
    }
    if (!enabled) item.setAttribute('aria-disabled', 'true');
    item.addEventListener('click', (e) => {
      e.stopPropagation();
      if (enabled) this.trigger(entry);
    });
    item.addEventListener('pointerdown', (e) => e.stopPropagation());
    item.addEventListener('pointerenter', () => item.focus());
    return item;
  }

  private trigger(entry: Entry): void {
    const state = this.state!;
    this.close();
    if (entry.kind === 'tool') {
      this.actions.toolsChanged({ ...state.tools, [entry.tool]: !state.tools[entry.tool] });
    } else if (entry.kind === 'model') {
      if (entry.model !== state.model) this.actions.modelChanged(entry.model);
    } else if (entry.kind === 'action') {
      entry.run();
    }
  }

  private key(e: KeyboardEvent): void {
    const items = [
      ...this.element!.querySelectorAll<HTMLElement>('.menu-item:not([aria-disabled="true"])'),
    ];
    const at = items.indexOf(document.activeElement as HTMLElement);
    if (e.key === 'Escape') {
      this.close();
    } else if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
      const next = (at + (e.key === 'ArrowDown' ? 1 : items.length - 1)) % items.length;
      items[next]?.focus();
    } else if (e.key === 'Enter' || e.key === ' ') {
      (document.activeElement as HTMLElement | null)?.click();
    } else {
      items.find((i) => i.dataset.key === e.key.toLowerCase())?.click();
      if (!e.key.startsWith('F')) e.preventDefault();
      e.stopPropagation();
      return;
    }
    e.preventDefault();
    e.stopPropagation();
  }
}
