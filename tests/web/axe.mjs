// axe-core in a page of the browser tests: its script put into the page (through the
// browser's debugging protocol, which the page's Content-Security-Policy does not bind),
// its rules run over the page as it is, and what it finds returned.

import fs from 'node:fs';
import { createRequire } from 'node:module';

const AXE = fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

// The rules broken on the page: { id, impact, help, targets }, targets being the CSS
// selectors of the elements that break it. options go to axe.run (runOnly and the like).
export async function axeViolations(page, options = {}) {
  if (!(await page.evaluate(() => typeof window.axe === 'object'))) await page.evaluate(AXE);
  return page.evaluate(async (given) => {
    const { violations } = await window.axe.run(document, given);
    return violations.map(({ id, impact, help, nodes }) => ({
      id, impact, help, targets: nodes.map((node) => node.target.join(' ')),
    }));
  }, options);
}
