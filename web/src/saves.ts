// SPDX-License-Identifier: MIT
// The saves as downloads: the flight as CSV (the model's own writer, byte for byte what
// purzo-trace prints), as a spreadsheet with the sheet "Flug" (the model's cells through
// write-excel-file), and the canvas as a worksheet picture with its caption.
import writeExcelFile from 'write-excel-file/browser';
import type { SheetData } from './model';

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
  const { rows, columns } = sheetRows(sheet);
  return writeExcelFile(rows as never, { columns, sheet: sheet.name }).toBlob();
}

// A workbook of several sheets, each as workbookBlob writes one.
export async function workbookOfSheets(sheets: SheetData[]): Promise<Blob> {
  return writeExcelFile(sheets.map((sheet) => {
    const { rows, columns } = sheetRows(sheet);
    return { data: rows, columns, sheet: sheet.name, orientation: 'landscape' as const }; // A4 landscape
  }) as never).toBlob();
}

function sheetRows(sheet: SheetData) {
  const rows: ({ value: string | number; type?: StringConstructor | NumberConstructor; fontWeight?: 'bold'; format?: string } | null)[][] = [];
  const decimals = new Set(sheet.columns.filter((c) => c.decimals).map((c) => c.column));
  for (const cell of sheet.cells) {
    while (rows.length <= cell.row) rows.push([]);
    const row = rows[cell.row];
    while (row.length < cell.column) row.push(null);
    row[cell.column] = cell.number !== undefined
      ? { value: cell.number, type: Number, ...(decimals.has(cell.column) ? { format: '0.000' } : {}) }
      : { value: cell.text ?? '', type: String, ...(cell.bold ? { fontWeight: 'bold' as const } : {}) };
  }
  const width = Math.max(...rows.map((r) => r.length));
  for (const row of rows) while (row.length < width) row.push(null);
  const columns = Array.from({ length: width }, (_, i) => ({ width: sheet.columns.find((c) => c.column === i)?.width ?? 12 }));
  return { rows, columns };
}

export function canvasBlob(canvas: HTMLCanvasElement): Promise<Blob> {
  return new Promise((resolve, reject) =>
    canvas.toBlob((blob) => (blob ? resolve(blob) : reject(new Error('no picture'))), 'image/png'));
}
