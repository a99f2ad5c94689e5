// slideshow.html as a browser runs it: the first slide, the step buttons,
// and the timer that the start, stop and faster buttons drive.
import assert from 'node:assert/strict';
import path from 'node:path';
import {after, before, beforeEach, describe, test} from 'node:test';

import * as s from './support.mjs';

const photos = ['canon-rebelxt-o8.jpg', 'olympus-d450.jpg', 'pentax-istdl-mm.jpg', 'sony-dscp5.jpg'];
const speed = 600;  // ms between slides
const slideSize = 480;

describe('slideshow.html', () => {
  let dir, folder, browser, page;

  before(async () => {
    dir = s.makeTempDir();
    folder = path.join(dir, 'slides');
    s.photoFolder(folder, photos);
    s.runCli(dir, [folder], [`SlideShow.Speed=${speed}`, `SlideShow.Size=${slideSize}`,
                             'Setting.Sort=ファイル名'], ['--mode', 'slideshow']);
    browser = await s.launchBrowser();
    page = await s.newPage(browser, 800, 600);
  });
  after(async () => {
    await browser?.close();
    s.removeTempDir(dir);
  });

  // A fresh page each time, with the moments at which the slide changed.
  beforeEach(async () => {
    await page.goto(s.fileUrl(path.join(folder, 'slideshow.html')));
    await page.evaluate(() => {
      window.changes = [];
      new MutationObserver(() => window.changes.push(performance.now()))
          .observe(document.getElementById('slideshow'), {attributes: true, attributeFilter: ['src']});
    });
  });

  // The slide once loaded: its file name and size.
  async function shown() {
    await page.waitForFunction(() => document.getElementById('slideshow').complete);
    const [slide] = (await s.imagesOf(page)).filter((img) => img.src.includes('/slideshow/'));
    return {name: s.urlName(slide.src), width: slide.width, height: slide.height};
  }

  // Presses a button in the page and gives the moment it did.
  const press = (label) => page.evaluate((value) => {
    const button = [...document.querySelectorAll('input[type=button]')].find((b) => b.value === value);
    if (!button) throw new Error(`no button ${value}`);
    const t = performance.now();
    button.click();
    return t;
  }, label);

  const changesUntil = async (n) => {
    await page.waitForFunction((k) => window.changes.length >= k, {timeout: 20 * speed}, n);
    return page.evaluate(() => window.changes);
  };
  const meanGap = (times) => (times.at(-1) - times[0]) / (times.length - 1);

  test('shows the first photo, upright and at the slide size', async () => {
    assert.equal(await page.title(), 'スライドショー');
    const slide = await shown();
    await s.screenshot(page, 'slideshow.png');
    assert.equal(slide.name, photos[0]);
    const upright = s.uprightSize(photos[0]);
    assert.equal(slide.height > slide.width, upright.h > upright.w, 'upright');
    assert.equal(Math.max(slide.width, slide.height), slideSize);
  });

  test('">" shows each photo in turn and wraps to the first', async () => {
    for (const expected of [...photos.slice(1), photos[0]]) {
      await press('>');
      const slide = await shown();
      assert.equal(slide.name, expected);
      assert.ok(slide.width > 0, `slide ${expected} loads`);
      const upright = s.uprightSize(expected);
      assert.equal(slide.height > slide.width, upright.h > upright.w, `${expected} upright`);
    }
  });

  test('"<" on the first photo wraps to the last', async () => {
    await press('<');
    assert.equal((await shown()).name, photos.at(-1));
  });

  test('"[>" advances within twice the interval and "□" stops it', async () => {
    const started = await press('[>');
    const [first] = await changesUntil(1);
    assert.ok(first - started <= 2 * speed, `first change after ${first - started} ms`);
    assert.equal((await shown()).name, photos[1]);
    await changesUntil(2);
    await press('□');
    const stoppedAt = (await page.evaluate(() => window.changes)).length;
    await new Promise((done) => setTimeout(done, 2.5 * speed));
    assert.equal((await page.evaluate(() => window.changes)).length, stoppedAt, 'still changing');
  });

  test('">>" halves the interval and "[>" puts it back', async () => {
    await press('>>');
    const fast = await changesUntil(4);
    await press('[>');
    const from = fast.length;
    const normal = (await changesUntil(from + 4)).slice(from);
    const fastGap = meanGap(fast), normalGap = meanGap(normal);
    assert.ok(fastGap < 0.75 * speed, `">>" gives ${fastGap} ms between slides`);
    assert.ok(normalGap > 0.75 * speed, `"[>" gives ${normalGap} ms between slides`);
    assert.ok(fastGap / normalGap > 0.35 && fastGap / normalGap < 0.7,
              `${fastGap} ms against ${normalGap} ms`);
  });
});
