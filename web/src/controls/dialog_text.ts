// SPDX-License-Identifier: MIT
// The text of the page's dialogs and menu: the desktop's 8.25 pt at the window's scale, in a
// dialog never below three quarters of it, so that it stays readable on a phone.
const kDialogFontPt = 8.25;

export function sizeDialogText(element: HTMLElement, scale: number, least = 0.75): void {
  element.style.fontSize = `${(((kDialogFontPt * 96) / 72) * Math.max(scale, least)).toFixed(2)}px`;
}
