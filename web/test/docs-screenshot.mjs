// The README's picture of the page: the Asian sample opened by ?log=, the
// options folded away, saved as docs/web-page.png.
// Usage: node test/docs-screenshot.mjs   (after scripts/build-web)
import path from 'node:path';
import { launch, openPage, root, serve, waitForRun } from './helpers.mjs';

const site = await serve();
const browser = await launch();
try {
  const page = await openPage(browser, `${site.base}?log=samples/aadx-asia-cw.adi`);
  await page.setViewport({ width: 1200, height: 1400 });
  await waitForRun(page);
  await page.screenshot({ path: path.join(root, 'docs/web-page.png') });
} finally {
  await browser.close();
  site.server.close();
}
