// SPDX-License-Identifier: MIT
// A button of the video's view: its text, the name tests and screen readers find it by, and what
// a press does.
export function videoButton(text: string, control: string, run: () => void): HTMLButtonElement {
  const b = document.createElement('button');
  b.className = 'button';
  b.textContent = text;
  b.dataset.control = control;
  b.addEventListener('click', run);
  return b;
}
