// SPDX-License-Identifier: MIT
// The lesson's saves from the page: the flight as CSV and as a spreadsheet, the canvas as a
// worksheet picture (the drawing area at twice its designed size, whatever the page's size,
// with a caption naming the take-off, the pace and the model).
import { canvasBlob, csvBlob, download, workbookBlob } from './saves';
import { fill } from './texts';
import type { PurzoPage } from './page';

const kCaptionHeightPx = 64;
const kWorksheetScale = 2;
const kPaceNames = ['Echtzeit', 'Zeitlupe', 'Extrem-Zeitlupe'];

export class WorksheetSaves {
  constructor(private readonly page: PurzoPage) {}

  // "flug-03-6ms-60grad-exakt.csv", named by the model as the window names its saves.
  private fileName(extension: string): string {
    const { page } = this;
    const last = page.player.lastFlight;
    return page.module.flightFileName(last?.number ?? 0, last?.speedText ?? page.w.speedBox.value,
      last?.angleText ?? page.w.angleBox.value, last?.modelName() ?? page.model, '', extension);
  }

  saveCsv(): void {
    const last = this.page.player.lastFlight;
    if (!last) return;
    download(csvBlob(last.session.csv()), this.fileName('csv'));
  }

  async saveWorkbook(): Promise<void> {
    const last = this.page.player.lastFlight;
    if (!last) return;
    const blob = await workbookBlob(last.session.sheet(this.page.texts.language));
    download(blob, this.fileName('xlsx'));
  }

  async savePicture(): Promise<void> {
    download(await canvasBlob(this.picture()), this.fileName('png'));
  }

  caption(): string {
    const { page } = this;
    const last = page.player.lastFlight;
    const tr = (context: string, s: string) => page.texts.tr(context, s);
    const speed = last ? last.speedText : page.w.speedBox.value;
    const angle = last ? last.angleText : page.w.angleBox.value;
    const pace = last ? last.pace : page.pace;
    const model = last ? last.session.modelName() : page.model;
    return fill(tr('purzo::LessonTools', '%1 m/s, %2°, %3, %4'), speed.trim(), angle.trim(),
                tr('purzo::PurzoWindow', kPaceNames[pace]),
                tr('purzo::LessonTools', model === 'exact' ? 'exaktes Modell' : 'klassisches Modell'));
  }

  picture(): HTMLCanvasElement {
    const c = this.page.design.canvas;
    const width = Math.round(c.areaWidthPx * kWorksheetScale), height = Math.round(c.areaHeightPx * kWorksheetScale);
    const out = document.createElement('canvas');
    out.width = width;
    out.height = height + kCaptionHeightPx;
    const ctx = out.getContext('2d')!;
    ctx.fillStyle = '#fff';
    ctx.fillRect(0, 0, out.width, out.height);
    this.page.drawInto({ ctx, width, height, scale: kWorksheetScale });
    ctx.fillStyle = '#000';
    ctx.font = '400 26px "MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", Arial, Arimo, sans-serif';
    ctx.textBaseline = 'middle';
    ctx.fillText(this.caption(), 24, height + kCaptionHeightPx / 2, width - 48);
    return out;
  }
}
