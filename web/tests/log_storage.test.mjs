// SPDX-License-Identifier: MIT
// The page's log in the browser's storage as a classroom meets it: two tabs flying in turns, a
// damaged line, a storage too full to set a damaged log aside, and the smallest spin.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { chooseInMenu, openPage, useSite, waitForLanding } from './browser.mjs';

const site = useSite();
const kLog = 'purzosimulation.log';

async function fly(page) {
  await page.click('[data-control="Start"]');
  await page.waitForFunction(() => document.querySelector('.window').dataset.state === 'flight');
  await waitForLanding(page);
}

// The numbers of the flight lines in the stored log.
const storedNumbers = (page) =>
  page.evaluate(
    (key) =>
      (localStorage.getItem(key) ?? '')
        .split('\n')
        .filter((line) => line.startsWith('flight\t'))
        .map((line) => Number(line.split('\t')[1])),
    kLog,
  );

const verdictLine = (page) => page.textContent('[data-control="VerdictLine"]');

describe('the log in the browser', () => {
  test('two tabs flying in turns keep all ten flights, numbered 1 to 10', async () => {
    const { context, page: first } = await openPage(site.browser, site.url);
    const second = await context.newPage();
    await second.goto(site.url);
    await second.waitForSelector('body[data-ready="true"]');
    for (let i = 0; i < 5; ++i) {
      await fly(first);
      await first.waitForFunction(
        (n) => (localStorage.getItem('purzosimulation.log') ?? '').includes(`\nflight\t${n}\t`),
        2 * i + 1,
      );
      await fly(second);
      await second.waitForFunction(
        (n) => (localStorage.getItem('purzosimulation.log') ?? '').includes(`\nflight\t${n}\t`),
        2 * i + 2,
      );
    }
    assert.deepEqual(await storedNumbers(first), [1, 2, 3, 4, 5, 6, 7, 8, 9, 10]);
    // The first tab shows the second's flights too.
    await chooseInMenu(first, 'logAction');
    await first.waitForFunction(
      () => document.querySelectorAll('[data-control="logTable"] tr[data-number]').length === 10,
    );
    await context.close();
  });

  test('a flipped byte in one flight line: the others load, that line is set aside and said', async () => {
    const { context, page } = await openPage(site.browser, site.url);
    for (let i = 0; i < 3; ++i) await fly(page);
    await page.waitForFunction(
      (key) => (localStorage.getItem(key) ?? '').includes('\nend\t3\t'),
      kLog,
    );
    await page.evaluate((key) => {
      const text = localStorage.getItem(key);
      const at = text.indexOf('\nflight\t2\t') + 12;
      localStorage.setItem(
        key,
        text.slice(0, at) + String.fromCharCode(text.charCodeAt(at) ^ 1) + text.slice(at + 1),
      );
    }, kLog);
    await page.reload();
    await page.waitForSelector('[data-control="VerdictLine"]:not([hidden])');
    assert.match(await verdictLine(page), /1 Zeilen beschädigt.*übrigen 2 Flüge/);
    assert.deepEqual(await storedNumbers(page), [1, 3]);
    const aside = await page.evaluate(
      (key) => Object.keys(localStorage).filter((k) => k.startsWith(`${key}.defekt-`)),
      kLog,
    );
    assert.equal(aside.length, 1);
    await context.close();
  });

  test('with the storage full, a damaged log is said to be kept, and it is', async () => {
    const { context, page } = await openPage(site.browser, site.url);
    const damaged = "PK\u0003\u0004 another program's";
    await page.evaluate(([key, text]) => localStorage.setItem(key, text), [kLog, damaged]);
    await context.addInitScript(() => {
      const set = Storage.prototype.setItem;
      Storage.prototype.setItem = function (key, value) {
        if (key.startsWith('purzosimulation.log'))
          throw new DOMException('full', 'QuotaExceededError');
        return set.call(this, key, value);
      };
    });
    await page.reload();
    await page.waitForSelector('[data-control="VerdictLine"]:not([hidden])');
    const said = await verdictLine(page);
    assert.match(said, /nicht beiseitegelegt/);
    assert.doesNotMatch(said, /ist als .* beiseitegelegt/);
    await fly(page);
    assert.equal(await page.evaluate((key) => localStorage.getItem(key), kLog), damaged);
    await context.close();
  });

  test('every change to the log is in the storage the moment it is made', async () => {
    const { context, page } = await openPage(site.browser, site.url);
    for (let i = 0; i < 2; ++i) await fly(page);
    await chooseInMenu(page, 'logAction');
    const stored = (pattern) =>
      page.waitForFunction(
        ([key, p]) => new RegExp(p).test(localStorage.getItem(key) ?? ''),
        [kLog, pattern],
      );
    await page.check('[data-control="logTable"] tr[data-number="2"] input[type="checkbox"]');
    await stored(String.raw`\nflight\t2\t\w+\t\d\t1\t`);
    await page.uncheck('[data-control="logTable"] tr[data-number="2"] input[type="checkbox"]');
    await stored(String.raw`\nflight\t2\t\w+\t\d\t0\t`);
    await page.click('[data-control="logTable"] tr[data-number="1"]');
    await page.click('[data-control="deleteButton"]');
    await stored(String.raw`\nend\t1\t2\t`);
    assert.deepEqual(await storedNumbers(page), [2]);
    page.once('dialog', (d) => d.accept());
    await page.click('[data-control="clearButton"]');
    await stored(String.raw`\nend\t0\t0\t`);
    await context.close();
  });

  test('an athlete with the spin 0,0001: the log reads back after a reload, nothing set aside', async () => {
    const { context, page } = await openPage(site.browser, `${site.url}?model=exact`);
    await chooseInMenu(page, 'athleteAction');
    await page.fill('[data-control="spinDegPerS"]', '0,0001');
    await page.click('[data-control="okButton"]');
    await fly(page);
    await page.waitForFunction(
      (key) => (localStorage.getItem(key) ?? '').includes('\t0.0001\t'),
      kLog,
    );
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    assert.equal(await page.isHidden('[data-control="VerdictLine"]'), true);
    assert.deepEqual(await storedNumbers(page), [1]);
    const aside = await page.evaluate(
      (key) => Object.keys(localStorage).filter((k) => k.startsWith(`${key}.defekt-`)),
      kLog,
    );
    assert.deepEqual(aside, []);
    await context.close();
  });
});
