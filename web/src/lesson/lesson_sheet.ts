// SPDX-License-Identifier: MIT
// The lesson on one A4 landscape page, as the window's PDF has it: its title and date, the
// canvas as it stands, and the groups' table from the hand-in's first sheet. The browser prints
// it (to paper or to PDF); the print style sheet shows this page alone.
import type { SheetData } from '../model';

export function fillLessonSheet(
  groups: SheetData,
  picture: HTMLCanvasElement,
  decimalPoint: string,
): HTMLElement {
  let sheet = document.querySelector<HTMLElement>('.lesson-sheet');
  if (!sheet) {
    sheet = document.createElement('section');
    sheet.className = 'lesson-sheet';
    document.body.append(sheet);
  }
  const cell = (row: number, column: number) => {
    const c = groups.cells.find((x) => x.row === row && x.column === column);
    if (!c) return '';
    if (c.number === undefined) return c.text ?? '';
    const whole = Number.isInteger(c.number);
    return (whole ? String(c.number) : c.number.toFixed(2)).replace('.', decimalPoint);
  };
  const title = document.createElement('h1');
  title.textContent = cell(0, 1);
  const date = document.createElement('p');
  date.textContent = `${cell(1, 0)}: ${cell(1, 1)}`;
  const image = document.createElement('img');
  image.src = picture.toDataURL('image/png');
  image.alt = title.textContent;
  // The table from its header row (the first bold row under the title and date) down.
  const header = Math.min(...groups.cells.filter((c) => c.row > 1 && c.bold).map((c) => c.row));
  const lastRow = Math.max(...groups.cells.map((c) => c.row));
  const columns = Math.max(...groups.cells.map((c) => c.column)) + 1;
  const table = document.createElement('table');
  for (let row = header; row <= lastRow; ++row) {
    const tr = document.createElement('tr');
    for (let column = 0; column < columns; ++column) {
      const td = document.createElement(row === header ? 'th' : 'td');
      td.textContent = cell(row, column);
      tr.append(td);
    }
    table.append(tr);
  }
  sheet.replaceChildren(title, date, image, table);
  return sheet;
}
