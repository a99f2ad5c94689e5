// Copies of real photos under hostile names (quotes, angle brackets, "&",
// "#", "?", "%41", "\", TAB, CR, bytes that are no UTF-8, look-alikes of the
// code page) and one whose Exif Model is a script tag, in thumbnail pages, a
// slideshow and a batch whose folders are named to attack Menu.html and
// Top.html. Every payload sets the global `pwned`: none may run, every
// picture must load, and every link must open the very bytes of its photo.
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import {after, before, describe, test} from 'node:test';

import * as s from './support.mjs';

// Name (a string, or a Buffer of raw bytes) and the photo copied under it.
// "tab.jpg", "cr.jpg" and "%FF%FE.jpg" are the files a careless link would
// open in place of their neighbours.
const photos = [
  ['<img src=x onerror=pwned=1>.jpg', 'olympus-d450.jpg'],
  ['q" onerror="pwned=2" x=".jpg', 'pentax-istdl-mm.jpg'],
  ['a";pwned=3;".jpg', 'sony-fd88-noexif.jpg'],
  ["b';pwned=4;'.jpg", 'kodak-dc260-portrait.jpg'],
  ['&amp; &#60; & hash#tag?.jpg', 'canon-powershot-g2.jpg'],
  ['%41%2e.jpg', 'canon-sx150is-o6.jpg'],
  ['back\\slash\\.jpg', 'samsung-progressive.jpg'],
  ['ta\tb.jpg', 'canon-eos5d3-28-135-o8.jpg'],
  ['tab.jpg', 'canon-rebelxt-o8.jpg'],
  ['c\rr.jpg', 'nikon-d90-mm.jpg'],
  ['cr.jpg', 'sony-dscp5.jpg'],
  [Buffer.from([0xff, 0xfe, 0x2e, 0x6a, 0x70, 0x67]), 'canon-eosrp-rf35.jpg'],
  ['%FF%FE.jpg', 'canon-eos5d3-28-135-o6.jpg'],
  ['¥〜−～.jpg', 'olympus-c3000-zerodate.jpg'],
  ['model.jpg', 'apple-iphonexr-burst1.jpg'],
];
const scriptModel = '</td><script>pwned=5</script><td>';
// Text the page shows in place of a name: the code page writes a few
// characters as look-alikes (its links encode them), and HTML reads a CR in
// text as a line feed.
const shownAs = (name) => name.replace(/¥/g, '\\').replace(/〜/g, '～').replace(/−/g, '－')
                              .replace(/\r/g, '\n');
const asBuffer = (name) => (Buffer.isBuffer(name) ? name : Buffer.from(name));
const nameKey = (name) => asBuffer(name).toString('hex');

// Copies the photos into folder under their names; the copy named model.jpg
// gets the script as its Model.
function hostileFolder(folder) {
  fs.mkdirSync(folder, {recursive: true});
  const bytes = new Map();
  for (const [name, photo] of photos) {
    const file = Buffer.concat([Buffer.from(folder + '/'), asBuffer(name)]);
    fs.copyFileSync(path.join(process.env.FOLIO_PHOTOS_DIR, photo), file);
    if (name === 'model.jpg') {
      execFileSync('exiftool', ['-q', '-overwrite_original', `-IFD0:Model=${scriptModel}`,
                                path.join(folder, name)]);
    }
    bytes.set(nameKey(name), fs.readFileSync(file));
  }
  return bytes;
}

// The file a file: URL names, as raw bytes of its path (percent-escapes
// decoded byte by byte, so that names that are no UTF-8 survive).
function urlFile(u) {
  const p = new URL(u).pathname;
  const out = [];
  for (let i = 0; i < p.length;) {
    if (p[i] === '%') {
      out.push(parseInt(p.slice(i + 1, i + 3), 16));
      i += 3;
    } else {
      out.push(...Buffer.from(p[i++]));
    }
  }
  return Buffer.from(out);
}
const lastSegment = (file) => file.subarray(file.lastIndexOf(0x2f) + 1);

const hasRun = (frame) => frame.evaluate(() => typeof window.pwned !== 'undefined');

// Opens a URL and gives the bytes the browser got.
async function fetchBytes(browser, u) {
  const tab = await browser.newPage();
  try {
    const response = await tab.goto(u);
    assert.ok(response.ok(), `opening ${u}`);
    return await response.buffer();
  } finally {
    await tab.close();
  }
}

