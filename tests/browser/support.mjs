// Shared pieces of the browser tests: temporary photo folders, the real CLI,
// one headless Chromium per test file, and the optional screenshots.
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {pathToFileURL} from 'node:url';

import puppeteer from 'puppeteer-core';

const cli = process.env.FOLIO_CLI;
const photosDir = process.env.FOLIO_PHOTOS_DIR;
const chromium = process.env.CHROMIUM || '/usr/bin/chromium';
const screensDir = process.env.FOLIO_SCREENS_DIR || '';

// exiftool's reading of the shared photos, keyed by file name.
export const facts = Object.fromEntries(
    JSON.parse(fs.readFileSync(path.join(photosDir, 'facts.json'), 'utf8'))
        .map((f) => [f.SourceFile, f]));

// Width and height of a photo as a viewer shows it: Orientation 5 to 8 turn
// it by a quarter.
export function uprightSize(photo) {
  const f = facts[photo];
  const w = f['File:ImageWidth'], h = f['File:ImageHeight'];
  return f['IFD0:Orientation'] >= 5 ? {w: h, h: w} : {w, h};
}

export const makeTempDir = () => fs.mkdtempSync(path.join(os.tmpdir(), 'folio-browser-'));
export const removeTempDir = (dir) => dir && fs.rmSync(dir, {recursive: true, force: true});

// Copies shared photos into folder (created), each under the name given, or
// its own: {'桜.jpg': 'olympus-d450.jpg'} or ['olympus-d450.jpg'].
export function photoFolder(folder, photos) {
  fs.mkdirSync(folder, {recursive: true});
  const entries = Array.isArray(photos) ? photos.map((p) => [p, p]) : Object.entries(photos);
  for (const [name, photo] of entries) {
    fs.copyFileSync(path.join(photosDir, photo), path.join(folder, name));
  }
}

// Runs folioscope-cli on the folders with its own settings file in dir, as one
// batch; --set assignments in sets. Throws on a non-zero exit.
// The classic pages unless sets choose: most files here check those, and
// nicer_pages.test.mjs the pages of ClassicPages=0.
export function runCli(dir, folders, sets = [], extra = []) {
  const args = ['--ini', path.join(dir, 'folioscope-cli.ini'), ...extra];
  if (!sets.some((s) => s.startsWith('Setting.ClassicPages='))) sets = ['Setting.ClassicPages=1', ...sets];
  for (const s of sets) args.push('--set', s);
  return execFileSync(cli, [...args, ...folders], {encoding: 'utf8', stdio: ['ignore', 'pipe', 'pipe']});
}

export const fileUrl = (p) => pathToFileURL(p).href;

// The last path segment of a URL, decoded.
export const urlName = (u) => decodeURIComponent(new URL(u).pathname.split('/').pop());

// The path of a file: URL relative to dir, decoded.
export const urlPathIn = (dir, u) =>
  path.relative(dir, decodeURIComponent(new URL(u).pathname));

export function launchBrowser() {
  return puppeteer.launch({
    executablePath: chromium,
    headless: true,
    // CI runs as root, where Chromium's sandbox cannot start. An English
    // browser guesses no Japanese code page: the pages must declare theirs.
    args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--lang=en-US'],
  });
}

export async function newPage(browser, width = 1024, height = 768) {
  const page = await browser.newPage();
  await page.setViewport({width, height});
  return page;
}

// Every <img> of a document once loaded: its file name and natural size.
export function imagesOf(frame) {
  return frame.evaluate(() => [...document.images].map((img) => ({
    src: img.src,
    complete: img.complete,
    width: img.naturalWidth,
    height: img.naturalHeight,
  })));
}

// A screenshot into FOLIO_SCREENS_DIR (or run.sh --screens DIR), when given.
export async function screenshot(page, name) {
  if (!screensDir) return;
  fs.mkdirSync(screensDir, {recursive: true});
  await page.screenshot({path: path.join(screensDir, name)});
}
