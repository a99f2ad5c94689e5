// A batch of two folders with Japanese names: the frameset Top.html and the
// menu Menu.html beside them, as a browser shows them.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import {after, before, describe, test} from 'node:test';

import * as s from './support.mjs';

const trip = '旅行';
const folders = {
  '春の京都': ['canon-eos5d3-28-135-o6.jpg', 'nikon-d90-mm.jpg'],
  '夏の北海道': ['canon-rebelxt-o8.jpg', 'olympus-d450.jpg', 'pentax-istdl-mm.jpg'],
};
const names = Object.keys(folders);
const frameWidth = 180;

describe('Top.html and Menu.html of a batch', () => {
  let dir, parent, browser, page;

  before(async () => {
    dir = s.makeTempDir();
    parent = path.join(dir, trip);
    for (const [name, photos] of Object.entries(folders)) {
      s.photoFolder(path.join(parent, name), photos);
    }
    s.runCli(dir, names.map((n) => path.join(parent, n)), [
      'Thumbnail.TopHtml=1', `Thumbnail.FrameWidth=${frameWidth}`, 'Thumbnail.PhotoSize=200',
      'Thumbnail.LineNo=3', 'Setting.Sort=ファイル名',
    ]);
    browser = await s.launchBrowser();
    page = await s.newPage(browser, 1000, 560);
  });
  after(async () => {
    await browser?.close();
    s.removeTempDir(dir);
  });

  const frame = (name) => page.frames().find((f) => f.name() === name);

  // The folder's first page loaded in the main frame, its thumbnails all shown.
  async function assertMainShows(name) {
    const main = frame('main');
    assert.equal(s.urlPathIn(parent, main.url()), path.join(name, 'page1.html'));
    assert.equal(await main.title(), '1ページ');
    const images = await s.imagesOf(main);
    assert.deepEqual(images.map((i) => s.urlName(i.src)), folders[name]);
    for (const img of images) assert.ok(img.complete && img.width > 0, `${img.src} loads`);
  }

  test('Top.html shows the menu and the first folder side by side', async () => {
    await page.goto(s.fileUrl(path.join(parent, 'Top.html')));
    await s.screenshot(page, 'top.png');
    assert.equal(await page.title(), trip);
    assert.equal(s.urlPathIn(parent, frame('contents').url()), 'Menu.html');
    await assertMainShows(names[0]);

    const boxes = await page.$$eval('frame', (fs) => fs.map((f) => {
      const r = f.getBoundingClientRect();
      return {name: f.name, x: r.x, width: r.width, height: r.height};
    }));
    assert.deepEqual(boxes.map((b) => b.name), ['contents', 'main']);
    assert.equal(boxes[0].width, frameWidth);
    assert.equal(boxes[1].x, frameWidth);
    assert.equal(boxes[1].width, 1000 - frameWidth);
    for (const b of boxes) assert.equal(b.height, 560);
  });

  test('Menu.html names the folders as written, in batch order', async () => {
    const menu = await browser.newPage();
    await menu.goto(s.fileUrl(path.join(parent, 'Menu.html')));
    const links = await menu.$$eval('a', (as) => as.map((a) => ({text: a.textContent, href: a.href})));
    assert.deepEqual(links.map((l) => l.text), names);
    assert.deepEqual(links.map((l) => s.urlPathIn(parent, l.href)),
                     names.map((n) => path.join(n, 'page1.html')));
    for (const l of links) assert.ok(fs.existsSync(new URL(l.href)), l.href);
    await menu.close();
  });

  test('each menu link opens its folder\'s first page in the main frame', async () => {
    await page.goto(s.fileUrl(path.join(parent, 'Top.html')));
    for (const name of [...names].reverse()) {
      const menu = frame('contents');
      const [link] = await menu.$$(`xpath/.//a[text()="${name}"]`);
      assert.ok(link, `menu link ${name}`);
      await Promise.all([frame('main').waitForNavigation(), link.click()]);
      assert.equal(s.urlPathIn(parent, frame('contents').url()), 'Menu.html', 'menu stays');
      await assertMainShows(name);
    }
  });
});
