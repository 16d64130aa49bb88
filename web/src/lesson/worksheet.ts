// SPDX-License-Identifier: MIT
// The lesson's saves from the page: the flight as CSV and as a spreadsheet, the canvas as a
// worksheet picture (the drawing area at twice its designed size, whatever the page's size,
// with the shown flights' legend and a metre to measure with, above two caption lines: the
// take-off, the pace and the model, then the tuck and the verdict).
import { canvasBlob, csvBlob, download, workbookBlob, workbookOfSheets } from './saves';
import { drawScaleBar } from '../view/flight_marks';
import { fill } from '../texts';
import { fillLessonSheet } from './lesson_sheet';
import type { PurzoPage } from '../page';

const kCaptionHeightPx = 104;
const kWorksheetScale = 2;

export class WorksheetSaves {
  constructor(private readonly page: PurzoPage) {}

  // "flug-03-6ms-60grad-exakt.csv", named by the model as the window names its saves.
  private fileName(extension: string): string {
    const { page } = this;
    const last = page.player.lastFlight;
    // The last flight is the log's newest: it was logged as it landed.
    return page.module.flightFileName(
      last ? page.log.newestNumber() : 0,
      last?.speedText ?? page.w.speedBox.value,
      last?.angleText ?? page.w.angleBox.value,
      last?.modelName() ?? page.model,
      page.log.group(),
      extension,
    );
  }

  saveCsv(): void {
    const last = this.page.player.lastFlight;
    if (!last) return;
    download(csvBlob(last.csv()), this.fileName('csv'));
  }

  async saveWorkbook(): Promise<void> {
    const last = this.page.player.lastFlight;
    if (!last) return;
    const blob = await workbookBlob(last.sheet(this.page.texts.language));
    download(blob, this.fileName('xlsx'));
  }

  // The class's workbook: flugprotokoll-<name>-<date>.xlsx.
  async saveLogWorkbook(): Promise<void> {
    const { page } = this;
    const date = page.log.date() || new Date().toLocaleDateString('sv-SE'); // yyyy-mm-dd, the local day
    const blob = await workbookOfSheets(page.log.workbook(page.texts.language, date));
    // The class's hand-in is named after the lesson, not after whoever flew last.
    download(blob, page.module.logFileName(page.log.title(), date, 'xlsx'));
  }

  // The lesson sheet filled afresh, then the browser's print dialog: "Als PDF speichern" there
  // gives the window's PDF.
  printLessonSheet(): void {
    const { page } = this;
    const date = page.log.date() || new Date().toLocaleDateString('sv-SE');
    const c = page.design.canvas;
    const picture = document.createElement('canvas');
    [picture.width, picture.height] = [
      Math.round(c.areaWidthPx * kWorksheetScale),
      Math.round(c.areaHeightPx * kWorksheetScale),
    ];
    const ctx = picture.getContext('2d');
    if (ctx)
      page.drawInto({ ctx, width: picture.width, height: picture.height, scale: kWorksheetScale });
    fillLessonSheet(
      page.log.workbook(page.texts.language, date)[0],
      picture,
      page.texts.decimalPoint,
    );
    window.print();
  }

  async savePicture(): Promise<void> {
    download(await canvasBlob(this.picture()), this.fileName('png'));
  }

  caption(): string {
    const { page } = this;
    // A comparison's picture names the compared flights, not the last one.
    const state = page.canvasState();
    if (state.tools.compare && state.shown.length) {
      return fill(
        page.texts.tr('purzo::LessonTools', 'Vergleich: %1'),
        state.shown.map((f) => `${f.title} (${f.group})`).join(', '),
      );
    }
    const last = page.player.lastFlight;
    return page.texts.panel(
      page.module.captionTakeOffText(
        last ? last.speedText : page.w.speedBox.value,
        last ? last.angleText : page.w.angleBox.value,
        last ? last.pace : page.pace,
        last ? last.modelName() : page.model,
        last ? last.athlete : page.athlete,
        page.texts.decimalPoint,
      ),
    );
  }

  // The second caption line: the last flight's tuck and verdict.
  landingLine(): string {
    const state = this.page.canvasState();
    if (state.tools.compare && state.shown.length) {
      return state.shown.map((f) => `${f.number}: ${f.comparison.at(-1)}`).join(' · ');
    }
    const last = this.page.player.lastFlight;
    return last
      ? last
          .captionTexts(this.page.texts.decimalPoint)
          .map((t) => this.page.texts.panel(t))
          .join(' · ')
      : '';
  }

  picture(): HTMLCanvasElement {
    const c = this.page.design.canvas;
    const width = Math.round(c.areaWidthPx * kWorksheetScale),
      height = Math.round(c.areaHeightPx * kWorksheetScale);
    const out = document.createElement('canvas');
    out.width = width;
    out.height = height + kCaptionHeightPx;
    const ctx = out.getContext('2d')!;
    ctx.fillStyle = '#fff';
    ctx.fillRect(0, 0, out.width, out.height);
    this.page.drawInto({ ctx, width, height, scale: kWorksheetScale });
    drawScaleBar(
      ctx,
      width - 16 * kWorksheetScale,
      height - 40 * kWorksheetScale,
      this.page.metrePx({ ctx, width, height, scale: kWorksheetScale }),
      kWorksheetScale,
    );
    ctx.fillStyle = '#000';
    ctx.font =
      '400 26px "MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", Arial, Arimo, sans-serif';
    ctx.textBaseline = 'middle';
    const line = kCaptionHeightPx / 2 - 6;
    ctx.fillText(this.caption(), 24, height + 6 + line / 2, width - 48);
    ctx.fillText(this.landingLine(), 24, height + 6 + line * 1.5, width - 48);
    return out;
  }
}
