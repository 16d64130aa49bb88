// SPDX-License-Identifier: MIT
// The landing map's fields, as the window's: the map's kind, then the take-off and depth of the
// tuck map or the plan of the speed × angle map, and the model and athlete it is for.
import type { Texts } from '../texts';
import { fill } from '../texts';
import type { MapSetUp } from './landing_map_dialog';
import type { MapRequest } from './map_model';

// The fields' ranges, from the design and the plan's choices.
export interface MapLimits {
  minSpeed: number;
  maxSpeed: number;
  minAngle: number;
  maxAngle: number;
  firstStartFrame: number;
  depths: number[];
}

export class MapFields {
  readonly element: HTMLElement;
  private readonly kind: HTMLSelectElement;
  private readonly takeoff: HTMLElement;
  private readonly plan: HTMLElement;
  private readonly speed: HTMLInputElement;
  private readonly angle: HTMLInputElement;
  private readonly tuckDepth: HTMLSelectElement;
  private readonly start: HTMLInputElement;
  private readonly length: HTMLInputElement;
  private readonly planDepth: HTMLSelectElement;
  private readonly model: HTMLElement;
  private setUpWith: MapSetUp | null = null;

  constructor(texts: Texts, limits: MapLimits, changed: () => void) {
    const tr = (s: string) => texts.tr('purzo::LandingMapWindow', s);
    const plain = (s: string) => s.replace(/&(.)/g, '$1');
    this.element = document.createElement('div');
    this.element.className = 'map-fields';
    const label = (text: string, id: string) => {
      const l = document.createElement('label');
      l.textContent = plain(text);
      l.id = `${id}-label`;
      l.htmlFor = id;
      return l;
    };
    // A unit or prefix beside a number, read with it.
    const unit = (text: string, id: string) => {
      const span = document.createElement('span');
      span.textContent = text.trim();
      span.id = id;
      return span;
    };
    const number = (id: string, control: string, step: string, labelled: string[]) => {
      const field = document.createElement('input');
      field.type = 'number';
      field.id = id;
      field.step = step;
      field.inputMode = step === '1' ? 'numeric' : 'decimal';
      field.dataset.control = control;
      field.setAttribute('aria-labelledby', labelled.join(' '));
      field.addEventListener('change', changed);
      return field;
    };
    const depth = (id: string, control: string) => {
      const field = document.createElement('select');
      field.id = id;
      field.dataset.control = control;
      for (const p of limits.depths)
        field.append(new Option(fill(tr('Haltung %1'), String(p)), String(p)));
      field.addEventListener('change', changed);
      return field;
    };
    const row = (...children: HTMLElement[]) => {
      const div = document.createElement('div');
      div.className = 'map-row';
      div.append(...children);
      return div;
    };
    this.kind = document.createElement('select');
    this.kind.id = 'map-kind';
    this.kind.dataset.control = 'mapKindField';
    this.kind.append(
      new Option(tr('Hockbeginn × Dauer'), 'tuck'),
      new Option(tr('Geschwindigkeit × Winkel'), 'speedAngle'),
    );
    this.kind.addEventListener('change', () => {
      this.showKind();
      changed();
    });
    this.model = document.createElement('span');
    this.model.className = 'map-model';
    this.speed = number('map-speed', 'mapSpeedField', '0.1', ['map-speed-label', 'map-speed-unit']);
    this.speed.min = String(limits.minSpeed);
    this.speed.max = String(limits.maxSpeed);
    this.angle = number('map-angle', 'mapAngleField', '1', ['map-speed-label', 'map-angle-unit']);
    this.angle.min = String(limits.minAngle);
    this.angle.max = String(limits.maxAngle);
    this.tuckDepth = depth('map-tuck-depth', 'mapTuckDepthField');
    this.tuckDepth.setAttribute('aria-labelledby', 'map-speed-label map-tuck-depth');
    this.takeoff = row(
      label(tr('&Absprung:'), 'map-speed'),
      this.speed,
      unit(' m/s', 'map-speed-unit'),
      this.angle,
      unit('°', 'map-angle-unit'),
      this.tuckDepth,
    );
    const startPrefix = unit(tr('ab Bild '), 'map-start-prefix');
    this.start = number('map-start', 'mapPlanStartField', '1', [
      'map-start-label',
      'map-start-prefix',
    ]);
    this.start.min = String(limits.firstStartFrame);
    this.length = number('map-length', 'mapPlanLengthField', '1', [
      'map-start-label',
      'map-length-unit',
    ]);
    this.length.min = '1';
    this.planDepth = depth('map-plan-depth', 'mapPlanDepthField');
    this.planDepth.setAttribute('aria-labelledby', 'map-start-label map-plan-depth');
    this.plan = row(
      label(tr('&Hockplan:'), 'map-start'),
      startPrefix,
      this.start,
      this.length,
      unit(tr(' Bilder'), 'map-length-unit'),
      this.planDepth,
    );
    this.element.append(
      row(label(tr('&Karte:'), 'map-kind'), this.kind, this.model),
      this.takeoff,
      this.plan,
    );
  }

  // The model's line, as the window writes it.
  showModel(text: string): void {
    this.model.textContent = text;
  }
  get modelText(): string {
    return this.model.textContent ?? '';
  }

  // The tuck map of the page's take-off, its plan and depth the last plan's.
  setUp(setUp: MapSetUp): void {
    this.setUpWith = setUp;
    this.kind.value = 'tuck';
    this.speed.value = String(Math.round(setUp.speedMPerS * 10) / 10);
    this.angle.value = String(Math.round(setUp.angleDeg));
    this.tuckDepth.value = String(setUp.plan.depth);
    this.start.value = String(setUp.plan.startFrame);
    this.length.value = String(setUp.plan.frames);
    this.planDepth.value = String(setUp.plan.depth);
    this.showKind();
  }

  // The map the fields ask for; a number out of its range goes to its nearer end.
  request(): MapRequest {
    const s = this.setUpWith!;
    const read = (field: HTMLInputElement, before: number, decimals: number) => {
      const typed = Number(field.value);
      const lo = Number(field.min);
      const hi = field.max === '' ? Number.POSITIVE_INFINITY : Number(field.max);
      const value =
        field.value.trim() === '' || !Number.isFinite(typed)
          ? before
          : Math.min(hi, Math.max(lo, Math.round(typed * 10 ** decimals) / 10 ** decimals));
      field.value = String(value);
      return value;
    };
    return {
      kind: this.kind.value === 'speedAngle' ? 'speedAngle' : 'tuck',
      model: s.model,
      athlete: s.athlete,
      plan: {
        startFrame: read(this.start, s.plan.startFrame, 0),
        frames: read(this.length, s.plan.frames, 0),
        depth: Number(this.planDepth.value),
      },
      speedMPerS: read(this.speed, Math.round(s.speedMPerS * 10) / 10, 1),
      angleDeg: read(this.angle, Math.round(s.angleDeg), 0),
      depth: Number(this.tuckDepth.value),
    };
  }

  private showKind(): void {
    const tuck = this.kind.value === 'tuck';
    this.takeoff.hidden = !tuck;
    this.plan.hidden = tuck;
  }
}
