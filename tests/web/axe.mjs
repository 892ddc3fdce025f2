// axe-core in a page of the browser tests: its script put into the page through the
// browser's debugging protocol, which the page's Content-Security-Policy does not bind, and
// run over the page as it is.

import fs from 'node:fs';
import { createRequire } from 'node:module';

const AXE = fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

// The rules the page breaks: { id, impact, help, targets }, targets being the selectors of
// the elements that break each.
export async function axeViolations(page) {
  await page.evaluate(AXE);
  return page.evaluate(async () => (await window.axe.run(document)).violations.map(({ id, impact, help, nodes }) => ({
    id, impact, help, targets: nodes.map((node) => node.target.join(' ')),
  })));
}
