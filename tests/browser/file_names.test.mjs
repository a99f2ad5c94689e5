// Photos whose names are Japanese, or hold characters that code page 932
// lacks (the page carries those as character references): the browser must
// still find the thumbnail and the photo behind the link.
import assert from 'node:assert/strict';
import path from 'node:path';
import {after, before, describe, test} from 'node:test';

import * as s from './support.mjs';

const cases = [
  {what: 'a Japanese name', name: '桜の京都.jpg', photo: 'olympus-d450.jpg'},
  {what: 'a letter outside code page 932', name: 'café crème.jpg', photo: 'pentax-istdl-mm.jpg'},
  {what: 'a character beyond the BMP', name: '𠮷野家.jpg', photo: 'sony-dscp5.jpg'},
];

describe('photo file names in the pages', () => {
  let dir, folder, browser, page;

  before(async () => {
    dir = s.makeTempDir();
    folder = path.join(dir, '名前');
    s.photoFolder(folder, Object.fromEntries(cases.map((c) => [c.name, c.photo])));
    s.runCli(dir, [folder], ['Thumbnail.PhotoSize=160']);
    browser = await s.launchBrowser();
    page = await s.newPage(browser);
  });
  after(async () => {
    await browser?.close();
    s.removeTempDir(dir);
  });

  for (const {what, name, photo} of cases) {
    test(`${what}: the thumbnail loads and its link opens the photo`, async () => {
      await page.goto(s.fileUrl(path.join(folder, 'page1.html')));
      const images = await s.imagesOf(page);
      const thumb = images.find((img) => s.urlName(img.src) === name);
      assert.ok(thumb, `no thumbnail named ${name} among ${images.map((i) => s.urlName(i.src))}`);
      assert.equal(s.urlPathIn(folder, thumb.src), path.join('thum', name));
      assert.ok(thumb.complete && thumb.width > 0, `thumbnail of ${name} does not load`);

      const link = await page.evaluateHandle(
          (src) => [...document.images].find((img) => img.src === src).closest('a'), thumb.src);
      const href = await link.evaluate((a) => a.href);
      assert.equal(s.urlPathIn(folder, href), path.join('jpg', name));
      const [response] = await Promise.all([page.waitForNavigation(), link.click()]);
      assert.ok(response.ok(), `following the link of ${name}`);
      const [shown] = await s.imagesOf(page);
      assert.deepEqual({w: shown?.width, h: shown?.height}, s.uprightSize(photo));
    });
  }
});
