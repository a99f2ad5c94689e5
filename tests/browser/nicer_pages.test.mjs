// The pages of ClassicPages=0 as a visitor opens them on a desktop (1280 x
// 900) and a phone (390 x 844), at device scale factors 1 and 2: reflowing
// thumbnails, 2x renditions, a slideshow driven by keys, and a user's own
// thum.css that neither a job nor a rewind touches.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import {after, before, describe, test} from 'node:test';

import * as s from './support.mjs';

const photos = ['canon-rebelxt-o8.jpg', 'olympus-d450.jpg', 'pentax-istdl-mm.jpg', 'sony-dscp5.jpg'];
const nicer = ['Setting.ClassicPages=0', 'Setting.Sort=ファイル名', 'Thumbnail.PhotoSize=160'];
// Each at both scale factors; the screenshots are of the desktop at 1 and the
// phone at 2.
const screens = [['desktop', 1280, 900, 1], ['desktop at 2x', 1280, 900, 2],
  ['phone at 1x', 390, 844, 1], ['phone', 390, 844, 2]];

describe('pages of ClassicPages=0', () => {
  let dir, trips, spring, summer, slides, browser;

  before(async () => {
    dir = s.makeTempDir();
    trips = path.join(dir, '旅行');
    spring = path.join(trips, '春');
    summer = path.join(trips, '夏');
    slides = path.join(dir, 'slides');
    s.photoFolder(spring, photos);
    s.photoFolder(summer, photos.slice(0, 2));
    fs.writeFileSync(path.join(summer, 'thum.css'), 'body { color: green; }\n');
    s.photoFolder(slides, photos);
    s.runCli(dir, [spring, summer], [...nicer, 'Thumbnail.TopHtml=1']);
    s.runCli(dir, [slides], [...nicer, 'SlideShow.Size=240'], ['--mode', 'slideshow']);
    browser = await s.launchBrowser();
  });
  after(async () => {
    await browser?.close();
    s.removeTempDir(dir);
  });

  async function open(file, [, width, height, scale]) {
    const page = await browser.newPage();
    await page.setViewport({width, height, deviceScaleFactor: scale, isMobile: width < 600});
    await page.goto(s.fileUrl(file));
    return page;
  }

  for (const screen of screens) {
    test(`page1.html on the ${screen[0]}: fits, sized, the rendition of its scale`, async () => {
      const page = await open(path.join(spring, 'page1.html'), screen);
      await page.evaluate(() => Promise.all([...document.images].map((img) => {
        img.loading = 'eager';
        return img.complete ? null : new Promise((r) => { img.onload = img.onerror = r; });
      })));
      const facts = await page.evaluate(() => ({
        title: document.title,
        scroll: document.documentElement.scrollWidth,
        width: window.innerWidth,
        images: [...document.images].map((img) => ({
          alt: img.alt, current: img.currentSrc, right: img.getBoundingClientRect().right,
          hasSize: img.hasAttribute('width') && img.hasAttribute('height'),
        })),
      }));
      assert.equal(facts.title, '1ページ - 春');
      assert.ok(facts.scroll <= facts.width, `scrolls sideways: ${facts.scroll} > ${facts.width}`);
      assert.equal(facts.images.length, photos.length);
      for (const img of facts.images) {
        assert.ok(photos.includes(img.alt), img.alt);
        assert.ok(img.hasSize, `${img.alt} has no width and height`);
        assert.ok(img.right <= facts.width, `${img.alt} reaches past the screen`);
        assert.equal(img.current.includes('/thum/2x/'), screen[3] === 2, img.current);
      }
      if (!screen[0].includes(' ')) await s.screenshot(page, `page1-${screen[0]}.png`);
      await page.close();
    });

    test(`Top.html on the ${screen[0]}: frameset on the desktop, the menu on a phone`, async () => {
      const page = await open(path.join(trips, 'Top.html'), screen);
      await new Promise((r) => setTimeout(r, 300));
      if (screen[1] < 600) {
        assert.equal(s.urlName(page.url()), 'Menu.html');
      } else {
        const menu = page.frames().find((f) => s.urlName(f.url()) === 'Menu.html');
        assert.ok(menu);
        const shown = await menu.evaluate(() => document.querySelector('a.shown')?.textContent);
        assert.equal(shown, '春');
      }
      if (!screen[0].includes(' ')) await s.screenshot(page, `top-${screen[0]}.png`);
      await page.close();
    });

    test(`slideshow.html on the ${screen[0]}: keys, counter and name`, async () => {
      const page = await open(path.join(slides, 'slideshow.html'), screen);
      const state = () => page.evaluate(() => ({
        counter: document.getElementById('slidecounter').textContent,
        name: document.getElementById('slidename').textContent,
        src: document.getElementById('slideshow').currentSrc || document.getElementById('slideshow').src,
      }));
      assert.deepEqual((await state()).counter, `1 / ${photos.length}`);
      if (!screen[0].includes(' ')) await s.screenshot(page, `slideshow-${screen[0]}.png`);
      await page.keyboard.press('ArrowRight');
      let now = await state();
      assert.equal(now.counter, `2 / ${photos.length}`);
      assert.equal(now.name, photos[1]);
      await page.keyboard.press('ArrowLeft');
      assert.equal((await state()).counter, `1 / ${photos.length}`);
      await page.keyboard.press('End');
      assert.equal((await state()).name, photos[photos.length - 1]);
      await page.keyboard.press('Home');
      assert.equal((await state()).name, photos[0]);
      // Space starts the show and stops it again; + halves the interval.
      await page.keyboard.press(' ');
      await page.keyboard.press('+');
      const fast = await page.evaluate(() => inttime);
      assert.equal(fast, 1000);
      await page.keyboard.press('-');
      assert.equal(await page.evaluate(() => inttime), 2000);
      await page.keyboard.press('Escape');
      const stopped = (await state()).counter;
      await new Promise((r) => setTimeout(r, 2300));
      assert.equal((await state()).counter, stopped);
      // A swipe to the left steps on.
      await page.evaluate(() => {
        const touch = (x) => new Touch({identifier: 1, target: document.body, clientX: x, clientY: 100});
        document.dispatchEvent(new TouchEvent('touchstart', {touches: [touch(300)], changedTouches: [touch(300)]}));
        document.dispatchEvent(new TouchEvent('touchend', {touches: [], changedTouches: [touch(100)]}));
      });
      assert.notEqual((await state()).counter, stopped);
      await page.close();
    });
  }

  test('a user\'s own thum.css is neither replaced by the job nor deleted by the rewind', () => {
    const own = path.join(summer, 'thum.css');
    assert.equal(fs.readFileSync(own, 'utf8'), 'body { color: green; }\n');
    assert.ok(fs.existsSync(path.join(spring, 'thum.css')));
    s.runCli(dir, [summer, spring], nicer);  // both processed: a rewind
    assert.equal(fs.readFileSync(own, 'utf8'), 'body { color: green; }\n');
    assert.ok(!fs.existsSync(path.join(spring, 'thum.css')));
    assert.ok(!fs.existsSync(path.join(spring, 'thum')));
  });
});
