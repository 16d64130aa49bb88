// SPDX-License-Identifier: MIT
// "Athlet…": the exact model's athlete for the next flights, as in the window. A value is read
// when its field is left; outside its range or unreadable, the field says so and goes back to
// the value it had. The model reads the numbers and writes them; the page only shows them.
import { FocusTrap } from './focus_trap';
import { type Athlete, type PurzoModule, kAthleteKeys } from '../model';
import { type Texts, fill } from '../texts';
import { sizeDialogText } from './dialog_text';

const kNames = ['&Körpermasse:', 'Körper&größe:', '&Drehung beim Absprung:', 'Glieder &bis:'];
const kUnits = ['kg (20 bis 150)', 'm (1,00 bis 2,20)', '°/s (0 bis 400)', 'rad/s (4 bis 30)'];

export class AthleteDialog {
  private readonly dialog: HTMLDialogElement;
  private readonly trap: FocusTrap;
  private readonly fields: HTMLInputElement[] = [];
  private readonly messages: HTMLElement[] = [];
  private athlete: Athlete = { massKg: 0, bodyHeightM: 0, spinDegPerS: 0, limbSpeedRadPerS: 0 };
  private chosen: ((athlete: Athlete) => void) | null = null;

  constructor(
    private readonly module: Pick<
      PurzoModule,
      'readAthleteValue' | 'athleteValueText' | 'athleteRanges'
    >,
    private readonly texts: Texts,
    host: HTMLElement,
  ) {
    const tr = (s: string) => texts.tr('purzo::AthleteDialog', s);
    const plain = (s: string) => s.replace(/&(.)/g, '$1');
    this.dialog = document.createElement('dialog');
    this.dialog.className = 'athlete-dialog';
    this.dialog.dataset.control = 'athleteDialog';
    this.dialog.setAttribute('aria-label', tr('Athlet'));
    const title = document.createElement('div');
    title.className = 'charts-title';
    title.textContent = tr('Athlet');
    const intro = document.createElement('p');
    intro.textContent = tr(
      'Gilt für das exakte Modell, vom nächsten Flug an. Alle Längen der Figur wachsen mit der Körpergröße, die Massen ihrer Teile mit der Körpermasse.',
    );
    const grid = document.createElement('div');
    grid.className = 'athlete-grid';
    kAthleteKeys.forEach((key, i) => {
      const label = document.createElement('label');
      label.textContent = plain(tr(kNames[i]));
      label.htmlFor = `athlete-${key}`;
      const field = document.createElement('input');
      field.type = 'text';
      field.inputMode = 'decimal';
      field.id = `athlete-${key}`;
      field.dataset.control = key;
      const unit = document.createElement('span');
      unit.id = `athlete-${key}-unit`;
      unit.textContent = tr(kUnits[i]);
      const message = document.createElement('div');
      message.className = 'athlete-message';
      message.id = `athlete-${key}-message`;
      message.setAttribute('role', 'alert');
      message.hidden = true;
      field.setAttribute('aria-describedby', `${unit.id} ${message.id}`);
      field.addEventListener('change', () => this.take(i));
      field.addEventListener('keydown', (e) => {
        if (e.key === 'Enter') {
          e.preventDefault();
          this.accept();
        }
      });
      grid.append(label, field, unit, message);
      this.fields.push(field);
      this.messages.push(message);
    });
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
    button(tr('&Standard'), 'standardButton', () => this.fill(this.standard()));
    button(texts.page('ok'), 'okButton', () => this.accept());
    button(texts.page('cancel'), 'cancelButton', () => this.dialog.close());
    this.dialog.append(title, intro, grid, buttons);
    this.dialog.addEventListener('keydown', (e) => {
      if (e.key === 'Escape') {
        e.preventDefault();
        this.dialog.close();
      }
    });
    this.trap = new FocusTrap(this.dialog);
    this.dialog.addEventListener('close', () => this.trap.closed());
    host.append(this.dialog);
  }

  get isOpen(): boolean {
    return this.dialog.open;
  }

  // The standard athlete, as the model has her.
  standard(): Athlete {
    const r = this.module.athleteRanges();
    return {
      massKg: r[0].standard,
      bodyHeightM: r[1].standard,
      spinDegPerS: r[2].standard,
      limbSpeedRadPerS: r[3].standard,
    };
  }

  open(current: Athlete, scale: number, chosen: (athlete: Athlete) => void): void {
    this.chosen = chosen;
    sizeDialogText(this.dialog, scale);
    this.fill(current);
    if (!this.dialog.open) this.dialog.show();
    this.trap.opened();
  }

  private fill(athlete: Athlete): void {
    this.athlete = { ...athlete };
    kAthleteKeys.forEach((key, i) => {
      this.fields[i].value = this.module.athleteValueText(i, athlete[key], this.texts.decimalPoint);
      this.messages[i].hidden = true;
      this.messages[i].style.visibility = '';
    });
  }

  // Reads field i into the athlete, or puts its old value back and says why not.
  private take(i: number): boolean {
    const field = this.fields[i],
      message = this.messages[i];
    const value = this.module.readAthleteValue(field.value, i);
    if (value === null) {
      const range = this.module.athleteRanges()[i];
      const number = (n: number) => String(n).replace('.', this.texts.decimalPoint);
      // A long paste is repeated by its start, as in the window.
      const typed = field.value.trim();
      message.textContent = fill(
        this.texts.tr(
          'purzo::AthleteDialog',
          '„%1“ geht nicht: nur Zahlen von %2 bis %3. Der alte Wert gilt weiter.',
        ),
        typed.length > 16 ? `${typed.slice(0, 15)}…` : typed,
        number(range.least),
        number(range.most),
      );
      message.hidden = false;
      message.style.visibility = '';
      field.value = this.module.athleteValueText(
        i,
        this.athlete[kAthleteKeys[i]],
        this.texts.decimalPoint,
      );
      return false;
    }
    this.athlete[kAthleteKeys[i]] = value;
    // Once said, the message keeps its room: OK must not move up under a pointer on its way.
    if (!message.hidden) message.style.visibility = 'hidden';
    return true;
  }

  private accept(): void {
    const taken = kAthleteKeys.map((_, i) => this.take(i));
    if (!taken.every(Boolean)) return;
    this.dialog.close();
    this.chosen?.({ ...this.athlete });
  }
}
