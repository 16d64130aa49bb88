// SPDX-License-Identifier: MIT
// Starts the page: the WebAssembly module and the pictures, then the window. Whatever fails to
// load is named in a message instead of an empty canvas.
import createPurzoModule from 'purzo:module';
import { loadChoices } from './choices';
import { browserTime } from './view/flight_player';
import { kPaceCount } from './model';
import { PurzoPage } from './page';
import { PagePictures } from './view/pictures';
import { Texts, chooseLanguage } from './texts';

declare const PURZO_SINGLE: boolean;

function showFailure(texts: Texts, reason: string): void {
  document.querySelector('.failure')?.remove();
  const box = document.createElement('div');
  box.className = 'failure';
  box.setAttribute('role', 'alert');
  const title = document.createElement('p');
  title.textContent = texts.page('loadFailed');
  const detail = document.createElement('p');
  detail.textContent = texts.page('loadFailedDetail').replace('%1', reason);
  box.append(title, detail);
  document.body.append(box);
}

function storage(): Storage | null {
  try {
    return window.localStorage;
  } catch {
    return null; // storage switched off: nothing is remembered
  }
}

async function start(): Promise<void> {
  const texts = new Texts(
    chooseLanguage(location.search, navigator.languages ?? [navigator.language]),
  );
  document.documentElement.lang = texts.language;
  const host = document.getElementById('purzo')!;
  try {
    const pictures = new PagePictures((name) => showFailure(texts, `${name}.jpg`));
    const [module] = await Promise.all([createPurzoModule(), pictures.loadAll()]);
    const choices = loadChoices(storage(), '', kPaceCount, module.athleteRanges());
    const visit = loadChoices(storage(), location.search, kPaceCount, module.athleteRanges());
    const page = new PurzoPage(
      module,
      texts,
      pictures,
      visit,
      choices.model,
      storage(),
      browserTime,
      host,
    );
    (window as unknown as { purzo: object }).purzo = {
      // For the benchmark and the tests: when each frame of the last flight was shown (ms), and
      // the design the page was laid out from.
      frameTimesMs: page.frameTimesMs,
      flightStartMs: () => page.flightStartMs,
      design: page.design,
    };
    document.body.dataset.ready = 'true';
  } catch (error) {
    showFailure(texts, error instanceof Error ? error.message : String(error));
  }
  // Offline once loaded, where browsers allow a service worker: over HTTPS or from this machine.
  const local =
    location.hostname === 'localhost' ||
    location.hostname === '127.0.0.1' ||
    location.hostname === '[::1]';
  if (
    !PURZO_SINGLE &&
    'serviceWorker' in navigator &&
    (location.protocol === 'https:' || (location.protocol === 'http:' && local))
  ) {
    navigator.serviceWorker.register('sw.js').catch(() => undefined);
  }
}

void start();
