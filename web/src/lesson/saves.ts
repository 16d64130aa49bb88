// SPDX-License-Identifier: MIT
// The saves as downloads: the flight as CSV (the model's own writer, byte for byte what
// purzo-trace prints), as a spreadsheet with the sheet "Flug" (the model's cells through
// write-excel-file), and the canvas as a worksheet picture with its caption.
import writeExcelFile from 'write-excel-file/browser';
import type { SheetData } from '../model';

export function download(blob: Blob, fileName: string): void {
  const url = URL.createObjectURL(blob);
  const link = document.createElement('a');
  link.href = url;
  link.download = fileName;
  link.style.display = 'none';
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60_000);
}

export function csvBlob(csv: string): Blob {
  return new Blob([csv], { type: 'text/csv;charset=utf-8' });
}

// The sheet as the desktop's workbook writes it: numbers as numbers, shown to three decimals
// where the column says so, headers in bold.
export async function workbookBlob(sheet: SheetData): Promise<Blob> {
  return workbookOfSheets([sheet]);
}

// A workbook of several sheets, each printed as the desktop's are: A4 landscape, one page wide
// and as many down as it needs, the table's header atop every page.
export async function workbookOfSheets(sheets: SheetData[]): Promise<Blob> {
  return writeExcelFile(
    sheets.map((sheet) => {
      const { rows, columns } = sheetRows(sheet);
      return { data: rows, columns, sheet: sheet.name, orientation: 'landscape' as const };
    }) as never,
    { features: [printedOnePageWide(sheets)] } as never,
  ).toBlob();
}

// Narrow margins, inches, as the desktop's: the log's twenty columns one page wide at 9 pt and more.
const kMargins =
  '<pageMargins left="0.3" right="0.3" top="0.6" bottom="0.6" header="0.3" footer="0.3"/>';

// The print settings write-excel-file leaves out, added to its XML: fit to one page's width,
// and the header row repeated as the workbook's print titles.
function printedOnePageWide(sheets: SheetData[]) {
  const escaped = (text: string) =>
    text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
  const titles = sheets.flatMap((sheet, i) =>
    sheet.repeatedRow < 0
      ? []
      : [
          `<definedName name="_xlnm.Print_Titles" localSheetId="${i}">` +
            `${escaped(`'${sheet.name.replace(/'/g, "''")}'`)}!$${sheet.repeatedRow + 1}:$${sheet.repeatedRow + 1}</definedName>`,
        ],
  );
  return {
    files: {
      transform: {
        'xl/worksheets/sheet{id}.xml': {
          transform: (xml: string) =>
            xml
              .replace(
                /(<worksheet[^>]*>)(?!<sheetPr)/,
                '$1<sheetPr><pageSetUpPr fitToPage="1"/></sheetPr>',
              )
              .replace(/<pageSetup /, '<pageSetup fitToWidth="1" fitToHeight="0" ')
              .replace(/<pageMargins [^>]*\/>/, kMargins),
        },
        'xl/workbook.xml': {
          // Into the workbook's one list of names, whether it is written empty, filled or not at all.
          transform: (xml: string) =>
            !titles.length
              ? xml
              : xml.includes('<definedNames/>')
                ? xml.replace('<definedNames/>', `<definedNames>${titles.join('')}</definedNames>`)
                : xml.includes('<definedNames>')
                  ? xml.replace('<definedNames>', `<definedNames>${titles.join('')}`)
                  : xml.replace(
                      '</sheets>',
                      `</sheets><definedNames>${titles.join('')}</definedNames>`,
                    ),
        },
      },
    },
  };
}

function sheetRows(sheet: SheetData) {
  type Cell = {
    value: string | number;
    type?: StringConstructor | NumberConstructor;
    fontWeight?: 'bold';
    format?: string;
    wrap?: boolean;
    alignVertical?: 'bottom';
    height?: number;
    backgroundColor?: string;
    color?: string;
  };
  const rows: (Cell | null)[][] = [];
  const decimals = new Set(sheet.columns.filter((c) => c.decimals).map((c) => c.column));
  const wrapped = new Set(sheet.columns.filter((c) => c.wrap).map((c) => c.column));
  // As the desktop's: the printed table's header and the columns of words on more lines.
  const wrap = (row: number, column: number, bold: boolean): Partial<Cell> =>
    bold && row === sheet.repeatedRow
      ? { wrap: true, alignVertical: 'bottom' }
      : !bold && wrapped.has(column)
        ? { wrap: true }
        : {};
  for (const cell of sheet.cells) {
    while (rows.length <= cell.row) rows.push([]);
    const row = rows[cell.row];
    while (row.length < cell.column) row.push(null);
    row[cell.column] =
      cell.number !== undefined
        ? {
            value: cell.number,
            type: Number,
            ...(decimals.has(cell.column) ? { format: '0.000' } : {}),
          }
        : {
            value: cell.text ?? '',
            type: String,
            ...(cell.bold ? { fontWeight: 'bold' as const } : {}),
            ...wrap(cell.row, cell.column, cell.bold),
          };
  }
  // The chosen postures shaded down their column, as the desktop's sheet has them.
  for (const { row, column, argb } of sheet.fills ?? []) {
    const cell = rows[row]?.[column];
    if (!cell) continue;
    cell.backgroundColor = `#${(argb & 0xffffff).toString(16).padStart(6, '0')}`;
    const grey = (((argb >> 16) & 0xff) * 3 + ((argb >> 8) & 0xff) * 6 + (argb & 0xff)) / 10;
    if (grey < 110) cell.color = '#ffffff';
  }
  for (const { row, points } of sheet.rowHeights ?? []) {
    for (const cell of rows[row] ?? []) if (cell) cell.height = points;
  }
  const width = Math.max(...rows.map((r) => r.length));
  for (const row of rows) while (row.length < width) row.push(null);
  const columns = Array.from({ length: width }, (_, i) => ({
    width: sheet.columns.find((c) => c.column === i)?.width ?? 12,
  }));
  return { rows, columns };
}

export function canvasBlob(canvas: HTMLCanvasElement): Promise<Blob> {
  return new Promise((resolve, reject) =>
    canvas.toBlob((blob) => (blob ? resolve(blob) : reject(new Error('no picture'))), 'image/png'),
  );
}
