// SPDX-License-Identifier: MIT
// A dialog keeps the keyboard while it is open: opening it moves the focus in, Tab and Shift+Tab
// go round its own controls, and closing it gives the focus back where it was.
const kFocusable =
  'button:not([disabled]), input:not([disabled]), select:not([disabled]), textarea, [tabindex]:not([tabindex="-1"])';

export class FocusTrap {
  private before: HTMLElement | null = null;

  constructor(private readonly dialog: HTMLElement) {
    dialog.addEventListener('keydown', (e) => {
      if (e.key !== 'Tab') return;
      const inside = this.focusable();
      if (!inside.length) return;
      const first = inside[0],
        last = inside[inside.length - 1];
      if (e.shiftKey && document.activeElement === first) {
        e.preventDefault();
        last.focus();
      } else if (!e.shiftKey && document.activeElement === last) {
        e.preventDefault();
        first.focus();
      }
    });
  }

  // Call after the dialog is shown: the first of its controls takes the focus.
  opened(): void {
    if (!this.dialog.contains(document.activeElement)) {
      this.before = document.activeElement instanceof HTMLElement ? document.activeElement : null;
    }
    this.focusable()[0]?.focus();
  }

  // Call as it closes: the focus goes back to where it was, if that is still there.
  closed(): void {
    const back = this.before;
    this.before = null;
    if (back?.isConnected) back.focus();
  }

  private focusable(): HTMLElement[] {
    return [...this.dialog.querySelectorAll<HTMLElement>(kFocusable)].filter(
      (e) => e.getClientRects().length > 0,
    );
  }
}
