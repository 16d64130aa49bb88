// SPDX-License-Identifier: MIT
// The page's texts at build time: the English translations from translations/purzo_en.ts (every
// context) and the page's own German texts from src/page_texts.js.
import { readFileSync } from 'node:fs';
import vm from 'node:vm';

function unescapeXml(text) {
  return text.replace(/&(lt|gt|amp|quot|apos|#(\d+)|#x([0-9a-fA-F]+));/g, (_, name, dec, hex) => {
    if (dec) return String.fromCodePoint(Number(dec));
    if (hex) return String.fromCodePoint(parseInt(hex, 16));
    return { lt: '<', gt: '>', amp: '&', quot: '"', apos: "'" }[name];
  });
}

// { context: { German source: English translation } }, unfinished or empty ones left out so
// that the page falls back to German as Qt does.
export function readTranslations(tsPath) {
  const xml = readFileSync(tsPath, 'utf8');
  const out = {};
  for (const context of xml.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const name = unescapeXml(/<name>([\s\S]*?)<\/name>/.exec(context[1])[1]);
    out[name] ??= {};
    const messages = out[name];
    for (const message of context[1].matchAll(/<message>([\s\S]*?)<\/message>/g)) {
      const source = /<source>([\s\S]*?)<\/source>/.exec(message[1]);
      const translation = /<translation(\s+type="(\w+)")?>([\s\S]*?)<\/translation>/.exec(
        message[1],
      );
      if (
        !source ||
        !translation ||
        translation[2] === 'unfinished' ||
        translation[2] === 'vanished' ||
        translation[3] === ''
      ) {
        continue;
      }
      messages[unescapeXml(source[1])] = unescapeXml(translation[3]);
    }
  }
  return out;
}

export function readPageTexts(path) {
  const context = { QT_TRANSLATE_NOOP: (_context, text) => text };
  vm.runInNewContext(`${readFileSync(path, 'utf8')}\n;this.result = pageTexts;`, context);
  return context.result;
}
