// SPDX-License-Identifier: MIT
// The text of the page's dialogs and menu: the desktop's 8.25 pt at the window's scale, in a
// dialog never below three quarters of it, so that it stays readable on a phone.
const kDialogFontPt = 8.25;
const kDialogFontPx = (kDialogFontPt * 96) / 72;

export function sizeDialogText(element: HTMLElement, scale: number, least = 0.75): void {
  element.style.fontSize = `${(kDialogFontPx * Math.max(scale, least)).toFixed(2)}px`;
}

// A length designed in pixels beside the desktop's text, in the dialog's text: it grows with it.
export function dialogEm(px: number): string {
  return `${(px / kDialogFontPx).toFixed(3)}em`;
}
