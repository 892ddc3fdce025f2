// The page as axe-core sees it. What the terminal's page is to get from its layout work
// (landmarks, a heading) is listed apart; any other rule broken fails now.

import assert from 'node:assert/strict';
import test from 'node:test';
import { axeViolations } from './axe.mjs';
import { GamePage, openBrowser, serveSite } from './harness.mjs';

const LAYOUT_RULES = ['region', 'landmark-one-main', 'page-has-heading-one'];

test('the first screen breaks no rule of axe-core but those of the layout to come', async (t) => {
  const site = await serveSite();
  const browser = await openBrowser();
  try {
    const game = await GamePage.open(browser.context, site.url);
    const violations = await axeViolations(game.page);
    for (const { id, impact, help, targets } of violations) t.diagnostic(`${id} (${impact}): ${help}: ${targets.join(', ')}`);
    assert.deepEqual(violations.filter(({ id }) => !LAYOUT_RULES.includes(id)), []);

    await t.test('no rule broken at all', { todo: 'landmarks and a heading come with the layout for phones' }, () => {
      assert.deepEqual(violations, []);
    });
    assert.deepEqual(game.errors, []);
  } finally {
    await browser.close();
    await site.close();
  }
});