describe('hostile names and Exif texts', () => {
  let dir, browser, page;

  before(async () => {
    dir = s.makeTempDir();
    browser = await s.launchBrowser();
    page = await s.newPage(browser);
  });
  after(async () => {
    await browser?.close();
    s.removeTempDir(dir);
  });

  test('thumbnail pages: no script runs, every thumbnail loads, every link opens its photo',
       async () => {
    const folder = path.join(dir, 'thumbs');
    const originals = hostileFolder(folder);
    s.runCli(dir, [folder], ['Thumbnail.PhotoSize=120', 'Thumbnail.PhotoNo=100',
                             'Thumbnail.Exif=%j<br>%m %c', 'Thumbnail.TitleString=%c']);
    await page.goto(s.fileUrl(path.join(folder, 'page1.html')));
    assert.equal(await hasRun(page), false, 'a payload ran');

    const cells = await page.$$eval('td a', (as) => as.map((a) => ({
      href: a.href,
      img: a.querySelector('img') && {src: a.querySelector('img').src, complete: a.querySelector('img').complete,
                                      width: a.querySelector('img').naturalWidth},
      caption: a.parentElement.textContent,
    })));
    assert.equal(cells.length, photos.length);
    const seen = new Set();
    for (const cell of cells) {
      const target = urlFile(cell.href);
      const key = lastSegment(target).toString('hex');
      assert.ok(originals.has(key), `${cell.href} names no photo`);
      assert.ok(!seen.has(key), `two links to ${cell.href}`);
      seen.add(key);
      assert.equal(path.basename(path.dirname(target.toString('latin1'))), 'jpg');
      assert.ok(cell.img && cell.img.complete && cell.img.width > 0, `thumbnail of ${cell.href}`);
      assert.equal(lastSegment(urlFile(cell.img.src)).toString('hex'), key, 'thumbnail and link');
      assert.ok(originals.get(key).equals(await fetchBytes(browser, cell.href)),
                `${cell.href} opens other bytes`);
    }
    // The caption shows the name as text, and the Model as text.
    const captions = cells.map((c) => c.caption);
    for (const [name] of photos) {
      if (Buffer.isBuffer(name)) continue;
      assert.ok(captions.some((c) => c.startsWith(shownAs(name))), `caption of ${JSON.stringify(name)}`);
    }
    assert.ok(captions.some((c) => c.includes(scriptModel)), 'the Model as text');
  });

  test('slideshow: no script runs and the buttons step through every slide', async () => {
    const folder = path.join(dir, 'slides');
    const originals = hostileFolder(folder);
    s.runCli(dir, [folder], ['SlideShow.Size=160', 'Setting.Sort=ファイル名'], ['--mode', 'slideshow']);
    await page.goto(s.fileUrl(path.join(folder, 'slideshow.html')));
    assert.equal(await hasRun(page), false, 'a payload ran');
    assert.equal(await page.evaluate(() => typeof slideimage), 'function', 'the script is dead');

    const slide = async () => {
      await page.waitForFunction(() => document.getElementById('slideshow').complete);
      return page.evaluate(() => {
        const img = document.getElementById('slideshow');
        return {src: img.src, width: img.naturalWidth};
      });
    };
    const shown = [];
    for (let i = 0; i < photos.length; ++i) {
      if (i > 0) await page.click('input[value=">"]');
      const {src, width} = await slide();
      const file = urlFile(src);
      assert.equal(path.basename(path.dirname(file.toString('latin1'))), 'slideshow');
      assert.ok(width > 0, `slide ${src} loads`);
      shown.push(lastSegment(file).toString('hex'));
    }
    assert.deepEqual([...shown].sort(), [...originals.keys()].sort(), 'every slide once');
    await page.click('input[value="<"]');
    assert.equal(lastSegment(urlFile((await slide()).src)).toString('hex'), shown.at(-2));
    assert.equal(await hasRun(page), false, 'a payload ran');
  });

  test('a batch of hostile folder names: Top.html and Menu.html run nothing and link each folder',
       async () => {
    const parent = path.join(dir, '<b>&amp; "親" #1?');
    const folders = ['<img src=x onerror=pwned=6> "#?%41&amp;', 'javascript:pwned=7', ' ¥\\x'];
    folders.forEach((name, i) => s.photoFolder(path.join(parent, name), [photos[i][1]]));
    s.runCli(dir, folders.map((n) => path.join(parent, n)),
             ['Thumbnail.TopHtml=1', 'Thumbnail.PhotoSize=120', 'Setting.Sort=ファイル名']);

    await page.goto(s.fileUrl(path.join(parent, 'Top.html')));
    assert.equal(await page.title(), path.basename(parent));
    const frame = (name) => page.frames().find((f) => f.name() === name);
    const assertMainShows = async (name) => {
      const main = frame('main');
      assert.equal(s.urlPathIn(parent, main.url()), path.join(name, 'page1.html'));
      const [img] = await s.imagesOf(main);
      assert.ok(img && img.complete && img.width > 0, `the photo of ${name}`);
    };
    await assertMainShows(folders[0]);

    const menu = frame('contents');
    const links = await menu.$$eval('a', (as) => as.map((a) => a.textContent));
    assert.deepEqual(links, folders.map(shownAs));
    for (const [i, name] of [...folders.entries()].reverse()) {
      const link = (await menu.$$('a'))[i];
      await Promise.all([frame('main').waitForNavigation(), link.click()]);
      await assertMainShows(name);
    }
    for (const f of page.frames()) assert.equal(await hasRun(f), false, `a payload ran in ${f.url()}`);
  });
});
