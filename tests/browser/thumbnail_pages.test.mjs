// The thumbnail pages of a folder of real camera photos, as a browser shows
// them: thumbnails that load upright, titles, and links between the pages.
import assert from 'node:assert/strict';
import path from 'node:path';
import {after, before, describe, test} from 'node:test';

import * as s from './support.mjs';

const photos = Object.keys(s.facts).sort();
const perPage = 8;
const photoSize = 200;
const pageCount = Math.ceil(photos.length / perPage);

describe('thumbnail pages of real photos', () => {
  let dir, folder, browser, page;
  const pageUrl = (n) => s.fileUrl(path.join(folder, `page${n}.html`));

  before(async () => {
    dir = s.makeTempDir();
    folder = path.join(dir, 'photos');
    s.photoFolder(folder, photos);
    s.runCli(dir, [folder], [
      `Thumbnail.PhotoNo=${perPage}`, 'Thumbnail.LineNo=4', `Thumbnail.PhotoSize=${photoSize}`,
      'Setting.Sort=ファイル名',
    ]);
    browser = await s.launchBrowser();
    page = await s.newPage(browser, 1000, 620);
  });
  after(async () => {
    await browser?.close();
    s.removeTempDir(dir);
  });

  test('each page is titled by its number, page1.html 1ページ', async () => {
    await page.goto(pageUrl(1));
    await s.screenshot(page, 'page1.png');
    assert.equal(await page.title(), '1ページ');
    for (let n = 2; n <= pageCount; ++n) {
      await page.goto(pageUrl(n));
      assert.equal(await page.title(), `${n}ページ`);
    }
  });

  test('every thumbnail loads upright, in its photo\'s proportions', async () => {
    const seen = [];
    for (let n = 1; n <= pageCount; ++n) {
      await page.goto(pageUrl(n));
      for (const img of await s.imagesOf(page)) {
        const name = s.urlName(img.src);
        seen.push(name);
        assert.ok(img.complete && img.width > 0, `thumbnail of ${name} does not load`);
        const upright = s.uprightSize(name);
        assert.equal(img.height > img.width, upright.h > upright.w,
                     `thumbnail of ${name} is ${img.width}x${img.height}, the photo ` +
                     `${upright.w}x${upright.h} upright`);
        assert.equal(Math.max(img.width, img.height), photoSize, `long side of ${name}`);
        assert.ok(Math.abs(img.width / img.height - upright.w / upright.h) < 0.02,
                  `thumbnail of ${name} is ${img.width}x${img.height}, out of proportion`);
      }
    }
    assert.deepEqual(seen, photos);
  });

  test('page links and previous/next links lead to pages that exist', async () => {
    const other = await browser.newPage();
    for (let n = 1; n <= pageCount; ++n) {
      await page.goto(pageUrl(n));
      const block = await page.$eval('div.link', (div) => ({
        text: div.innerText.trim(),
        links: [...div.querySelectorAll('a')].map((a) => ({href: a.href, text: a.textContent})),
      }));
      const others = [...Array(pageCount).keys()].map((i) => i + 1).filter((k) => k !== n);
      assert.deepEqual(block.links.map((l) => l.text), others.map((k) => `${k}ページ`));
      assert.match(block.text, new RegExp(`(^|\\s)${n}ページ`), `page ${n} names itself`);

      const nav = await page.$$eval('div.image a', (as) => as.filter((a) => !a.querySelector('img'))
          .map((a) => ({href: a.href, text: a.textContent})));
      const expected = [];
      if (n > 1) expected.push({text: '前のページ', page: n - 1});
      if (n < pageCount) expected.push({text: '次のページ', page: n + 1});
      assert.deepEqual(nav.map((l) => l.text), expected.map((e) => e.text));

      const targets = [
        ...block.links.map((l, i) => ({href: l.href, page: others[i]})),
        ...nav.map((l, i) => ({href: l.href, page: expected[i].page})),
      ];
      for (const {href, page: k} of targets) {
        assert.equal(s.urlPathIn(folder, href), `page${k}.html`);
        const response = await other.goto(href, {waitUntil: 'domcontentloaded'});
        assert.ok(response.ok(), `${href} from page ${n}`);
        assert.equal(await other.title(), `${k}ページ`);
      }
    }
    await other.close();
  });

  test('every thumbnail links to its photo', async () => {
    for (let n = 1; n <= pageCount; ++n) {
      await page.goto(pageUrl(n));
      // Each link target loaded as an image of its own, as following it would.
      const cells = await page.$$eval('div.image a img', (imgs) => Promise.all(imgs.map((img) => {
        const href = img.closest('a').href;
        const probe = new Image();
        return new Promise((done) => {
          probe.onload = probe.onerror = () =>
            done({href, thumb: img.src, width: probe.naturalWidth, height: probe.naturalHeight});
          probe.src = href;
        });
      })));
      for (const {href, thumb, width, height} of cells) {
        const name = s.urlName(thumb);
        assert.equal(s.urlPathIn(folder, href), path.join('jpg', name));
        assert.deepEqual({w: width, h: height}, s.uprightSize(name), `photo ${name}`);
      }
    }
  });
});
