// SPDX-License-Identifier: MIT
// The lesson in the page's log as a teacher runs it: a title, groups offered once typed, the
// teacher's flights, a log exported and students' logs merged once with the program's results.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { chooseInMenu, openPage, useSite, waitForLanding } from './browser.mjs';

const site = useSite();

async function fly(page) {
  await page.click('[data-control="Start"]');
  await page.waitForFunction(() => document.querySelector('.window').dataset.state === 'flight');
  await waitForLanding(page);
}

const groupCells = (page) =>
  page.$$eval('[data-control="logTable"] tr[data-number]', (trs) =>
    trs.map((tr) => tr.querySelectorAll('td')[1].textContent),
  );

describe("the lesson in the page's log", () => {
  test('groups, the teacher, a title; exported, then merged back once with a changed verdict counted', async () => {
    const { context, page, errors } = await openPage(site.browser, site.url);
    await chooseInMenu(page, 'logAction');
    await page.fill('[data-control="lessonTitle"]', 'Salto 9b');
    await page.press('[data-control="lessonTitle"]', 'Tab');
    for (const group of ['Delfine', 'Haie']) {
      await page.fill('[data-control="groupField"]', group);
      await page.press('[data-control="groupField"]', 'Tab');
      await page.click('[data-control="LogPanel"] .button:has-text("Schließen")');
      await fly(page);
      await chooseInMenu(page, 'logAction');
    }
    const offered = await page.$$eval('#log-groups option', (options) =>
      options.map((o) => o.value),
    );
    assert.deepEqual(offered, ['Lehrkraft', 'Delfine', 'Haie']);
    await page.fill('[data-control="groupField"]', 'Lehrkraft');
    await page.press('[data-control="groupField"]', 'Tab');
    await page.click('[data-control="LogPanel"] .button:has-text("Schließen")');
    await fly(page);
    await chooseInMenu(page, 'logAction');
    assert.deepEqual(await groupCells(page), ['Delfine', 'Haie', 'Lehrkraft']);
    await page.waitForFunction(() =>
      /\nlesson\tSalto 9b\t/.test(localStorage.getItem('purzosimulation.log') ?? ''),
    );

    const [download] = await Promise.all([
      page.waitForEvent('download'),
      page.click('[data-control="exportButton"]'),
    ]);
    const chunks = [];
    for await (const chunk of await download.createReadStream()) chunks.push(chunk);
    const exported = Buffer.concat(chunks).toString('utf8');
    assert.match(exported, /^Purzosimulation flight log 4\n/);
    // A student's copy whose first result claims another verdict, its checksum mended.
    const lines = exported.split('\n');
    const at = lines.findIndex((l) => l.startsWith('result\t1\t'));
    const fields = lines[at].split('\t').slice(0, -1);
    fields[2] = fields[2] === 'upright' ? 'too-far' : 'upright';
    const crc = await page.evaluate((line) => {
      let c = 0xffffffff;
      for (const b of new TextEncoder().encode(line)) {
        c ^= b;
        for (let k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
      }
      return ((c ^ 0xffffffff) >>> 0).toString(16).padStart(8, '0');
    }, fields.join('\t'));
    lines[at] = `${fields.join('\t')}\t${crc}`;
    await page.setInputFiles('[data-control="mergeFiles"]', [
      { name: 'anna.txt', mimeType: 'text/plain', buffer: Buffer.from(lines.join('\n')) },
      { name: 'notizen.txt', mimeType: 'text/plain', buffer: Buffer.from('Einkaufsliste\n') },
    ]);
    await page.waitForFunction(() =>
      /übernommen/.test(document.querySelector('.log-note').textContent),
    );
    const note = await page.textContent('.log-note');
    assert.match(note, /0 Flüge übernommen, 3 waren schon im Protokoll/);
    assert.match(note, /Bei 1 Flügen/);
    assert.match(note, /notizen\.txt/);
    assert.equal((await groupCells(page)).length, 3);
    assert.deepEqual(errors, []);
    await context.close();
  });
});

describe('after a reload', () => {
  test('"Letzten Flug wiederholen" plays the log\'s newest flight; the newest row is selected for assistive technology', async () => {
    const { context, page } = await openPage(site.browser, site.url);
    for (let i = 0; i < 2; ++i) await fly(page);
    await page.waitForFunction(() =>
      /\nend\t2\t/.test(localStorage.getItem('purzosimulation.log') ?? ''),
    );
    await chooseInMenu(page, 'logAction');
    assert.deepEqual(
      await page.$$eval('[data-control="logTable"] tr[data-number]', (trs) =>
        trs.map((tr) => tr.getAttribute('aria-selected')),
      ),
      ['false', 'true'],
    );
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    await chooseInMenu(page, 'replayAction');
    await page.waitForFunction(() => document.querySelector('.window').dataset.state === 'replay');
    await waitForLanding(page);
    await context.close();
  });
});
